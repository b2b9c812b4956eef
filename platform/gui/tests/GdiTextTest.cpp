// Text on Windows: the system's font mapper picks the faces the layouts name,
// and GDI's anti-aliased glyphs are what our device contexts draw.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/gui/DeviceContext.h"
#include "platform/gui/Font.h"
#include "platform/gui/FontEngine.h"
#include "platform/gui/FontMatcher.h"

namespace z5t8::platform::gui {
namespace {

Surface White(int32_t w, int32_t h) {
  Surface s(w, h);
  s.fill(0xFFFFFFFF);
  return s;
}

long Ink(const Surface& s) {
  long n = 0;
  for (int32_t i = 0; i < s.width() * s.height(); ++i) n += 255 - (s.bits()[i] & 0xFF);
  return n;
}

LogFont Logical(const char* face, int32_t height, uint8_t charSet = DEFAULT_CHARSET) {
  LogFont lf;
  lf.faceName = face;
  lf.height = height;
  lf.charSet = charSet;
  return lf;
}

TEST(GdiText, TheLayoutsFacesResolveToOutlineFacesWithTheirGlyphs) {
  for (const LogFont& lf : {Logical("MS Sans Serif", -11), Logical("Tahoma", -11),
                            Logical("華康粗圓體", -12, CHINESEBIG5_CHARSET)}) {
    Font font(lf);
    EXPECT_FALSE(font.familyName().empty()) << lf.faceName;
    const TextMetric& m = font.metrics();
    EXPECT_GE(m.tmHeight, -lf.height) << lf.faceName;
    EXPECT_EQ(m.tmAscent + m.tmDescent, m.tmHeight) << lf.faceName;
    const Glyph* a = font.engine().glyphFor(U'A');
    ASSERT_NE(a, nullptr);
    EXPECT_GT(a->width, 0) << lf.faceName;
    EXPECT_EQ(a->coverage.size(), size_t(a->width) * size_t(a->height));
    // Anti-aliased: partial coverage besides full ink.
    bool partial = false;
    for (uint8_t v : a->coverage) partial |= v > 0 && v < 255;
    EXPECT_TRUE(partial) << lf.faceName;
  }
  // The heavy rounded face is bold whatever weight was asked for.
  std::optional<FontMatch> heavy = fontmatch::match(Logical("華康粗圓體", -12, CHINESEBIG5_CHARSET), 12);
  ASSERT_TRUE(heavy);
  EXPECT_TRUE(heavy->embolden);
}

TEST(GdiText, ChineseTextDrawsDistinctGlyphsAlsoThroughFallback) {
  for (const Font& f : {Font(Logical("新細明體", -12, CHINESEBIG5_CHARSET)), Font(Logical("Tahoma", -11))}) {
    EXPECT_TRUE(f.hasGlyph(U'更')) << f.familyName();
    Surface a = White(24, 24), b = White(24, 24);
    DeviceContext da(&a), db(&b);
    da.selectFont(f);
    db.selectFont(f);
    da.textOut(2, 2, u"更");
    db.textOut(2, 2, u"新");
    EXPECT_GT(Ink(a), 0) << f.familyName();
    EXPECT_NE(std::memcmp(a.bits(), b.bits(), a.byteSize()), 0) << f.familyName();
    EXPECT_GT(f.textExtent(u"更新").cx, f.textExtent(u"更").cx);
  }
  // Bold draws heavier than regular.
  LogFont regular = Logical("Tahoma", -13);
  LogFont bold = regular;
  bold.weight = FW_BOLD;
  Surface thin = White(60, 20), heavy = White(60, 20);
  DeviceContext dt(&thin), dh(&heavy);
  dt.selectFont(Font(regular));
  dh.selectFont(Font(bold));
  dt.textOut(1, 1, u"Update");
  dh.textOut(1, 1, u"Update");
  EXPECT_GT(Ink(heavy), Ink(thin) * 21 / 20);
}

}  // namespace
}  // namespace z5t8::platform::gui
