// How a button draws itself: the states of its face, text and glyph, where
// the glyph and caption go for its layout, and the painting of each.

#include "skin/controls/Button.h"

#include <algorithm>
#include <cmath>

#include "framework/Properties.h"
#include "framework/Writer.h"
#include "framework/gui/Action.h"
#include "framework/gui/Button.h"
#include "framework/gui/ColorMap.h"
#include "framework/gui/Menus.h"
#include "platform/gui/VirtualKeys.h"
#include "skin/render/CanvasDrawing.h"
#include "skin/render/Color.h"
#include "skin/controls/ControlTheme.h"
#include "skin/theme/ControlBackground.h"
#include "skin/theme/CustomThemeLink.h"
#include "skin/theme/Theme.h"
#include "skin/theme/ThemeManager.h"
#include "skin/theme/ThemeServices.h"
#include "skin/theme/ThemeInfo.h"

namespace z5t8::skin::controls {

using namespace framework;
using namespace theme;
namespace pg = platform::gui;

namespace {

struct TStates {
  TteButtonDrawState Face;
  TteButtonDrawState Text;
  TteThemeFont Font;
  TteButtonDrawState Glyph;
};

// A canvas that measures text outside a paint.
TCanvas* MeasureCanvas() {
  static TBitmap bitmap;
  if (bitmap.Empty()) bitmap.SetSize(1, 1);
  return bitmap.Canvas();
}

int Nearest(double x) { return static_cast<int>(std::nearbyint(x)); }

TStates StatesOf(bool enabled, bool pressed, bool hot, bool focused, bool activeDefault) {
  if (!enabled) return {kbdsDisabled, kbdsDisabled, ktfButtonTextDisabled, kbdsDisabled};
  if (pressed) return {kbdsPressed, kbdsPressed, ktfButtonTextPressed, kbdsPressed};
  if (hot) return {kbdsHot, kbdsHot, ktfButtonTextHot, kbdsHot};
  if (focused) return {kbdsFocused, kbdsFocused, ktfButtonTextFocused, kbdsFocused};
  if (activeDefault) return {kbdsDefault, kbdsNormal, ktfButtonTextNormal, kbdsDefault};
  return {kbdsNormal, kbdsNormal, ktfButtonTextNormal, kbdsNormal};
}

}  // namespace

bool TTeButton::PrepareGlyph() {
  FHasGlyph = false;
  if (!FGlyph->Empty()) {
    FGlyphCopy->Assign(FGlyph.get());
    FHasGlyph = true;
  } else if (FImages && FImageIndex >= 0 && FImageIndex < FImages->Count()) {
    FGlyphCopy->SetSize(FImages->Width(), FImages->Height());
    render::FillRect(FGlyphCopy->Canvas(), Rect(0, 0, FImages->Width(), FImages->Height()), TColor(kGlyphKey));
    FImages->Draw(FGlyphCopy->Canvas(), 0, 0, FImageIndex, true);
    FHasGlyph = true;
  } else if (auto* action = dynamic_cast<TCustomAction*>(Action())) {
    TImageList* images = action->Images();
    int index = action->ImageIndex();
    if (images && index >= 0 && index < images->Count()) {
      FGlyphCopy->SetSize(images->Width(), images->Height());
      render::FillRect(FGlyphCopy->Canvas(), Rect(0, 0, images->Width(), images->Height()), TColor(kGlyphKey));
      images->Draw(FGlyphCopy->Canvas(), 0, 0, index, true);
      FHasGlyph = true;
    }
  }
  return FHasGlyph;
}

TSize TTeButton::GlyphSize() const {
  if (!FHasGlyph) return {0, 0};
  return {FGlyphCopy->Width() / std::max(1, FNumGlyphs), FGlyphCopy->Height()};
}

TRect TTeButton::GetLayoutRect() {
  PrepareGlyph();
  TFont font;
  font.Assign(PaintFont()->Name().empty() ? Font() : PaintFont());
  bool enabled = Enabled();
  TStates states = StatesOf(enabled, FPressed, FHot, FFocused, FActiveDefault);
  if (TteTheme* theme = Theme()) font.Assign(theme->Fonts()->GetFontForObject(states.Font, FThemeObject));
  FFontOptions->ApplyOptions(&font);
  TSize glyph = GlyphSize();
  int w = Width(), h = Height();
  TRect l;
  if (FWordWrap) {
    l = Rect(0, 0, w - FSpacing - glyph.cx - 10, h - FSpacing - glyph.cy - 10);
  } else {
    TCanvas* canvas = MeasureCanvas();
    canvas->SetFont(font);
    TSize text = canvas->TextExtent(FCaption);
    l = Rect(0, 0, text.cx, text.cy);
  }
  if (FHasGlyph) {
    if (FLayout == blGlyphTop || FLayout == blGlyphBottom)
      l.bottom += glyph.cy + FSpacing;
    else
      l.right += glyph.cx + FSpacing;
    l.right = std::max(l.right, static_cast<int>(glyph.cx));
    l.bottom = std::max(l.bottom, static_cast<int>(glyph.cy));
  }
  switch (FAlignment) {
    case taLeftJustify:
      l = l.offset(4, (h - l.bottom) / 2);
      break;
    case taRightJustify:
      l = l.offset(w - l.right - 4, (h - l.bottom) / 2);
      break;
    case taCenter:
      l = l.offset((w - l.right) / 2, (h - l.bottom) / 2);
      break;
  }
  if (FPressed) l = l.offset(1, 1);
  return l;
}

TRect TTeButton::GetCaptionRect() {
  TRect r = GetLayoutRect();
  if (!FHasGlyph) return r;
  TSize g = GlyphSize();
  switch (FLayout) {
    case blGlyphLeft:
      r.left += g.cx + FSpacing;
      break;
    case blGlyphRight:
      r.right -= g.cx + FSpacing;
      break;
    case blGlyphTop:
      r.top += g.cy + FSpacing;
      break;
    case blGlyphBottom:
      r.bottom -= g.cy + FSpacing;
      break;
  }
  return r;
}

TRect TTeButton::GetGlyphRect() {
  TRect r = GetLayoutRect();
  if (!FHasGlyph) return r;
  TSize g = GlyphSize();
  switch (FLayout) {
    case blGlyphLeft:
      r.right = r.left + g.cx + FSpacing;
      break;
    case blGlyphRight:
      r.left = r.right - g.cx - FSpacing;
      break;
    case blGlyphTop:
      r.bottom = r.top + g.cy + FSpacing;
      break;
    case blGlyphBottom:
      r.top = r.bottom - g.cy - FSpacing;
      break;
  }
  return r;
}

void TTeButton::PaintBuffer() {
  TteTheme* theme = Theme();
  if (theme ? theme->IsButtonTransparent(kbscButton, FThemeObject) : FTransparent)
    DrawControlBackground(this, Canvas());
  else if (!theme)
    TTeControl::PaintBuffer();
  PaintFace();
  PaintText();
  PaintGlyph();
}

void TTeButton::PaintFace() {
  TCanvas* canvas = Canvas();
  TStates states = StatesOf(Enabled(), FPressed, FHot, FFocused, FActiveDefault);
  if (TteTheme* theme = Theme()) {
    theme->ButtonDraw(kbscButton, canvas, ButtonInfo(Rect(0, 0, Width(), Height()), states.Face),
                      FThemeObject);
    return;
  }
  TRect border = GetBorderRect();
  TRect r = border;
  if (FFocused || FActiveDefault) {
    render::DrawRect(canvas, r, clBlack);
    r = r.inflate(-1, -1);
  }
  render::FillRect(canvas, r, Color());
  if (!FPressed) {
    render::DrawEdge(canvas, r, clBtnHighlight, clBlack);
    r = r.inflate(-1, -1);
    render::DrawEdge(canvas, r, Color(), clBtnShadow);
  } else {
    render::DrawEdge(canvas, r, clBtnShadow, clBtnShadow);
  }
  if (FFocused) render::DrawFocusRect(canvas, border.inflate(-4, -4), clBtnShadow);
}

void TTeButton::PaintText() {
  TCanvas* canvas = Canvas();
  TStates states = StatesOf(Enabled(), FPressed, FHot, FFocused, FActiveDefault);
  TteTheme* theme = Theme();
  TFont font;
  font.Assign(PaintFont());
  if (theme) font.Assign(theme->Fonts()->GetFontForObject(states.Font, FThemeObject));
  FFontOptions->ApplyOptions(&font);
  canvas->SetFont(font);
  TRect c = GetCaptionRect();
  uint32_t flags = DrawTextBiDiModeFlags(pg::DT_CENTER | (FWordWrap ? pg::DT_WORDBREAK : 0));
  TRect t;
  if (FWordWrap) {
    TRect measure = Rect(0, 0, c.width(), 0);
    int height = canvas->DrawText(FCaption, measure, pg::DT_CALCRECT | flags);
    t = Rect(0, 0, c.width(), height);
  } else {
    TSize size = canvas->TextExtent(FCaption);
    t = Rect(0, 0, size.cx, size.cy);
  }
  if (theme) {
    int x = FAlignment == taCenter ? c.left + (c.width() - t.right) / 2 : c.left + (c.width() - t.right);
    t = t.offset(x, c.top + (c.height() - t.bottom) / 2);
    theme->ButtonDrawText(kbscButton, canvas, ButtonInfo(t, states.Text), TextInfo(t, FCaption, flags),
                          FThemeObject);
    return;
  }
  t = t.offset(c.left + (c.width() - t.right) / 2, c.top + (c.height() - t.bottom) / 2);
  if (!Enabled()) {
    TRect shadow = t.offset(1, 1);
    canvas->Font()->SetColor(clBtnHighlight);
    render::DrawText(canvas, FCaption, shadow, flags);
    canvas->Font()->SetColor(clBtnShadow);
  }
  render::DrawText(canvas, FCaption, t, flags);
}

void TTeButton::PaintGlyph() {
  if (!PrepareGlyph()) return;
  TSize size = GlyphSize();
  int w = size.cx, h = size.cy;
  if (w <= 0 || h <= 0) return;
  TRect g = Rect(0, 0, w, h);
  TRect glyphRect = GetGlyphRect();
  g = g.offset(glyphRect.left + (glyphRect.width() - w) / 2, glyphRect.top + (glyphRect.height() - h) / 2);
  int frame = 0;
  if (FNumGlyphs > 1 && !Enabled()) frame = 1;
  if (FNumGlyphs > 2 && FPressed) frame = 2;
  uint32_t transparent = kGlyphKey;
  if (!FGlyph->Empty()) {
    pg::Pixel* last = FGlyphCopy->ScanLine(FGlyphCopy->Height() - 1);
    transparent = last ? ((last[0] & 0xFF) << 16) | (last[0] & 0xFF00) | ((last[0] >> 16) & 0xFF) : kGlyphKey;
  }
  render::TteBitmap bitmap;
  bitmap.SetSize(w, h);
  bitmap.Clear(render::teColor(0x007F007F));
  bitmap.Transparent = true;
  bool grey = FBlackAndWhiteGlyph && !FHot;
  bool disabledLook = FNumGlyphs == 1 && !Enabled();
  for (int y = 0; y < h; ++y) {
    pg::Pixel* row = FGlyphCopy->ScanLine(y);
    if (!row) continue;
    for (int x = 0; x < w; ++x) {
      int sx = frame * w + x;
      if (sx >= FGlyphCopy->Width()) continue;
      pg::Pixel p = row[sx];
      uint8_t r = (p >> 16) & 0xFF, gr = (p >> 8) & 0xFF, b = p & 0xFF;
      if ((uint32_t(b) << 16 | uint32_t(gr) << 8 | r) == transparent) continue;
      render::teColor c(r, gr, b, 255);
      float hue, sat, light;
      if (grey) {
        render::RGBtoHSL(c, hue, sat, light);
        int level = Nearest(light * 255.0);
        c = render::teColor(int16_t(level), int16_t(level), int16_t(level), 255);
      }
      if (disabledLook) {
        render::RGBtoHSL(c, hue, sat, light);
        int level = 160 + Nearest(light * 50.0);
        c = render::teColor(int16_t(level), int16_t(level), int16_t(level), 255);
      }
      bitmap.SetPixel(x, y, c);
    }
  }
  TStates states = StatesOf(Enabled(), FPressed, FHot, FFocused, FActiveDefault);
  if (TteTheme* theme = Theme()) {
    theme->ButtonDrawGlyph(kbscButton, Canvas(), ButtonInfo(g, states.Glyph),
                           GlyphInfo(g, &bitmap, kgfaCenter), FThemeObject);
    return;
  }
  bitmap.Draw(Canvas(), g.left, g.top);
}

}  // namespace z5t8::skin::controls
