#include "skin/theme/ThemeInfo.h"

#include <utility>

#include "framework/gui/Graphic.h"
#include "framework/gui/ImageList.h"
#include "platform/gui/DeviceContext.h"

namespace z5t8::skin::theme {

namespace gui = platform::gui;

TteTextInfo TextInfo(const TRect& rect, std::u16string text, TteTextAlign align, TteTextStyles style,
                     TteTextOrientation orientation) {
  return {rect, std::move(text), align, style, orientation};
}

TteTextInfo TextInfo(const TRect& rect, std::u16string text, uint32_t flags) {
  // The alignments run down the left column, then the centre, then the right.
  int row = flags & gui::DT_VCENTER ? 1 : flags & gui::DT_BOTTOM ? 2 : 0;
  int column = flags & gui::DT_CENTER ? 3 : flags & gui::DT_RIGHT ? 6 : 0;
  TteTextStyles style;
  if (flags & gui::DT_RTLREADING) style.Include(ktxsRTLReading);
  if (flags & gui::DT_NOPREFIX) style.Include(ktxsNoPrefix);
  if (flags & gui::DT_SINGLELINE) style.Include(ktxsSingleLine);
  if (flags & gui::DT_WORDBREAK) style.Include(ktxsWordBreak);
  return {rect, std::move(text), TteTextAlign(row + column), style, ktxoHorizontal};
}

TteGlyphInfo GlyphInfo() { return {NullRect, nullptr, kgfaTopLeft}; }
TteGlyphInfo GlyphInfo(const TRect& rect, TteBitmap* bitmap, TteGlyphAlign align) {
  return {rect, bitmap, align};
}
TteGlyphInfo GlyphInfo(const TRect& rect, framework::TGraphic* graphic, TteGlyphAlign align) {
  return {rect, GraphicToBitmap(graphic), align};
}
TteGlyphInfo GlyphInfo(const TRect& rect, framework::TImageList* images, int index, TteGlyphAlign align) {
  return {rect, ImagesToBitmap(images, index, true), align};
}

TteWindowInfo WindowInfo(const TRect& rect, TteWindowDrawStates states, const TRect& clipRect,
                         TteWindowButtons buttons, std::u16string caption, bool disabledNCArea) {
  return {rect, states, buttons, clipRect, std::move(caption), disabledNCArea};
}

TteBarCaptionInfo BarCaptionInfo(const TRect& rect, const std::u16string&) { return {rect}; }

TteScrollButtonInfo ScrollButtonInfo(const TRect& rect, TteScrollButtonDrawState drawState,
                                     TteScrollButtonClass buttonClass) {
  return {rect, buttonClass, drawState};
}
TteScrollAreaInfo ScrollAreaInfo(const TRect& rect, TteScrollAreaDrawState drawState,
                                 TteScrollAreaClass areaClass) {
  return {rect, areaClass, drawState};
}

TteMenuGlyphInfo MenuGlyphInfo() { return {NullRect, nullptr, kgfaCenter, kmgNone}; }
TteMenuGlyphInfo MenuGlyphInfo(const TRect& rect, TteMenuGlyph glyph) {
  return {rect, nullptr, kgfaCenter, glyph};
}
TteMenuGlyphInfo MenuGlyphInfo(const TRect& rect, TteBitmap* bitmap, TteGlyphAlign align,
                               TteMenuGlyph glyph) {
  return {rect, bitmap, align, glyph};
}
TteMenuGlyphInfo MenuGlyphInfo(const TRect& rect, framework::TGraphic* graphic, TteGlyphAlign align) {
  return {rect, GraphicToBitmap(graphic), align, kmgGlyph};
}
TteMenuGlyphInfo MenuGlyphInfo(const TRect& rect, framework::TImageList* images, int index,
                               TteGlyphAlign align, bool enabled) {
  return {rect, ImagesToBitmap(images, index, enabled), align, kmgGlyph};
}

TteToolGlyphInfo ToolGlyphInfo() { return {NullRect, nullptr, kgfaCenter, ktgNone}; }
TteToolGlyphInfo ToolGlyphInfo(const TRect& rect, TteToolGlyph glyph) {
  return {rect, nullptr, kgfaCenter, glyph};
}
TteToolGlyphInfo ToolGlyphInfo(const TRect& rect, TteBitmap* bitmap, TteGlyphAlign align,
                               TteToolGlyph glyph) {
  return {rect, bitmap, align, glyph};
}
TteToolGlyphInfo ToolGlyphInfo(const TRect& rect, framework::TGraphic* graphic, TteGlyphAlign align) {
  return {rect, GraphicToBitmap(graphic), align, ktigGlyph};
}
TteToolGlyphInfo ToolGlyphInfo(const TRect& rect, framework::TImageList* images, int index,
                               TteGlyphAlign align, bool enabled) {
  return {rect, ImagesToBitmap(images, index, enabled), align, ktigGlyph};
}

TteListGlyphInfo ListGlyphInfo(const TRect& rect, TteBitmap* bitmap, TteGlyphAlign align,
                               TteListGlyph glyph) {
  return {rect, align, bitmap, glyph};
}
TteListGlyphInfo ListGlyphInfo(const TRect& rect, TteListGlyph glyph) {
  return {rect, kgfaCenter, nullptr, glyph};
}
TteListGlyphInfo ListGlyphInfo(const TRect& rect, framework::TGraphic* graphic) {
  return {rect, kgfaCenter, GraphicToBitmap(graphic), klgCustom};
}
TteListGlyphInfo ListGlyphInfo(const TRect& rect, framework::TImageList* images, int index, bool enabled) {
  return {rect, kgfaCenter, ImagesToBitmap(images, index, enabled), klgCustom};
}

namespace {

// Shared by both conversions; one caller at a time, as everything runs on the GUI thread.
TteBitmap& ConversionBitmap() {
  static TteBitmap bitmap;
  return bitmap;
}

}  // namespace

TteBitmap* GraphicToBitmap(framework::TGraphic* graphic) {
  if (!graphic || graphic->Empty() || graphic->Width() <= 0 || graphic->Height() <= 0) return nullptr;
  TteBitmap& bitmap = ConversionBitmap();
  bitmap.SetSize(graphic->Width(), graphic->Height());
  if (bitmap.Empty()) return nullptr;
  // What a transparent graphic leaves unpainted must not show the previous picture.
  bitmap.Clear(render::teTransparentVar);
  bitmap.AlphaBlend = false;
  bitmap.Transparent = graphic->Transparent();
  bitmap.Assign(graphic);
  return &bitmap;
}

TteBitmap* ImagesToBitmap(framework::TImageList* images, int index, bool enabled) {
  if (!images || images->Width() <= 0 || images->Height() <= 0) return nullptr;
  TteBitmap& bitmap = ConversionBitmap();
  bitmap.SetSize(images->Width(), images->Height());
  if (bitmap.Empty()) return nullptr;
  // Every image list here is masked: clear to the key so its transparent parts stay out.
  bitmap.Clear(render::teTransparentVar);
  bitmap.AlphaBlend = false;
  bitmap.Transparent = true;
  images->Draw(bitmap.GetCanvas(), 0, 0, index, enabled);
  return &bitmap;
}

}  // namespace z5t8::skin::theme
