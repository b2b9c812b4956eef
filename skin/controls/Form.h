#pragma once

#include <string>

#include "skin/controls/frame/DefaultForm.h"
#include "skin/theme/CustomThemeLink.h"
#include "skin/theme/Theme.h"

namespace z5t8::skin::controls {

// The form frame drawn by a theme's window family whenever the theme (its
// link's, else the current one) has a window object of the frame's name;
// otherwise the classic frame of TTeDefaultForm.
class TTeForm : public TTeDefaultForm {
  Z5T8_CLASS(TTeForm, TTeDefaultForm)
public:
  explicit TTeForm(fw::TComponent* owner);
  ~TTeForm() override;

  theme::TteCustomThemeLink* ThemeLink() const { return FThemeLink; }
  void SetThemeLink(theme::TteCustomThemeLink* link);
  const std::string& ThemeObject() const { return FThemeObject; }
  void SetThemeObject(const std::string& name);

  std::optional<pg::Region> GetRegion() override;
  TRect GetCaptionButtonRect(TTeBorderIcon icon) override;
  TRect GetClientBounds() override;
  TRect GetRollupRect() override;
  TRect GetMinimizedRect() override;
  TRect GetMaximizedRect() override;
  TPoint GetMaxTrackSize() override;
  TPoint GetMinTrackSize() override;
  void PaintGripper(fw::TCanvas* canvas) override;
  void PaintNonClientArea(fw::TCanvas* canvas) override;
  void PaintClientArea() override;
  TteWindowHitTest GetHitTest(int x, int y) override;
  bool Themed() override;

  void Notification(fw::TComponent* component, fw::TOperation operation) override;

  // The theme the frame draws with now, or null.
  theme::TteTheme* Theme() const;
  theme::TteWindowInfo WindowInfo();
  // The button class an icon shows in the current state; false for icons with none.
  bool ButtonClassOf(TTeBorderIcon icon, theme::TteWindowButtonClass& out) const;

protected:
  void ThemeNotify(fw::TMessage& m);
  void ThemeLinkChanged(fw::TMessage& m);
  void PaintThemed(fw::TCanvas* canvas, theme::TteTheme* theme);
  void DrawThemedTitle(fw::TCanvas* canvas, theme::TteTheme* theme, const theme::TteWindowInfo& info);

  theme::TteCustomThemeLink* FThemeLink = nullptr;
  std::string FThemeObject = "default";
};

}  // namespace z5t8::skin::controls
