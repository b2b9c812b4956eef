#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "framework/MemoryStream.h"
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

// Our skin as the program carries it: the sources compiled into the "_MCT" container.
class AquaSkin : public ::testing::Test {
protected:
  void SetUp() override {
    sources = ReadSkinSources(kAqua);
    std::unique_ptr<TSeSkinFilter> filter = SkinFilterClass<TSeSkinFilterMaxCompression>()->Create();
    filter->SetSkinSource(sources.get());
    filter->WriteSkin(container);
    container.SetPosition(0);
  }
  std::unique_ptr<TSeSkinSource> sources;
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
  for (TSeAction action : {sbaClose, sbaMaximize, sbaMinimize, sbaRestore, sbaRollUp, sbaRollDown, sbaSysMenu}) {
    EXPECT_FALSE(theme.CachedObject(kseForm)->FindObjectByAction(action)->Visible()) << int(action);
    EXPECT_TRUE(form->FindObjectByAction(action)->Visible()) << int(action);
  }
  EXPECT_FALSE(theme.CachedObject(kseFormClient)->Masked());
  // Every family the window and the preview use has its object.
  for (TTeSkinCacheEntry entry : {kseButton, kseCheckbox, kseRadioButton, kseGroupBox, kseScrollBar, kseProgressBar,
                                  kseEdit, kseComboBox, kseTrackBar, kseMenuBar, ksePopupMenu, kseHeader, kseStatusBar,
                                  kseTabs, kseContainer, kseSplitter, kseSpinButton, kseControlBar, kseGrid, kseListBox,
                                  kseHint, ksePanel})
    EXPECT_NE(theme.CachedObject(entry), nullptr) << int(entry);
  for (const char* part : {"Button\\Face", "Edit\\Frame", "ScrollBar\\TopButton", "ScrollBar\\BottomButton",
                           "ScrollBar\\VertSlider", "ScrollBar\\HorzSlider", "ScrollBar\\VertFrame",
                           "ScrollBar\\HorzFrame", "StatusBar\\Gripper"})
    EXPECT_NE(theme.WorkingSource()->GetObjectByName(part), nullptr) << part;
}

TEST_F(AquaSkin, DumpedSourcesCompileToTheSameStore) {
  const std::string dir = ::testing::TempDir() + "/aqua-dump";
  std::filesystem::remove_all(dir);
  WriteSkinSources(*sources, dir);
  EXPECT_EQ(Store(*ReadSkinSources(dir)), Store(*sources));
}

}  // namespace
}  // namespace z5t8::skin_tool
