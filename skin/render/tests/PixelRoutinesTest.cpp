#include "skin/render/PixelRoutines.h"

#include "skin/render/Cpu.h"
#include "skin/render/tests/Model.h"

#include <gtest/gtest.h>

#include <random>

namespace z5t8::skin::render {
namespace {

std::vector<teColor> Pixels(size_t n, unsigned seed) {
  std::vector<uint32_t> raw = model::RandomPixels(n, seed);
  return {raw.begin(), raw.end()};
}

class PixelRoutinesTest : public testing::TestWithParam<PixelIsa> {
protected:
  void SetUp() override { ASSERT_TRUE(SelectPixelRoutines(GetParam())); }
  void TearDown() override { SelectPixelRoutines(SupportedPixelIsas().back()); }
};

// Every length up to a few vectors, at every offset, so tails are covered.
template <class Routine, class Model>
void CheckLines(Routine routine, Model model) {
  auto src = Pixels(80, 1), base = Pixels(80, 2);
  for (int offset = 0; offset < 8; ++offset)
    for (int n = 0; n <= 40; ++n) {
      auto dst = base, want = base;
      routine(src.data() + offset, dst.data() + offset, n);
      for (int i = 0; i < n; ++i) want[offset + i] = model(src[offset + i], want[offset + i]);
      ASSERT_EQ(dst, want) << "offset " << offset << " n " << n;
    }
}

TEST_P(PixelRoutinesTest, LineAlphaBlendMatchesModel) {
  CheckLines(LineAlphaBlendFunc, [](teColor s, teColor d) { return teColor(model::Blend(s, d)); });
  EXPECT_EQ(uint32_t(PixelAlphaBlendFunc(0x80FF0000u, 0xFF0000FFu)), 0xFF7F007Eu);
}

TEST_P(PixelRoutinesTest, LineTransparentMatchesModel) {
  CheckLines(LineTransparentFunc,
             [](teColor s, teColor d) { return s.Rgb() == 0x7F007Fu ? d : teColor(s | 0xFF000000u); });
}

TEST_P(PixelRoutinesTest, FillAndClearAlphaMatchModel) {
  CheckLines([](const teColor*, teColor* d, int n) { FillAlphaFunc(d, n, 0x42); },
             [](teColor, teColor d) { return teColor(d.Rgb() | 0x42000000u); });
  teColor key = 0x99000000u | uint32_t(Pixels(1, 2)[0].Rgb());
  auto dst = Pixels(40, 2);
  dst[5] = key.Rgb() | 0x12000000u;
  auto want = dst;
  ClearAlphaFunc(dst.data(), 40, key);
  for (auto& p : want)
    if (p.Rgb() == key.Rgb()) p = p.Rgb();
  EXPECT_EQ(dst, want);
  EXPECT_EQ(uint32_t(dst[5]), key.Rgb());
}

TEST_P(PixelRoutinesTest, RectFillsStayInsideTheirRectangle) {
  std::vector<teColor> bits(8 * 5, 0x01010101u);
  FillLongwordRectFunc(bits.data() + 8 + 2, 8, 3, 2, 0xAABBCCDDu);
  FillAlphaRectFunc(bits.data() + 3 * 8 + 6, 8, 2, 2, 0x77);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 8; ++x) {
      uint32_t want = 0x01010101u;
      if (y >= 1 && y < 3 && x >= 2 && x < 5) want = 0xAABBCCDDu;
      if (y >= 3 && x >= 6) want = 0x77010101u;
      EXPECT_EQ(uint32_t(bits[y * 8 + x]), want) << x << "," << y;
    }
}

TEST(PixelRoutineTableTest, MoveAllowsOverlap) {
  std::vector<teColor> v = {1, 2, 3, 4, 5, 6};
  MoveLongwordFunc(v.data(), v.data() + 2, 4);
  EXPECT_EQ(v, (std::vector<teColor>{1, 2, 1, 2, 3, 4}));
}

#if defined(__x86_64__)
TEST(PixelRoutineTableTest, ArchitecturalFeaturesAreReported) {
  // Every x86-64 processor has MMX and SSE2.
  EXPECT_TRUE(HasMMX());
  EXPECT_TRUE(HasSSE2());
  EXPECT_GE(SupportedPixelIsas().size(), 2u);
}
#endif

TEST(PixelRoutineTableTest, StartsWithTheWidestSet) {
  EXPECT_EQ(ActivePixelIsa(), SupportedPixelIsas().back());
  EXPECT_EQ(SupportedPixelIsas().front(), PixelIsa::Portable);
}

INSTANTIATE_TEST_SUITE_P(EverySet, PixelRoutinesTest, testing::ValuesIn(SupportedPixelIsas()),
                         [](const auto& info) { return std::string(PixelIsaName(info.param)); });

}  // namespace
}  // namespace z5t8::skin::render
