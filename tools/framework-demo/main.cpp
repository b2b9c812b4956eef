// A window of the framework's controls built from a layout in text form: a
// label, a memo of several hundred lines, a progress bar a timer drives, a
// message box, and a window's system menu on a right click. `--headless` runs on
// the virtual screen; `--snapshot FILE.png` opens the message box (with `--menu`
// the system menu, its second item hot), saves the screen with it and ends.
#include <cstdio>
#include <memory>
#include <string>

#include "framework/Properties.h"
#include "framework/TextUtils.h"
#include "framework/gui/Application.h"
#include "framework/gui/Button.h"
#include "framework/gui/Dialogs.h"
#include "framework/gui/Form.h"
#include "framework/gui/ImageList.h"
#include "framework/gui/Label.h"
#include "framework/gui/Menus.h"
#include "framework/gui/Memo.h"
#include "framework/gui/ProgressBar.h"
#include "framework/gui/SystemMenuImages.h"
#include "framework/gui/Timer.h"
#include "platform/gui/Backend.h"
#include "platform/gui/MessageQueue.h"
#include "platform/gui/Paint.h"
#include "platform/gui/Snapshot.h"
#include "platform/gui/VirtualKeys.h"
#include "platform/gui/Window.h"
#include "platform/gui/headless/HeadlessBackend.h"
#include "tools/demo-common/DemoCommandLine.h"

using namespace z5t8::framework;
namespace pg = z5t8::platform::gui;

class TDemoForm : public TForm {
  Z5T8_CLASS(TDemoForm, TForm)
public:
  explicit TDemoForm(TComponent* owner) : TForm(owner) {}
  TLabel* Label1 = nullptr;
  TMemo* Memo1 = nullptr;
  TButton* Button1 = nullptr;
  TProgressBar* ProgressBar1 = nullptr;
  TTimer* Timer1 = nullptr;
  std::string SnapshotPath;
  bool SnapshotMenu = false;
  bool Saved = false;

  void FormCreate(TObject*) {
    std::string count = std::to_string(Memo1->Lines()->Count());
    Memo1->SetText(Memo1->GetText() + u"\u5B8C\u6210 (" + Utf8ToUtf16(count) + u" lines)\r\n");
    BuildSystemMenu();
    OnMouseUp = [this](TObject*, TMouseButton button, TShiftState, int x, int y) {
      TPoint p = ClientToScreen(Point(x, y));
      if (button == mbRight) FMenu->Popup(p.x, p.y);
    };
  }

  void Timer1Timer(TObject*) {
    ProgressBar1->StepIt();
    if (SnapshotPath.empty() || ProgressBar1->Position() < 45 || FShowing) return;
    FShowing = true;
    if (SnapshotMenu)
      ShowMenuForSnapshot();
    else
      Button1Click(Button1);
  }

  // The built-in system menu a skinned frame shows for a normal window.
  void BuildSystemMenu() {
    FImages = new TImageList(this);
    AddSystemMenuImages(*FImages);
    FMenu = new TPopupMenu(this);
    FMenu->SetImages(FImages);
    struct Entry {
      const char16_t* caption;
      int image;
    };
    const Entry entries[] = {{u"Mi&nimize", 1},         {u"Ma&ximize", 2}, {u"Ro&llup", 4},
                             {u"Minimize to &Tray", 5}, {u"-", -1},        {u"&Close", 0}};
    for (const Entry& e : entries) {
      auto* item = new TMenuItem(this);
      item->SetCaption(e.caption);
      item->SetImageIndex(e.image);
      FMenu->Items()->Add(item);
    }
    TMenuItem* close = FMenu->Items()->Items(5);
    close->SetShortCut(ShortCut(pg::VK_F4, {ssAlt}));
    close->OnClick = [this](TObject*) { Close(); };
    FMenu->Items()->Items(0)->OnClick = [this](TObject*) { SetWindowState(wsMinimized); };
    FMenu->Items()->Items(1)->OnClick = [this](TObject*) { SetWindowState(wsMaximized); };
  }

  void ShowMenuForSnapshot() {
    TTimer shot(nullptr);
    shot.SetInterval(300);
    int ticks = 0;
    shot.OnTimer = [this, &shot, &ticks](TObject*) {
      if (++ticks == 1) {
        // Keys go through the queue, where the showing menu takes them.
        for (int i = 0; i < 2; ++i) pg::PostMessageW(Handle(), pg::WM_KEYDOWN, pg::VK_DOWN, 0);
        return;
      }
      shot.SetEnabled(false);
      pg::UpdateWindow(FMenu->WindowHandle());
      Saved = pg::SnapshotScreen(SnapshotPath);
      FMenu->CloseMenu();
      Application()->Terminate();
    };
    TPoint p = ClientToScreen(Point(40, 60));
    FMenu->Popup(p.x, p.y);
  }

  void Button1Click(TObject*) {
    std::unique_ptr<TCustomForm> box(
        CreateMessageForm(u"\u66F4\u65B0\u5B8C\u6210. The update is complete.", Application()->Title()));
    TTimer shot(nullptr);
    shot.SetInterval(300);
    shot.OnTimer = [this, &box, &shot](TObject*) {
      shot.SetEnabled(false);
      if (!SnapshotPath.empty()) {
        Application()->ProcessMessages();
        Saved = pg::SnapshotScreen(SnapshotPath);
        box->SetModalResult(mrOk);
        Application()->Terminate();
      }
    };
    shot.SetEnabled(!SnapshotPath.empty());
    box->ShowModal();
  }

private:
  bool FShowing = false;
  TImageList* FImages = nullptr;
  TPopupMenu* FMenu = nullptr;
};

Z5T8_IMPLEMENT_CLASS(TDemoForm, TForm) {
  p.Field("Label1", &TDemoForm::Label1);
  p.Field("Memo1", &TDemoForm::Memo1);
  p.Field("Button1", &TDemoForm::Button1);
  p.Field("ProgressBar1", &TDemoForm::ProgressBar1);
  p.Field("Timer1", &TDemoForm::Timer1);
  p.Method("FormCreate", &TDemoForm::FormCreate);
  p.Method("Timer1Timer", &TDemoForm::Timer1Timer);
  p.Method("Button1Click", &TDemoForm::Button1Click);
}

int main(int argc, char** argv) {
  auto line = z5t8::tools::ReadDemoCommandLine(argc, argv, "--snapshot", false, {"--headless", "--menu"},
                                               "framework-demo [--headless] [--snapshot FILE.png [--menu]]");
  if (!line) return 2;
  const std::string& snapshot = line->picture;
  const bool menu = line->has("--menu");
  if (line->has("--headless")) pg::UseHeadlessBackend();
  try {
    Application()->Initialize();
    RegisterClass(TDemoForm::StaticClass());
    Application()->SetTitle(u"framework-demo");
    // A snapshot run has nobody to close an error box: report and end instead.
    int failed = 0;
    if (!snapshot.empty())
      Application()->OnException = [&failed](TObject*, const std::exception& e) {
        std::fprintf(stderr, "framework-demo: %s\n", e.what());
        failed = 1;
        Application()->Terminate();
      };
    TDemoForm* form = nullptr;
    Application()->CreateForm(form);
    form->SnapshotPath = snapshot;
    form->SnapshotMenu = menu;
    Application()->Run();
    bool saved = form->Saved;
    Application()->Done();
    pg::ShutdownWindowSystem();
    if (failed) return 1;
    if (!snapshot.empty() && !saved) {
      std::fprintf(stderr, "framework-demo: could not save %s\n", snapshot.c_str());
      return 1;
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "framework-demo: %s\n", e.what());
    return 1;
  }
  return 0;
}
