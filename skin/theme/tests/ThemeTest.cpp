#include <gtest/gtest.h>

#include <string>

#include <vector>

#include "framework/MemoryStream.h"
#include "framework/gui/Bitmap.h"
#include "framework/gui/ImageList.h"
#include "framework/Properties.h"
#include "skin/theme/Theme.h"
#include "skin/theme/ThemeColorShift.h"
#include "skin/theme/ThemeNames.h"
#include "skin/theme/ThemeSysColors.h"

namespace z5t8::skin::theme {

// A derived theme as a skin theme would be one: own class operations, one overridden slot.
class TTestTheme : public TteTheme {
  Z5T8_CLASS(TTestTheme, TteTheme)
  Z5T8_THEME_CLASS(TTestTheme)

public:
  static std::string GetThemeName() { return "Test"; }
  static TteThemeConfig GetThemeConfig() { return {false, true, true, "Test skins (*.tst)|*.tst", "tst"}; }
  static bool CheckStream(framework::TStream& stream) {
    uint8_t b = 0;
    return stream.Read(&b, 1) == 1 && b == 'T';
  }
  bool IsButtonDefined(TteButtonSubclass subclass, const std::string& objectName) override {
    return subclass == kbscButton && objectName == "default";
  }
};

Z5T8_IMPLEMENT_CLASS(TTestTheme, TteTheme) {}

namespace {

TRect Box(int l, int t, int r, int b) { return {l, t, r, b}; }

TEST(Theme, ClassReferencesAnswerBeforeAnyInstance) {
  TteThemeClass base = ThemeClass<TteTheme>();
  TteThemeClass test = ThemeClass<TTestTheme>();
  EXPECT_EQ(base->ClassName(), "TteTheme");
  EXPECT_EQ(test->ClassName(), "TTestTheme");
  EXPECT_EQ(test->GetThemeName(), "Test");
  EXPECT_TRUE(test->GetThemeConfig().CanLoad);
  TteThemeConfig config = base->GetThemeConfig();
  EXPECT_FALSE(config.BuiltIn || config.CanSave || config.CanLoad);
  EXPECT_TRUE(config.DialogFilter.empty() && config.DefaultExt.empty());

  framework::TMemoryStream stream;
  stream.WriteByte('T');
  stream.SetPosition(0);
  EXPECT_FALSE(base->CheckStream(stream));
  stream.SetPosition(0);
  EXPECT_TRUE(test->CheckStream(stream));

  std::unique_ptr<TteTheme> made = test->Create();
  EXPECT_EQ(made->ThemeClassType(), test);
  EXPECT_EQ(TteTheme().ThemeClassType(), base);
  // The override takes the slot; the rest keep the base answers.
  EXPECT_FALSE(made->IsButtonDefined(kbscSpinUp, "default"));
  EXPECT_TRUE(made->IsEditDefined(kescEdit, "default"));
}

}  // namespace

// Records the order of the three resets.
class TResetLog : public TteTheme {
  Z5T8_CLASS(TResetLog, TteTheme)
  Z5T8_THEME_CLASS(TResetLog)

public:
  std::vector<std::string> Calls;
  void ResetThemeColors() override {
    Calls.push_back("colors");
    TteTheme::ResetThemeColors();
  }
  void ResetThemeSysColors() override {
    Calls.push_back("syscolors");
    TteTheme::ResetThemeSysColors();
  }
  void ResetThemeFonts() override {
    Calls.push_back("fonts");
    TteTheme::ResetThemeFonts();
  }
};

Z5T8_IMPLEMENT_CLASS(TResetLog, TteTheme) {}

namespace {

TEST(Theme, ResetRunsColoursSystemColoursFontsInOrder) {
  TResetLog theme;
  theme.ResetTheme();
  EXPECT_EQ(theme.Calls, (std::vector<std::string>{"colors", "syscolors", "fonts"}));
}

TEST(Theme, HueAndBrightnessResetOnlyWhenTheyChange) {
  TResetLog theme;
  const framework::TColor caption = theme.Colors()->GetColor(ktcCaptionNormal);
  EXPECT_EQ(caption, framework::TColor(0xFF0000));

  theme.Colors()->SetColor(ktcCaptionNormal, 0x123456);
  theme.ChangeThemeHue(0);
  theme.ChangeThemeBrightness(0);
  theme.ChangeThemeHueAndBrightness(0, 0);
  EXPECT_TRUE(theme.Calls.empty());
  EXPECT_EQ(theme.Colors()->GetColor(ktcCaptionNormal), framework::TColor(0x123456));

  // A new hue rebuilds the defaults and shifts them; the brightness stays as stored.
  theme.ChangeThemeHue(60);
  EXPECT_EQ(theme.Calls.size(), 3u);
  EXPECT_EQ(theme.DeltaHue(), 60);
  EXPECT_EQ(theme.DeltaBrightness(), 0);
  EXPECT_EQ(theme.Colors()->GetColor(ktcCaptionNormal), HueShifted(caption, 60));
  EXPECT_EQ(theme.Fonts()->GetFont(ktfCaptionTextInactive)->Color(), HueShifted(0xC0C0C0, 60));

  theme.ChangeThemeBrightness(-20);
  EXPECT_EQ(theme.Calls.size(), 6u);
  EXPECT_EQ(theme.Colors()->GetColor(ktcCaptionNormal), BrightnessShifted(HueShifted(caption, 60), -20));
  theme.ChangeThemeHueAndBrightness(60, -20);
  EXPECT_EQ(theme.Calls.size(), 6u);
  theme.ChangeThemeHueAndBrightness(0, 0);
  EXPECT_EQ(theme.Colors()->GetColor(ktcCaptionNormal), caption);
}

TEST(Theme, SystemColoursStartFromThePlatformsOnEveryReset) {
  TteTheme theme;
  const TteThemeSysColors platform(nullptr);
  auto same = [&](const TteThemeSysColors& expected) {
    for (const auto& entry : SysColors)
      if (theme.SystemColors()->GetColor(entry.Color) != expected.GetColor(entry.Color)) return false;
    return true;
  };
  ASSERT_TRUE(same(platform));
  // Shifts never add up: the second hue is applied to the platform's colours, and no
  // shift at all gives them back exactly.
  theme.ChangeThemeHue(30);
  theme.ChangeThemeHue(60);
  TteThemeSysColors expected(nullptr);
  expected.ChangeColorsHue(60);
  EXPECT_TRUE(same(expected));
  theme.ChangeThemeHueAndBrightness(0, 0);
  EXPECT_TRUE(same(platform));
}

TEST(Theme, AssignCopiesTheLookButNotTheShiftsOrTheFile) {
  TteTheme source;
  source.ThemeName = "Night";
  source.FileName = "night.mskn";
  source.ChangeThemeHue(90);
  source.Colors()->SetColor(ktcWindow, 0x010203);
  source.SystemColors()->SetColor(framework::clBtnFace, 0x040506);
  source.Fonts()->GetFont(ktfButtonTextNormal)->SetSize(14);
  source.Options()->SetOptions(ktoptOneEdit, true);

  TteTheme copy;
  copy.Assign(&source);
  EXPECT_EQ(copy.ThemeName, "Night");
  EXPECT_EQ(copy.FileName, "");
  EXPECT_EQ(copy.DeltaHue(), 0);
  EXPECT_EQ(copy.Colors()->GetColor(ktcWindow), framework::TColor(0x010203));
  EXPECT_EQ(copy.SystemColors()->GetColor(framework::clBtnFace), framework::TColor(0x040506));
  EXPECT_EQ(copy.Fonts()->GetFont(ktfButtonTextNormal)->Size(), 14);
  EXPECT_TRUE(copy.Options()->GetOptions(ktoptOneEdit));

  framework::TFont notATheme;
  EXPECT_ANY_THROW(copy.Assign(&notATheme));
}

TEST(Theme, NamedObjectsAreAbsentFromTheBaseTheme) {
  TteTheme theme;
  EXPECT_EQ(theme.ThemeName, "Default theme");
  EXPECT_EQ(theme.GetBounds("Form"), NullRect);
  EXPECT_EQ(theme.CustomColor("Accent"), framework::clNone);
  EXPECT_FALSE(theme.LoadFromFile(""));
  EXPECT_FALSE(theme.LoadFromFile("/nonexistent/theme.file"));
  framework::TMemoryStream stream;
  EXPECT_FALSE(theme.SaveToStream(stream));
  EXPECT_FALSE(theme.LoadFromStream(stream));

  framework::TFont font;
  theme.Fonts()->GetFont(ktfCaptionTextNormal)->SetSize(12);
  theme.SetFontForObject(font, ktfCaptionTextNormal, "Other");
  EXPECT_EQ(font.Size(), 12);
}

TEST(Theme, FactoriesFillTheirRecords) {
  const TRect r{1, 2, 3, 4};
  TteScrollButtonInfo scroll = ScrollButtonInfo(r, zqbdsHot, zqbcPageDown);
  EXPECT_EQ(scroll.ButtonClass, zqbcPageDown);
  EXPECT_EQ(scroll.DrawState, zqbdsHot);
  TteScrollAreaInfo area = ScrollAreaInfo(r, zqadsPressed, zqacHorizontal);
  EXPECT_EQ(area.AreaClass, zqacHorizontal);
  EXPECT_EQ(area.DrawState, zqadsPressed);
  TteWindowInfo window = WindowInfo(r, {kwdsActive}, {5, 6, 7, 8}, {kwbClose, kwbCustom}, u"T", true);
  EXPECT_EQ(window.ClipRect, (TRect{5, 6, 7, 8}));
  EXPECT_TRUE(window.Buttons.Contains(kwbCustom));
  EXPECT_EQ(window.Buttons.ToBits(), uint16_t(1u << kwbClose | 1u << kwbCustom));
  EXPECT_TRUE(window.DisabledNCArea);
  TteGridItemInfo grid = GridItemInfo(r, kgidsSelected, kgicFixed);
  EXPECT_EQ(grid.DrawState, kgidsSelected);
  EXPECT_EQ(grid.ItemClass, kgicFixed);
  TteEditButtonInfo edit = EditButtonInfo(r, kebdsPressed, kebcDialog);
  EXPECT_EQ(edit.DrawState, kebdsPressed);
  EXPECT_EQ(edit.ButtonClass, kebcDialog);

  EXPECT_EQ(GlyphInfo().Rect, NullRect);
  EXPECT_EQ(GlyphInfo().Bitmap, nullptr);
  EXPECT_EQ(MenuGlyphInfo().Glyph, kmgNone);
  EXPECT_EQ(ToolGlyphInfo().Glyph, ktgNone);
  EXPECT_EQ(MenuGlyphInfo(r, kmgCheckGlyph).Align, kgfaCenter);
  EXPECT_EQ(ListGlyphInfo(r, klgMixed).Align, kgfaCenter);
  EXPECT_EQ(BarCaptionInfo(r, u"dropped").Rect, r);
  static_assert(sizeof(TteWindowButtonClass) == 1 && sizeof(TteToolGlyph) == 1 && sizeof(TteTextAlign) == 1);
}

TEST(Theme, PicturesConvertIntoOneReusedBitmap) {
  framework::TBitmap red;
  red.SetPixelFormat(framework::pf32bit);
  red.SetSize(4, 3);
  red.Canvas()->Brush()->SetColor(framework::clRed);
  red.Canvas()->FillRect({0, 0, 4, 3});

  TteBitmap* first = GraphicToBitmap(&red);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->Width(), 4);
  EXPECT_EQ(uint32_t(first->GetPixel(1, 1)) & 0xFFFFFF, 0xFF0000u);

  // An image list of 2 x 2 images whose masked pixels stay the transparent key.
  framework::TImageList images(nullptr);
  images.SetWidth(2);
  images.SetHeight(2);
  framework::TBitmap strip;
  strip.SetPixelFormat(framework::pf32bit);
  strip.SetSize(4, 2);
  strip.Canvas()->Brush()->SetColor(framework::clBlue);
  strip.Canvas()->FillRect({0, 0, 4, 2});
  strip.Canvas()->SetPixel(3, 1, framework::clFuchsia);
  ASSERT_EQ(images.AddMasked(strip, framework::clFuchsia), 0);

  TteGlyphInfo glyph = GlyphInfo(Box(0, 0, 2, 2), &images, 1, kgfaCenter);
  EXPECT_EQ(glyph.Bitmap, first);
  EXPECT_EQ(glyph.Bitmap->Width(), 2);
  EXPECT_TRUE(glyph.Bitmap->Transparent);
  EXPECT_EQ(uint32_t(glyph.Bitmap->GetPixel(0, 0)) & 0xFFFFFF, 0x0000FFu);
  EXPECT_EQ(uint32_t(glyph.Bitmap->GetPixel(1, 1)) & 0xFFFFFF, render::teTransparentRgb);
  EXPECT_EQ(MenuGlyphInfo(Box(0, 0, 2, 2), &images, 0, kgfaCenter, false).Glyph, kmgGlyph);
  EXPECT_EQ(ImagesToBitmap(nullptr, 0, true), nullptr);
  EXPECT_EQ(GraphicToBitmap(nullptr), nullptr);
}
}  // namespace
}  // namespace z5t8::skin::theme
