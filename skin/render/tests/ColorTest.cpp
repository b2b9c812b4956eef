#include "skin/render/Color.h"

#include <gtest/gtest.h>

#include "platform/gui/SystemMetrics.h"

namespace z5t8::skin::render {
namespace {

TEST(ColorTest, ChannelConstructorClampsAndKeepsAlpha) {
  EXPECT_EQ(uint32_t(teColor(300, -4, 17, 9)), 0x09FF0011u);
  EXPECT_EQ(uint32_t(teColor(0, 255, 128, 255)), 0xFF00FF80u);
}

TEST(ColorTest, FrameworkColours) {
  EXPECT_EQ(uint32_t(teColor(framework::TColor(0x00332211u), 255)), 0xFF112233u);
  EXPECT_EQ(uint32_t(teColor(framework::TColor(0x7F332211u), 0x40)), 0x40112233u);
  EXPECT_EQ(uint32_t(teColor(framework::clBtnFace, 0x80)),
            (FromRGB(platform::gui::GetSysColor(platform::gui::COLOR_BTNFACE)).Rgb() | 0x80000000u));
  EXPECT_EQ(teColorToColor(0x80112233u), 0x00332211u);
  EXPECT_EQ(StdChangeColor(0x00102030u, 0x10), 0x00203040u);
  EXPECT_EQ(StdChangeColor(0x00102030u, -0x20, 0, 0x10, 7), 0x00202010u);
  EXPECT_EQ(StdChangeColor(framework::clBtnFace, 0),
            platform::gui::GetSysColor(platform::gui::COLOR_BTNFACE));
}

TEST(ColorTest, Packing) {
  EXPECT_EQ(teColorToColor16(0xFFFF8040u), 0xFC08);
  EXPECT_EQ(teColorToColor15(0xFFFF8040u), 0x7E08);
  EXPECT_EQ(uint32_t(FromRGB(0x00332211u)), 0xFF112233u);
  EXPECT_EQ(ToRGB(0x80112233u), 0x00332211u);
  EXPECT_EQ(MulDiv16(300, 400, 7), uint16_t(120000 / 7));
  EXPECT_EQ(MulDiv16(1, 1, 0), 0xFFFF);
}

TEST(ColorTest, HslOfKnownColours) {
  struct Case {
    uint32_t c;
    float h, s, l;
  } cases[] = {
      {0xFFFF0000u, 0, 1, 0.5f},         {0xFF00FF00u, 1 / 3.0f, 1, 0.5f},
      {0xFF0000FFu, 2 / 3.0f, 1, 0.5f},  {0xFFFF00FFu, 5 / 6.0f, 1, 0.5f},
      {0xFF808080u, 0, 0, 128 / 255.0f}, {0xFFC08040u, 1 / 12.0f, 128 / 254.0f, 128 / 255.0f},
  };
  for (const Case& k : cases) {
    float h, s, l;
    RGBtoHSL(k.c, h, s, l);
    EXPECT_NEAR(h, k.h, 1e-6) << std::hex << k.c;
    EXPECT_NEAR(s, k.s, 1e-6) << std::hex << k.c;
    EXPECT_NEAR(l, k.l, 1e-6) << std::hex << k.c;
  }
}

TEST(ColorTest, HslRoundTripGivesEveryColourBack) {
  for (uint32_t r = 0; r < 256; r += 3)
    for (uint32_t g = 0; g < 256; g += 5)
      for (uint32_t b = 0; b < 256; b += 7) {
        teColor c = 0x12000000u | r << 16 | g << 8 | b;
        float h, s, l;
        RGBtoHSL(c, h, s, l);
        ASSERT_EQ(uint32_t(HSLtoRGB(h, s, l)), c.Rgb() | 0xFF000000u) << std::hex << c.value;
      }
}

TEST(ColorTest, HslToRgbRoundsHalvesToEven) {
  // 0.5 * 255 = 127.5 rounds to 128, and 0.25 * 255 = 63.75 to 64.
  EXPECT_EQ(uint32_t(HSLtoRGB(0, 0, 0.5f)), 0xFF808080u);
  EXPECT_EQ(uint32_t(HSLtoRGB(0, 0, 0.25f)), 0xFF404040u);
}

TEST(ColorTest, HueWrapsBy255) {
  // Pure red has hue 0; blue has hue 170 of 255.
  float h, s, l;
  RGBtoHSL(ChangeHue(0xFFFF0000u, -1), h, s, l);
  EXPECT_NEAR(h * 255, 254, 0.6);
  RGBtoHSL(ChangeHue(0xFF0000FFu, 86), h, s, l);  // 170 + 86 = 256 -> 1
  EXPECT_NEAR(h * 255, 1, 0.6);
  EXPECT_EQ(ChangeHue(0xFF0000FFu, 86), HSLtoRGB(1 / 255.0f, 1, 0.5f));
  EXPECT_EQ(ChangeHue(0xFFFF0000u, -1), HSLtoRGB(254 / 255.0f, 1, 0.5f));
  // Large deltas from a skin stay in range.
  EXPECT_EQ(ChangeHue(0xFFFF0000u, 255 * 1000), ChangeHue(0xFFFF0000u, 0));
  EXPECT_EQ(ChangeHue(0xFFFF0000u, 3 * 255 + 1), ChangeHue(0xFFFF0000u, 1));
}

TEST(ColorTest, SetHueAndSaturation) {
  EXPECT_EQ(uint32_t(SetHue(0x40FF0000u, 85)), uint32_t(HSLtoRGB(85 / 255.0f, 1, 0.5f)));
  EXPECT_EQ(SetHue(0xFFFF0000u, 999), SetHue(0xFFFF0000u, 255));
  EXPECT_EQ(SetHue(0xFFFF0000u, -5), SetHue(0xFFFF0000u, 0));
  // Grey has no saturation to lose; red halved towards grey.
  EXPECT_EQ(uint32_t(ChangeSat(0xFF808080u, 0)), 0xFF808080u);
  EXPECT_EQ(uint32_t(ChangeSat(0xFFFF0000u, -128)), uint32_t(HSLtoRGB(0, 127 / 255.0f, 0.5f)));
}

TEST(ColorTest, ChannelShifts) {
  struct Case {
    teColor got;
    uint32_t want;
  } cases[] = {
      {ChangeColor(0x80102030u, 0, 0, 0, 0x90), 0x10102030u},
      {ChangeColor(0xFF102030u, 250, 0, 0, 0), 0xFFFF2030u},
      {ChangeColor(0xFF102030u, -0x20), 0xFF000010u},
      {SunkenColor(0xFF102030u, 0x10), 0xFF001020u},
      {SunkenColor(0x10102030u, 1, 2, 3, 0x20), 0xF00F1E2Du},
      {RaisedColor(0xFF102030u, 0x10), 0xFF203040u},
      {ChangeBrightness(0x00102030u, 0xE0), 0xFFF0FFFFu},
      {ChangeBrightness(0x00102030u, -0x7FFFFFFF), 0xFF000000u},
      {ChangeColor(0xFF102030u, 0x7FFFFFFF), 0xFFFFFFFFu},
  };
  for (const Case& k : cases) EXPECT_EQ(uint32_t(k.got), k.want) << std::hex << k.want;
}

TEST(ColorTest, HslToleratesOutOfRangeInput) {
  EXPECT_EQ(HSLtoRGB(0, 5.0f, 0.9f).R(), 255);
  EXPECT_EQ(uint32_t(HSLtoRGB(0, 0, -3.0f)), 0xFF000000u);
  (void)HSLtoRGB(1e30f, 1e30f, 1e30f);
}

}  // namespace
}  // namespace z5t8::skin::render
