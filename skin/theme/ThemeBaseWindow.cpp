#include "skin/theme/Theme.h"

#include <algorithm>

#include "platform/gui/FrameControls.h"
#include "skin/render/BitmapDrawing.h"
#include "skin/render/CanvasDrawing.h"
#include "skin/theme/ThemeBaseMarks.h"

namespace z5t8::skin::theme {

using namespace framework;
namespace gui = platform::gui;

// The base theme's window family: where a frame's client area, caption and
// buttons are, which part a point is over, and the plain frame it draws.

namespace {

using baselook::Add;
using baselook::DrawCentred;
using baselook::DrawTriangle;
using render::DrawEdge;
using render::DrawFrameControlGlyph;
using render::DrawPolygon;
using render::DrawRect;
using render::FillPolygon;
using render::FillRect;
using render::IsRectEmpty;
using render::RectHeight;
using render::RectWidth;
using render::StdChangeColor;

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

}  // namespace z5t8::skin::theme
