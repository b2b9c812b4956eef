#include "skin/theme/Theme.h"

#include <algorithm>
#include <utility>

#include "framework/Color.h"
#include "platform/gui/DeviceContext.h"
#include "platform/gui/FrameControls.h"
#include "skin/render/BitmapDrawing.h"
#include "skin/render/CanvasDrawing.h"
#include "skin/render/Color.h"

namespace z5t8::skin::theme {

using namespace framework;
namespace gui = platform::gui;

// The base theme's look: plain primitives in the theme colours, so that every family
// shows something and a look a derived theme lacks is plain to see.

namespace {

using render::DrawEdge;
using render::DrawFrameControlGlyph;
using render::DrawPolygon;
using render::DrawRect;
using render::FillEllipse;
using render::FillPolygon;
using render::FillRect;
using render::FillRoundRect;
using render::IsRectEmpty;
using render::RectHeight;
using render::RectWidth;
using render::StdChangeColor;

constexpr TColor kNavy = 0x800000;
// Outlines the plain fill of a family the base theme has no real look for.
constexpr TColor kMarkerOutline = 0x808000;

int Add(int a, int64_t d) { return render::Saturate(int64_t(a) + d); }

void Marker(TCanvas* canvas, const TRect& r, TColor fill) {
  if (!canvas || IsRectEmpty(r)) return;
  FillRect(canvas, r, fill);
  DrawRect(canvas, r, kMarkerOutline);
}

// A w x h box centred in r, halves toward the top left.
TRect CentredBox(const TRect& r, int w, int h) {
  return gui::rectFromSize(Add(r.left, (int64_t(RectWidth(r)) - w) / 2),
                           Add(r.top, (int64_t(RectHeight(r)) - h) / 2), w, h);
}

void DrawCentred(TCanvas* canvas, const render::TteBitmap& bitmap, const TRect& r) {
  TRect box = CentredBox(r, bitmap.Width(), bitmap.Height());
  bitmap.Draw(canvas, box.left, box.top);
}

// An isosceles triangle filling r, pointing up or down.
void DrawTriangle(TCanvas* canvas, const TRect& r, bool up, TColor colour) {
  if (IsRectEmpty(r)) return;
  int mid = Add(r.left, (int64_t(RectWidth(r)) - 1) / 2);
  int top = r.top, bottom = Add(r.bottom, -1);
  const TPoint up_[] = {{r.left, bottom}, {Add(r.right, -1), bottom}, {mid, top}};
  const TPoint down[] = {{r.left, top}, {Add(r.right, -1), top}, {mid, bottom}};
  FillPolygon(canvas, up ? up_ : down, colour);
  DrawPolygon(canvas, up ? up_ : down, colour);
}

// A tick three pixels thick, scaled to fill a square box.
void DrawCheckMark(TCanvas* canvas, const TRect& box, TColor colour) {
  const int n = std::min(RectWidth(box), RectHeight(box));
  auto at = [&](int x, int y) { return TPoint{box.left + x * n / 16, box.top + y * n / 16}; };
  const TPoint tick[] = {at(3, 7), at(6, 10), at(12, 4), at(12, 7), at(6, 13), at(3, 10)};
  FillPolygon(canvas, tick, colour);
}

unsigned CaptionGlyph(TteWindowButtonClass button) {
  switch (button) {
    case kwbClose:
      return gui::DFCS_CAPTIONCLOSE;
    case kwbHelp:
      return gui::DFCS_CAPTIONHELP;
    case kwbMin:
      return gui::DFCS_CAPTIONMIN;
    case kwbMax:
      return gui::DFCS_CAPTIONMAX;
    default:
      return gui::DFCS_CAPTIONRESTORE;
  }
}

// The standard marks of menu and tool items, centred in r; a picture at its own size.
void DrawMark(TCanvas* canvas, const TRect& r, const render::TteBitmap* bitmap, TteMenuGlyph glyph) {
  if (!canvas || IsRectEmpty(r)) return;
  TColor ink = canvas->Font()->Color();
  TRect box = CentredBox(r, 16, 16);
  switch (glyph) {
    case kmgGlyph:
      if (bitmap) DrawCentred(canvas, *bitmap, r);
      break;
    case kmgCheckGlyph:
      DrawCheckMark(canvas, box, ink);
      break;
    case kmgRadioGlyph:
      FillEllipse(canvas, CentredBox(r, 6, 6), clBlack);
      break;
    case kmgSubMenuGlyph: {
      TRect t = CentredBox(r, 4, 7);
      const TPoint arrow[] = {{t.left, t.top}, {t.left + 3, t.top + 3}, {t.left, t.top + 6}};
      FillPolygon(canvas, arrow, ink);
      DrawPolygon(canvas, arrow, ink);
      break;
    }
    case kmgSysMenu:
      DrawRect(canvas, box.inflate(-3, -4), ink);
      FillRect(canvas, box.left + 3, box.top + 4, box.right - 3, box.top + 7, ink);
      break;
    case kmgClose:
      DrawFrameControlGlyph(canvas, box, gui::DFC_CAPTION, gui::DFCS_CAPTIONCLOSE, ink);
      break;
    case kmgMin:
      DrawFrameControlGlyph(canvas, box, gui::DFC_CAPTION, gui::DFCS_CAPTIONMIN, ink);
      break;
    case kmgMax:
      DrawFrameControlGlyph(canvas, box, gui::DFC_CAPTION, gui::DFCS_CAPTIONMAX, ink);
      break;
    case kmgMinRestore:
    case kmgMaxRestore:
      DrawFrameControlGlyph(canvas, box, gui::DFC_CAPTION, gui::DFCS_CAPTIONRESTORE, ink);
      break;
    case kmgRoll:
      DrawTriangle(canvas, box.inflate(-4, -5), true, ink);
      break;
    case kmgRollRestore:
      DrawTriangle(canvas, box.inflate(-4, -5), false, ink);
      break;
    case kmgTray:
      FillRect(canvas, box.right - 6, box.bottom - 6, box.right - 3, box.bottom - 3, ink);
      break;
    default:
      break;
  }
}

struct TteButtonLook {
  TteThemeColor Face;
  bool Pressed;
  bool Hot;
  bool Focused;
};

// The default and checked states borrow the face and lines of their nearest plain state.
TteButtonLook ButtonLook(TteButtonDrawState state) {
  switch (state) {
    case kbdsHot:
      return {ktcButtonHot, false, true, false};
    case kbdsPressed:
      return {ktcButtonPressed, true, false, false};
    case kbdsFocused:
      return {ktcButtonFocused, false, false, true};
    case kbdsFocusedHot:
      return {ktcButtonHot, false, true, true};
    case kbdsDefault:
      return {ktcButtonFocused, false, false, true};
    case kbdsDefaultHot:
      return {ktcButtonHot, false, true, true};
    case kbdsChecked:
      return {ktcButtonPressed, true, false, false};
    case kbdsCheckedDisabled:
      return {ktcButtonDisabled, true, false, false};
    case kbdsCheckedHot:
      return {ktcButtonHot, true, true, false};
    case kbdsCheckedFocused:
      return {ktcButtonPressed, true, false, true};
    default:
      return {ktcButtonNormal, false, false, false};
  }
}

TteThemeColor EditFace(TteEditDrawState state) {
  switch (state) {
    case kedsHot:
      return ktcEditHot;
    case kedsFocused:
    case kedsFocusedHot:
      return ktcEditFocused;
    case kedsDisabled:
    case kedsReadOnly:
      return ktcEditDisabled;
    case kedsSelection:
      return ktcEditSelection;
    default:
      return ktcEditNormal;
  }
}

TColor ScrollStateColor(TteScrollButtonDrawState state) {
  switch (state) {
    case zqbdsPressed:
      return 0xFF0000;
    case zqbdsHot:
      return 0x0000FF;
    case zqbdsDisabled:
      return 0xC0C0C0;
    default:
      return 0x808080;
  }
}

}  // namespace

// Window geometry.

std::optional<gui::Region> TteTheme::WindowGetRegion(TteWindowSubclass, const TRect&, const std::string&) {
  return std::nullopt;
}

TRect TteTheme::WindowGetClientRect(TteWindowSubclass, const TRect& rect, const std::string&) {
  // Saturated: a rectangle near the ends of the coordinate range must not wrap around.
  return {Add(rect.left, 4), Add(rect.top, 22), Add(rect.right, -4), Add(rect.bottom, -4)};
}

TRect TteTheme::WindowGetTitleRect(TteWindowSubclass subclass, const TteWindowInfo& info,
                                   const std::string&) {
  TRect client = WindowGetClientRect(subclass, info.Rect, "default");
  return {client.left, 3, client.right, client.top};
}

namespace {

// Right to left from the close position; each class stands for its restore twin too.
constexpr TteWindowButtonClass kRightToLeft[] = {kwbClose, kwbMax, kwbMin, kwbRoll, kwbTray, kwbHelp};

TteWindowButtonClass PlaceOf(TteWindowButtonClass button) {
  switch (button) {
    case kwbMaxRestore:
      return kwbMax;
    case kwbMinRestore:
      return kwbMin;
    case kwbRollRestore:
      return kwbRoll;
    default:
      return button;
  }
}

bool HasPlace(TteWindowButtons buttons, TteWindowButtonClass place) {
  switch (place) {
    case kwbMax:
      return buttons.Contains(kwbMax) || buttons.Contains(kwbMaxRestore);
    case kwbMin:
      return buttons.Contains(kwbMin) || buttons.Contains(kwbMinRestore);
    case kwbRoll:
      return buttons.Contains(kwbRoll) || buttons.Contains(kwbRollRestore);
    default:
      return buttons.Contains(place);
  }
}

}  // namespace

TRect TteTheme::WindowGetButtonRect(TteWindowSubclass subclass, const TteWindowInfo& info,
                                    TteWindowButtonClass button, const std::string&) {
  if (!info.Buttons.Contains(button)) return NullRect;
  TRect client = WindowGetClientRect(subclass, info.Rect, "default");
  if (button == kwbSysMenu) return {client.left, 4, Add(client.left, 22), Add(client.top, -1)};
  TteWindowButtonClass place = PlaceOf(button);
  TRect close{Add(client.right, -23), 4, Add(client.right, -1), Add(client.top, -1)};
  int shift = 0;
  for (TteWindowButtonClass earlier : kRightToLeft) {
    if (earlier == place) return close.offset(-shift, 0);
    if (HasPlace(info.Buttons, earlier)) shift += 22;
  }
  return NullRect;  // topmost and custom buttons have no place here
}

TteWindowHitTest TteTheme::WindowGetHitTest(TteWindowSubclass subclass, const TteWindowInfo& info, int x,
                                            int y, const std::string&) {
  if (subclass != kwscStandard && subclass != kwscDialog && subclass != kwscBorder &&
      subclass != kwscToolWindow)
    return kwhtClient;
  const TRect& r = info.Rect;
  TRect client = WindowGetClientRect(subclass, r, "default");
  gui::Point p{x, y};
  bool left = TRect{r.left, r.top, client.left, r.bottom}.contains(p);
  bool top = TRect{r.left, r.top, r.right, client.top}.contains(p);
  bool right = TRect{client.right, r.top, r.right, r.bottom}.contains(p);
  bool bottom = TRect{r.left, client.bottom, r.right, r.bottom}.contains(p);

  TteWindowHitTest result = kwhtClient;
  if (left) result = kwhtLeft;
  if (top) result = kwhtTop;
  if (right) result = kwhtRight;
  if (bottom) result = kwhtBottom;
  if (left && top) result = kwhtTopLeft;
  if (right && top) result = kwhtTopRight;
  if (left && bottom) result = kwhtBottomLeft;
  if (right && bottom) result = kwhtBottomRight;
  if (WindowGetTitleRect(subclass, info, "default").contains(p)) result = kwhtCaption;
  for (int b = kwbSysMenu; b <= kwbCustom; ++b) {
    auto button = TteWindowButtonClass(b);
    if (WindowGetButtonRect(subclass, info, button, "default").contains(p))
      return WindowButtonToHitTest(button);
  }
  return result;
}

// Window.

bool TteTheme::IsWindowDefined(TteWindowSubclass, const std::string&) { return true; }
void TteTheme::WindowDraw(TteWindowSubclass subclass, TCanvas* canvas, const TteWindowInfo& info,
                          const std::string&) {
  if (!canvas || IsRectEmpty(info.Rect)) return;
  const TRect& r = info.Rect;
  TRect client = WindowGetClientRect(subclass, r, "default");
  TColor face = FColors->GetColor(ktcButtonNormal);
  DrawRect(canvas, r, clBlack);
  TRect edge = r.inflate(-1, -1);
  DrawEdge(canvas, edge, StdChangeColor(face, 100), StdChangeColor(face, -100));
  TRect in = edge.inflate(-1, -1);
  TColor border = FColors->GetColor(ktcWindowBorder);
  FillRect(canvas, in.left, in.top, in.right, client.top, border);
  FillRect(canvas, in.left, client.bottom, in.right, in.bottom, border);
  FillRect(canvas, in.left, client.top, client.left, client.bottom, border);
  FillRect(canvas, client.right, client.top, in.right, client.bottom, border);
  bool active = info.States.Contains(kwdsActive);
  FillRect(canvas, client.left, 3, client.right, client.top,
           FColors->GetColor(active ? ktcCaptionNormal : ktcCaptionInactive));
}
void TteTheme::WindowDrawClient(TteWindowSubclass, TCanvas* canvas, const TRect& rect, const std::string&) {
  FillRect(canvas, rect, FColors->GetColor(ktcWindow));
}
void TteTheme::WindowDrawText(TteWindowSubclass, TCanvas* canvas, const TteWindowInfo& info,
                              const TRect& rect, const std::string&) {
  if (!canvas) return;
  bool active = info.States.Contains(kwdsActive);
  canvas->SetFont(*FFonts->GetFont(active ? ktfCaptionTextNormal : ktfCaptionTextInactive));
  TRect box = rect;
  render::DrawText(canvas, info.Caption, box, gui::DT_CENTER | gui::DT_VCENTER | gui::DT_SINGLELINE);
}
void TteTheme::WindowDrawButton(TteWindowSubclass, TCanvas* canvas, const TteWindowButtonInfo& info,
                                const std::string&) {
  const TRect& r = info.Rect;
  if (!canvas || IsRectEmpty(r)) return;
  bool pressed = info.DrawState == kwbdsPressed;
  TColor face = FColors->GetColor(info.DrawState == kwbdsHot ? ktcButtonHot : ktcButtonNormal);
  if (info.ButtonClass != kwbSysMenu) {
    FillRect(canvas, r, face);
    TColor light = StdChangeColor(face, 100), dark = StdChangeColor(face, -100);
    if (pressed) std::swap(light, dark);
    DrawEdge(canvas, r, light, dark);
  }
  switch (info.ButtonClass) {
    case kwbSysMenu:
      if (info.Bitmap) DrawCentred(canvas, *info.Bitmap, r);
      break;
    case kwbClose:
    case kwbHelp:
    case kwbMin:
    case kwbMax:
    case kwbMinRestore:
    case kwbMaxRestore:
      DrawFrameControlGlyph(canvas, r, gui::DFC_CAPTION,
                            CaptionGlyph(info.ButtonClass) | (pressed ? gui::DFCS_PUSHED : 0), clBlack);
      break;
    case kwbRoll:
    case kwbRollRestore: {
      TRect t = r.inflate(-4, -5);
      if (pressed) t = t.offset(-1, -1);
      DrawTriangle(canvas, t, info.ButtonClass == kwbRoll, clBlack);
      break;
    }
    case kwbTray: {
      TRect t = r.inflate(-3, -3);
      TRect square{t.right - 3, t.bottom - 3, t.right, t.bottom};
      if (!pressed) square = square.offset(1, 1);
      FillRect(canvas, square, clBlack);
      break;
    }
    default:
      break;
  }
}
void TteTheme::WindowDrawGripper(TteWindowSubclass, TCanvas* canvas, const TteWindowGripperInfo& info,
                                 const std::string&) {
  const TRect& r = info.Rect;
  if (!canvas || IsRectEmpty(r)) return;
  FillRect(canvas, r, FColors->GetColor(ktcWindowBorder));
  if (!info.Visible) return;
  int size = std::min({RectWidth(r), RectHeight(r), 13}) - 1;
  for (int s : {size, size / 2}) {
    const TPoint corner[] = {
        {r.right - 1, r.bottom - 1 - s}, {r.right - 1, r.bottom - 1}, {r.right - 1 - s, r.bottom - 1}};
    FillPolygon(canvas, corner, TColor(0x808080));
    DrawPolygon(canvas, corner, clBlack);
  }
}

// Hint.

bool TteTheme::IsHintDefined(TteHintSubclass, const std::string&) { return true; }
TRect TteTheme::HintGetClientRect(TteHintSubclass, TCanvas*, const TteHintInfo& info, const std::string&) {
  return info.Rect.inflate(-10, -13);
}
void TteTheme::HintDraw(TteHintSubclass, TCanvas* canvas, const TteHintInfo& info, const std::string&) {
  Marker(canvas, info.Rect, FColors->GetColor(ktcHint));
}

// Label.

bool TteTheme::IsLabelDefined(TteLabelSubclass, const std::string&) { return true; }
bool TteTheme::IsLabelTransparent(TteLabelSubclass, const std::string&) { return false; }
void TteTheme::LabelDrawText(TteLabelSubclass, TCanvas* canvas, TteLabelInfo, const TteTextInfo& text,
                             const std::string&) {
  DrawThemeText(canvas, text);
}

// Panel.

bool TteTheme::IsPanelDefined(TtePanelSubclass, const std::string&) { return true; }
bool TteTheme::IsPanelTransparent(TtePanelSubclass, const std::string&) { return false; }
TRect TteTheme::PanelGetClientRect(TtePanelSubclass, const TtePanelInfo& info, const std::string&) {
  return info.Rect;
}
void TteTheme::PanelDraw(TtePanelSubclass subclass, TCanvas* canvas, const TtePanelInfo& info,
                         const std::string&) {
  const TRect& r = info.Rect;
  if (!canvas || IsRectEmpty(r)) return;
  FillRect(canvas, r, TColor(0xC0C0C0));
  if (subclass == kpscHeader) {
    DrawRect(canvas, r, clBlack);
    DrawEdge(canvas, r.inflate(-1, -1), clBtnShadow, clBtnHighlight);
  } else {
    DrawEdge(canvas, r, clBtnHighlight, clBtnShadow);
  }
}
void TteTheme::PanelDrawButton(TtePanelSubclass, TCanvas*, const TtePanelButtonInfo&, const std::string&) {}
void TteTheme::PanelDrawText(TtePanelSubclass, TCanvas* canvas, const TtePanelInfo&, const TteTextInfo& text,
                             const std::string&) {
  DrawThemeText(canvas, text);
}

// Button.

bool TteTheme::IsButtonDefined(TteButtonSubclass, const std::string&) { return true; }
bool TteTheme::IsButtonTransparent(TteButtonSubclass, const std::string&) { return false; }
void TteTheme::ButtonDraw(TteButtonSubclass, TCanvas* canvas, const TteButtonInfo& info, const std::string&) {
  const TRect& r = info.Rect;
  if (!canvas || IsRectEmpty(r) || info.DrawState == kbdsDisabled) return;
  const TteButtonLook look = ButtonLook(info.DrawState);
  TColor face = FColors->GetColor(look.Face);
  DrawRect(canvas, r, clBlack);
  TRect in = r.inflate(-1, -1);
  if (look.Pressed) {
    DrawEdge(canvas, in, StdChangeColor(face, -30), StdChangeColor(face, 30));
    in = in.inflate(-1, -1);
  }
  if (look.Hot) {
    TColor light = StdChangeColor(face, 30);
    FillRect(canvas, in.left, in.top, in.right, in.top + 1, light);
    FillRect(canvas, in.left, in.top, in.left + 1, in.bottom, light);
    in.left += 1;
    in.top += 1;
  }
  if (look.Focused) {
    TColor dark = StdChangeColor(face, -30);
    FillRect(canvas, in.left, in.bottom - 1, in.right, in.bottom, dark);
    FillRect(canvas, in.right - 1, in.top, in.right, in.bottom, dark);
    in.right -= 1;
    in.bottom -= 1;
  }
  FillRect(canvas, in, face);
}
void TteTheme::ButtonDrawText(TteButtonSubclass, TCanvas* canvas, const TteButtonInfo&,
                              const TteTextInfo& text, const std::string&) {
  DrawThemeText(canvas, text);
}
void TteTheme::ButtonDrawGlyph(TteButtonSubclass, TCanvas* canvas, const TteButtonInfo&,
                               const TteGlyphInfo& glyph, const std::string&) {
  if (canvas && glyph.Bitmap) glyph.Bitmap->Draw(canvas, glyph.Rect.left, glyph.Rect.top);
}

// Check.

bool TteTheme::IsCheckDefined(TteCheckSubclass, const std::string&) { return true; }
bool TteTheme::IsCheckTransparent(TteCheckSubclass, const std::string&) { return false; }
void TteTheme::CheckDraw(TteCheckSubclass, TCanvas*, const TteCheckInfo&, const std::string&) {}
void TteTheme::CheckDrawText(TteCheckSubclass, TCanvas* canvas, const TteCheckInfo&, const TteTextInfo& text,
                             const std::string&) {
  DrawThemeText(canvas, text);
}
TPoint TteTheme::CheckGetSize(TteCheckSubclass, const std::string&) { return {13, 13}; }

// Splitter.

bool TteTheme::IsSplitterDefined(TteSplitterSubclass, const std::string&) { return true; }
bool TteTheme::IsSplitterTransparent(TteSplitterSubclass, const std::string&) { return false; }
void TteTheme::SplitterDraw(TteSplitterSubclass, TCanvas* canvas, const TteSplitterInfo& info,
                            const std::string&) {
  Marker(canvas, info.Rect, FColors->GetColor(ktcPanelNormal));
}

// Scroll.

bool TteTheme::IsScrollDefined(TteScrollSubclass, const std::string&) { return true; }
bool TteTheme::IsScrollTransparent(TteScrollSubclass, const std::string&) { return false; }
void TteTheme::ScrollDraw(TteScrollSubclass, TCanvas*, const TteScrollInfo&, const std::string&) {}
void TteTheme::ScrollDrawButton(TteScrollSubclass, TCanvas* canvas, const TteScrollButtonInfo& info,
                                const std::string&) {
  const TRect& r = info.Rect;
  if (!canvas || IsRectEmpty(r)) return;
  FillRect(canvas, r, ScrollStateColor(info.DrawState));
  DrawRect(canvas, r, clBlack);
  TRect inner = r.inflate(-5, -4);
  switch (info.ButtonClass) {
    case zqbcUp:
    case zqbcDown:
    case zqbcPageUp:
    case zqbcPageDown:
      if (!IsRectEmpty(inner)) FillRoundRect(canvas, inner, 4, kNavy);
      break;
    case zqbcHorzSlider:
    case zqbcVertSlider:
      if (!IsRectEmpty(inner)) DrawRect(canvas, inner, kNavy);
      break;
    default:
      break;
  }
}
void TteTheme::ScrollDrawArea(TteScrollSubclass, TCanvas* canvas, const TteScrollAreaInfo& info,
                              const std::string&) {
  const TRect& r = info.Rect;
  if (!canvas || IsRectEmpty(r)) return;
  // The area states run like the button states.
  FillRect(canvas, r, ScrollStateColor(TteScrollButtonDrawState(info.DrawState)));
  DrawRect(canvas, r, clBlack);
}

// Progress.

bool TteTheme::IsProgressDefined(TteProgressSubclass, const std::string&) { return true; }
bool TteTheme::IsProgressTransparent(TteProgressSubclass, const std::string&) { return false; }
TRect TteTheme::ProgressGetClientRect(TteProgressSubclass, const TteProgressInfo& info, const std::string&) {
  return info.Rect;
}
void TteTheme::ProgressDraw(TteProgressSubclass, TCanvas*, const TteProgressInfo&, const std::string&) {}

// Track.

bool TteTheme::IsTrackDefined(TteTrackSubclass, const std::string&) { return true; }
bool TteTheme::IsTrackTransparent(TteTrackSubclass, const std::string&) { return false; }
void TteTheme::TrackDraw(TteTrackSubclass, TCanvas* canvas, const TteTrackInfo& info, const std::string&) {
  Marker(canvas, info.Rect, FColors->GetColor(ktcPanelNormal));
}
void TteTheme::TrackBarDraw(TteTrackSubclass, TCanvas*, const TteTrackBarInfo&, const std::string&) {}
void TteTheme::TrackDrawThumb(TteTrackSubclass, TCanvas* canvas, const TteTrackThumbInfo& info,
                              const std::string&) {
  Marker(canvas, info.Rect, FColors->GetColor(ktcButtonNormal));
}
TPoint TteTheme::TrackGetThumbSize(TteTrackSubclass, TCanvas*, const TteTrackThumbInfo&, const std::string&) {
  return {0, 0};
}

// Header.

bool TteTheme::IsHeaderDefined(TteHeaderSubclass, const std::string&) { return true; }
bool TteTheme::IsHeaderTransparent(TteHeaderSubclass, const std::string&) { return false; }
void TteTheme::HeaderDraw(TteHeaderSubclass, TCanvas* canvas, const TteHeaderInfo& info, const std::string&) {
  Marker(canvas, info.Rect, FColors->GetColor(ktcPanelNormal));
}
void TteTheme::HeaderDrawSection(TteHeaderSubclass, TCanvas* canvas, const TteHeaderSectionInfo& info,
                                 const std::string&) {
  Marker(canvas, info.Rect, FColors->GetColor(ktcButtonNormal));
}
void TteTheme::HeaderDrawText(TteHeaderSubclass, TCanvas* canvas, const TteHeaderSectionInfo&,
                              const TteTextInfo& text, const std::string&) {
  DrawThemeText(canvas, text);
}
void TteTheme::HeaderDrawGlyph(TteHeaderSubclass, TCanvas* canvas, const TteHeaderSectionInfo&,
                               const TteGlyphInfo& glyph, const std::string&) {
  if (canvas && glyph.Bitmap) glyph.Bitmap->Draw(canvas, glyph.Rect);
}

// Status.

bool TteTheme::IsStatusDefined(TteStatusSubclass, const std::string&) { return true; }
bool TteTheme::IsStatusTransparent(TteStatusSubclass, const std::string&) { return false; }
TRect TteTheme::StatusGetClientRect(TteStatusSubclass, const TteStatusInfo& info, const std::string&) {
  return info.Rect.inflate(-5, -2);
}
void TteTheme::StatusDraw(TteStatusSubclass, TCanvas* canvas, const TteStatusInfo& info, const std::string&) {
  Marker(canvas, info.Rect, FColors->GetColor(ktcPanelNormal));
}
void TteTheme::StatusDrawPanel(TteStatusSubclass, TCanvas* canvas, const TteStatusPanelInfo& info,
                               const std::string&) {
  Marker(canvas, info.Rect,
         FColors->GetColor(info.PanelClass == zqpcDisabled ? ktcPanelDisabled : ktcPanelNormal));
}
void TteTheme::StatusDrawText(TteStatusSubclass, TCanvas* canvas, const TteStatusPanelInfo&,
                              const TteTextInfo& text, const std::string&) {
  DrawThemeText(canvas, text);
}
void TteTheme::StatusDrawGlyph(TteStatusSubclass, TCanvas* canvas, const TteStatusPanelInfo&,
                               const TteGlyphInfo& glyph, const std::string&) {
  if (canvas && glyph.Bitmap) glyph.Bitmap->Draw(canvas, glyph.Rect);
}

// Edit.

bool TteTheme::IsEditDefined(TteEditSubclass, const std::string&) { return true; }
bool TteTheme::IsEditTransparent(TteEditSubclass, const std::string&) { return false; }
TRect TteTheme::EditGetClientRect(TteEditSubclass, TCanvas*, const TteEditInfo& info, const std::string&) {
  return info.Rect.inflate(-3, -3);
}
void TteTheme::EditDraw(TteEditSubclass, TCanvas* canvas, const TteEditInfo& info, const std::string&) {
  Marker(canvas, info.Rect, FColors->GetColor(EditFace(info.DrawState)));
}
void TteTheme::EditDrawButton(TteEditSubclass, TCanvas* canvas, const TteEditButtonInfo& info,
                              const std::string&) {
  Marker(canvas, info.Rect, FColors->GetColor(ktcButtonNormal));
}

// Group.

bool TteTheme::IsGroupDefined(TteGroupSubclass, const std::string&) { return true; }
bool TteTheme::IsGroupTransparent(TteGroupSubclass, const std::string&) { return false; }
TRect TteTheme::GroupGetClientRect(TteGroupSubclass, const TteGroupInfo& info, const std::string&) {
  return info.Rect;
}
void TteTheme::GroupDraw(TteGroupSubclass, TCanvas* canvas, const TteGroupInfo& info, const std::string&) {
  Marker(canvas, info.Rect, FColors->GetColor(ktcPanelNormal));
}
void TteTheme::GroupDrawText(TteGroupSubclass, TCanvas* canvas, const TteGroupInfo&, const TteTextInfo& text,
                             const std::string&) {
  DrawThemeText(canvas, text);
}

// Memo.

bool TteTheme::IsMemoDefined(TteMemoSubclass, const std::string&) { return true; }
bool TteTheme::IsMemoTransparent(TteMemoSubclass, const std::string&) { return false; }
TRect TteTheme::MemoGetClientRect(TteMemoSubclass, TCanvas*, const TteMemoInfo& info, const std::string&) {
  return info.Rect;
}
void TteTheme::MemoDraw(TteMemoSubclass, TCanvas* canvas, const TteMemoInfo& info, const std::string&) {
  Marker(canvas, info.Rect,
         FColors->GetColor(info.DrawState == kmdsDisabled ? ktcEditDisabled : ktcEditNormal));
}

// Box.

bool TteTheme::IsBoxDefined(TteBoxSubclass, const std::string&) { return true; }
bool TteTheme::IsBoxTransparent(TteBoxSubclass, const std::string&) { return false; }
TRect TteTheme::BoxGetClientRect(TteBoxSubclass, TCanvas*, const TteBoxInfo& info, const std::string&) {
  return info.Rect;
}
void TteTheme::BoxDraw(TteBoxSubclass, TCanvas*, const TteBoxInfo&, const std::string&) {}

// Menu.

bool TteTheme::IsMenuDefined(TteMenuSubclass, const std::string&) { return true; }
bool TteTheme::IsMenuTransparent(TteMenuSubclass, const std::string&) { return false; }
TRect TteTheme::MenuGetClientRect(TteMenuSubclass, const TteMenuInfo& info, const std::string&) {
  return info.Rect.inflate(-3, -5);
}
void TteTheme::MenuDraw(TteMenuSubclass, TCanvas* canvas, const TteMenuInfo& info, const std::string&) {
  Marker(canvas, info.Rect, FColors->GetColor(ktcPanelNormal));
}
void TteTheme::MenuDrawItem(TteMenuSubclass, TCanvas* canvas, const TteMenuItemInfo& info,
                            const std::string&) {
  Marker(canvas, info.Rect, FColors->GetColor(ktcPanelNormal));
}
void TteTheme::MenuDrawItemText(TteMenuSubclass, TCanvas* canvas, const TteMenuItemInfo&,
                                const TteTextInfo& text, const std::string&) {
  DrawThemeText(canvas, text);
}
void TteTheme::MenuDrawItemGlyph(TteMenuSubclass, TCanvas* canvas, const TteMenuItemInfo&,
                                 const TteMenuGlyphInfo& glyph, const std::string&) {
  DrawMark(canvas, glyph.Rect, glyph.Bitmap, glyph.Glyph);
}

// Dock.

bool TteTheme::IsDockDefined(TteDockSubclass, const std::string&) { return true; }
TRect TteTheme::DockGetClientRect(TteDockSubclass, const TteDockInfo& info, const std::string&) {
  return info.Rect;
}
void TteTheme::DockDraw(TteDockSubclass, TCanvas*, const TteDockInfo&, const std::string&) {}

// Tool.

bool TteTheme::IsToolDefined(TteToolSubclass, const std::string&) { return true; }
TRect TteTheme::ToolGetClientRect(TteToolSubclass, const TteToolInfo& info, const std::string&) {
  return info.Rect.inflate(-2, -2);
}
void TteTheme::ToolDraw(TteToolSubclass, TCanvas* canvas, const TteToolInfo& info, const std::string&) {
  Marker(canvas, info.Rect, FColors->GetColor(ktcPanelNormal));
}
void TteTheme::ToolDrawItem(TteToolSubclass, TCanvas*, const TteToolItemInfo&, const std::string&) {}
void TteTheme::ToolDrawItemText(TteToolSubclass, TCanvas* canvas, const TteToolItemInfo&,
                                const TteTextInfo& text, const std::string&) {
  DrawThemeText(canvas, text);
}
void TteTheme::ToolDrawItemGlyph(TteToolSubclass, TCanvas* canvas, const TteToolItemInfo&,
                                 const TteToolGlyphInfo& glyph, const std::string&) {
  // The tool glyphs are the menu glyphs, value for value.
  DrawMark(canvas, glyph.Rect, glyph.Bitmap, TteMenuGlyph(glyph.Glyph));
}

// BarDock.

bool TteTheme::IsBarDockDefined(TteBarDockSubclass, const std::string&) { return true; }
TRect TteTheme::BarDockGetClientRect(TteBarDockSubclass, TCanvas*, const TteBarDockInfo& info,
                                     const std::string&) {
  return info.Rect.inflate(-3, -3);
}
void TteTheme::BarDockDraw(TteBarDockSubclass, TCanvas* canvas, const TteBarDockInfo& info,
                           const std::string&) {
  Marker(canvas, info.Rect, FColors->GetColor(ktcBarDock));
}

// Bar.

bool TteTheme::IsBarDefined(TteBarSubclass, const std::string&) { return true; }
bool TteTheme::IsBarTransparent(TteBarSubclass, const std::string&) { return false; }
TRect TteTheme::BarGetClientRect(TteBarSubclass, TCanvas*, const TteBarInfo& info, const std::string&) {
  return info.Rect;
}
void TteTheme::BarDraw(TteBarSubclass, TCanvas*, const TteBarInfo&, const std::string&) {}
void TteTheme::BarDrawCaption(TteBarSubclass, TCanvas* canvas, const TteBarCaptionInfo& info,
                              const std::string&) {
  Marker(canvas, info.Rect, FColors->GetColor(ktcButtonNormal));
}
void TteTheme::BarDrawButton(TteBarSubclass, TCanvas* canvas, const TteBarButtonInfo& info,
                             const std::string&) {
  Marker(canvas, info.Rect, FColors->GetColor(ktcButtonNormal));
}
void TteTheme::BarDrawItem(TteBarSubclass, TCanvas* canvas, const TteBarItemInfo& info, const std::string&) {
  Marker(canvas, info.Rect, FColors->GetColor(ktcButtonNormal));
}
void TteTheme::BarDrawText(TteBarSubclass, TCanvas* canvas, const TteTextInfo& text, const std::string&) {
  DrawThemeText(canvas, text);
}

// Tab.

bool TteTheme::IsTabDefined(TteTabSubclass, const std::string&) { return true; }
bool TteTheme::IsTabTransparent(TteTabSubclass, const std::string&) { return false; }
TRect TteTheme::TabGetClientRect(TteTabSubclass, const TteTabInfo& info, const std::string&) {
  return info.Rect;
}
void TteTheme::TabDraw(TteTabSubclass, TCanvas* canvas, const TteTabInfo& info, const std::string&) {
  Marker(canvas, info.Rect, FColors->GetColor(ktcPanelNormal));
}
void TteTheme::TabDrawItem(TteTabSubclass, TCanvas* canvas, const TteTabItemInfo& info, const std::string&) {
  Marker(canvas, info.Rect, FColors->GetColor(ktcButtonNormal));
}
void TteTheme::TabDrawButton(TteTabSubclass, TCanvas* canvas, const TteTabButtonInfo& info,
                             const std::string&) {
  Marker(canvas, info.Rect, FColors->GetColor(ktcButtonNormal));
}
void TteTheme::TabDrawText(TteTabSubclass, TCanvas* canvas, const TteTabItemInfo&, const TteTextInfo& text,
                           const std::string&) {
  DrawThemeText(canvas, text);
}
void TteTheme::TabDrawGlyph(TteTabSubclass, TCanvas* canvas, const TteTabItemInfo&, const TteGlyphInfo& glyph,
                            const std::string&) {
  if (canvas && glyph.Bitmap) glyph.Bitmap->Draw(canvas, glyph.Rect.left, glyph.Rect.top);
}

// List.

bool TteTheme::IsListDefined(TteListSubclass, const std::string&) { return true; }
bool TteTheme::IsListTransparent(TteListSubclass, const std::string&) { return false; }
TRect TteTheme::ListGetClientRect(TteListSubclass, const TteListInfo& info, const std::string&) {
  return info.Rect.inflate(-4, -5);
}
void TteTheme::ListDraw(TteListSubclass, TCanvas* canvas, const TteListInfo& info, const std::string&) {
  Marker(canvas, info.Rect, FColors->GetColor(ktcList));
}
void TteTheme::ListDrawColumn(TteListSubclass, TCanvas* canvas, const TteListColumnInfo& info,
                              const std::string&) {
  Marker(canvas, info.Rect, FColors->GetColor(ktcList));
}
void TteTheme::ListDrawItem(TteListSubclass, TCanvas* canvas, const TteListItemInfo& info,
                            const std::string&) {
  Marker(canvas, info.Rect, FColors->GetColor(ktcList));
}
void TteTheme::ListDrawText(TteListSubclass, TCanvas* canvas, const TteListItemInfo&, const TteTextInfo& text,
                            const std::string&) {
  DrawThemeText(canvas, text);
}
void TteTheme::ListDrawGlyph(TteListSubclass, TCanvas* canvas, const TteListItemInfo&,
                             const TteListGlyphInfo& glyph, const std::string&) {
  if (!canvas || IsRectEmpty(glyph.Rect)) return;
  if (glyph.Glyph == klgCustom) {
    if (glyph.Bitmap) DrawCentred(canvas, *glyph.Bitmap, glyph.Rect);
    return;
  }
  TRect box = CentredBox(glyph.Rect, 13, 13);
  FillRect(canvas, box, clWindow);
  DrawRect(canvas, box, clBlack);
  if (glyph.Glyph == klgChecked) DrawCheckMark(canvas, box, clBlack);
  if (glyph.Glyph == klgMixed) FillRect(canvas, box.inflate(-3, -3), TColor(0x808080));
}

// Tree.

bool TteTheme::IsTreeDefined(TteTreeSubclass, const std::string&) { return true; }
bool TteTheme::IsTreeTransparent(TteTreeSubclass, const std::string&) { return false; }
TRect TteTheme::TreeGetClientRect(TteTreeSubclass, const TteTreeInfo& info, const std::string&) {
  return info.Rect.inflate(-2, -2);
}
void TteTheme::TreeDraw(TteTreeSubclass, TCanvas* canvas, const TteTreeInfo& info, const std::string&) {
  Marker(canvas, info.Rect, FColors->GetColor(ktcTree));
}
void TteTheme::TreeDrawItem(TteTreeSubclass, TCanvas* canvas, const TteTreeItemInfo& info,
                            const std::string&) {
  Marker(canvas, info.Rect, FColors->GetColor(ktcTree));
}
void TteTheme::TreeDrawText(TteTreeSubclass, TCanvas* canvas, const TteTreeItemInfo&, const TteTextInfo& text,
                            const std::string&) {
  DrawThemeText(canvas, text);
}
void TteTheme::TreeDrawGlyph(TteTreeSubclass, TCanvas* canvas, const TteTreeItemInfo&,
                             const TteGlyphInfo& glyph, const std::string&) {
  if (canvas && glyph.Bitmap) glyph.Bitmap->Draw(canvas, glyph.Rect.left, glyph.Rect.top);
}

// Grid.

bool TteTheme::IsGridDefined(TteGridSubclass, const std::string&) { return true; }
bool TteTheme::IsGridTransparent(TteGridSubclass, const std::string&) { return false; }
TRect TteTheme::GridGetClientRect(TteGridSubclass, const TteGridInfo& info, const std::string&) {
  return info.Rect.inflate(-2, -2);
}
void TteTheme::GridDraw(TteGridSubclass, TCanvas* canvas, const TteGridInfo& info, const std::string&) {
  Marker(canvas, info.Rect, FColors->GetColor(ktcGrid));
}
void TteTheme::GridDrawItem(TteGridSubclass, TCanvas* canvas, const TteGridItemInfo& info,
                            const std::string&) {
  Marker(canvas, info.Rect, FColors->GetColor(ktcGrid));
}
void TteTheme::GridDrawText(TteGridSubclass, TCanvas* canvas, const TteGridItemInfo&, const TteTextInfo& text,
                            const std::string&) {
  DrawThemeText(canvas, text);
}
void TteTheme::GridDrawGlyph(TteGridSubclass, TCanvas* canvas, const TteGridItemInfo&,
                             const TteGlyphInfo& glyph, const std::string&) {
  if (canvas && glyph.Bitmap) glyph.Bitmap->Draw(canvas, glyph.Rect.left, glyph.Rect.top);
}

}  // namespace z5t8::skin::theme
