#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "platform/gui/Color.h"
#include "platform/gui/WindowManager.h"
#include "skin/controls/tests/FrameFixture.h"

namespace z5t8::skin::controls::testing {
namespace {

using FrameEffectsIntegration = FrameTest<>;

constexpr pg::ColorRef Red = 0x0000FF;    // as RGB(255, 0, 0)
constexpr pg::ColorRef Green = 0x00FF00;  // RGB(0, 255, 0)

// `top` over `bottom` at `alpha` (0 ... 255), each channel within 2.
::testing::AssertionResult Blended(pg::Pixel got, uint32_t top, uint32_t bottom, int alpha) {
  for (int shift : {0, 8, 16}) {
    int t = (top >> shift) & 0xFF, b = (bottom >> shift) & 0xFF, g = (got >> shift) & 0xFF;
    int want = (t * alpha + b * (255 - alpha)) / 255;
    if (std::abs(g - want) > 2)
      return ::testing::AssertionFailure()
             << std::hex << "got " << (got & 0xFFFFFF) << ", want about " << ((top & 0xFFFFFF)) << " over "
             << (bottom & 0xFFFFFF) << " at " << std::dec << alpha;
  }
  return ::testing::AssertionSuccess();
}

uint32_t Rgb(pg::ColorRef c) { return pg::pixelFromColor(c) & 0xFFFFFF; }

class EffectsTest : public FrameEffectsIntegration {
protected:
  // Plain windows of one colour each: what the effects must show through.
  fw::TForm* Backdrop(int left, int width, pg::ColorRef color) {
    auto* f = new fw::TForm(nullptr);
    f->SetBorderStyle(fw::bsNone);
    f->SetBounds(left, 0, width, 738);
    f->SetColor(fw::TColor(color));
    f->Show();
    pump();
    backdrops.emplace_back(f);
    return f;
  }
  void TearDown() override {
    delete form;
    form = nullptr;
    backdrops.clear();
    FrameEffectsIntegration::TearDown();
  }
  pg::Pixel at(int x, int y) { return pg::WindowImage(hwnd()).pixel(x, y) & 0xFFFFFF; }
  std::vector<std::unique_ptr<fw::TForm>> backdrops;
};

TEST_F(EffectsTest, ShadowFadesTowardsItsEdgeOverWhatLiesUnder) {
  Backdrop(0, 1024, Red);
  Make(100, 100, 378, 397, false, [](TTeDefaultForm* f) { f->Shadow()->SetEnabled(true); });
  const int w = frame->FrameWidth(), h = frame->FrameHeight();
  ASSERT_EQ(form->Width(), w + 4);
  ASSERT_EQ(form->Height(), h + 4);
  // Right strip, from the frame outwards, and the bottom strip downwards.
  const int alphas[] = {0x80, 0x60, 0x40, 0x20};
  for (int d = 0; d < 4; ++d) {
    EXPECT_TRUE(Blended(at(w + d, 200), 0x3F3F3F, Rgb(Red), alphas[d])) << "right, " << d;
    EXPECT_TRUE(Blended(at(200, h + d), 0x3F3F3F, Rgb(Red), alphas[d])) << "bottom, " << d;
  }
  // The window's shape holds the shadow, not the corners the offset leaves bare.
  pg::Surface screen = pg::ScreenImage();
  EXPECT_EQ(screen.pixel(100 + w + 2, 100 + 200) & 0xFFFFFF, at(w + 2, 200));
  EXPECT_EQ(screen.pixel(100 + 1, 100 + h + 2) & 0xFFFFFF, Rgb(Red));
  EXPECT_EQ(screen.pixel(100 + w + 2, 100 + 1) & 0xFFFFFF, Rgb(Red));
}

TEST_F(EffectsTest, BlendedBandsShowTheBackgroundAndFollowAMove) {
  Backdrop(0, 512, Red);
  Backdrop(512, 512, Green);
  Make(50, 100, 378, 397);
  const TPoint points[] = {{2, 200}, {150, 10}, {200, 394}};
  pg::Pixel plain[3];
  for (int i = 0; i < 3; ++i) plain[i] = at(points[i].x, points[i].y);
  TRect cb = frame->GetClientBounds();
  pg::Pixel client = at(cb.left + 10, cb.top + 10);

  frame->Blending()->SetValue(100);
  frame->Blending()->SetEnabled(true);
  pump();
  for (int i = 0; i < 3; ++i)
    EXPECT_TRUE(Blended(at(points[i].x, points[i].y), plain[i], Rgb(Red), 100)) << "point " << i;
  EXPECT_EQ(at(cb.left + 10, cb.top + 10), client) << "the client area stays opaque";

  // A small move: what lies under is the backdrop, never the window's old self.
  frame->MoveWindow(5, 0);
  pump();
  EXPECT_TRUE(Blended(at(2, 200), plain[0], Rgb(Red), 100));
  // Over the other backdrop the bands take its colour.
  frame->MoveWindow(550, 0);
  pump();
  for (int i = 0; i < 3; ++i)
    EXPECT_TRUE(Blended(at(points[i].x, points[i].y), plain[i], Rgb(Green), 100)) << "point " << i;
}

// A display that gives its pixels with our windows on them, as an X server's
// root window does.
class ReadingBackend : public pg::HeadlessBackend {
public:
  ReadingBackend() : HeadlessBackend(pg::HeadlessOptions{}) {}
  bool readScreen(const pg::Rect& area, pg::Surface& out) override {
    pg::Surface all = pg::ScreenImage();
    out = pg::Surface(area.width(), area.height());
    for (int y = 0; y < area.height(); ++y)
      for (int x = 0; x < area.width(); ++x) out.setPixel(x, y, all.pixel(area.left + x, area.top + y));
    return true;
  }
};

TEST_F(EffectsTest, ADisplayShowingTheWindowGivesWhatWasUnderItBefore) {
  pg::UseBackend(std::make_unique<ReadingBackend>());
  fw::Application()->Initialize();
  Backdrop(0, 1024, Red);
  Make(100, 100, 378, 397, false, [](TTeDefaultForm* f) { f->Blending()->SetEnabled(true); });
  pg::Pixel before = at(2, 200);
  for (int step = 0; step < 3; ++step) {
    frame->MoveWindow(3, 2);
    pump();
    EXPECT_EQ(at(2, 200), before) << "step " << step;
  }
}

}  // namespace
}  // namespace z5t8::skin::controls::testing
