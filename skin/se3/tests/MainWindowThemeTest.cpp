#include <gtest/gtest.h>

#include <span>
#include <string>

#include "framework/MemoryStream.h"
#include "framework/Resources.h"
#include "framework/gui/tests/GuiFixture.h"
#include "skin/se3/SkinFile.h"
#include "skin/theme/ThemeManager.h"
#include "skin/theme/tests/ThemedWindow.h"

namespace z5t8::skin::se3 {
namespace {

using theme::testing::TThemedWindow;

// The "ThemeStream" value as the layout stores it: after the property's name and the
// binary value kind, a 32-bit length and the bytes.
std::string StoredThemeStream() {
  std::span<const uint8_t> layout = framework::FindResource("TFORM1");
  const std::string text(layout.begin(), layout.end());
  const std::string name("\x0BThemeStream\x0A", 13);
  size_t at = text.find(name);
  if (at == std::string::npos || at + name.size() + 4 > text.size()) return {};
  at += name.size();
  uint32_t length = 0;
  for (int i = 3; i >= 0; --i) length = length << 8 | uint8_t(text[at + size_t(i)]);
  return text.substr(at + 4, length);
}

class MainWindowThemeIntegration : public framework::GuiTest {
protected:
  void TearDown() override {
    theme::ReleaseTheme();
    GuiTest::TearDown();
  }
};

TEST_F(MainWindowThemeIntegration, LoadedWindowHasAquaCurrentAndASecondAquaInItsLink) {
  const std::string value = StoredThemeStream();
  ASSERT_GT(value.size(), 13u);
  AddLayout(theme::testing::TThemedWindowResource, theme::testing::MainLayout(std::nullopt));
  std::unique_ptr<TThemedWindow> form = TThemedWindow::Create();
  ASSERT_TRUE(form->TeThemeEngine1 && form->TeThemeList1 && form->TeThemeLink1);

  auto* current = dynamic_cast<TTeSkinFile*>(theme::CurrentTheme());
  auto* own = dynamic_cast<TTeSkinFile*>(form->TeThemeLink1->GetTheme());
  ASSERT_TRUE(current && own);
  EXPECT_NE(current, own);
  EXPECT_EQ(current->ThemeName, "Aqua");
  EXPECT_EQ(own->ThemeName, "Aqua");
  const theme::TTeThemeEngine& engine = *form->TeThemeEngine1;
  EXPECT_EQ(engine.ThemeIndex(), 0);
  EXPECT_EQ(engine.ThemeBuilding(), "No theme");
  EXPECT_EQ(engine.ThemeFile(), "");
  EXPECT_EQ(engine.GetState(), "2,0,0,0");

  // The item holds our container under the name "Aqua" and writes the value back as read:
  // version 2, the name, the count with four zero bytes above it, the container.
  ASSERT_EQ(form->TeThemeList1->Themes()->Count(), 1);
  const theme::TTeThemeStream& item = *form->TeThemeList1->Themes()->Items(0);
  EXPECT_EQ(item.StoreName(), "Aqua");
  const size_t count = value.size() - 1 - 4 - 4 - 8;
  EXPECT_EQ(item.Data().size(), count);
  EXPECT_EQ(value.substr(0, 9), std::string("\x02\x04\x00\x00\x00"
                                            "Aqua",
                                            9));
  EXPECT_EQ(value.substr(13, 4), std::string(4, '\0'));
  framework::TMemoryStream written;
  item.WriteData(written);
  EXPECT_EQ(std::string(written.Bytes().begin(), written.Bytes().end()), value);
}

}  // namespace
}  // namespace z5t8::skin::se3
