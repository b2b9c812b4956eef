#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/gui/Label.h"
#include "platform/gui/NotifyIcon.h"
#include "platform/gui/Paint.h"
#include "platform/gui/SystemMetrics.h"
#include "platform/gui/SystemParameters.h"
#include "platform/gui/VirtualKeys.h"
#include "skin/controls/tests/FrameFixture.h"

namespace z5t8::skin::controls::testing {
namespace {

using namespace theme;
using FormFrameIntegration = FrameTest<>;

TEST(FormFrameUnits, WindowButtonsFollowStyleIconsAndState) {
  TTeDefaultForm frame(nullptr);
  TTeBorderIcons all{kbiClose, kbiSystemMenu, kbiMinimize, kbiMaximize, kbiHelp, kbiRollup, kbiTray};
  frame.SetBorderIcons(all);
  EXPECT_EQ(WindowButtons(&frame), (TteWindowButtons{kwbSysMenu, kwbClose, kwbHelp, kwbMin, kwbMax, kwbRoll,
                                                     kwbTray, kwbTopmost, kwbTopmostRestore, kwbCustom}));
  frame.SetBorderStyle(kbsBorder);
  EXPECT_TRUE(WindowButtons(&frame).Empty());
  frame.SetBorderStyle(kbsNone);
  EXPECT_TRUE(WindowButtons(&frame).Empty());

  frame.SetBorderStyle(kbsToolWindow);
  frame.SetBorderIcons({kbiClose});
  EXPECT_EQ(WindowButtons(&frame), (TteWindowButtons{kwbClose, kwbTopmost, kwbTopmostRestore, kwbCustom}));
}

TEST(FormFrameUnits, OptionObjectsClampTheirValues) {
  TTeBlending blending;
  int changes = 0;
  blending.OnChange = [&] { ++changes; };
  blending.SetValue(-5);
  EXPECT_EQ(blending.Value(), 0);
  blending.SetValue(300);
  EXPECT_EQ(blending.Value(), 255);
  EXPECT_EQ(changes, 2);

  TTeShadow shadow;
  shadow.SetEnabled(true);
  shadow.SetSize(40);
  EXPECT_EQ(shadow.Size(), 20);
  shadow.SetSize(0);
  EXPECT_FALSE(shadow.Enabled());

  TTeGravitation gravitation;
  for (auto [in, out] : std::vector<std::pair<int, int>>{{0, 1}, {1, 1}, {35, 35}, {50, 50}, {51, 50}}) {
    gravitation.SetSize(in);
    EXPECT_EQ(gravitation.Size(), out) << in;
  }
  TTeGravitation copy;
  gravitation.SetSnapToForms(true);
  copy.Assign(&gravitation);
  EXPECT_TRUE(copy.SnapToForms());
  EXPECT_EQ(copy.Size(), 50);
}

TEST(FormFrameUnits, DialogStyleTurnsSizingOff) {
  TTeDefaultForm frame(nullptr);
  EXPECT_TRUE(frame.Dragging()->Sizeable());
  frame.SetBorderStyle(kbsDialog);
  EXPECT_FALSE(frame.Dragging()->Sizeable());
  EXPECT_EQ(WindowSubclass(&frame), kwscDialog);
}

TEST_F(FormFrameIntegration, ClientAreaIsTheWindowLessTheClassicFrame) {
  Make();
  pg::Rect client;
  pg::GetClientRect(hwnd(), &client);
  EXPECT_EQ(client.width(), 370);
  EXPECT_EQ(client.height(), 370);
  EXPECT_EQ(frame->GetClientBounds(), (TRect{4, 23, 374, 393}));
  EXPECT_TRUE(pg::SnapshotWindow(hwnd(), "/tmp/ff-unthemed.png"));
}

TEST_F(FormFrameIntegration, HitTestAnswersByPartAndState) {
  Make();
  struct Case {
    int x, y, hit;
  } cases[] = {
      {10, 2, pg::HTTOPLEFT},     {2, 10, pg::HTTOPLEFT},   {200, 1, pg::HTTOP},
      {370, 2, pg::HTTOPRIGHT},   {1, 200, pg::HTLEFT},     {376, 200, pg::HTRIGHT},
      {2, 390, pg::HTBOTTOMLEFT}, {200, 395, pg::HTBOTTOM}, {376, 390, pg::HTBOTTOMRIGHT},
      {100, 12, pg::HTCAPTION},   {200, 200, pg::HTCLIENT}, {12, 14, pg::HTSYSMENU},
  };
  for (const Case& c : cases) EXPECT_EQ(hitAt(c.x, c.y), c.hit) << c.x << "," << c.y;
  EXPECT_EQ(frame->GetHitTest(10, 2), kwhtTopLeft);
  TRect close = frame->GetCaptionButtonRect(kbiClose);
  EXPECT_EQ(hitAt(close.left + 2, close.top + 2), pg::HTCLOSE);
  TRect roll = frame->GetCaptionButtonRect(kbiRollup);
  EXPECT_EQ(hitAt(roll.left + 2, roll.top + 2), pg::HTBORDER);

  frame->Dragging()->SetSizeable(false);
  EXPECT_EQ(hitAt(10, 2), pg::HTCLIENT);
  EXPECT_EQ(hitAt(376, 200), pg::HTCLIENT);
  frame->Dragging()->SetSizeable(true);
  frame->Dragging()->SetMoveable(false);
  EXPECT_EQ(hitAt(100, 12), pg::HTCLIENT);
  frame->Dragging()->SetMoveable(true);

  frame->Maximize();
  pump();
  // Its top border is part of the title band there.
  for (auto [x, y] : std::vector<std::pair<int, int>>{{1, 200}, {1030, 200}, {500, 744}, {1, 744}})
    EXPECT_EQ(hitAt(x, y), pg::HTCLIENT) << x << "," << y;
}

TEST_F(FormFrameIntegration, CaptionButtonsAreLaidFromTheRightAndDropWithTheirIcons) {
  Make();
  TRect close = frame->GetCaptionButtonRect(kbiClose);
  TRect max = frame->GetCaptionButtonRect(kbiMaximize);
  TRect min = frame->GetCaptionButtonRect(kbiMinimize);
  EXPECT_EQ(close, (TRect{356, 7, 372, 21}));
  EXPECT_EQ(max.right, close.left - 2);
  EXPECT_EQ(min.right, max.left - 2);
  EXPECT_EQ(frame->GetCaptionButtonRect(kbiSystemMenu), (TRect{4, 5, 22, 23}));
  EXPECT_TRUE(frame->GetCaptionButtonRect(kbiHelp).width() <= 0) << "help is not asked for";
  frame->SetBorderIcons({kbiClose, kbiMinimize});
  EXPECT_EQ(frame->GetCaptionButtonRect(kbiMinimize).right, close.left - 2);
  EXPECT_TRUE(frame->GetCaptionButtonRect(kbiMaximize).width() <= 0);
}

TEST_F(FormFrameIntegration, CloseButtonClosesOnlyWhenReleasedOverIt) {
  Make();
  TRect close = frame->GetCaptionButtonRect(kbiClose);
  press(centre(close));
  EXPECT_EQ(frame->ButtonDrawState(kwhtCloseButton), kwbdsPressed);
  moveTo(screen(200, 200));
  EXPECT_EQ(frame->ButtonDrawState(kwhtCloseButton), kwbdsNormal) << "not pressed while the mouse is off it";
  moveTo(centre(close));
  EXPECT_EQ(frame->ButtonDrawState(kwhtCloseButton), kwbdsPressed);
  moveTo(screen(600, 500));
  release();
  EXPECT_TRUE(form->Visible()) << "released elsewhere closes nothing";
  EXPECT_EQ(frame->PressedPart(), kwhtClient);

  hl::AdvanceClock(1000);
  press(centre(close));
  release();
  EXPECT_FALSE(form->Visible());
}

TEST_F(FormFrameIntegration, DoubleClicksMaximizeRestoreAndClose) {
  Make();
  TRect before = form->BoundsRect();
  hl::DoubleClick(screen(150, 12).x, screen(150, 12).y);
  pump();
  EXPECT_EQ(frame->WindowState(), kwsMaximized);
  EXPECT_EQ(form->BoundsRect(), (TRect{-4, -4, 1028, 742})) << "the work area with the borders off-screen";
  hl::DoubleClick(screen(150, 12).x, screen(150, 12).y);
  pump();
  EXPECT_EQ(frame->WindowState(), kwsNormal);
  EXPECT_EQ(form->BoundsRect(), before);

  frame->SetBorderIcons({kbiClose, kbiSystemMenu});
  hl::AdvanceClock(1000);
  hl::DoubleClick(screen(150, 12).x, screen(150, 12).y);
  pump();
  EXPECT_EQ(frame->WindowState(), kwsNormal) << "no maximize icon, no maximize";

  hl::AdvanceClock(1000);
  TPoint icon = centre(frame->GetCaptionButtonRect(kbiSystemMenu));
  hl::DoubleClick(icon.x, icon.y);
  pump();
  EXPECT_FALSE(form->Visible());
}

TEST_F(FormFrameIntegration, TitleDragMovesTheWindow) {
  Make(300, 200);
  drag(screen(150, 12), screen(210, 52));
  EXPECT_EQ(form->Left(), 360);
  EXPECT_EQ(form->Top(), 240);
  EXPECT_FALSE(frame->IsDragging());
}

TEST_F(FormFrameIntegration, SizingFromTheLeftStopsAtTheMinimumTrackWidth) {
  Make(300, 200);
  int right = form->BoundsRect().right;
  drag(screen(1, 200), screen(101, 200));
  EXPECT_EQ(form->Left(), 400);
  EXPECT_EQ(form->BoundsRect().right, right);
  drag(screen(1, 200), screen(500, 200));
  EXPECT_EQ(form->Width(), 140);
  EXPECT_EQ(form->BoundsRect().right, right);
  EXPECT_EQ(frame->GetMinTrackSize().x, 140);
}

TEST_F(FormFrameIntegration, DraggingNearTheWorkAreaEdgeSnaps) {
  struct Case {
    int gap;
    int expectedLeft;
  } cases[] = {{15, 0}, {20, 20}, {-10, 0}};
  for (const Case& c : cases) {
    Make(300, 200);
    drag(screen(150, 12), screen(150 - 300 + c.gap, 12));
    EXPECT_EQ(form->Left(), c.expectedLeft) << "gap " << c.gap;
    delete form;
    form = nullptr;
  }
}

TEST_F(FormFrameIntegration, OutlineDragMovesTheWindowOnlyAtTheRelease) {
  Make(300, 200, 378, 397, false, [](TTeDefaultForm* f) { f->Dragging()->SetDragMode(kfdmBorder); });
  press(screen(150, 12));
  moveTo(screen(210, 52));
  EXPECT_EQ(form->Left(), 300) << "only the outline follows the mouse";
  EXPECT_FALSE(frame->DrawingEnabled());
  pg::Surface screenImage = pg::ScreenImage();
  EXPECT_NE(screenImage.pixel(361, 241), pg::ScreenImage().pixel(0, 767)) << "the outline is on the screen";
  moveTo(screen(200, 62));
  release();
  EXPECT_EQ(form->Left(), 350);
  EXPECT_EQ(form->Top(), 250);
  EXPECT_TRUE(frame->DrawingEnabled());
}

TEST_F(FormFrameIntegration, DraggingNearAnotherSkinnedFormSnapsToIt) {
  Make(100, 100, 378, 397, false, [](TTeDefaultForm* f) { f->Gravitation()->SetSnapToForms(true); });
  auto* other = new fw::TForm(nullptr);
  other->SetBounds(600, 100, 300, 300);
  auto* otherFrame = new TTeDefaultForm(other);
  otherFrame->Loaded();
  other->Show();
  pump();
  // The right edge (478) brought 10 pixels short of the other's left edge (600).
  drag(screen(150, 12), screen(150 + 112, 12 + 5));
  EXPECT_EQ(form->BoundsRect().right, 600);
  EXPECT_EQ(form->Top(), 100) << "and the tops line up";
  delete other;
}

// A drag or a caption-button press ends cleanly when the mouse is taken away:
// by a modal box disabling the window, by another window capturing it, or by a
// release that went elsewhere (the next move says no button is down). The
// outline is erased, drawing is on again, the pressed look goes, and the later
// moves and release do nothing.
TEST_F(FormFrameIntegration, TakingTheMouseAwayEndsDragsAndPresses) {
  pg::HWND other = nullptr;
  struct Take {
    const char* what;
    std::function<void(pg::HWND)> take, undo;
  } takes[] = {
      {"a modal box disables the window", [](pg::HWND h) { pg::EnableWindow(h, pg::FALSE); },
       [](pg::HWND h) { pg::EnableWindow(h, pg::TRUE); }},
      {"another window captures", [&](pg::HWND) { pg::SetCapture(other); },
       [](pg::HWND) { pg::ReleaseCapture(); }},
      {"the release went elsewhere",
       [](pg::HWND h) { pg::SendMessageW(h, pg::WM_MOUSEMOVE, 0, pg::MAKELPARAM(150, 40)); },
       [](pg::HWND) {}},
  };
  struct Start {
    const char* what;
    TTeFormDragMode mode;
    bool closeButton;
  } starts[] = {{"title drag", kfdmFullDrag, false},
                {"outline drag", kfdmBorder, false},
                {"close button", kfdmFullDrag, true}};
  for (const Take& t : takes) {
    for (const Start& s : starts) {
      std::string what = std::string(t.what) + ", " + s.what;
      Make(300, 200, 378, 397, false, [&](TTeDefaultForm* f) { f->Dragging()->SetDragMode(s.mode); });
      auto* otherForm = new fw::TForm(nullptr);
      otherForm->SetBounds(800, 500, 150, 100);
      otherForm->Show();
      other = otherForm->Handle();
      pump();
      pg::Surface before = pg::ScreenImage();
      TPoint at = s.closeButton ? centre(frame->GetCaptionButtonRect(kbiClose)) : screen(150, 12);
      press(at);
      if (!s.closeButton) moveTo({at.x + 40, at.y + 30});
      TRect bounds = form->BoundsRect();
      t.take(hwnd());
      pump();
      EXPECT_FALSE(frame->IsDragging()) << what;
      EXPECT_EQ(frame->PressedPart(), kwhtClient) << what;
      EXPECT_TRUE(frame->HeldButtons().Empty()) << what;
      EXPECT_TRUE(frame->DrawingEnabled()) << what;
      EXPECT_NE(frame->ButtonDrawState(kwhtCloseButton), kwbdsPressed) << what;
      EXPECT_NE(pg::GetCapture(), hwnd()) << what;
      if (s.mode == kfdmBorder)
        EXPECT_EQ(pg::ScreenImage().pixel(341, 400), before.pixel(341, 400)) << what << ": outline erased";
      moveTo({at.x + 90, at.y + 60});
      release();
      t.undo(hwnd());
      pump();
      EXPECT_EQ(form->BoundsRect(), bounds) << what;
      EXPECT_TRUE(form->Visible()) << what;
      delete otherForm;
      delete form;
      form = nullptr;
      pump();
      hl::AdvanceClock(1000);
    }
  }
}

// An action event or a menu command may free the form (and the frame with it)
// or the frame alone; the frame's code touches nothing of them afterwards.
TEST_F(FormFrameIntegration, AFormOrFrameFreedInsideAnActionIsNotTouchedAgain) {
  enum Act { CloseButton, TitleDoubleClick, MinimizeButton, RollButton, MenuClose };
  struct Case {
    const char* what;
    Act act;
    bool frameOnly;
  } cases[] = {
      {"close button frees the form", CloseButton, false},
      {"title double-click frees the form", TitleDoubleClick, false},
      {"minimize button frees the form", MinimizeButton, false},
      {"roll-up button frees the frame", RollButton, true},
      {"system menu's Close frees the form", MenuClose, false},
      {"system menu's Close frees the frame", MenuClose, true},
  };
  for (const Case& c : cases) {
    Make();
    int calls = 0;
    auto free = [&](fw::TObject*, bool&) {
      ++calls;
      if (c.frameOnly) {
        delete frame;
      } else {
        delete form;
        form = nullptr;
      }
      frame = nullptr;
    };
    frame->OnClose = free;
    frame->OnMaximize = free;
    frame->OnMinimize = free;
    frame->OnRollup = free;
    auto click = [&](TTeBorderIcon icon) {
      TPoint at = centre(frame->GetCaptionButtonRect(icon));
      press(at);
      release();
    };
    switch (c.act) {
      case CloseButton:
        click(kbiClose);
        break;
      case MinimizeButton:
        click(kbiMinimize);
        break;
      case RollButton:
        click(kbiRollup);
        break;
      case TitleDoubleClick:
        hl::DoubleClick(screen(150, 12).x, screen(150, 12).y);
        pump();
        break;
      case MenuClose:
        moveTo(screen(150, 12));
        hl::PressButton(1);
        hl::ReleaseButton(1);
        hl::TypeKey('C');
        pump();
        break;
    }
    pump();
    EXPECT_EQ(calls, 1) << c.what;
    EXPECT_EQ(frame, nullptr) << c.what;
    if (c.frameOnly) {
      ASSERT_NE(form, nullptr) << c.what;
      EXPECT_TRUE(form->Visible()) << c.what;
    } else {
      EXPECT_EQ(form, nullptr) << c.what;
    }
    delete form;
    form = nullptr;
    pump();
    hl::AdvanceClock(1000);
  }
}

TEST_F(FormFrameIntegration, HotCaptionButtonCoolsWithinTheHoverTime) {
  Make();
  TRect close = frame->GetCaptionButtonRect(kbiClose);
  moveTo(centre(close));
  EXPECT_EQ(frame->HotPart(), kwhtCloseButton);
  EXPECT_EQ(frame->ButtonDrawState(kwhtCloseButton), kwbdsHot);
  // Leaving the window sends the frame nothing; only its timer notices.
  moveTo({900, 700});
  EXPECT_EQ(frame->HotPart(), kwhtCloseButton);
  hl::AdvanceClock(400);
  pump();
  EXPECT_EQ(frame->HotPart(), kwhtClient);
  EXPECT_EQ(frame->ButtonDrawState(kwhtCloseButton), kwbdsNormal);
}

TEST_F(FormFrameIntegration, StateOperationsAndTheirRestore) {
  Make(300, 200);
  const TRect normal = form->BoundsRect();

  frame->Rollup();
  pump();
  EXPECT_EQ(frame->WindowState(), kwsRollup);
  EXPECT_EQ(form->BoundsRect(), (TRect{300, 200, 678, 227})) << "the title band is left";
  frame->Rollup();
  pump();
  EXPECT_EQ(frame->WindowState(), kwsNormal);
  EXPECT_EQ(form->BoundsRect(), normal);

  frame->Minimize();
  pump();
  EXPECT_EQ(frame->WindowState(), kwsMinimized);
  EXPECT_TRUE(pg::IsIconic(hwnd()));
  frame->Restore();
  pump();
  EXPECT_EQ(frame->WindowState(), kwsNormal);
  EXPECT_FALSE(pg::IsIconic(hwnd()));
  EXPECT_EQ(form->BoundsRect(), normal);

  // Restore goes back to where the window came from.
  frame->Maximize();
  frame->Minimize();
  pump();
  frame->Restore();
  pump();
  EXPECT_EQ(frame->WindowState(), kwsMaximized) << "minimized from maximized";
  EXPECT_EQ(frame->PreviousState(), kwsNormal);
  frame->Restore();
  pump();
  EXPECT_EQ(frame->WindowState(), kwsNormal);
  EXPECT_EQ(form->BoundsRect(), normal);

  frame->Rollup();
  frame->Maximize();
  frame->Restore();
  pump();
  EXPECT_EQ(frame->WindowState(), kwsRollup) << "maximized from rolled up";
  EXPECT_EQ(form->Height(), 27);
  frame->Restore();
  pump();
  EXPECT_EQ(frame->WindowState(), kwsNormal);
  EXPECT_EQ(form->BoundsRect(), normal);

  frame->Rollup();
  frame->Minimize();
  pump();
  frame->Restore();
  pump();
  EXPECT_EQ(frame->WindowState(), kwsRollup) << "minimized from rolled up";
  frame->Restore();
  pump();
  EXPECT_EQ(form->BoundsRect(), normal);
}

TEST_F(FormFrameIntegration, ActionEventsCanRefuse) {
  Make();
  frame->OnMaximize = [](fw::TObject*, bool& allow) { allow = false; };
  frame->OnRollup = [](fw::TObject*, bool& allow) { allow = false; };
  frame->OnClose = [](fw::TObject*, bool& allow) { allow = false; };
  frame->Maximize();
  frame->Rollup();
  frame->Close();
  pump();
  EXPECT_EQ(frame->WindowState(), kwsNormal);
  EXPECT_TRUE(form->Visible());
}

// A close that is refused, by the frame's event or by the form's close query,
// leaves the close button drawn as it is then: not pressed.
TEST_F(FormFrameIntegration, ARefusedCloseRepaintsTheCloseButtonUnpressed) {
  struct Case {
    const char* what;
    bool byQuery;
  } cases[] = {{"OnClose", false}, {"the close query", true}};
  for (const Case& c : cases) {
    Make();
    if (c.byQuery)
      form->OnCloseQuery = [](fw::TObject*, bool& can) { can = false; };
    else
      frame->OnClose = [](fw::TObject*, bool& allow) { allow = false; };
    TRect close = frame->GetCaptionButtonRect(kbiClose);
    auto buttonImage = [&] {
      pg::Surface w = pg::WindowImage(hwnd());
      std::vector<uint32_t> pixels;
      for (int y = close.top; y < close.bottom; ++y)
        for (int x = close.left; x < close.right; ++x) pixels.push_back(w.pixel(x, y));
      return pixels;
    };
    moveTo(centre(close));
    std::vector<uint32_t> normal = buttonImage();
    hl::PressButton(0);
    pump();
    ASSERT_NE(buttonImage(), normal) << c.what << ": drawn pressed";
    release();
    EXPECT_TRUE(form->Visible()) << c.what;
    EXPECT_EQ(buttonImage(), normal) << c.what << ": drawn unpressed again";
    delete form;
    form = nullptr;
    hl::AdvanceClock(1000);
  }
}

// The system menu opened from its icon does not leave its place behind: the
// next one asked for by key opens where the window is then.
TEST_F(FormFrameIntegration, TheSystemMenuByKeyOpensWhereTheWindowIsNow) {
  Make(100, 100);
  TRect icon = frame->GetCaptionButtonRect(kbiSystemMenu);
  press(centre(icon));
  hl::ReleaseButton(0);
  hl::TypeKey(pg::VK_ESCAPE);
  pump();
  EXPECT_EQ(frame->LastSystemMenuPoint(), screen(icon.left, icon.bottom)) << "under the icon";
  hl::AdvanceClock(1000);
  form->SetBounds(400, 300, form->Width(), form->Height());
  pump();
  pg::PostMessageW(hwnd(), pg::WM_SYSCOMMAND, pg::SC_KEYMENU, ' ');
  hl::TypeKey(pg::VK_ESCAPE);
  pump();
  EXPECT_EQ(frame->LastSystemMenuPoint(), form->ClientOrigin());
}

// Restoring into a state whose own event refuses it (from the tray or from
// minimized, back to maximized) leaves a normal, shown window.
TEST_F(FormFrameIntegration, ARestoreRefusedOnTheWayLeavesANormalShownWindow) {
  for (bool fromTray : {true, false}) {
    const char* what = fromTray ? "from the tray" : "from minimized";
    Make(100, 100, 378, 397, false, [](TTeDefaultForm* f) { f->SetMinimizeApplication(false); });
    TRect normal = form->BoundsRect();
    frame->Maximize();
    pump();
    if (fromTray)
      frame->MinToTray();
    else
      frame->Minimize();
    pump();
    ASSERT_EQ(frame->WindowState(), fromTray ? kwsTray : kwsMinimized) << what;
    frame->OnMaximize = [](fw::TObject*, bool& allow) { allow = false; };
    frame->Restore();
    pump();
    EXPECT_EQ(frame->WindowState(), kwsNormal) << what;
    EXPECT_TRUE(pg::IsWindowVisible(hwnd())) << what;
    EXPECT_FALSE(pg::IsIconic(hwnd())) << what;
    EXPECT_FALSE(frame->InTray()) << what;
    EXPECT_EQ(form->BoundsRect(), normal) << what;
    delete form;
    form = nullptr;
    pump();
  }
}

// Several frames chain the application's minimize and restore events; any of
// them may go first, and the others keep working, the last one handing the
// application its own events back.
TEST_F(FormFrameIntegration, FramesLeaveTheApplicationsEventChainInAnyOrder) {
  for (bool oldestFirst : {true, false}) {
    int original = 0;
    fw::Application()->OnMinimize = [&](fw::TObject*) { ++original; };
    std::vector<fw::TForm*> forms;
    std::vector<TTeDefaultForm*> frames;
    for (int i = 0; i < 3; ++i) {
      auto* f = new fw::TForm(nullptr);
      f->SetBounds(50 + 200 * i, 50, 300, 200);
      auto* fr = new TTeDefaultForm(f);
      fr->Loaded();
      f->Show();
      pump();
      pg::SetActiveWindow(f->Handle());  // the first activation chains
      pump();
      forms.push_back(f);
      frames.push_back(fr);
    }
    // The middle one goes first, then the oldest or the newest.
    int order[3] = {1, oldestFirst ? 0 : 2, oldestFirst ? 2 : 0};
    for (int k = 0; k < 3; ++k) {
      delete forms[order[k]];
      forms[order[k]] = nullptr;
      pump();
      original = 0;
      fw::Application()->OnMinimize(nullptr);
      EXPECT_EQ(original, 1) << "after " << k + 1 << " gone, the application's own handler still runs once";
      for (int i = 0; i < 3; ++i)
        if (forms[i]) {
          EXPECT_EQ(frames[i]->WindowState(), kwsMinimized) << "frame " << i;
          frames[i]->Restore();
          pump();
        }
    }
    original = 0;
    fw::Application()->OnMinimize(nullptr);
    EXPECT_EQ(original, 1);
    fw::Application()->OnMinimize = nullptr;
  }
}

// A theme change may bring other caption fonts: the unthemed title is drawn
// in the fonts the platform gives after it.
TEST_F(FormFrameIntegration, ThemeChangedRereadsTheCaptionFonts) {
  Make();
  auto title = [&] {
    pg::Surface w = pg::WindowImage(hwnd());
    std::vector<uint32_t> pixels;
    for (int y = 4; y < 23; ++y)
      for (int x = 24; x < 200; ++x) pixels.push_back(w.pixel(x, y));
    return pixels;
  };
  std::vector<uint32_t> classic = title();
  pg::NONCLIENTMETRICSW ncm;
  ASSERT_TRUE(pg::SystemParametersInfoW(pg::SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0));
  ncm.lfCaptionFont.height = -16;
  ncm.lfCaptionFont.weight = pg::FW_NORMAL;
  ASSERT_TRUE(pg::SystemParametersInfoW(pg::SPI_SETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0));
  frame->InvalidateNonClientArea();
  pump();
  EXPECT_EQ(title(), classic) << "the fonts are read again only when the theme changes";
  pg::SendMessageW(hwnd(), pg::WM_THEMECHANGED, 0, 0);
  frame->InvalidateNonClientArea();
  pump();
  EXPECT_NE(title(), classic) << "the larger, lighter caption font";
}

TEST_F(FormFrameIntegration, SystemMenuItemsFollowTheState) {
  Make();
  auto captions = [&] {
    std::vector<std::u16string> out;
    for (const TTeSysMenuItem& item : frame->CreateSysMenu()) out.push_back(item.Caption);
    return out;
  };
  using V = std::vector<std::u16string>;
  EXPECT_EQ(captions(), (V{u"Mi&nimize", u"Ma&ximize", u"Ro&llup", u"Minimize to &Tray", u"-", u"&Close"}));
  EXPECT_EQ(frame->CreateSysMenu().back().ShortCut, u"Alt+F4");
  frame->Maximize();
  EXPECT_EQ(captions(), (V{u"&Restore", u"Mi&nimize", u"Ro&llup", u"Minimize to &Tray", u"-", u"&Close"}));
  frame->Restore();
  frame->Rollup();
  EXPECT_EQ(captions(), (V{u"&Restore", u"Mi&nimize", u"Ma&ximize", u"Minimize to &Tray", u"-", u"&Close"}));
  frame->Restore();
  frame->SetBorderIcons({kbiClose});
  EXPECT_EQ(captions(), (V{u"&Close"}));
  frame->SetBorderIcons({kbiMaximize});
  EXPECT_EQ(captions(), (V{u"Ma&ximize"}));

  // A right click on the title opens it at the cursor; its keys choose.
  TPoint at = screen(150, 12);
  moveTo(at);
  hl::PressButton(1);
  hl::ReleaseButton(1);
  hl::TypeKey('X');
  pump();
  EXPECT_EQ(frame->LastSystemMenuPoint(), at);
  EXPECT_EQ(frame->LastSystemMenu().size(), 1u);
  ASSERT_TRUE(frame->SystemMenu());
  EXPECT_EQ(frame->SystemMenu()->MenuBounds().left, at.x);
  EXPECT_EQ(frame->WindowState(), kwsMaximized);

  frame->SetBorderIcons({kbiClose, kbiMaximize, kbiSystemMenu});
  moveTo(screen(150, 12));
  hl::PressButton(1);
  hl::ReleaseButton(1);
  hl::TypeKey(pg::VK_ESCAPE);
  pump();
  EXPECT_TRUE(form->Visible());
  EXPECT_EQ(frame->LastSystemMenu().front().Caption, u"&Restore");
  hl::PressButton(1);
  hl::ReleaseButton(1);
  hl::TypeKey('C');
  pump();
  EXPECT_FALSE(form->Visible()) << "its Close item closes";
}

TEST_F(FormFrameIntegration, MinimizingToTheTrayHidesAndTheIconBringsItBack) {
  Make(100, 100, 378, 397, false, [](TTeDefaultForm* f) { f->SetMinimizeApplication(false); });
  frame->MinToTray();
  pump();
  EXPECT_EQ(frame->WindowState(), kwsTray);
  EXPECT_FALSE(pg::IsWindowVisible(hwnd()));
  ASSERT_EQ(pg::Headless().notifyIcons().size(), 1u);
  EXPECT_EQ(pg::Headless().notifyIcons()[0].tip, u"Frame");

  // A right click on the icon opens the menu at the cursor.
  moveTo({700, 700});
  ASSERT_TRUE(hl::ClickNotifyIcon(frame->TrayWindow(), frame->TrayIconId(), 1));
  hl::TypeKey(pg::VK_ESCAPE);
  pump();
  EXPECT_EQ(frame->LastSystemMenuPoint(), (TPoint{700, 700}));
  EXPECT_EQ(frame->LastSystemMenu().front().Caption, u"&Restore");

  ASSERT_TRUE(hl::DoubleClickNotifyIcon(frame->TrayWindow(), frame->TrayIconId()));
  pump();
  EXPECT_EQ(frame->WindowState(), kwsNormal);
  EXPECT_TRUE(pg::IsWindowVisible(hwnd()));
  EXPECT_TRUE(pg::Headless().notifyIcons().empty());
  EXPECT_EQ(form->BoundsRect(), (TRect{100, 100, 478, 497}));
}

// A window hidden without its tray icon could never come back: without a
// notification area, or when it refuses the icon, it is minimized instead.
TEST_F(FormFrameIntegration, WithoutATrayMinimizingToItMinimizes) {
  struct Case {
    const char* what;
    bool noArea;
  } cases[] = {{"no notification area", true}, {"the area refuses the icon", false}};
  for (const Case& c : cases) {
    Make(100, 100, 378, 397, false, [](TTeDefaultForm* f) { f->SetMinimizeApplication(false); });
    pg::NOTIFYICONDATAW taken;
    if (c.noArea) {
      pg::Headless().setNotifyArea(false);
    } else {
      // Something else holds the icon the frame would add.
      taken.hWnd = frame->TrayWindow();
      taken.uID = frame->TrayIconId();
      taken.uFlags = 0;
      ASSERT_TRUE(pg::Shell_NotifyIconW(pg::NIM_ADD, &taken));
    }
    frame->MinToTray();
    pump();
    EXPECT_EQ(frame->WindowState(), kwsMinimized) << c.what;
    EXPECT_FALSE(frame->InTray()) << c.what;
    EXPECT_TRUE(pg::IsIconic(hwnd())) << c.what << ": not hidden where nothing could bring it back";
    frame->Restore();
    pump();
    EXPECT_FALSE(pg::IsIconic(hwnd())) << c.what;
    EXPECT_TRUE(pg::IsWindowVisible(hwnd())) << c.what;
    if (c.noArea)
      pg::Headless().setNotifyArea(true);
    else
      pg::Shell_NotifyIconW(pg::NIM_DELETE, &taken);
    delete form;
    form = nullptr;
    pump();
  }
}

TEST_F(FormFrameIntegration, DeactivationDrawsEveryCaptionButtonInactive) {
  Make();
  moveTo(centre(frame->GetCaptionButtonRect(kbiClose)));
  ASSERT_TRUE(frame->IsFrameActive());
  EXPECT_EQ(frame->ButtonDrawState(kwhtCloseButton), kwbdsHot);
  pg::SendMessageW(hwnd(), pg::WM_NCACTIVATE, 0, 0);
  for (TteWindowHitTest part : {kwhtCloseButton, kwhtMinButton, kwhtMaxButton, kwhtRollButton, kwhtTrayButton,
                                kwhtHelpButton, kwhtSysMenu})
    EXPECT_EQ(frame->ButtonDrawState(part), kwbdsInactive) << int(part);
}

TEST_F(FormFrameIntegration, CaptionChangeRepaintsTheTitleAtOnce) {
  Make();
  auto titlePixels = [&] {
    pg::Surface image = pg::WindowImage(hwnd());
    std::vector<uint32_t> px;
    for (int x = 24; x < 200; ++x)
      for (int y = 6; y < 20; ++y) px.push_back(uint32_t(image.pixel(x, y)));
    return px;
  };
  auto before = titlePixels();
  form->SetCaption(u"A different, longer caption");
  pump();
  pg::SnapshotWindow(hwnd(), "/tmp/ff-caption.png");
  auto after = titlePixels();
  EXPECT_NE(before, after);
  // What the frame paints now is what it paints from scratch.
  frame->UpdateNonClientArea();
  EXPECT_EQ(titlePixels(), after);
  EXPECT_EQ(pg::GetWindowLongPtrW(hwnd(), pg::GWL_STYLE) & pg::WS_CAPTION, pg::LONG_PTR(pg::WS_CAPTION));
}

TEST_F(FormFrameIntegration, UpdateKeepsTheClientSizeUnderANewFrame) {
  Make();
  frame->SetBorderStyle(kbsToolWindow);
  pump();
  EXPECT_EQ(form->ClientWidth(), 370);
  EXPECT_EQ(form->ClientHeight(), 370);
  EXPECT_EQ(form->Height(), 370 + 8 + pg::GetSystemMetrics(pg::SM_CYSMCAPTION));
  frame->SetBorderStyle(kbsNone);
  pump();
  EXPECT_EQ(form->Width(), 370);
  EXPECT_EQ(form->Height(), 370);
}

TEST_F(FormFrameIntegration, TheWindowRegionFollowsTheSize) {
  Make();
  pg::Region region;
  ASSERT_NE(pg::GetWindowRgn(hwnd(), region), pg::RGN_ERROR);
  EXPECT_TRUE(region.contains({377, 396}));
  EXPECT_FALSE(region.contains({378, 100}));
  form->SetBounds(100, 100, 500, 420);
  ASSERT_NE(pg::GetWindowRgn(hwnd(), region), pg::RGN_ERROR);
  EXPECT_TRUE(region.contains({499, 419}));
}

TEST_F(FormFrameIntegration, RequestedStateIsAppliedAfterLoading) {
  Make(100, 100, 378, 397, false, [](TTeDefaultForm* f) { f->SetWindowState(kwsMaximized); });
  EXPECT_EQ(frame->WindowState(), kwsMaximized);
  EXPECT_EQ(form->BoundsRect(), (TRect{-4, -4, 1028, 742}));
  frame->Restore();
  EXPECT_EQ(form->BoundsRect(), (TRect{100, 100, 478, 497}));
}

TEST_F(FormFrameIntegration, MainFormCloseButtonEndsTheApplication) {
  Make(100, 100, 378, 397, true);
  TRect close = frame->GetCaptionButtonRect(kbiClose);
  press(centre(close));
  release();
  EXPECT_TRUE(fw::Application()->Terminated());
}

TEST_F(FormFrameIntegration, TheApplicationsMinimizeAndRestoreReachTheMainFormsFrame) {
  // The frame hands the application back these handlers when it goes.
  struct Unchain {
    fw::TForm*& form;
    ~Unchain() {
      delete form;
      form = nullptr;
      fw::Application()->OnMinimize = nullptr;
      fw::Application()->OnRestore = nullptr;
    }
  } unchain{form};
  int minimized = 0, restored = 0;
  fw::Application()->OnMinimize = [&](fw::TObject*) { ++minimized; };
  fw::Application()->OnRestore = [&](fw::TObject*) { ++restored; };
  // The frame chains itself before these on the window's first activation.
  Make(100, 100, 378, 397, true);
  fw::Application()->Minimize();
  pump();
  EXPECT_EQ(frame->WindowState(), kwsMinimized);
  EXPECT_TRUE(pg::IsIconic(hwnd()));
  EXPECT_EQ(minimized, 1);
  fw::Application()->Restore();
  pump();
  EXPECT_EQ(frame->WindowState(), kwsNormal);
  EXPECT_FALSE(pg::IsIconic(hwnd()));
  EXPECT_EQ(restored, 1);
  EXPECT_EQ(form->BoundsRect(), (TRect{100, 100, 478, 497}));

  // The frame's own minimize goes through the application once, and back.
  frame->Minimize();
  pump();
  EXPECT_EQ(frame->WindowState(), kwsMinimized);
  EXPECT_EQ(minimized, 2);
  pg::SendMessageW(hwnd(), pg::WM_SYSCOMMAND, pg::SC_RESTORE, 0);
  pump();
  EXPECT_EQ(frame->WindowState(), kwsNormal);
  EXPECT_FALSE(pg::IsIconic(hwnd()));
}

TEST_F(FormFrameIntegration, TheFormsCloseActionDecidesWhatCloseDoes) {
  struct Case {
    fw::TCloseAction action;
    bool visible;
    TTeWindowState state;
  } cases[] = {
      {fw::caNone, true, kwsNormal}, {fw::caHide, false, kwsNormal}, {fw::caMinimize, true, kwsMinimized}};
  for (const Case& c : cases) {
    Make();
    form->OnClose = [&](fw::TObject*, fw::TCloseAction& action) { action = c.action; };
    frame->Close();
    pump();
    EXPECT_EQ(form->Visible(), c.visible) << int(c.action);
    EXPECT_EQ(frame->WindowState(), c.state) << int(c.action);
    delete form;
    form = nullptr;
  }
}

TEST_F(FormFrameIntegration, EveryPerformanceModePaintsTheSameFrame) {
  Make();
  pg::Surface reference = pg::WindowImage(hwnd());
  for (TTeFormPerformance mode : {zqfpSharedBuffer, zqfpPersistentBuffer, zqfpDoubleBuffer, zqfpNoBuffer}) {
    // Wipe the window's pixels first, so that only this mode's painting shows.
    pg::DeviceContext* dc = pg::GetWindowDC(hwnd());
    dc->fillRect({0, 0, 378, 397}, pg::Brush::solid(pg::RGB(255, 0, 255)));
    pg::ReleaseDC(hwnd(), dc);
    frame->SetPerformance(mode);
    frame->UpdateNonClientArea();
    pg::RedrawWindow(hwnd(), nullptr, nullptr, pg::RDW_INVALIDATE | pg::RDW_ERASE | pg::RDW_UPDATENOW);
    pg::Surface image = pg::WindowImage(hwnd());
    int differing = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) differing += image.pixel(x, y) != reference.pixel(x, y);
    EXPECT_EQ(differing, 0) << "mode " << int(mode);
  }
}

TEST_F(FormFrameIntegration, PaintToBitmapDrawsFrameAndClientIntoAContext) {
  Make();
  render::TteBitmap bitmap;
  bitmap.SetSize(400, 420);
  bitmap.Clear(render::teColor{});
  pg::LRESULT r = pg::SendMessageW(hwnd(), CM_PAINTTOBITMAP, pg::WPARAM(pg::MAKELPARAM(10, 10)),
                                   reinterpret_cast<pg::LPARAM>(bitmap.DC()));
  EXPECT_EQ(r, 1);
  pg::Surface window = pg::WindowImage(hwnd());
  for (auto [x, y] : std::vector<std::pair<int, int>>{{100, 12}, {2, 200}, {200, 200}}) {
    pg::ColorRef painted = bitmap.DC()->getPixel(x + 10, y + 10);
    uint32_t shown = uint32_t(window.pixel(x, y));
    EXPECT_EQ(pg::RGB((shown >> 16) & 0xFF, (shown >> 8) & 0xFF, shown & 0xFF), painted) << x << "," << y;
  }
}

}  // namespace
}  // namespace z5t8::skin::controls::testing
