#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <span>
#include <string>

#include "framework/MemoryStream.h"
#include "framework/Resources.h"
#include "skin/se3/SkinFile.h"
#include "skin/se3/SkinFilters.h"
#include "skin/theme/ThemeValueText.h"
#include "tools/skin-tool/SkinSources.h"

namespace z5t8::skin_tool {
namespace {

using namespace skin::se3;
using namespace skin::theme;
using framework::TMemoryStream;

const std::string kAqua = std::string(Z5T8_SOURCE_DIR) + "/resources/skins/Aqua";

std::vector<uint8_t> Store(TSeSkinSource& skin) {
  TMemoryStream s;
  skin.WriteStore(s, sslExtended);
  return s.Bytes();
}

// Our skin as the program carries it: the theme list item's "ThemeStream" value embedded
// at build time, version 2 with the skin's name and the "_MCT" container.
class AquaSkin : public ::testing::Test {
protected:
  void SetUp() override {
    std::span<const uint8_t> value = framework::FindResource("AquaThemeStream");
    ASSERT_GT(value.size(), 13u);
    framework::TCustomMemoryStream wrapper(value.data(), int64_t(value.size()));
    ASSERT_EQ(wrapper.ReadByte(), 2);
    ASSERT_EQ(framework::ReadCountedString(wrapper), "Aqua");
    const uint32_t count = wrapper.ReadUInt32();
    ASSERT_EQ(wrapper.ReadUInt32(), 0u);
    ASSERT_EQ(int64_t(count), wrapper.Size() - wrapper.Position());
    std::vector<uint8_t> bytes(value.begin() + wrapper.Position(), value.end());
    container.WriteBuffer(bytes.data(), int64_t(bytes.size()));
    container.SetPosition(0);
  }
  TMemoryStream container;
};

TEST_F(AquaSkin, ParsesToItsLastByte) {
  TTeSkinFile theme;
  ASSERT_TRUE(theme.LoadFromStream(container));
  EXPECT_EQ(container.Position(), container.Size());
  TSeSkinSource* skin = theme.LoadedSource();
  EXPECT_EQ(skin->SkinName(), "Aqua");
  EXPECT_EQ(theme.ThemeName, "Aqua");
  ASSERT_EQ(skin->Images()->Count(), 67);
  EXPECT_EQ(skin->Images()->GetImage(0)->Name, "form-top-left.png");
  EXPECT_TRUE(skin->Images()->GetImage(0)->Transparent);
  EXPECT_FALSE(skin->Images()->GetImage(0)->AlphaBlend);
  EXPECT_EQ(skin->Images()->GetImage(8)->Name, "caption-close.png");
  EXPECT_FALSE(skin->Images()->GetImage(8)->Transparent);
  EXPECT_TRUE(skin->Images()->GetImage(8)->AlphaBlend);
  EXPECT_EQ(skin->Images()->GetImage(66)->Name, "toolwindow-bottom-right.png");
  ASSERT_EQ(skin->GetCount(), 24);
  EXPECT_EQ(skin->GetObject(0)->Name(), "Form");
  EXPECT_EQ(skin->GetObject(23)->Name(), "ToolWindow");

  // The tables as written in the sources.
  EXPECT_EQ(theme.Colors()->GetColor(ktcWindow), 0x00F2EDE8u);
  EXPECT_EQ(theme.Colors()->GetColor(ktcEditNormal), framework::clWhite);
  EXPECT_EQ(theme.SystemColors()->GetColor(framework::clBtnFace), 0x00F2EDE8u);
  EXPECT_EQ(FontToDescription(*theme.Fonts()->GetFont(ktfCaptionTextNormal)), "Tahoma,8,1,31,45,58,bold");
  EXPECT_EQ(FontToDescription(*theme.Fonts()->GetFont(ktfButtonTextDisabled)), "Tahoma,8,1,154,164,174");
}

TEST_F(AquaSkin, FramesAreReadyForTheWindow) {
  TTeSkinFile theme;
  ASSERT_TRUE(theme.LoadFromStream(container));
  for (auto [frame, placeholder, buttons] :
       {std::tuple{kseForm, kseFormClientPlaceholder, kseFormButtonFrame},
        std::tuple{kseToolWindow, kseToolWindowClientPlaceholder, kseToolWindowButtonFrame}}) {
    TSeSkinObject* f = theme.CachedObject(frame);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->FindObjectByKind(skClient), theme.CachedObject(placeholder));
    EXPECT_NE(f->FindObjectByKind(skTitle), nullptr);
    EXPECT_FALSE(f->FindObjectByAction(sbaClose)->Visible());
    EXPECT_TRUE(theme.CachedObject(buttons)->FindObjectByAction(sbaClose)->Visible());
  }
  TSeSkinObject* form = theme.CachedObject(kseFormButtonFrame);
  for (TSeAction action :
       {sbaClose, sbaMaximize, sbaMinimize, sbaRestore, sbaRollUp, sbaRollDown, sbaSysMenu}) {
    EXPECT_FALSE(theme.CachedObject(kseForm)->FindObjectByAction(action)->Visible()) << int(action);
    EXPECT_TRUE(form->FindObjectByAction(action)->Visible()) << int(action);
  }
  EXPECT_FALSE(theme.CachedObject(kseFormClient)->Masked());
  // Every family the window and the preview use has its object.
  for (TTeSkinCacheEntry entry :
       {kseButton,    kseCheckbox, kseRadioButton, kseGroupBox, kseScrollBar,  kseProgressBar,
        kseEdit,      kseComboBox, kseTrackBar,    kseMenuBar,  ksePopupMenu,  kseHeader,
        kseStatusBar, kseTabs,     kseContainer,   kseSplitter, kseSpinButton, kseControlBar,
        kseGrid,      kseListBox,  kseHint,        ksePanel})
    EXPECT_NE(theme.CachedObject(entry), nullptr) << int(entry);
  for (const char* part : {"Button\\Face", "Edit\\Frame", "ScrollBar\\TopButton", "ScrollBar\\BottomButton",
                           "ScrollBar\\VertSlider", "ScrollBar\\HorzSlider", "ScrollBar\\VertFrame",
                           "ScrollBar\\HorzFrame", "StatusBar\\Gripper"})
    EXPECT_NE(theme.WorkingSource()->GetObjectByName(part), nullptr) << part;
}

TEST_F(AquaSkin, TheWindowRegionRoundsOnlyTheTopCorners) {
  TTeSkinFile theme;
  ASSERT_TRUE(theme.LoadFromStream(container));
  TSeSkinObject* form = theme.CachedObject(kseForm);
  form->SetActive(true);
  form->SetBoundsRect({0, 0, 378, 400});
  std::optional<platform::gui::Region> region = form->GetRegion();
  ASSERT_TRUE(region.has_value());
  EXPECT_EQ(region->box(), (platform::gui::Rect{0, 0, 378, 400}));
  // Outside the 7-pixel arcs at the top; the bottom corners and the edges are whole.
  for (platform::gui::Point out : {platform::gui::Point{0, 0}, {1, 1}, {2, 0}, {0, 2}, {377, 0}, {376, 1}})
    EXPECT_FALSE(region->contains(out)) << out.x << "," << out.y;
  for (platform::gui::Point in :
       {platform::gui::Point{7, 0}, {0, 7}, {3, 3}, {370, 0}, {377, 7}, {0, 399}, {377, 399}, {189, 200}})
    EXPECT_TRUE(region->contains(in)) << in.x << "," << in.y;
}

TEST_F(AquaSkin, TheWindowLayoutCarriesItAsItsThemeStream) {
  std::span<const uint8_t> layout = framework::FindResource("TFORM1");
  std::span<const uint8_t> value = framework::FindResource("AquaThemeStream");
  // The property's name, the binary value kind, the length, then the value itself.
  std::string expected = std::string("\x0BThemeStream\x0A", 13);
  for (int shift = 0; shift < 32; shift += 8) expected += char(value.size() >> shift);
  expected.append(value.begin(), value.end());
  const std::string text(layout.begin(), layout.end());
  EXPECT_NE(text.find(expected), std::string::npos);
}

TEST_F(AquaSkin, IsTheCompiledSourcesAndDumpsBackToThem) {
  std::unique_ptr<TSeSkinSource> sources = ReadSkinSources(kAqua);
  TMemoryStream compiled;
  std::unique_ptr<TSeSkinFilter> filter = SkinFilterClass<TSeSkinFilterMaxCompression>()->Create();
  filter->SetSkinSource(sources.get());
  filter->WriteSkin(compiled);
  EXPECT_EQ(compiled.Bytes(), container.Bytes());

  const std::string dir = ::testing::TempDir() + "/aqua-dump";
  std::filesystem::remove_all(dir);
  WriteSkinSources(*sources, dir);
  EXPECT_EQ(Store(*ReadSkinSources(dir)), Store(*sources));
}

}  // namespace
}  // namespace z5t8::skin_tool
