#include "framework/Color.h"

#include <cstdio>

#include "framework/Exceptions.h"

namespace z5t8::framework {

namespace {
constexpr TIdentMapEntry Entry(TColor value, std::string_view name) { return {int32_t(value), name}; }

constexpr TIdentMapEntry kColorIdents[] = {
    Entry(clBlack, "clBlack"),
    Entry(clMaroon, "clMaroon"),
    Entry(clGreen, "clGreen"),
    Entry(clOlive, "clOlive"),
    Entry(clNavy, "clNavy"),
    Entry(clPurple, "clPurple"),
    Entry(clTeal, "clTeal"),
    Entry(clGray, "clGray"),
    Entry(clSilver, "clSilver"),
    Entry(clRed, "clRed"),
    Entry(clLime, "clLime"),
    Entry(clYellow, "clYellow"),
    Entry(clBlue, "clBlue"),
    Entry(clFuchsia, "clFuchsia"),
    Entry(clAqua, "clAqua"),
    Entry(clWhite, "clWhite"),
    Entry(clMoneyGreen, "clMoneyGreen"),
    Entry(clSkyBlue, "clSkyBlue"),
    Entry(clCream, "clCream"),
    Entry(clMedGray, "clMedGray"),
    Entry(clActiveBorder, "clActiveBorder"),
    Entry(clActiveCaption, "clActiveCaption"),
    Entry(clAppWorkSpace, "clAppWorkSpace"),
    Entry(clBackground, "clBackground"),
    Entry(clBtnFace, "clBtnFace"),
    Entry(clBtnHighlight, "clBtnHighlight"),
    Entry(clBtnShadow, "clBtnShadow"),
    Entry(clBtnText, "clBtnText"),
    Entry(clCaptionText, "clCaptionText"),
    Entry(clDefault, "clDefault"),
    Entry(clGradientActiveCaption, "clGradientActiveCaption"),
    Entry(clGradientInactiveCaption, "clGradientInactiveCaption"),
    Entry(clGrayText, "clGrayText"),
    Entry(clHighlight, "clHighlight"),
    Entry(clHighlightText, "clHighlightText"),
    Entry(clHotLight, "clHotLight"),
    Entry(clInactiveBorder, "clInactiveBorder"),
    Entry(clInactiveCaption, "clInactiveCaption"),
    Entry(clInactiveCaptionText, "clInactiveCaptionText"),
    Entry(clInfoBk, "clInfoBk"),
    Entry(clInfoText, "clInfoText"),
    Entry(clMenu, "clMenu"),
    Entry(clMenuBar, "clMenuBar"),
    Entry(clMenuHighlight, "clMenuHighlight"),
    Entry(clMenuText, "clMenuText"),
    Entry(clNone, "clNone"),
    Entry(clScrollBar, "clScrollBar"),
    Entry(cl3DDkShadow, "cl3DDkShadow"),
    Entry(cl3DLight, "cl3DLight"),
    Entry(clWindow, "clWindow"),
    Entry(clWindowFrame, "clWindowFrame"),
    Entry(clWindowText, "clWindowText"),
};
}  // namespace

TIdentMap ColorIdents() { return kColorIdents; }

bool ColorToIdent(TColor color, std::string& ident) {
  std::string_view name;
  if (!IntToIdent(int32_t(color), name, kColorIdents)) return false;
  ident = std::string(name);
  return true;
}

bool IdentToColor(std::string_view ident, TColor& color) {
  int32_t value;
  if (!IdentToInt(ident, value, kColorIdents)) return false;
  color = TColor(value);
  return true;
}

std::string ColorToString(TColor color) {
  std::string ident;
  if (ColorToIdent(color, ident)) return ident;
  char text[16];
  std::snprintf(text, sizeof text, "$%08X", unsigned(color));
  return text;
}

TColor StringToColor(const std::string& text) {
  TColor color;
  if (IdentToColor(text, color)) return color;
  return TColor(StrToInt(text));
}

}  // namespace z5t8::framework
