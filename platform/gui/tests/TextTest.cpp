#include <gtest/gtest.h>

#include <cstring>

#include "platform/gui/DeviceContext.h"
#include "platform/gui/FontMatcher.h"
#include "platform/gui/tests/PixelArt.h"

namespace z5t8::platform::gui {
namespace {

using test::whiteSurface;

const char* const kLatinFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
const char* const kChineseFile = "/usr/share/fonts/truetype/arphic/uming.ttc";
constexpr int kChineseTraditionalIndex = 2;

Font latin(int32_t height = -11) {
  LogFont lf;
  lf.height = height;
  return Font::fromFile(kLatinFile, lf);
}

// Bounding box of the pixels that are not white.
Rect ink(const Surface& s) {
  Rect box{s.width(), s.height(), 0, 0};
  for (int32_t y = 0; y < s.height(); ++y)
    for (int32_t x = 0; x < s.width(); ++x)
      if ((s.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) {
        box.left = std::min(box.left, x);
        box.top = std::min(box.top, y);
        box.right = std::max(box.right, x + 1);
        box.bottom = std::max(box.bottom, y + 1);
      }
  return box.isEmpty() ? Rect{} : box;
}

struct TextFixture : ::testing::Test {
  Surface surface = whiteSurface(200, 80);
  DeviceContext dc{&surface};
  TextFixture() {
    dc.selectFont(latin());
    dc.setBkMode(TRANSPARENT);
  }
  Rect draw(std::u16string_view text, Rect r, uint32_t format) {
    surface.fill(0x00FFFFFF);
    dc.drawText(text, r, format);
    return ink(surface);
  }
};

TEST_F(TextFixture, MetricsAndExtentFollowTheFont) {
  TextMetric tm = dc.textMetrics();
  EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent);
  EXPECT_GE(tm.tmHeight, 11);
  EXPECT_EQ(tm.tmInternalLeading, tm.tmHeight - 11);
  Size hello = dc.textExtent(u"Hello");
  EXPECT_EQ(hello.cy, tm.tmHeight);
  EXPECT_EQ(hello.cx, dc.textExtent(u"He").cx + dc.textExtent(u"llo").cx);
  // A positive height is the cell height.
  dc.selectFont(latin(20));
  EXPECT_EQ(dc.textMetrics().tmHeight, 20);
  // A width asks for that average character width.
  LogFont narrow;
  narrow.height = -11;
  narrow.width = 4;
  Font condensed = Font::fromFile(kLatinFile, narrow);
  EXPECT_NEAR(condensed.metrics().tmAveCharWidth, 4, 1);
  EXPECT_LT(condensed.textExtent(u"Hello").cx, hello.cx * 3 / 4);
}

TEST_F(TextFixture, ExtentExCountsWhatFits) {
  std::vector<int32_t> partial;
  int32_t ab = dc.textExtent(u"ab").cx;
  EXPECT_EQ(dc.textExtentEx(u"abc", ab, &partial), 2);
  EXPECT_EQ(partial, (std::vector<int32_t>{dc.textExtent(u"a").cx, ab, dc.textExtent(u"abc").cx}));
  EXPECT_EQ(dc.textExtentEx(u"abc", ab - 1, nullptr), 1);
  // A surrogate pair counts as two units that fit or not together.
  std::u16string pair = u"a\U0001F600";
  EXPECT_EQ(dc.textExtentEx(pair, 1000, &partial), 3);
  EXPECT_EQ(partial[1], partial[2]);
}

TEST_F(TextFixture, ExtTextOutOpaqueAndClipped) {
  dc.setBkColor(RGB(0, 0, 255));
  Rect r{10, 10, 20, 30};
  dc.extTextOut(10, 10, ETO_OPAQUE | ETO_CLIPPED, &r, u"Wide text");
  EXPECT_EQ(ink(surface), r);
  EXPECT_FALSE(dc.clipRgn().has_value());
}

TEST_F(TextFixture, CalcRectMeasuresWithoutDrawing) {
  Size extent = dc.textExtent(u"Hello world");
  int32_t h = dc.textMetrics().tmHeight;
  Rect r{10, 5, 20, 6};
  EXPECT_EQ(dc.drawText(u"Hello world", r, DT_CALCRECT | DT_SINGLELINE | DT_CENTER), h);
  EXPECT_EQ(r, (Rect{10, 5, 10 + extent.cx, 5 + h}));
  EXPECT_EQ(ink(surface), (Rect{}));
  r = {0, 0, 100, 0};
  EXPECT_EQ(dc.drawText(u"one\r\ntwo\nthree", r, DT_CALCRECT), 3 * h);
  EXPECT_EQ(r.right, dc.textExtent(u"three").cx);
  r = {0, 0, 100, 0};
  EXPECT_EQ(dc.drawText(u"one\r\ntwo", r, DT_CALCRECT | DT_SINGLELINE), h);
  r = {3, 4, 50, 50};
  EXPECT_EQ(dc.drawText(u"", r, DT_CALCRECT), 0);
  EXPECT_EQ(r, (Rect{3, 4, 3, 4}));
}

TEST_F(TextFixture, AlignmentOffsets) {
  const std::u16string text = u"Ag";
  Size e = dc.textExtent(text);
  int32_t h = dc.textMetrics().tmHeight;
  Rect box{20, 10, 121, 61};  // odd sizes: halves truncate
  Rect left = draw(text, box, DT_SINGLELINE);
  struct Case {
    uint32_t format;
    int32_t dx, dy;
  } cases[] = {
      {DT_SINGLELINE | DT_CENTER, (101 - e.cx) / 2, 0},
      {DT_SINGLELINE | DT_RIGHT, 101 - e.cx, 0},
      {DT_SINGLELINE | DT_VCENTER, 0, (51 - h) / 2},
      {DT_SINGLELINE | DT_BOTTOM | DT_RIGHT, 101 - e.cx, 51 - h},
      {DT_VCENTER, 0, 0},  // vertical placement needs a single line
  };
  for (const Case& c : cases) {
    EXPECT_EQ(draw(text, box, c.format), left.offset(c.dx, c.dy)) << c.format;
  }
  Rect r = box;
  EXPECT_EQ(dc.drawText(text, r, DT_SINGLELINE | DT_VCENTER), (51 - h) / 2 + h);
  EXPECT_EQ(dc.drawText(text, r, DT_SINGLELINE), h);
}

TEST_F(TextFixture, WordBreakAtBlanksAndBetweenChineseCharacters) {
  int32_t h = dc.textMetrics().tmHeight;
  int32_t two = dc.textExtent(u"aaa aaa").cx;
  Rect r{0, 0, two, 0};
  EXPECT_EQ(dc.drawText(u"aaa aaa aaa", r, DT_WORDBREAK | DT_CALCRECT), 2 * h);
  EXPECT_EQ(r.right, two);
  // One pixel less and the second word moves down too.
  r = {0, 0, two - 1, 0};
  EXPECT_EQ(dc.drawText(u"aaa aaa aaa", r, DT_WORDBREAK | DT_CALCRECT), 3 * h);
  EXPECT_EQ(r.right, dc.textExtent(u"aaa").cx);
  // A word longer than the line stays whole on its own line.
  r = {0, 0, 10, 0};
  EXPECT_EQ(dc.drawText(u"abcdefgh ij", r, DT_WORDBREAK | DT_CALCRECT), 2 * h);
  EXPECT_EQ(r.right, dc.textExtent(u"abcdefgh").cx);
  // Single line wins over word break.
  r = {0, 0, 10, 0};
  EXPECT_EQ(dc.drawText(u"aaa bbb ccc", r, DT_WORDBREAK | DT_SINGLELINE | DT_CALCRECT), h);

  LogFont lf;
  lf.height = -12;
  dc.selectFont(Font::fromFile(kChineseFile, lf, kChineseTraditionalIndex));
  int32_t ch = dc.textMetrics().tmHeight;
  int32_t four = dc.textExtent(u"請插入手").cx;
  r = {0, 0, four + 1, 0};
  EXPECT_EQ(dc.drawText(u"請插入手機傳輸線後按下", r, DT_WORDBREAK | DT_CALCRECT), 3 * ch);
  EXPECT_EQ(r.right, four);
  // No line starts with a closing mark: "，" takes the character before it along,
  // giving 請插 / 入，手 / 機 rather than 請插入 / ，手機.
  int32_t three = dc.textExtent(u"請插入").cx;
  r = {0, 0, three, 0};
  EXPECT_EQ(dc.drawText(u"請插入，手機", r, DT_WORDBREAK | DT_CALCRECT), 3 * ch);
}

TEST_F(TextFixture, PrefixUnderlinesAndDoubleAmpersandDrawsOne) {
  Rect box{5, 5, 195, 75};
  Rect plain = draw(u"File", box, DT_SINGLELINE);
  Rect prefixed = draw(u"&File", box, DT_SINGLELINE);
  EXPECT_EQ(prefixed.top, plain.top);
  EXPECT_GT(prefixed.bottom, plain.bottom);  // the underline below the baseline
  EXPECT_EQ(prefixed.left, box.left);
  EXPECT_LE(prefixed.right, plain.right);
  EXPECT_GT(draw(u"&File", box, DT_SINGLELINE | DT_NOPREFIX).right, plain.right);
  Surface a = (draw(u"A&&B", box, DT_SINGLELINE), surface);
  draw(u"A&B", box, DT_SINGLELINE | DT_NOPREFIX);
  EXPECT_EQ(std::memcmp(a.bits(), surface.bits(), a.byteSize()), 0);
  Rect r{0, 0, 0, 0};
  dc.drawText(u"A&&B&", r, DT_CALCRECT);
  EXPECT_EQ(r.right, dc.textExtent(u"A&B").cx);
}

TEST_F(TextFixture, GlyphsStayInsideTheirCell) {
  // Descenders and the underscore of small sizes must not be cut off by the cell.
  for (int32_t height : {-10, -11, -12, -13}) {
    dc.selectFont(latin(height));
    Rect cell{0, 10, 150, 10 + dc.textMetrics().tmHeight};  // overhang at the left is not the point
    draw(u"_gjpqy\u00C9", cell, DT_SINGLELINE);
    Surface clipped = surface;
    draw(u"_gjpqy\u00C9", cell, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_EQ(std::memcmp(clipped.bits(), surface.bits(), surface.byteSize()), 0) << height;
  }
}

TEST_F(TextFixture, ClippingAndRightToLeftReading) {
  Rect narrow{10, 10, 20, 40};
  Rect clipped = draw(u"Wide text here", narrow, DT_SINGLELINE);
  EXPECT_LE(clipped.right, 20);
  Rect unclipped = draw(u"Wide text here", narrow, DT_SINGLELINE | DT_NOCLIP);
  EXPECT_GT(unclipped.right, 20);

  Rect box{5, 5, 195, 75};
  draw(u"abc!", box, DT_SINGLELINE | DT_RTLREADING);
  Surface rtl = surface;
  draw(u"!abc", box, DT_SINGLELINE);
  EXPECT_EQ(std::memcmp(rtl.bits(), surface.bits(), rtl.byteSize()), 0);
}

TEST_F(TextFixture, OpaqueBackgroundAndAntialiasedInk) {
  dc.setBkMode(OPAQUE);
  dc.setBkColor(RGB(0, 0, 255));
  dc.setTextColor(RGB(255, 0, 0));
  dc.textOut(10, 10, u"Os");
  Size e = dc.textExtent(u"Os");
  EXPECT_EQ(ink(surface), rectFromSize(10, 10, e.cx, e.cy));
  bool partial = false;
  for (int32_t y = 10; y < 10 + e.cy; ++y)
    for (int32_t x = 10; x < 10 + e.cx; ++x) {
      Pixel p = surface.pixel(x, y) & 0xFFFFFF;
      EXPECT_EQ(p & 0x00FF00, 0u);  // only blends of red and blue
      if (p != 0xFF0000 && p != 0x0000FF) partial = true;
    }
  EXPECT_TRUE(partial);
}

TEST_F(TextFixture, TextOutAlignmentAndVerticalText) {
  TextMetric tm = dc.textMetrics();
  Size e = dc.textExtent(u"Tx");
  dc.setTextAlign(TA_RIGHT | TA_BASELINE);
  dc.textOut(100, 40, u"Tx");
  Rect r = ink(surface);
  // Glyphs may overhang their advance by a pixel.
  EXPECT_LE(r.right, 100 + 1);
  EXPECT_GE(r.left, 100 - e.cx - 1);
  EXPECT_LE(r.bottom, 40 + 1);
  EXPECT_GE(r.top, 40 - tm.tmAscent);

  LogFont lf;
  lf.height = -11;
  for (int32_t escapement : {900, 2700}) {
    lf.escapement = escapement;
    dc.selectFont(Font::fromFile(kLatinFile, lf));
    dc.setTextAlign(TA_LEFT | TA_TOP);
    surface.fill(0x00FFFFFF);
    dc.textOut(100, 40, u"Text");
    Rect v = ink(surface);
    EXPECT_GT(v.height(), v.width()) << escapement;
    EXPECT_LE(v.height(), e.cx * 3);
    if (escapement == 900) {
      EXPECT_LE(v.bottom, 40 + 1);  // reads upwards from the origin
      EXPECT_GE(v.left, 100);
    } else {
      EXPECT_GE(v.top, 40 - 1);  // reads downwards
      EXPECT_LE(v.right, 100);
    }
  }
}

TEST(TextInWindowContexts, FollowsTheDeviceOffsetAndBaseClip) {
  Surface top = whiteSurface(60, 30);
  Surface alone = whiteSurface(60, 30);
  DeviceContext child(&top, {20, 5}, Region(Rect{0, 0, 12, 40}));
  DeviceContext plain(&alone);
  for (DeviceContext* dc : {&child, &plain}) {
    dc->selectFont(latin());
    dc->setBkMode(TRANSPARENT);
    Rect r{0, 0, 40, 20};
    dc->drawText(u"WWWW", r, DT_SINGLELINE);
  }
  Rect inChild = ink(top);
  EXPECT_GE(inChild.left, 20);
  EXPECT_LE(inChild.right, 32);
  // Inside the clip the pixels are the same as drawn alone, moved by the offset.
  for (int32_t y = 0; y < 25; ++y)
    for (int32_t x = 0; x < 12; ++x) EXPECT_EQ(top.pixel(x + 20, y + 5), alone.pixel(x, y)) << x << "," << y;
}

TEST(FontMatching, RoundedChineseFacesTakeTheRoundedFamilyAndHeavyNamesAreBold) {
  struct Case {
    const char* face;
    bool bold;
  } cases[] = {{"華康粗圓體", true}, {"華康細圓體", false}};
  for (const Case& c : cases) {
    LogFont lf;
    lf.height = -12;
    lf.faceName = c.face;
    lf.charSet = CHINESEBIG5_CHARSET;
    std::optional<FontMatch> m = fontmatch::match(lf, 12);
    ASSERT_TRUE(m) << c.face;
    EXPECT_NE(m->family.find("cwTeXYen"), std::string::npos) << c.face << " -> " << m->family;
    EXPECT_EQ(m->embolden, c.bold) << c.face;
  }
}

TEST(FontMatching, ChineseFacesAndFallbackDrawRealGlyphs) {
  LogFont lf;
  lf.height = -12;
  lf.faceName = "新細明體";
  lf.charSet = CHINESEBIG5_CHARSET;
  Font chinese(lf);
  EXPECT_NE(chinese.familyName().find("UMing TW"), std::string::npos) << chinese.familyName();
  EXPECT_TRUE(Font(lf) == chinese);  // realised once, shared with its glyph cache
  LogFont tahoma;
  tahoma.faceName = "Tahoma";
  tahoma.height = -11;
  Font latinFace(tahoma);
  EXPECT_TRUE(latinFace.hasGlyph(U'中'));
  // A Latin face name with a Chinese character set takes a Chinese face.
  tahoma.charSet = CHINESEBIG5_CHARSET;
  EXPECT_NE(Font(tahoma).familyName().find("UMing TW"), std::string::npos) << Font(tahoma).familyName();

  // Distinct characters give distinct pictures: no missing-glyph boxes, in a
  // Chinese face and through fallback from a Latin face alike.
  for (const Font& f : {chinese, latin(-12)}) {
    Surface a = whiteSurface(20, 20), b = whiteSurface(20, 20);
    DeviceContext da(&a), db(&b);
    da.selectFont(f);
    db.selectFont(f);
    da.textOut(2, 2, u"中");
    db.textOut(2, 2, u"文");
    EXPECT_FALSE(ink(a).isEmpty());
    EXPECT_NE(std::memcmp(a.bits(), b.bits(), a.byteSize()), 0) << f.familyName();
    EXPECT_EQ(f.textExtent(u"中").cx, 12);
  }
  // Bold asks for weight; the face lacks it, so FreeType makes it heavier.
  lf.weight = FW_BOLD;
  Font bold(lf);
  Surface thin = whiteSurface(20, 20), heavy = whiteSurface(20, 20);
  DeviceContext dt(&thin), dh(&heavy);
  dt.selectFont(chinese);
  dh.selectFont(bold);
  dt.textOut(2, 2, u"中");
  dh.textOut(2, 2, u"中");
  auto inkSum = [](const Surface& s) {
    long n = 0;
    for (int32_t i = 0; i < s.width() * s.height(); ++i) n += 255 - (s.bits()[i] & 0xFF);
    return n;
  };
  EXPECT_GT(inkSum(heavy), inkSum(thin) * 21 / 20);
  // A family with a real bold face uses it.
  LogFont sans;
  sans.faceName = "DejaVu Sans";
  sans.weight = FW_BOLD;
  EXPECT_NE(Font(sans).fileName().find("Bold"), std::string::npos);
}

}  // namespace
}  // namespace z5t8::platform::gui
