#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "framework/MemoryStream.h"
#include "framework/Properties.h"
#include "framework/Reader.h"
#include "framework/TextForm.h"
#include "framework/Writer.h"
#include "framework/gui/Form.h"
#include "framework/gui/Label.h"
#include "framework/gui/ProgressBar.h"
#include "framework/gui/tests/GuiFixture.h"
#include "skin/controls/Button.h"
#include "skin/controls/Memo.h"
#include "skin/controls/Registration.h"
#include "skin/controls/tests/MainLayout.h"

namespace z5t8::skin::controls {
namespace {

using namespace framework;

// The main window's layout without the theme components: the memo and the
// two skinned buttons must read as stored.
class TSkinnedWindow : public TForm {
  Z5T8_CLASS(TSkinnedWindow, TForm)
public:
  using TForm::TForm;
  TTeMemo* mReceive = nullptr;
  TTeButton* Button_Download = nullptr;
  TTeButton* Button_Exit_System = nullptr;
  int Downloads = 0;
  void FormCreate(TObject*) {}
  void FormClose(TObject*, TCloseAction&) {}
  void Button_DownloadClick(TObject*) { ++Downloads; }
  void Button_Exit_SystemClick(TObject*) {}
};

Z5T8_IMPLEMENT_CLASS(TSkinnedWindow, TForm) {
  p.Field("mReceive", &TSkinnedWindow::mReceive);
  p.Field("Button_Download", &TSkinnedWindow::Button_Download);
  p.Field("Button_Exit_System", &TSkinnedWindow::Button_Exit_System);
  p.Method("FormCreate", &TSkinnedWindow::FormCreate);
  p.Method("FormClose", &TSkinnedWindow::FormClose);
  p.Method("Button_DownloadClick", &TSkinnedWindow::Button_DownloadClick);
  p.Method("Button_Exit_SystemClick", &TSkinnedWindow::Button_Exit_SystemClick);
}

class LayoutIntegration : public GuiTest {};

TEST_F(LayoutIntegration, MainWindowMemoAndButtonsReadByName) {
  RegisterSkinControlClasses();
  RegisterClass(TSkinnedWindow::StaticClass());
  AddLayout("TSKINNEDWINDOW", MainLayoutWithoutThemeComponents("TSkinnedWindow"));
  std::unique_ptr<TSkinnedWindow> form(TCustomForm::CreateForm<TSkinnedWindow>(nullptr));
  ASSERT_NE(form->mReceive, nullptr);
  ASSERT_NE(form->Button_Download, nullptr);
  ASSERT_NE(form->Button_Exit_System, nullptr);
  EXPECT_EQ(form->mReceive->BoundsRect(), Rect(1, 17, 369, 290));
  EXPECT_EQ(form->mReceive->Lines()->Count(), 42);
  EXPECT_TRUE(form->mReceive->ReadOnly());
  EXPECT_EQ(form->mReceive->ScrollBars(), ssVertical);
  EXPECT_EQ(form->mReceive->ThemeObject(), "default");
  for (TTeButton* b : {form->Button_Download, form->Button_Exit_System}) {
    EXPECT_EQ(b->Width(), 178);
    EXPECT_EQ(b->Height(), 41);
    EXPECT_EQ(b->FontOptions()->SizeDelta(), 10);
    EXPECT_EQ(b->ImageIndex(), 0);
    EXPECT_EQ(b->Performance(), zqpDoubleBuffer);
  }
  EXPECT_EQ(form->Button_Download->Caption(), u"\u66F4\u65B0\u97CC\u9AD4");
  form->Button_Download->Click();
  EXPECT_EQ(form->Downloads, 1) << "OnClick is bound to the window's handler";
}

TEST_F(LayoutIntegration, ButtonPropertiesRoundTripThroughTheTextForm) {
  RegisterSkinControlClasses();
  auto source = std::make_unique<TTeButton>(nullptr);
  source->SetName("B");
  source->SetCaption(u"Go");
  source->FontOptions()->SetSizeDelta(10);
  source->FontOptions()->SetBold(true);
  source->SetThemeObject("Special");
  source->SetLayout(blGlyphTop);
  TMemoryStream binary;
  WriteComponent(binary, source.get());
  std::string text = ObjectBinaryToText(
      std::string_view(reinterpret_cast<const char*>(binary.Memory()), static_cast<size_t>(binary.Size())));
  EXPECT_NE(text.find("FontOptions.SizeDelta = 10"), std::string::npos) << text;
  EXPECT_EQ(text.find("Performance"), std::string::npos) << "the default is not stored";
  auto copy = std::make_unique<TTeButton>(nullptr);
  std::string back = ObjectTextToBinary(text);
  TMemoryStream input;
  input.Write(back.data(), static_cast<int32_t>(back.size()));
  input.SetPosition(0);
  ReadComponent(input, copy.get());
  EXPECT_EQ(copy->Caption(), u"Go");
  EXPECT_EQ(copy->FontOptions()->SizeDelta(), 10);
  EXPECT_TRUE(copy->FontOptions()->Bold());
  EXPECT_EQ(copy->ThemeObject(), "Special");
  EXPECT_EQ(copy->Layout(), blGlyphTop);
}

}  // namespace
}  // namespace z5t8::skin::controls
