#include "framework/gui/Screen.h"

#include <algorithm>

#include "framework/Properties.h"
#include "platform/gui/SystemMetrics.h"
#include "platform/gui/SystemParameters.h"

namespace z5t8::framework {

Z5T8_IMPLEMENT_CLASS(TScreen, TComponent) {}

int TScreen::Width() const { return platform::gui::GetSystemMetrics(platform::gui::SM_CXSCREEN); }
int TScreen::Height() const { return platform::gui::GetSystemMetrics(platform::gui::SM_CYSCREEN); }

TRect TScreen::WorkAreaRect() const {
  TRect r;
  if (!platform::gui::SystemParametersInfoW(platform::gui::SPI_GETWORKAREA, 0, &r, 0))
    r = Rect(0, 0, Width(), Height());
  return r;
}

int TScreen::IndexOf(const TCustomForm* form) const {
  auto it = std::find(FForms.begin(), FForms.end(), form);
  return it == FForms.end() ? -1 : static_cast<int>(it - FForms.begin());
}

void TScreen::AddForm(TCustomForm* form) {
  if (IndexOf(form) < 0) FForms.push_back(form);
}

void TScreen::RemoveForm(TCustomForm* form) {
  FForms.erase(std::remove(FForms.begin(), FForms.end(), form), FForms.end());
  if (FActiveForm == form) FActiveForm = nullptr;
}

TScreen* Screen() {
  // Lives as long as the program; forms may outlive any static order.
  static TScreen* screen = new TScreen(nullptr);
  return screen;
}

}  // namespace z5t8::framework
