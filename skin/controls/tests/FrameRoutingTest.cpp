#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/gui/GraphicControl.h"
#include "skin/controls/tests/FrameFixture.h"

namespace z5t8::skin::controls::testing {
namespace {

// A windowless control that notes the mouse it gets, in its own coordinates.
class TMouseLog : public fw::TGraphicControl {
public:
  using fw::TGraphicControl::TGraphicControl;
  std::vector<std::string> log;

protected:
  void MouseDown(fw::TMouseButton button, fw::TShiftState, int x, int y) override {
    log.push_back((button == fw::mbLeft ? "down " : "rdown ") + std::to_string(x) + "," + std::to_string(y));
  }
  void MouseMove(fw::TShiftState, int x, int y) override {
    log.push_back("move " + std::to_string(x) + "," + std::to_string(y));
  }
  void MouseUp(fw::TMouseButton, fw::TShiftState, int x, int y) override {
    log.push_back("up " + std::to_string(x) + "," + std::to_string(y));
  }
};

class InsideFrameIntegration : public FrameTest<> {
protected:
  // The frame drawn inside the client area, with a windowless control on
  // its title band.
  void MakeInside() {
    Make(100, 100, 378, 397, false, [](TTeDefaultForm* f) { f->SetDisabledNCArea(true); });
    control = new TMouseLog(form);
    control->SetParent(form);
    control->SetBounds(150, 6, 40, 12);
    pump();
  }
  TMouseLog* control = nullptr;
};

TEST_F(InsideFrameIntegration, AWindowlessControlUnderTheFrameGetsPressMovesAndRelease) {
  MakeInside();
  ASSERT_EQ(hitAt(160, 10), pg::HTCAPTION);
  press(screen(160, 10));
  moveTo(screen(170, 11));
  moveTo(screen(400, 300));  // off the window: the capture keeps it coming
  release();
  std::vector<std::string> want{"down 10,4", "move 20,5", "move 250,294", "up 250,294"};
  EXPECT_EQ(control->log, want);
  EXPECT_EQ(form->Left(), 100) << "the press on the control does not drag the window";
  EXPECT_EQ(pg::GetCapture(), nullptr);

  // Beside the control the title band still moves the window.
  control->log.clear();
  drag(screen(250, 10), screen(270, 30));
  EXPECT_EQ(form->Left(), 120);
  EXPECT_TRUE(control->log.empty());
}

TEST_F(InsideFrameIntegration, ErasingLeavesWindowlessChildrenAlone) {
  MakeInside();
  render::TteBitmap target;
  target.SetSize(form->Width(), form->Height());
  const uint32_t marker = 0x00FF00FF;
  target.Clear(marker);
  pg::SendMessageW(hwnd(), pg::WM_ERASEBKGND, reinterpret_cast<pg::WPARAM>(target.DC()), 0);
  auto at = [&](int x, int y) { return uint32_t(target.GetPixel(x, y)) & 0xFFFFFF; };
  EXPECT_EQ(at(160, 10), marker) << "under the windowless child";
  EXPECT_NE(at(120, 10), marker) << "the title band beside it";
  TRect cb = frame->GetClientBounds();
  EXPECT_NE(at(cb.left + 5, cb.top + 5), marker) << "the client area";
  EXPECT_NE(at(1, 200), marker) << "the border";
}

TEST_F(InsideFrameIntegration, ChildBackgroundsReachOnPaintBackground) {
  MakeInside();
  TRect seen{};
  frame->OnPaintBackground = [&](fw::TObject*, pg::DeviceContext* dc, const TRect& r) {
    EXPECT_NE(dc, nullptr);
    seen = r;
  };
  render::TteBitmap target;
  target.SetSize(60, 40);
  fw::TCanvas canvas;
  canvas.SetHandle(target.DC());
  frame->PaintChildBackground(&canvas, {20, 30, 80, 70});
  canvas.SetHandle(nullptr);
  EXPECT_EQ(seen, (TRect{20, 30, 80, 70}));
}

}  // namespace
}  // namespace z5t8::skin::controls::testing
