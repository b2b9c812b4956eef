#include "skin/se3/SkinCaptionButtons.h"

#include <optional>

#include "framework/gui/Application.h"
#include "framework/gui/Form.h"
#include "platform/gui/Icon.h"
#include "platform/gui/SystemMetrics.h"

namespace z5t8::skin::se3 {

namespace pg = platform::gui;

namespace {

std::optional<bool> CaptionButtonVisibleInState(TSeAction action, TSeState state) {
  switch (state) {
    case ssNormal:
      return !(action == sbaRestore || action == sbaRollDown);
    case ssMaximized:
      return !(action == sbaMaximize || action == sbaRollDown);
    case ssMinimized:
      return !(action == sbaMinimize || action == sbaMaximize || action == sbaRollUp ||
               action == sbaRollDown);
    case ssRollup:
      return !(action == sbaRestore || action == sbaRollUp);
    default:
      return std::nullopt;
  }
}

std::optional<bool> CaptionButtonVisibleForButtons(TSeAction action, theme::TteWindowButtons buttons,
                                                   TSeState state) {
  switch (action) {
    case sbaClose:
      return buttons.Contains(theme::kwbClose);
    case sbaHelp:
      return buttons.Contains(theme::kwbHelp);
    case sbaMinimize:
      return buttons.Contains(theme::kwbMin);
    case sbaMaximize:
      return buttons.Contains(theme::kwbMax);
    case sbaRestore:
      return buttons.Contains(state == ssMaximized ? theme::kwbMaxRestore : theme::kwbMinRestore);
    case sbaRollUp:
      return buttons.Contains(theme::kwbRoll);
    case sbaRollDown:
      return buttons.Contains(theme::kwbRollRestore);
    case sbaTray:
      return buttons.Contains(theme::kwbTray);
    case sbaSysMenu:
      return buttons.Contains(theme::kwbSysMenu);
    default:
      return std::nullopt;
  }
}

}  // namespace

void ShowCaptionButtonInState(TSeSkinObject& button, TSeAction action, TSeState state) {
  if (std::optional<bool> visible = CaptionButtonVisibleInState(action, state)) button.SetVisible(*visible);
}

void ShowCaptionButtonForButtons(TSeSkinObject& button, TSeAction action, theme::TteWindowButtons buttons,
                                 TSeState state) {
  if (std::optional<bool> visible = CaptionButtonVisibleForButtons(action, buttons, state))
    button.SetVisible(*visible);
}

void DrawSysMenuIcon(framework::TCanvas* canvas, const TSeSkinObject& object) {
  auto* form = dynamic_cast<framework::TCustomForm*>(object.ParentControl());
  if (!form || !canvas || !canvas->Handle()) return;
  int cx = pg::GetSystemMetrics(pg::SM_CXSMICON), cy = pg::GetSystemMetrics(pg::SM_CYSMICON);
  if (cx == 0 || cy == 0) {
    cx = pg::GetSystemMetrics(pg::SM_CXSIZE);
    cy = pg::GetSystemMetrics(pg::SM_CYSIZE);
  }
  std::optional<pg::Icon> icon;
  if (form->Icon() && !form->Icon()->Empty()) icon = form->Icon()->ImageAt(cx, cy);
  framework::TApplication* app = framework::Application();
  if (!icon && app && app->Icon() && !app->Icon()->Empty()) icon = app->Icon()->ImageAt(cx, cy);
  if (!icon) icon = pg::Icon::standardApplication(cx);
  canvas->Handle()->drawIconEx(object.Left(), object.Top(), *icon, cx, cy, pg::DI_NORMAL);
}

}  // namespace z5t8::skin::se3
