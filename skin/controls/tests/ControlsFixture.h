#pragma once

#include <memory>

#include "framework/gui/Application.h"
#include "framework/gui/Form.h"
#include "framework/gui/tests/GuiFixture.h"
#include "platform/gui/Input.h"
#include "platform/gui/Snapshot.h"
#include "platform/gui/headless/HeadlessBackend.h"

namespace z5t8::skin::controls {

namespace pg = platform::gui;
namespace hl = platform::gui::headless;

// A shown form on a fresh headless screen, with helpers that act on
// controls in their own client coordinates.
class ControlsTest : public framework::GuiTest {
protected:
  void SetUp() override {
    GuiTest::SetUp();
    form = std::make_unique<framework::TForm>(nullptr);
    form->SetBounds(20, 20, 420, 360);
  }
  void TearDown() override {
    form.reset();
    GuiTest::TearDown();
  }
  void Show() {
    form->Show();
    Pump();
  }
  static void Pump() { framework::Application()->ProcessMessages(); }
  static pg::Point ScreenOf(framework::TControl* c, int x, int y) { return c->ClientToScreen({x, y}); }
  static void MoveTo(framework::TControl* c, int x, int y) {
    pg::Point p = ScreenOf(c, x, y);
    hl::MoveMouse(p.x, p.y);
    Pump();
  }
  static void Press(framework::TControl* c, int x, int y) {
    MoveTo(c, x, y);
    hl::PressButton();
    Pump();
  }
  static void Release() {
    hl::ReleaseButton();
    Pump();
  }
  static void Key(int vk) {
    hl::TypeKey(vk);
    Pump();
  }
  // The colour (0xRRGGBB) at a point of a control, as its window shows it.
  uint32_t PixelAt(framework::TControl* c, int x, int y) {
    return PixelIn(pg::WindowImage(form->Handle()), c, x, y);
  }
  // The same in an image of the form taken once.
  uint32_t PixelIn(const pg::Surface& image, framework::TControl* c, int x, int y) {
    pg::Point s = ScreenOf(c, x, y);
    pg::Rect window;
    pg::GetWindowRect(form->Handle(), &window);
    return image.scanLine(s.y - window.top)[s.x - window.left] & 0xFFFFFF;
  }
  // How many of a control's pixels show the colour (0xRRGGBB), as its window shows it.
  int CountIn(framework::TControl* c, uint32_t rgb) {
    pg::Surface image = pg::WindowImage(form->Handle());
    int n = 0;
    for (int y = 0; y < c->Height(); ++y)
      for (int x = 0; x < c->Width(); ++x) n += PixelIn(image, c, x, y) == rgb;
    return n;
  }
  std::unique_ptr<framework::TForm> form;
};

}  // namespace z5t8::skin::controls
