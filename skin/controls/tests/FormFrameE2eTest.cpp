#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "framework/Properties.h"
#include "framework/gui/Application.h"
#include "framework/gui/Dialogs.h"
#include "framework/gui/Screen.h"
#include "framework/gui/Timer.h"
#include "platform/gui/Input.h"
#include "platform/gui/Backend.h"
#include "platform/gui/testing/XSession.h"
#include "platform/gui/x11/X11Backend.h"
#include "skin/controls/Form.h"
#include "skin/controls/tests/RoundedTopTheme.h"
#include "skin/theme/CustomThemeLink.h"

// The test looks at the X server from the outside, as another client would.
#include <X11/Xlib.h>
#include <X11/extensions/shape.h>

namespace z5t8::skin::controls::testing {
namespace {

using namespace theme;
namespace pg = platform::gui;

std::string Shell(const std::string& command) {
  std::string out;
  if (FILE* p = popen(command.c_str(), "r")) {
    char buf[256];
    while (fgets(buf, sizeof buf, p)) out += buf;
    pclose(p);
  }
  return out;
}

class TE2eLink : public TteCustomThemeLink {
  Z5T8_CLASS(TE2eLink, TteCustomThemeLink)
public:
  using TteCustomThemeLink::TteCustomThemeLink;
  TRoundedTopTheme Theme;
  TteTheme* GetTheme() override { return &Theme; }
};
Z5T8_IMPLEMENT_CLASS(TE2eLink, TteCustomThemeLink) {}

// A skinned window on a private X server under a real window manager,
// driven with xdotool and watched through a second connection.
class FormFrameE2e : public ::testing::Test {
protected:
  void SetUp() override {
    const pg::testing::XSessionOptions options{.width = 1024, .height = 768, .window_manager = true};
    if (std::string tool = pg::testing::XSession::MissingTool(options); !tool.empty())
      GTEST_SKIP() << tool << " is needed";
    if (std::system("command -v xdotool >/dev/null 2>&1") != 0) GTEST_SKIP() << "xdotool is needed";
    session_.emplace(options);
    ASSERT_TRUE(session_->Started()) << session_->Error();
    display_ = session_->Display();
    probe_ = XOpenDisplay(display_.c_str());
    ASSERT_NE(probe_, nullptr);
    std::string error;
    auto backend = pg::OpenX11Backend(display_, error);
    ASSERT_TRUE(backend) << error;
    pg::UseBackend(std::move(backend));
    fw::Application()->Initialize();

    link_ = new TE2eLink(nullptr);
    form_ = new fw::TForm(nullptr);
    fw::Application()->SetMainForm(form_);
    form_->SetBounds(100, 100, 382, 406);
    form_->SetCaption(u"Frame E2E");
    frame_ = new TTeForm(form_);
    frame_->IncludeState(fw::csLoading);
    frame_->SetThemeLink(link_);
    frame_->ExcludeState(fw::csLoading);
    frame_->Loaded();
    form_->Show();
    ASSERT_TRUE(WaitFor([&] {
      xid_ = FindWindow();
      return xid_ != 0 && Viewable();
    })) << "the window never showed: "
        << session_->Run("xdotool search --name 'Frame E2E'") << " viewable " << Viewable();
    // Let the window manager place it; then put it where the test expects it.
    Pump(300);
    form_->SetBounds(100, 100, 382, 406);
    Pump(300);
  }

  void TearDown() override {
    delete form_;
    delete link_;
    fw::Application()->ProcessMessages();
    fw::Application()->SetMainForm(nullptr);
    if (pg::HasBackend()) pg::ShutdownWindowSystem();
    if (probe_) XCloseDisplay(probe_);
  }

  // Pumps the program's messages while waiting for the X server to agree.
  bool WaitFor(const std::function<bool()>& done) {
    auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (std::chrono::steady_clock::now() < until) {
      fw::Application()->ProcessMessages();
      XSync(probe_, False);
      if (done()) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
  }
  void Pump(int ms) {
    auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < until) {
      fw::Application()->ProcessMessages();
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }

  Window FindWindow() {
    std::string out = session_->Run("xdotool search --name 'Frame E2E' 2>/dev/null");
    return out.empty() ? 0 : Window(std::stoul(out));
  }
  bool Viewable() {
    XWindowAttributes a;
    return XGetWindowAttributes(probe_, xid_, &a) && a.map_state == IsViewable;
  }
  // The client window's position on the screen.
  TRect XBounds() {
    XWindowAttributes a;
    if (!XGetWindowAttributes(probe_, xid_, &a)) return {};
    int x = 0, y = 0;
    Window child;
    XTranslateCoordinates(probe_, xid_, DefaultRootWindow(probe_), 0, 0, &x, &y, &child);
    return {x, y, x + a.width, y + a.height};
  }
  bool Iconic() {
    Atom wmState = XInternAtom(probe_, "WM_STATE", False);
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    bool iconic = false;
    if (XGetWindowProperty(probe_, xid_, wmState, 0, 2, False, wmState, &type, &format, &count, &after,
                           &data) == Success &&
        data && count >= 1)
      iconic = reinterpret_cast<long*>(data)[0] == IconicState;
    if (data) XFree(data);
    return iconic;
  }
  bool ShapeContains(int x, int y) {
    int count = 0, ordering = 0;
    XRectangle* rects = XShapeGetRectangles(probe_, xid_, ShapeBounding, &count, &ordering);
    bool inside = false;
    for (int i = 0; i < count; ++i)
      if (x >= rects[i].x && x < rects[i].x + rects[i].width && y >= rects[i].y &&
          y < rects[i].y + rects[i].height)
        inside = true;
    if (rects) XFree(rects);
    return inside;
  }
  void Xdo(const std::string& args) { session_->Run("xdotool " + args + " 2>/dev/null"); }
  // Clicks a window point through the X server.
  void ClickAt(int x, int y, int button = 1) {
    TRect b = XBounds();
    // --sync would wait for ever when the pointer is already there.
    Xdo("mousemove " + std::to_string(b.left + x) + " " + std::to_string(b.top + y));
    Pump(50);
    Xdo("click " + std::to_string(button));
  }
  TPoint Centre(TTeBorderIcon icon) {
    TRect r = frame_->GetCaptionButtonRect(icon);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }

  std::optional<pg::testing::XSession> session_;
  std::string display_;
  Display* probe_ = nullptr;
  Window xid_ = 0;
  TE2eLink* link_ = nullptr;
  fw::TForm* form_ = nullptr;
  TTeForm* frame_ = nullptr;
};

TEST_F(FormFrameE2e, TheXShapeIsTheThemesRegion) {
  ASSERT_TRUE(frame_->Themed());
  ASSERT_TRUE(WaitFor([&] { return ShapeContains(20, 0); }));
  EXPECT_FALSE(ShapeContains(0, 0)) << "the rounded corner is cut off";
  EXPECT_FALSE(ShapeContains(381, 0));
  EXPECT_TRUE(ShapeContains(0, 405));
  EXPECT_TRUE(ShapeContains(200, 200));
}

TEST_F(FormFrameE2e, DraggingTheTitleMovesTheXWindow) {
  TRect before = XBounds();
  Xdo("mousemove --sync " + std::to_string(before.left + 150) + " " + std::to_string(before.top + 12) +
      " mousedown 1");
  Pump(100);
  Xdo("mousemove --sync " + std::to_string(before.left + 200) + " " + std::to_string(before.top + 42));
  Pump(100);
  Xdo("mousemove --sync " + std::to_string(before.left + 250) + " " + std::to_string(before.top + 72) +
      " mouseup 1");
  ASSERT_TRUE(WaitFor([&] { return XBounds().left == before.left + 100; }))
      << "X window at " << XBounds().left << "," << XBounds().top;
  EXPECT_EQ(XBounds().top, before.top + 60);
  EXPECT_EQ(form_->Left(), before.left + 100);
}

// A message box appears while the title is being dragged (its owner is
// disabled under the held button): the drag ends where the box found the
// window, the pointer is free, and neither the moves and release while the box
// is up nor a later plain move take the window anywhere.
TEST_F(FormFrameE2e, ATitleDragEndsCleanlyWhenAMessageBoxAppears) {
  TRect before = XBounds();
  int x0 = before.left + 150, y0 = before.top + 12;
  auto at = [](int x, int y) { return std::to_string(x) + " " + std::to_string(y); };
  TRect whereTheBoxFoundIt;
  bool grabbedDuringBox = true, boxShown = false;
  fw::TTimer box(nullptr), ending(nullptr);
  box.SetEnabled(false);
  box.SetInterval(100);
  ending.SetEnabled(false);
  ending.SetInterval(2500);
  box.OnTimer = [&](fw::TObject*) {
    box.SetEnabled(false);
    whereTheBoxFoundIt = form_->BoundsRect();
    // While the box is up, the mouse goes on and lets go elsewhere.
    Shell("(sleep 0.5; DISPLAY=" + display_ + " xdotool mousemove " + at(x0 + 150, y0 + 90) +
          "; sleep 0.5; DISPLAY=" + display_ + " xdotool mouseup 1) >/dev/null 2>&1 &");
    ending.SetEnabled(true);
    boxShown = true;
    fw::MessageBox(u"A box over a drag.", u"Frame E2E box");
  };
  ending.OnTimer = [&](fw::TObject*) {
    ending.SetEnabled(false);
    // Another client can take the pointer: nobody holds it any more.
    grabbedDuringBox = XGrabPointer(probe_, DefaultRootWindow(probe_), False, ButtonPressMask, GrabModeAsync,
                                    GrabModeAsync, None, None, CurrentTime) != GrabSuccess;
    XUngrabPointer(probe_, CurrentTime);
    XSync(probe_, False);
    for (fw::TCustomForm* f : fw::Screen()->Forms())
      if (f->FormState().Contains(fw::fsModal)) f->SetModalResult(fw::mrOk);
  };
  Xdo("mousemove --sync " + at(x0, y0) + " mousedown 1");
  Pump(100);
  Xdo("mousemove --sync " + at(x0 + 50, y0 + 30));
  ASSERT_TRUE(WaitFor([&] { return form_->Left() == before.left + 50; })) << "the drag moves the window";
  ASSERT_TRUE(frame_->IsDragging());
  box.SetEnabled(true);
  ASSERT_TRUE(WaitFor([&] { return boxShown && !ending.Enabled(); }));
  Pump(200);
  EXPECT_FALSE(grabbedDuringBox) << "the pointer was free while the box was up";
  EXPECT_FALSE(frame_->IsDragging());
  EXPECT_EQ(frame_->PressedPart(), kwhtClient);
  EXPECT_TRUE(frame_->DrawingEnabled());
  EXPECT_EQ(pg::GetCapture(), nullptr);
  EXPECT_EQ(form_->BoundsRect(), whereTheBoxFoundIt);
  // A plain move over the title afterwards only moves the mouse.
  Xdo("mousemove --sync " + at(whereTheBoxFoundIt.left + 120, whereTheBoxFoundIt.top + 12));
  Pump(200);
  Xdo("mousemove --sync " + at(whereTheBoxFoundIt.left + 60, whereTheBoxFoundIt.top + 15));
  Pump(300);
  EXPECT_EQ(form_->BoundsRect(), whereTheBoxFoundIt);
  EXPECT_TRUE(WaitFor([&] { return XBounds().left == whereTheBoxFoundIt.left; })) << XBounds().left;
}

TEST_F(FormFrameE2e, MaximizeFillsTheWorkAreaAndRestores) {
  TRect before = XBounds();
  TPoint max = Centre(kbiMaximize);
  ClickAt(max.x, max.y);
  ASSERT_TRUE(WaitFor([&] {
    return XBounds() == TRect{0, 0, 1024, 768};
  })) << XBounds().left
      << "," << XBounds().top << "," << XBounds().right << "," << XBounds().bottom;
  EXPECT_EQ(frame_->WindowState(), kwsMaximized);
  max = Centre(kbiMaximize);
  ClickAt(max.x, max.y);
  ASSERT_TRUE(WaitFor([&] { return XBounds() == before; }));
  EXPECT_EQ(frame_->WindowState(), kwsNormal);
}

TEST_F(FormFrameE2e, MinimizeIconifiesAndRollupLeavesTheTitleBand) {
  TPoint roll = Centre(kbiRollup);
  ClickAt(roll.x, roll.y);
  ASSERT_TRUE(WaitFor([&] { return XBounds().height() == 36; })) << XBounds().height();
  EXPECT_EQ(frame_->WindowState(), kwsRollup);
  roll = Centre(kbiRollup);
  ClickAt(roll.x, roll.y);
  ASSERT_TRUE(WaitFor([&] { return XBounds().height() == 406; }));

  TPoint min = Centre(kbiMinimize);
  ClickAt(min.x, min.y);
  ASSERT_TRUE(WaitFor([&] { return Iconic(); })) << "the window manager never saw it iconic";
  EXPECT_EQ(frame_->WindowState(), kwsMinimized);
  Xdo("windowmap --sync " + std::to_string(xid_));
  ASSERT_TRUE(WaitFor([&] { return !Iconic() && frame_->WindowState() == kwsNormal; }));
}

TEST_F(FormFrameE2e, ARightClickOnTheTitleOpensTheSystemMenuAndItsCloseEndsTheProgram) {
  // The menu runs its own loop once it opens; its key comes from outside meanwhile.
  Shell("(sleep 1; DISPLAY=" + display_ + " xdotool key c) >/dev/null 2>&1 &");
  ClickAt(150, 12, 3);
  ASSERT_TRUE(WaitFor([&] { return fw::Application()->Terminated(); }));
  ASSERT_TRUE(frame_->SystemMenu());
  EXPECT_EQ(frame_->SystemMenu()->MenuBounds().left, XBounds().left + 150);
  EXPECT_EQ(frame_->LastSystemMenu().back().Caption, u"&Close");
}

TEST_F(FormFrameE2e, TheCloseButtonEndsTheProgram) {
  TPoint close = Centre(kbiClose);
  ClickAt(close.x, close.y);
  ASSERT_TRUE(WaitFor([&] { return fw::Application()->Terminated(); }));
}

}  // namespace
}  // namespace z5t8::skin::controls::testing
