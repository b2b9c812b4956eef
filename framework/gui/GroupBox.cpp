#include "framework/gui/GroupBox.h"

#include <algorithm>

#include "framework/Properties.h"
#include "framework/gui/Edges.h"
#include "framework/gui/FontRealizer.h"

namespace z5t8::framework {

namespace {
// Caption inset from the frame's left edge, and the gap kept around the caption text.
constexpr int CaptionLeft = 8;
constexpr int CaptionGap = 2;
}  // namespace

Z5T8_IMPLEMENT_CLASS(TGroupBox, TCustomControl) {
  p.Message(CM_TEXTCHANGED, &TGroupBox::CMTextChanged);
  p.Message(CM_FONTCHANGED, &TGroupBox::CMFontChanged);
}

TGroupBox::TGroupBox(TComponent* owner) : TCustomControl(owner) {
  ControlStyle() = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks, csOpaque};
  SetBounds(0, 0, 185, 105);
}

int TGroupBox::CaptionHeight() {
  pg::DeviceContext dc;
  dc.selectFont(RealizeFont(*Font()));
  return dc.textExtent(u"0").cy;
}

void TGroupBox::AlignControls(TControl* control, TRect& rect) {
  // Children keep off the frame and below the caption line.
  int h = CaptionHeight();
  rect =
      TRect{rect.left + CaptionGap, rect.top + h, std::max(rect.left + CaptionGap, rect.right - CaptionGap),
            std::max(rect.top + h, rect.bottom - CaptionGap)};
  TCustomControl::AlignControls(control, rect);
}

void TGroupBox::Paint() {
  pg::DeviceContext* dc = Canvas()->Handle();
  if (!dc) return;
  TRect r = ClientRect();
  dc->fillRect(r, pg::Brush::solid(ColorToRGB(Color())));
  std::u16string text = GetText();
  pg::Size extent = dc->textExtent(text.empty() ? u"0" : text);
  // The frame's top line runs through the middle of the caption.
  TRect frame{r.left, r.top + extent.cy / 2 - 1, r.right, r.bottom};
  DrawEdgeRing(*dc, frame, ColorToRGB(clBtnShadow), ColorToRGB(clBtnHighlight));
  DrawEdgeRing(*dc, frame.inflate(-1, -1), ColorToRGB(clBtnHighlight), ColorToRGB(clBtnShadow));
  if (text.empty()) return;
  TRect caption{r.left + CaptionLeft, r.top, r.left + CaptionLeft + extent.cx + 2 * CaptionGap,
                r.top + extent.cy};
  caption.right = std::min(caption.right, r.right - CaptionLeft);
  if (caption.right <= caption.left) return;
  dc->fillRect(caption, pg::Brush::solid(ColorToRGB(Color())));
  TRect textRect = caption.inflate(-CaptionGap, 0);
  dc->setBkMode(pg::TRANSPARENT);
  dc->setTextColor(ColorToRGB(Enabled() ? Font()->Color() : clGrayText));
  dc->drawText(text, textRect, pg::DT_SINGLELINE | pg::DT_LEFT | pg::DT_TOP);
}

void TGroupBox::CMTextChanged(TMessage&) { Invalidate(); }

void TGroupBox::CMFontChanged(TMessage& message) {
  InheritedMessage(StaticClass(), message);
  Realign();
  Invalidate();
}

}  // namespace z5t8::framework
