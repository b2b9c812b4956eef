#include "framework/gui/Label.h"

#include "framework/Properties.h"

namespace z5t8::framework {

namespace {
const std::string_view AlignmentNames[] = {"taLeftJustify", "taRightJustify", "taCenter"};
const std::string_view LayoutNames[] = {"tlTop", "tlCenter", "tlBottom"};
const TEnumInfo LayoutInfo{"TTextLayout", LayoutNames};
}  // namespace

const TEnumInfo AlignmentInfo{"TAlignment", AlignmentNames};

Z5T8_IMPLEMENT_CLASS(TLabel, TGraphicControl) {
  p.Enum("Alignment", AlignmentInfo, &TLabel::Alignment, &TLabel::SetAlignment).Default(taLeftJustify);
  p.Enum("Layout", LayoutInfo, &TLabel::Layout, &TLabel::SetLayout).Default(tlTop);
  p.Boolean("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize).Default(1);
  p.Boolean("Transparent", &TLabel::Transparent, &TLabel::SetTransparent).Default(0);
  p.Boolean("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap).Default(0);
  p.Boolean("ShowAccelChar", &TLabel::ShowAccelChar, &TLabel::SetShowAccelChar).Default(1);
  p.Message(CM_TEXTCHANGED, &TLabel::CMTextChanged);
  p.Message(CM_FONTCHANGED, &TLabel::CMFontChanged);
}

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
  ControlStyle() = {csOpaque, csReplicatable, csSetCaption, csClickEvents, csCaptureMouse, csDoubleClicks};
  SetBounds(0, 0, 65, 17);
}

void TLabel::SetAlignment(TAlignment value) {
  if (value == FAlignment) return;
  FAlignment = value;
  Invalidate();
}

void TLabel::SetLayout(TTextLayout value) {
  if (value == FLayout) return;
  FLayout = value;
  Invalidate();
}

void TLabel::SetAutoSize(bool value) {
  if (value == FAutoSize) return;
  FAutoSize = value;
  AdjustBounds();
}

void TLabel::SetTransparent(bool value) {
  if (value == FTransparent) return;
  FTransparent = value;
  if (value)
    ControlStyle().Exclude(csOpaque);
  else
    ControlStyle().Include(csOpaque);
  Invalidate();
}

void TLabel::SetWordWrap(bool value) {
  if (value == FWordWrap) return;
  FWordWrap = value;
  AdjustBounds();
  Invalidate();
}

void TLabel::SetShowAccelChar(bool value) {
  if (value == FShowAccelChar) return;
  FShowAccelChar = value;
  AdjustBounds();
  Invalidate();
}

void TLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

uint32_t TLabel::TextFlags() const {
  uint32_t flags = 0;
  if (FWordWrap) flags |= pg::DT_WORDBREAK;
  if (!FShowAccelChar) flags |= pg::DT_NOPREFIX;
  static constexpr uint32_t align[] = {pg::DT_LEFT, pg::DT_RIGHT, pg::DT_CENTER};
  return flags | align[FAlignment];
}

void TLabel::DoDrawText(pg::DeviceContext& dc, TRect& rect, uint32_t flags) {
  std::u16string text = GetText();
  if ((flags & pg::DT_CALCRECT) && (text.empty() || (FShowAccelChar && text == u"&"))) text += u' ';
  dc.selectFont(RealizeFont(*Font()));
  dc.setBkMode(pg::TRANSPARENT);
  if (flags & pg::DT_CALCRECT) {
    dc.drawText(text, rect, flags);
    return;
  }
  if (!Enabled()) {
    TRect shadow = rect.offset(1, 1);
    dc.setTextColor(ColorToRGB(clBtnHighlight));
    dc.drawText(text, shadow, flags);
    dc.setTextColor(ColorToRGB(clBtnShadow));
  } else {
    dc.setTextColor(ColorToRGB(Font()->Color()));
  }
  dc.drawText(text, rect, flags);
}

void TLabel::Paint() {
  pg::DeviceContext* dc = Canvas()->Handle();
  if (!dc) return;
  TRect r = ClientRect();
  if (!FTransparent) dc->fillRect(r, pg::Brush::solid(ColorToRGB(Color())));
  if (FLayout != tlTop) {
    TRect calc = r;
    DoDrawText(*dc, calc, TextFlags() | pg::DT_CALCRECT);
    int dy = r.height() - calc.height();
    r = r.offset(0, FLayout == tlBottom ? dy : dy / 2);
  }
  DoDrawText(*dc, r, TextFlags());
}

void TLabel::AdjustBounds() {
  if (!FAutoSize || InState(csLoading)) return;
  pg::DeviceContext dc;
  TRect r = ClientRect();
  if (!FWordWrap) r.right = r.left + 0x7FFF;
  DoDrawText(dc, r, TextFlags() | pg::DT_CALCRECT);
  int left = Left();
  if (FAlignment == taRightJustify)
    left += Width() - r.width();
  else if (FAlignment == taCenter)
    left += (Width() - r.width()) / 2;
  SetBounds(left, Top(), r.width(), r.height());
}

void TLabel::CMTextChanged(TMessage&) {
  Invalidate();
  AdjustBounds();
}

void TLabel::CMFontChanged(TMessage& message) {
  TGraphicControl::CMFontChanged(message);
  AdjustBounds();
}

}  // namespace z5t8::framework
