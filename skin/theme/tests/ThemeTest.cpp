#include <gtest/gtest.h>

#include <string>

#include "framework/MemoryStream.h"
#include "framework/Properties.h"
#include "skin/theme/Theme.h"

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
}  // namespace z5t8::skin::theme
