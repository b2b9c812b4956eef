// The main window built from the program's own layout with the Aqua skin, on
// the headless screen: what the layout binds, the message log, the bar.
#include "app/MainWindow.h"
#include "app/ProgramStartUp.h"
#include "app/tests/UpdateScript.h"
#include "framework/Object.h"
#include "framework/gui/Application.h"
#include "framework/gui/Dialogs.h"
#include "framework/gui/Label.h"
#include "framework/gui/ProgressBar.h"
#include "platform/gui/Backend.h"
#include "platform/gui/Input.h"
#include "platform/gui/SystemMetrics.h"
#include "platform/gui/headless/HeadlessBackend.h"
#include "platform/gui/Region.h"
#include "platform/gui/Snapshot.h"
#include "platform/gui/VirtualKeys.h"
#include "platform/gui/Window.h"
#include "skin/controls/Button.h"
#include "skin/controls/Form.h"
#include "skin/controls/Memo.h"
#include "skin/se3/SkinFile.h"
#include "skin/theme/ThemeEngine.h"
#include "skin/theme/ThemeLink.h"
#include "skin/theme/ThemeList.h"
#include "skin/theme/ThemeManager.h"
#include "tools/make-image/ImageMaker.h"
#include "tools/phone-sim/PhoneSimProcess.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

using namespace z5t8;
using namespace z5t8::app;
namespace apptest = z5t8::app::testing;

namespace {

// A working folder with an image that passes the check, the application on
// the headless screen, and the window made as the program makes it.
class MainWindow : public ::testing::Test {
protected:
  void SetUp() override {
    auto plan = make_image::Plan_Image(make_image::Smallest_Image_Size());
    ASSERT_TRUE(plan);
    apptest::Write_File(Image_File_Name, make_image::Make_Image(*plan, 7));
    platform::gui::UseHeadlessBackend();
    Program_Start_Up();
    framework::Application()->Initialize();
    Create_Form(form);
    ASSERT_NE(form, nullptr);
  }
  virtual void Create_Form(TForm1*& made) { framework::Application()->CreateForm(made); }
  void TearDown() override {
    delete form;
    framework::Application()->ProcessMessages();
    framework::Application()->SetMainForm(nullptr);
    platform::gui::ShutdownWindowSystem();
  }
  std::u16string Memo() { return form->mReceive->GetText(); }

  apptest::WorkingFolder folder;
  TForm1* form = nullptr;
};

// A window's pixels as the screen shows them, 0xRRGGBB by window coordinates.
class Pixels {
public:
  explicit Pixels(platform::gui::HWND hwnd) : image_(platform::gui::WindowImage(hwnd)) {}
  std::uint32_t At(int x, int y) const { return image_.pixel(x, y) & 0xFFFFFF; }
  // The most frequent colour of a rectangle: the background under thin text.
  std::uint32_t Background(int left, int top, int right, int bottom) const {
    std::map<std::uint32_t, int> counts;
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x) ++counts[At(x, y)];
    std::uint32_t best = 0;
    int most = 0;
    for (auto [colour, n] : counts)
      if (n > most) most = n, best = colour;
    return best;
  }

private:
  platform::gui::Surface image_;
};

int Channel(std::uint32_t c, int shift) { return int(c >> shift & 0xFF); }
// Every channel within the tolerance of the expected colour.
bool Near(std::uint32_t c, std::uint32_t expected, int tolerance) {
  for (int shift : {0, 8, 16})
    if (std::abs(Channel(c, shift) - Channel(expected, shift)) > tolerance) return false;
  return true;
}
bool Red(std::uint32_t c) {
  return Channel(c, 16) > Channel(c, 8) + 60 && Channel(c, 16) > Channel(c, 0) + 60;
}

skin::controls::TTeForm* Frame_Of(framework::TCustomForm* box) {
  for (int i = 0; i < box->ComponentCount(); ++i)
    if (auto* frame = dynamic_cast<skin::controls::TTeForm*>(box->Components(i))) return frame;
  return nullptr;
}

TEST_F(MainWindow, LayoutBindsFieldsEventsAndTheSkin) {
  EXPECT_EQ(form->Caption(), u"QUEX Z5T8  \u8EDF\u9AD4\u66F4\u65B0\u7A0B\u5F0F");
  EXPECT_EQ(form->ClientWidth(), 370);
  EXPECT_EQ(form->ClientHeight(), 370);
  ASSERT_TRUE(form->Label1 && form->Label4 && form->ProgressBar1 && form->TeThemeEngine1 &&
              form->TeThemeList1 && form->TeThemeLink1 && form->TeForm1 && form->mReceive &&
              form->Button_Download && form->Button_Exit_System);
  EXPECT_EQ(form->Label1->Caption(), u"\u57F7\u884C");
  EXPECT_EQ(form->mReceive->Lines()->Count(), 42);
  EXPECT_TRUE(form->Button_Download->Enabled());
  EXPECT_TRUE(bool(form->OnCreate));
  EXPECT_TRUE(bool(form->OnClose));
  EXPECT_TRUE(bool(form->Button_Download->OnClick));
  EXPECT_TRUE(bool(form->Button_Exit_System->OnClick));

  std::vector<std::string> methods;
  for (const auto& m : TForm1::StaticClass().OwnMethods()) methods.push_back(m->Name);
  EXPECT_EQ(methods, (std::vector<std::string>{
                         "Read_File_to_Data", "Save_Data_to_File", "Clean_Memo", "Print_Str_to_Memo",
                         "Button_Control", "Button_Exit_SystemClick", "Button_DownloadClick", "Parse_File",
                         "Download_File", "FormCreate", "FormClose", "Initial_Array", "Check_TW_National",
                         "Checksum", "BromTW", "Check_Version", "BromVersion"}));

  // The embedded skin became the program-wide theme, and the frame's link has its own.
  auto* current = dynamic_cast<skin::se3::TTeSkinFile*>(skin::theme::CurrentTheme());
  ASSERT_NE(current, nullptr);
  EXPECT_EQ(current->ThemeName, "Aqua");
  EXPECT_NE(form->TeThemeLink1->GetTheme(), nullptr);
  EXPECT_NE(form->TeThemeLink1->GetTheme(), current);
  EXPECT_TRUE(form->TeForm1->Themed());

  const char zero[64] = {};
  EXPECT_EQ(std::memcmp(form->Phone_Version(), zero, 64), 0);
}

TEST_F(MainWindow, TheAquaFrameKeepsTheClientAreaAndShapesTheWindow) {
  form->Show();
  framework::Application()->ProcessMessages();
  ASSERT_TRUE(form->TeForm1->Themed());
  platform::gui::Rect client;
  ASSERT_TRUE(platform::gui::GetClientRect(form->Handle(), &client));
  EXPECT_EQ(client.width(), 370);
  EXPECT_EQ(client.height(), 370);
  // The window grows by Aqua's own borders and title, not the classic ones.
  const auto bounds = form->TeForm1->GetClientBounds();
  EXPECT_EQ(bounds.right - bounds.left, 370);
  EXPECT_EQ(bounds.bottom - bounds.top, 370);
  EXPECT_NE(bounds.top, 23) << "Aqua's title band, not the classic caption";

  platform::gui::Region region;
  ASSERT_NE(platform::gui::GetWindowRgn(form->Handle(), region), platform::gui::RGN_ERROR);
  const int w = form->Width(), h = form->Height();
  EXPECT_FALSE(region.contains({0, 0})) << "rounded top corners lie outside the shape";
  EXPECT_FALSE(region.contains({w - 1, 0}));
  EXPECT_TRUE(region.contains({w / 2, 0}));
  EXPECT_TRUE(region.contains({w / 2, h / 2}));
}

TEST_F(MainWindow, CreationBindsTheProgressBarToTheChannel) {
  EXPECT_EQ(form->Comport().progress_bar, form->Progress_Bar());
  ASSERT_TRUE(form->Comport().Init_Progress(200));
  ASSERT_TRUE(form->Comport().Step_Progress(50));
  EXPECT_EQ(form->ProgressBar1->Position() * 4, form->ProgressBar1->Max());
}

TEST_F(MainWindow, PrintAppendsTheTextAndALineBreak) {
  const std::u16string instructions = Memo();
  ASSERT_FALSE(instructions.empty());
  form->Print_Str_to_Memo("");
  EXPECT_EQ(Memo(), instructions + u"\r\n") << "an empty text appends only CR LF";

  form->Clean_Memo();
  EXPECT_EQ(Memo(), u"");
  form->Print_Str_to_Memo("找到COM" + std::to_string(5));
  EXPECT_EQ(Memo(), u"\u627E\u5230COM5\r\n");
  form->Print_Str_to_Memo("清除FLASH開始: Thu Dec 10 15:12:09 2026\n.");
  EXPECT_EQ(Memo(), u"\u627E\u5230COM5\r\n\u6E05\u9664FLASH\u958B\u59CB: Thu Dec 10 15:12:09 2026\n.\r\n")
      << "the time stamp's line feed stays in the text";
}

TEST_F(MainWindow, TheFirstUpdateClearsTheInstructionsForGood) {
  // A name without ".bin" ends the update right after the log was cleared,
  // without a box or a port search.
  form->Procedure().Image_Name = "image.txt";
  const std::u16string failed =
      u"\u958B\u555F\u6A94\u6848\u5931\u6557, \u8ACB\u91CD\u65B0\u5EFA\u7ACB\u9023\u7DDA !\r\n";
  for (int update = 0; update < 2; ++update) {
    form->Button_Download->SetEnabled(true);
    form->Button_Download->Click();
    framework::Application()->ProcessMessages();
    EXPECT_EQ(Memo(), failed);
    EXPECT_FALSE(form->Button_Download->Enabled()) << "an early end leaves Download disabled";
  }
}

TEST_F(MainWindow, PublishedMethodsAreReachableByName) {
  const framework::TPublishedMethod* print = TForm1::StaticClass().FindMethod("Print_Str_to_Memo");
  ASSERT_NE(print, nullptr);
  auto* invoke = std::any_cast<std::function<void(framework::TObject*, const std::string&)>>(&print->Invoker);
  ASSERT_NE(invoke, nullptr);
  form->Clean_Memo();
  (*invoke)(form, "GetNationalCode");
  EXPECT_EQ(Memo(), u"GetNationalCode\r\n");

  const framework::TPublishedMethod* control = TForm1::StaticClass().FindMethod("Button_Control");
  ASSERT_NE(control, nullptr);
  (*std::any_cast<std::function<void(framework::TObject*, bool)>>(&control->Invoker))(form, false);
  EXPECT_FALSE(form->Button_Download->Enabled());
}

// The simulator's pseudo-terminal and the process's open files are Linux's.
#ifndef _WIN32
// The window as the program makes it, except that ending the process comes
// back to the test as an exception, with whether the port's device was still
// open in this process at that moment.
struct Process_Ended {
  int code;
  bool device_open;
};

class Closing_Form : public TForm1 {
public:
  using TForm1::TForm1;
  std::string device;
  [[noreturn]] void End_Process(int code) override { throw Process_Ended{code, Device_Open(device)}; }

  static bool Device_Open(const std::string& device) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd", error)) {
      std::error_code unreadable;
      if (std::filesystem::read_symlink(entry.path(), unreadable) == device) return true;
    }
    return false;
  }
};

class MainWindowClosing : public MainWindow {
protected:
  void Create_Form(TForm1*& made) override {
    closing = framework::TCustomForm::CreateForm<Closing_Form>(nullptr);
    made = closing;
  }
  void TearDown() override {
    unsetenv("Z5T8_SERIAL_MAP");
    MainWindow::TearDown();
  }
  Closing_Form* closing = nullptr;
};

// Every way of closing the window lets go of the port before the process ends,
// so the phone's port is free at once, not only once the process is gone.
TEST_F(MainWindowClosing, ClosingTheWindowClosesThePortBeforeTheProcessEnds) {
  struct Case {
    const char* means;
    std::function<void(TForm1*)> close;
  } cases[] = {
      {"the Exit button", [](TForm1* f) { f->Button_Exit_SystemClick(f->Button_Exit_System); }},
      {"the frame's close", [](TForm1* f) { f->TeForm1->Close(); }},
      {"the form's close", [](TForm1* f) { f->Close(); }},
  };
  for (const Case& c : cases) {
    phone_sim::PhoneSimProcess sim(std::string(Z5T8_BIN_DIR) + "/phone-sim", {});
    ASSERT_TRUE(sim.Started());
    const std::string device = std::filesystem::canonical(sim.Path()).string();
    closing->device = device;
    setenv("Z5T8_SERIAL_MAP", ("COM5=" + sim.Path()).c_str(), 1);
    ASSERT_TRUE(form->Comport().Open_Port("\\\\.\\COM5")) << c.means;
    ASSERT_TRUE(Closing_Form::Device_Open(device)) << c.means;
    try {
      c.close(form);
      ADD_FAILURE() << c.means << ": the process did not end";
    } catch (const Process_Ended& ended) {
      EXPECT_EQ(ended.code, 0) << c.means;
      EXPECT_FALSE(ended.device_open) << c.means << ": the port was still open as the process ended";
    }
    EXPECT_EQ(form->Comport().handle, platform::serial::INVALID_HANDLE_VALUE) << c.means;
  }
}
#endif

// The two labels paint the button face; under Aqua it is the client's own colour.
TEST_F(MainWindow, TheLabelsSitOnAquasClientColour) {
  form->Show();
  framework::Application()->ProcessMessages();
  const auto cb = form->TeForm1->GetClientBounds();
  Pixels shot(form->Handle());
  const std::uint32_t client = shot.At(cb.left + 200, cb.top + 8);
  EXPECT_EQ(client, 0xE8EDF2u) << std::hex << client;
  for (framework::TLabel* label : {form->Label1, form->Label4}) {
    const int left = cb.left + label->Left(), top = cb.top + label->Top();
    EXPECT_EQ(shot.Background(left, top, left + label->Width(), top + label->Height()), client)
        << label->Name();
  }
}

TEST_F(MainWindow, CaptionButtonsAreGreyWhileAnotherWindowHasTheFocus) {
  form->Show();
  framework::Application()->ProcessMessages();
  const auto close = form->TeForm1->GetCaptionButtonRect(skin::controls::kbiClose);
  // The lower half of the ball: below the sheen, no glyph in the normal state.
  auto ball = [&] { return Pixels(form->Handle()).At(close.left + 7, close.top + 10); };
  EXPECT_TRUE(Red(ball())) << std::hex << ball();

  std::unique_ptr<framework::TCustomForm> box(framework::CreateMessageForm(u"x", u"z5t8"));
  box->Show();
  framework::Application()->ProcessMessages();
  ASSERT_EQ(platform::gui::GetActiveWindow(), box->Handle());
  EXPECT_TRUE(Near(ball(), 0xC9CED4, 12)) << std::hex << ball();
  const auto min = form->TeForm1->GetCaptionButtonRect(skin::controls::kbiMinimize);
  EXPECT_TRUE(Near(Pixels(form->Handle()).At(min.left + 7, min.top + 10), 0xC9CED4, 12)) << "all three";

  box->Hide();
  platform::gui::SetActiveWindow(form->Handle());
  framework::Application()->ProcessMessages();
  EXPECT_TRUE(Red(ball())) << std::hex << ball();
}

// Under Aqua a message box has Aqua's frame and button; its text, caption, keys
// and place stay the framework's.
TEST_F(MainWindow, MessageBoxesWearAquasFrameAndButton) {
  form->Show();
  framework::Application()->ProcessMessages();
  Pixels window(form->Handle());
  const std::u16string done = u"\u66F4\u65B0\u5B8C\u6210.";
  std::unique_ptr<framework::TCustomForm> box(framework::CreateMessageForm(done, u"z5t8-updater"));
  skin::controls::TTeForm* frame = Frame_Of(box.get());
  ASSERT_NE(frame, nullptr);
  auto* ok = dynamic_cast<skin::controls::TTeButton*>(box->FindComponent("OK"));
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->Caption(), u"OK");
  EXPECT_EQ(box->Caption(), u"z5t8-updater");
  box->Show();
  framework::Application()->ProcessMessages();
  ASSERT_TRUE(frame->Themed());

  // The title band is Aqua's: above and below the caption text its rows are those of
  // the active main window's band.
  const auto cb = frame->GetClientBounds();
  EXPECT_EQ(cb.top, form->TeForm1->GetClientBounds().top);
  Pixels shot(box->Handle());
  for (int y : {2, 3, cb.top - 3, cb.top - 2}) EXPECT_EQ(shot.At(12, y), window.At(12, y)) << y;
  platform::gui::Region region;
  ASSERT_NE(platform::gui::GetWindowRgn(box->Handle(), region), platform::gui::RGN_ERROR);
  EXPECT_FALSE(region.contains({0, 0})) << "Aqua's rounded corner";
  EXPECT_NEAR(box->Left() + box->Width() / 2, platform::gui::GetSystemMetrics(platform::gui::SM_CXSCREEN) / 2,
              1);

  // The OK button is Aqua's rounded face with its border, on the client's colour.
  const int bx = cb.left + ok->Left(), by = cb.top + ok->Top();
  EXPECT_EQ(shot.At(bx, by), 0xE8EDF2u) << "the rounded corner shows the client";
  EXPECT_TRUE(Near(shot.At(bx, by + ok->Height() / 2), 0x8FA3B8, 8)) << std::hex << shot.At(bx, by + 12);
  box->Hide();
  framework::Application()->ProcessMessages();

  for (int key : {platform::gui::VK_RETURN, platform::gui::VK_ESCAPE, platform::gui::VK_SPACE}) {
    platform::gui::headless::TypeKey(key);
    EXPECT_EQ(framework::MessageBox(done, u"z5t8-updater"), framework::mrOk) << key;
  }
}

}  // namespace

TEST(ProgramStartUp, RegistersTheSkinThemeOnce) {
  Program_Start_Up();
  Program_Start_Up();
  int skinThemes = 0;
  for (int i = 0; i < skin::theme::ThemeManager()->GetThemeCount(); ++i)
    if (skin::theme::ThemeManager()->GetTheme(i) == skin::theme::ThemeClass<skin::se3::TTeSkinFile>())
      ++skinThemes;
  EXPECT_EQ(skinThemes, 1);
  // The file dialog lists each kind of skin once.
  const std::string filter = skin::theme::GetDialogFilter();
  const std::string kind = "Maximum Compressed (*.mskn)";
  size_t kinds = 0;
  for (size_t at = filter.find(kind); at != std::string::npos; at = filter.find(kind, at + 1)) ++kinds;
  EXPECT_EQ(kinds, 1u) << filter;
}
