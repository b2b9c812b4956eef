#pragma once

#include <gtest/gtest.h>

#include "framework/gui/Application.h"
#include "framework/gui/Form.h"
#include "platform/gui/Backend.h"
#include "platform/gui/Input.h"
#include "platform/gui/MessageQueue.h"
#include "platform/gui/Snapshot.h"
#include "platform/gui/Window.h"
#include "platform/gui/headless/HeadlessBackend.h"
#include "skin/controls/frame/DefaultForm.h"

namespace z5t8::skin::controls::testing {

namespace hl = platform::gui::headless;

// A shown form with a frame of the given class on a fresh headless screen
// (1024 x 768, work area 1024 x 738). The form is not the main form unless
// asked, so that closing it only hides it.
template <class Frame = TTeDefaultForm>
class FrameTest : public ::testing::Test {
protected:
  void SetUp() override {
    pg::UseHeadlessBackend();
    fw::Application()->Initialize();
  }
  void TearDown() override {
    delete form;
    form = nullptr;
    fw::Application()->ProcessMessages();
    fw::Application()->SetMainForm(nullptr);
    pg::ShutdownWindowSystem();
  }

  // The frame is made the way a layout makes it: created with its form,
  // loaded once the form's properties are in place.
  void Make(int left = 100, int top = 100, int width = 378, int height = 397, bool mainForm = false,
            const std::function<void(Frame*)>& configure = nullptr) {
    form = new fw::TForm(nullptr);
    if (mainForm) fw::Application()->SetMainForm(form);
    form->SetBounds(left, top, width, height);
    form->SetCaption(u"Frame");
    frame = new Frame(form);
    frame->IncludeState(fw::csLoading);
    if (configure) configure(frame);
    frame->ExcludeState(fw::csLoading);
    frame->Loaded();
    form->Show();
    pump();
  }

  void pump() { fw::Application()->ProcessMessages(); }

  pg::HWND hwnd() const { return form->Handle(); }
  // Screen point of a window point.
  TPoint screen(int x, int y) const {
    TPoint o = frame->WindowOrigin();
    return {o.x + x, o.y + y};
  }
  TPoint centre(const TRect& r) const { return screen((r.left + r.right) / 2, (r.top + r.bottom) / 2); }
  void moveTo(TPoint p) {
    hl::MoveMouse(p.x, p.y);
    pump();
  }
  void press(TPoint p) {
    moveTo(p);
    hl::PressButton(0);
    pump();
  }
  void release() {
    hl::ReleaseButton(0);
    pump();
  }
  void drag(TPoint from, TPoint to) {
    press(from);
    moveTo(to);
    release();
  }
  int hitAt(int x, int y) {
    TPoint p = screen(x, y);
    return int(pg::SendMessageW(hwnd(), pg::WM_NCHITTEST, 0, pg::MAKELPARAM(p.x, p.y)));
  }

  fw::TForm* form = nullptr;
  Frame* frame = nullptr;
};

}  // namespace z5t8::skin::controls::testing
