#include <gtest/gtest.h>

#include <cstring>

#include "framework/MemoryStream.h"
#include "skin/render/Bitmap.h"
#include "skin/render/BitmapLink.h"
#include "skin/render/BitmapList.h"
#include "skin/render/tests/Model.h"

namespace z5t8::skin::render {
namespace {

void Put32(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(uint8_t(v >> (8 * i)));
}

std::vector<uint8_t> Record(const std::string& name, int32_t w, int32_t h,
                            const std::vector<uint32_t>& pixels) {
  std::vector<uint8_t> out;
  Put32(out, uint32_t(name.size()));
  out.insert(out.end(), name.begin(), name.end());
  Put32(out, uint32_t(w));
  Put32(out, uint32_t(h));
  for (uint32_t p : pixels) Put32(out, p);
  return out;
}

struct Reader {
  explicit Reader(const std::vector<uint8_t>& bytes) {
    stream.WriteBuffer(bytes.data(), int64_t(bytes.size()));
    stream.SetPosition(0);
  }
  framework::TMemoryStream stream;
};

TEST(BitmapStreamTest, LoadsTheRecordAndSavesItBack) {
  // The key colour in the rounded corner, then opaque grey.
  std::vector<uint32_t> px(6, 0xFF848484u);
  px[0] = 0x007F007Fu;
  auto bytes = Record("topbar.bmp", 3, 2, px);
  Reader in(bytes);
  TteBitmap b;
  b.LoadFromStream(in.stream);
  EXPECT_EQ(b.Name, "topbar.bmp");
  ASSERT_EQ(b.Width(), 3);
  ASSERT_EQ(b.Height(), 2);
  EXPECT_EQ(uint32_t(b.GetPixel(0, 0)), 0x007F007Fu);
  EXPECT_EQ(uint32_t(b.GetPixel(1, 0)), 0xFF848484u);
  EXPECT_FALSE(b.Transparent);
  EXPECT_EQ(in.stream.Position(), int64_t(bytes.size()));

  framework::TMemoryStream out;
  b.SaveToStream(out);
  EXPECT_EQ(out.Bytes(), bytes);
}

TEST(BitmapStreamTest, BottomUpRecordsAreFlipped) {
  for (int32_t h : {-2, 0}) {
    std::vector<uint32_t> px = {1, 2, 3, 4};
    // Height 0 stores no rows at all.
    if (h == 0) px.clear();
    Reader in(Record("b", 2, h, px));
    TteBitmap b;
    b.LoadFromStream(in.stream);
    if (h == 0) {
      EXPECT_TRUE(b.Empty());
      continue;
    }
    ASSERT_EQ(b.Height(), 2);
    EXPECT_EQ(uint32_t(b.GetPixel(0, 0)), 3u);
    EXPECT_EQ(uint32_t(b.GetPixel(1, 1)), 2u);
    framework::TMemoryStream out;
    b.SaveToStream(out);
    EXPECT_EQ(out.Bytes(), Record("b", 2, 2, {3, 4, 1, 2}));
  }
}

TEST(BitmapStreamTest, HostileRecordsFailWithoutAllocating) {
  struct Case {
    const char* what;
    std::vector<uint8_t> bytes;
  } cases[] = {
      {"pixels past the end", Record("x", 30000, 30000, {1, 2, 3})},
      {"rows past the end, bottom up", Record("x", 2, -2000000000, {1, 2})},
      {"negative width, rows past the end", Record("x", -30000, 30000, {})},
      // Nothing writes a negative width; its pixels are not trusted even when present.
      {"negative width", Record("x", -2, 1, {1, 2})},
      {"more pixels than a surface holds", Record("x", 8193, 8193, {})},
      {"every size at its extreme", Record("x", INT32_MIN, INT32_MIN, {})},
      {"name past the end", {0xFF, 0xFF, 0xFF, 0x7F, 'a'}},
      {"cut in the size", {0, 0, 0, 0, 5, 0}},
  };
  for (const Case& c : cases) {
    Reader in(c.bytes);
    TteBitmap b;
    EXPECT_THROW(b.LoadFromStream(in.stream), framework::EReadError) << c.what;
    EXPECT_TRUE(b.Empty()) << c.what;
  }
  // A negative name length reads as an empty name.
  auto bytes = Record("", 1, 1, {5});
  bytes[0] = bytes[1] = bytes[2] = bytes[3] = 0xFF;
  Reader in(bytes);
  TteBitmap b;
  b.LoadFromStream(in.stream);
  EXPECT_EQ(uint32_t(b.GetPixel(0, 0)), 5u);
}

TEST(BitmapTest, SetSize) {
  TteBitmap b;
  EXPECT_TRUE(b.Empty());
  EXPECT_EQ(b.DC(), nullptr);
  b.SetSize(-3, 2);
  ASSERT_FALSE(b.Empty());
  EXPECT_EQ(b.Width(), 3);
  EXPECT_EQ(b.Height(), 2);
  EXPECT_EQ(uint32_t(b.GetPixel(2, 1)), 0u);
  EXPECT_EQ(FindBitmapByDC(b.DC()), &b);
  b.SetPixel(0, 0, 9);
  b.SetSize(3, 2);  // same size: pixels stay
  EXPECT_EQ(uint32_t(b.GetPixel(0, 0)), 9u);
  b.SetSize(0, 7);  // a zero side changes nothing
  EXPECT_EQ(b.Width(), 3);
  DeviceContext* old = b.DC();
  try {
    b.SetSize(100000, 100000);
    FAIL() << "no exception";
  } catch (const ETeBitmapError& e) {
    EXPECT_STREQ(e.what(), "Can't allocate the DIB handle");
  }
  EXPECT_TRUE(b.Empty());
  EXPECT_EQ(FindBitmapByDC(old), nullptr);
}

TEST(BitmapTest, PixelAccessOutsideIsIgnored) {
  TteBitmap b;
  b.SetSize(4, 3);
  b.Clear(0x11223344u);
  for (auto [x, y] : {std::pair{4, 0}, {-1, 0}, {0, 3}, {0, -1}}) {
    b.SetPixel(x, y, 0xDEADBEEFu);
    EXPECT_EQ(uint32_t(b.GetPixel(x, y)), 0u);
  }
  for (uint32_t p : model::Of(b).px) EXPECT_EQ(p, 0x11223344u);
  TteBitmap empty;
  EXPECT_EQ(uint32_t(empty.GetPixel(0, 0)), 0u);
  empty.SetPixel(0, 0, 1);
}

TEST(BitmapTest, AlphaAndFill) {
  TteBitmap b;
  b.SetSize(4, 3);
  b.Clear(0x80102030u);
  b.SetAlpha(0xFF, Rect{2, 1, 9, 9});
  EXPECT_EQ(uint32_t(b.GetPixel(1, 1)), 0x80102030u);
  EXPECT_EQ(uint32_t(b.GetPixel(3, 2)), 0xFF102030u);
  b.SetAlpha(0x00, Rect{1, 1, 1, 3});  // no width: nothing
  EXPECT_EQ(uint32_t(b.GetPixel(1, 1)), 0x80102030u);

  b.FillRect(Rect{-1, -1, 2, 1}, 0x40FFFFFFu);
  EXPECT_EQ(uint32_t(b.GetPixel(0, 0)), 0x40FFFFFFu);
  b.AlphaBlend = true;
  b.FillRect(Rect{0, 2, 1, 3}, 0x80FF0000u);
  EXPECT_EQ(uint32_t(b.GetPixel(0, 2)), model::Blend(0x80FF0000u, 0x80102030u));
}

TEST(BitmapTest, Checks) {
  TteBitmap b;
  b.SetSize(3, 1);
  b.Clear(0xFFFF00FFu);
  b.SetPixel(1, 0, 0xFFFA05FAu);
  b.SetPixel(2, 0, 0xFFF900FFu);
  b.CheckingTransparent(0xFFFF00FFu);
  EXPECT_TRUE(b.Transparent);
  EXPECT_EQ(uint32_t(b.GetPixel(0, 0)), 0x007F007Fu);
  EXPECT_EQ(uint32_t(b.GetPixel(1, 0)), 0x007F007Fu);
  EXPECT_EQ(uint32_t(b.GetPixel(2, 0)), 0xFFF900FFu);
  b.CheckingTransparent(0xFF000000u);
  EXPECT_FALSE(b.Transparent);

  b.Clear(0xFF000000u);
  b.CheckingAlphaBlend();
  EXPECT_FALSE(b.AlphaBlend);
  b.SetPixel(2, 0, 0x00000000u);
  b.CheckingAlphaBlend();
  EXPECT_FALSE(b.AlphaBlend);
  b.SetPixel(1, 0, 0xFE000000u);
  b.CheckingAlphaBlend();
  EXPECT_TRUE(b.AlphaBlend);

  TteBitmap empty;
  empty.AlphaBlend = empty.Transparent = true;
  empty.CheckingAlphaBlend();
  empty.CheckingTransparent(0);
  EXPECT_FALSE(empty.AlphaBlend || empty.Transparent);
}

TEST(BitmapTest, ColourShiftsSkipTransparentPixelsAndKeepAlpha) {
  TteBitmap b;
  b.SetSize(3, 1);
  b.SetPixel(0, 0, 0x00FF0000u);
  b.SetPixel(1, 0, 0x80FF0000u);
  b.SetPixel(2, 0, 0xFF102030u);
  b.ChangeBitmapHue(85);
  EXPECT_EQ(uint32_t(b.GetPixel(0, 0)), 0x00FF0000u);
  EXPECT_EQ(uint32_t(b.GetPixel(1, 0)), (ChangeHue(0xFFFF0000u, 85).Rgb() | 0x80000000u));
  EXPECT_EQ(uint32_t(b.GetPixel(2, 0)), uint32_t(ChangeHue(0xFF102030u, 85)));
  b.ChangeBitmapBrightness(0x10);
  EXPECT_EQ(uint32_t(b.GetPixel(0, 0)), 0x00FF0000u);
  EXPECT_EQ(uint32_t(b.GetPixel(2, 0)), uint32_t(ChangeBrightness(ChangeHue(0xFF102030u, 85), 0x10)));
  b.SetBitmapHue(0);
  EXPECT_EQ(uint32_t(b.GetPixel(1, 0)),
            (SetHue(ChangeBrightness(ChangeHue(0xFFFF0000u, 85), 0x10), 0).Rgb() | 0x80000000u));
  teColor before = b.GetPixel(2, 0);
  b.ChangeBitmapSat(-100);
  EXPECT_EQ(uint32_t(b.GetPixel(2, 0)), uint32_t(ChangeSat(before, -100)));
}

TEST(BitmapTest, FlipHorzReversesRows) {
  for (int h : {1, 2, 3}) {
    model::Image img = model::Random(2, h, unsigned(h));
    TteBitmap b;
    model::Fill(b, img);
    b.FlipHorz();
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < 2; ++x) EXPECT_EQ(uint32_t(b.GetPixel(x, y)), img.at(x, h - 1 - y));
  }
}

class MergeDrawTest : public EveryRoutineSet {};

TEST_P(MergeDrawTest, DrawsUnderTheTarget) {
  model::Image src = model::Random(6, 5, 81);
  model::Image base = model::Random(7, 6, 82);
  for (auto [x, y, r] : {std::tuple{1, 1, Rect{0, 0, 6, 5}},
                         {0, 0, Rect{-2, -1, 3, 9}},
                         {-3, 4, Rect{1, 1, 6, 5}},
                         {2, 2, Rect{3, 3, 2, 2}}}) {
    TteBitmap s, t;
    model::Fill(s, src);
    model::Fill(t, base);
    t.MergeDraw(s, x, y, r);
    model::Image want = base;
    int ox = x, oy = y;
    Rect c = r;
    if (c.left < 0) ox -= c.left, c.left = 0;
    if (c.top < 0) oy -= c.top, c.top = 0;
    c.right = std::min(c.right, src.w);
    c.bottom = std::min(c.bottom, src.h);
    for (int sy = c.top; sy < c.bottom; ++sy)
      for (int sx = c.left; sx < c.right; ++sx) {
        int tx = ox + sx - c.left, ty = oy + sy - c.top;
        if (tx < 0 || ty < 0 || tx >= want.w || ty >= want.h) continue;
        uint32_t& d = want.at(tx, ty);
        uint32_t a = d >> 24;
        if (a == 0)
          d = src.at(sx, sy);
        else if (a < 255)
          d = model::Blend(d, src.at(sx, sy));
      }
    EXPECT_EQ(model::Of(t), want) << x << "," << y << " " << model::Describe(r);
  }
}

INSTANTIATE_TEST_SUITE_P(EverySet, MergeDrawTest, testing::ValuesIn(SupportedPixelIsas()), IsaName);

TEST(BitmapLinkTest, CheckingMaskedByPart) {
  // A 10 x 8 link at (2, 1) of a 14 x 10 opaque bitmap; one masked pixel.
  struct Case {
    Rect margins;
    Point masked;  // relative to the link
    bool border, angles, client;
  } cases[] = {
      {{0, 0, 0, 4}, {5, 5}, true, false, false}, {{0, 0, 0, 4}, {5, 3}, false, false, true},
      {{3, 2, 3, 2}, {0, 0}, false, true, false}, {{3, 2, 3, 2}, {9, 7}, false, true, false},
      {{3, 2, 3, 2}, {7, 0}, false, true, false}, {{3, 2, 3, 2}, {6, 0}, true, false, false},
      {{3, 2, 3, 2}, {0, 2}, true, false, false}, {{3, 2, 3, 2}, {9, 5}, true, false, false},
      {{3, 2, 3, 2}, {3, 2}, false, false, true}, {{3, 2, 3, 2}, {6, 5}, false, false, true},
      {{0, 0, 0, 0}, {9, 7}, false, false, true},
  };
  for (const Case& c : cases)
    for (uint32_t mask : {0x007F007Fu, 0xFE123456u}) {
      TteBitmap b;
      b.SetSize(14, 10);
      b.Clear(0xFF808080u);
      b.SetPixel(2 + c.masked.x, 1 + c.masked.y, mask);
      TteBitmapLink link;
      link.Bitmap = &b;
      link.SetRect({2, 1, 12, 9});
      link.CheckingMasked(c.margins);
      std::string where =
          model::Describe(c.margins) + " at " + std::to_string(c.masked.x) + "," + std::to_string(c.masked.y);
      EXPECT_EQ(link.MaskBorder, c.border) << where;
      EXPECT_EQ(link.MaskAngles, c.angles) << where;
      EXPECT_EQ(link.MaskClient, c.client) << where;
    }
}

TEST(BitmapLinkTest, NoneColourIsNotMaskedAndOutsidePixelsAre) {
  TteBitmap b;
  b.SetSize(4, 4);
  b.Clear(teNone);
  TteBitmapLink link;
  link.Bitmap = &b;
  link.SetRect({0, 0, 4, 4});
  link.CheckingMasked();
  EXPECT_FALSE(link.MaskClient);
  // Reaching past the bitmap: the outside reads as 0, which is masked.
  link.SetRect({2, 0, 6, 4});
  link.CheckingMasked(Rect{1, 1, 1, 1});
  EXPECT_TRUE(link.MaskBorder);
  EXPECT_TRUE(link.MaskAngles);
  EXPECT_TRUE(link.MaskClient);
  link.SetRect({-2000000000, -2000000000, 2000000000, 2000000000});
  link.CheckingMasked(Rect{1, 1, 1, 1});
  EXPECT_TRUE(link.MaskBorder && link.MaskAngles && link.MaskClient);
}

TEST(BitmapLinkTest, StreamAssignAndDraw) {
  TteBitmap b;
  b.Name = "Pic";
  b.SetSize(5, 5);
  b.Clear(0xFF0000FFu);
  auto link = b.GetBitmapLink(std::string("1,1,3,4"));
  EXPECT_EQ(link->Bitmap, &b);
  EXPECT_EQ(link->Name, "Pic");
  EXPECT_EQ(link->GetRect(), (Rect{1, 1, 3, 4}));
  EXPECT_TRUE(link->GetAssigned());

  framework::TMemoryStream s;
  link->SaveToStream(s);
  s.SetPosition(0);
  TteBitmapLink back;
  back.LoadFromStream(s);
  EXPECT_EQ(back.Name, "Pic");
  EXPECT_EQ(back.GetRect(), link->GetRect());
  EXPECT_EQ(back.Bitmap, nullptr);
  EXPECT_FALSE(back.GetAssigned());

  link->MaskClient = true;
  back.Assign(link.get());
  EXPECT_EQ(back.Bitmap, &b);
  EXPECT_TRUE(back.MaskClient);

  TteBitmap target;
  target.SetSize(4, 4);
  back.Draw(target, 1, 0);
  EXPECT_EQ(uint32_t(target.GetPixel(0, 0)), 0u);
  EXPECT_EQ(uint32_t(target.GetPixel(1, 0)), 0xFF0000FFu);
  EXPECT_EQ(uint32_t(target.GetPixel(2, 2)), 0xFF0000FFu);
  EXPECT_EQ(uint32_t(target.GetPixel(3, 0)), 0u);
  EXPECT_EQ(uint32_t(target.GetPixel(1, 3)), 0u);
}

TEST(BitmapListTest, LookupsAndOwnership) {
  TteBitmapList list;
  auto a = std::make_unique<TteBitmap>();
  a->Name = "Frame.BMP";
  TteBitmap* first = a.get();
  list.Add(std::move(a));
  auto b = std::make_unique<TteBitmap>();
  b->Name = "frame.bmp";
  list.Add(std::move(b));
  EXPECT_EQ(list.GetBitmapByName("FRAME.bmp"), first);
  EXPECT_EQ(list.GetBitmapByName("other"), nullptr);
  EXPECT_EQ(list.GetImage(1)->Name, "frame.bmp");
  EXPECT_EQ(list.GetImage(2), nullptr);
  EXPECT_EQ(list.GetImage(-1), nullptr);
  TteBitmap stranger;
  EXPECT_EQ(list.GetBitmapLink(&stranger, Rect{0, 0, 1, 1}), nullptr);
  EXPECT_EQ(list.GetBitmapLink(first, Rect{0, 0, 1, 1})->Bitmap, first);
  EXPECT_EQ(list.GetBitmapLink("frame.bmp", std::string("0,0,2,2"))->GetRect(), (Rect{0, 0, 2, 2}));
  EXPECT_EQ(list.GetBitmapLink("none", Rect{}), nullptr);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
}

}  // namespace
}  // namespace z5t8::skin::render
