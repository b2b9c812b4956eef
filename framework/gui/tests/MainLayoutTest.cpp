#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "framework/Properties.h"
#include "framework/gui/Form.h"
#include "framework/gui/Label.h"
#include "framework/gui/ProgressBar.h"
#include "framework/gui/tests/GuiFixture.h"

namespace z5t8::framework {
namespace {

// The main window's layout with the framework's own classes only: the skin
// library's components are left out, the rest must read as stored.
class TMainWindow : public TForm {
  Z5T8_CLASS(TMainWindow, TForm)
public:
  using TForm::TForm;
  TLabel* Label1 = nullptr;
  TLabel* Label4 = nullptr;
  TProgressBar* ProgressBar1 = nullptr;
  int Created = 0;
  void FormCreate(TObject*) { ++Created; }
  void FormClose(TObject*, TCloseAction&) {}
};

Z5T8_IMPLEMENT_CLASS(TMainWindow, TForm) {
  p.Field("Label1", &TMainWindow::Label1);
  p.Field("Label4", &TMainWindow::Label4);
  p.Field("ProgressBar1", &TMainWindow::ProgressBar1);
  p.Method("FormCreate", &TMainWindow::FormCreate);
  p.Method("FormClose", &TMainWindow::FormClose);
}

std::string FrameworkPartOfMainLayout() {
  std::ifstream in(std::string(Z5T8_SOURCE_DIR) + "/resources/TFORM1.txt");
  std::string line, out;
  bool skipping = false;
  while (std::getline(in, line)) {
    if (line.rfind("  object ", 0) == 0 && line.find(": TTe") != std::string::npos) skipping = true;
    if (!skipping)
      out += (line.rfind("object Form1: TForm1", 0) == 0 ? "object Form1: TMainWindow" : line) + "\n";
    if (skipping && line == "  end") skipping = false;
  }
  return out;
}

class MainLayoutIntegration : public GuiTest {};

TEST_F(MainLayoutIntegration, MainWindowLayoutReadsWithItsIconFontsAndBounds) {
  std::string layout = FrameworkPartOfMainLayout();
  ASSERT_NE(layout.find("Icon.Data"), std::string::npos);
  RegisterClass(TMainWindow::StaticClass());
  AddLayout("TMAINWINDOW", layout);
  std::unique_ptr<TMainWindow> form(TCustomForm::CreateForm<TMainWindow>(nullptr));
  EXPECT_EQ(form->Created, 1);
  EXPECT_EQ(form->Left(), 380);
  EXPECT_EQ(form->Top(), 116);
  // AutoSize fits the client area to the controls; without the skinned ones
  // the progress bar reaches furthest right (1 + 354) and down (361 + 9).
  EXPECT_EQ(form->ClientWidth(), 355);
  EXPECT_EQ(form->ClientHeight(), 370);
  EXPECT_EQ(form->BorderIcons(), (TBorderIcons{biMinimize, biMaximize}));
  EXPECT_EQ(form->GetText(), u"QUEX Z5T8  \u8EDF\u9AD4\u66F4\u65B0\u7A0B\u5F0F");
  EXPECT_EQ(form->Font()->Height(), -10);
  ASSERT_FALSE(form->Icon()->Empty());
  EXPECT_EQ(form->Icon()->Width(), 32);
  ASSERT_TRUE(form->Label1 && form->Label4 && form->ProgressBar1);
  EXPECT_EQ(form->Label1->BoundsRect(), Bounds(0, 342, 36, 19));
  EXPECT_FALSE(form->Label1->AutoSize());
  EXPECT_EQ(form->Label1->Font()->Charset(), CHINESEBIG5_CHARSET);
  EXPECT_FALSE(form->Label1->ParentFont());
  EXPECT_EQ(form->ProgressBar1->BoundsRect(), Bounds(1, 361, 354, 9));
  EXPECT_EQ(form->ProgressBar1->Anchors(), (TAnchors{akLeft, akTop, akRight, akBottom}));
  form->Show();
  Application()->ProcessMessages();
  EXPECT_EQ(form->ClientWidth(), 355) << "the window keeps the client size";
  EXPECT_EQ(form->ProgressBar1->Width(), 354);
}

}  // namespace
}  // namespace z5t8::framework
