#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>

#include "platform/gui/Color.h"
#include "platform/gui/Png.h"
#include "platform/gui/SystemMetrics.h"
#include "platform/gui/testing/XSession.h"

namespace z5t8::framework {
namespace {

namespace pg = platform::gui;

int Count(const pg::Surface& s, const pg::Rect& r, pg::ColorRef c) {
  int n = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) n += pg::colorFromPixel(s.pixel(x, y)) == c;
  return n;
}

// The demo on a screen of its own, as it snapshots itself into a PNG file.
class FrameworkDemoE2e : public ::testing::Test {
protected:
  void SetUp() override {
    if (std::string tool = pg::testing::XSession::MissingTool(screen_); !tool.empty())
      GTEST_SKIP() << tool << " is not installed";
    session_.emplace(screen_);
    ASSERT_TRUE(session_->Started()) << session_->Error();
  }
  // The demo's exit status.
  int Snapshot(const std::string& png, const std::string& options) {
    std::remove(png.c_str());
    return session_->ExitStatus(std::string(Z5T8_BIN_DIR) + "/framework-demo --snapshot " + png + options);
  }

  const pg::testing::XSessionOptions screen_{.width = 1024, .height = 768};
  std::optional<pg::testing::XSession> session_;
};

// The demo in a real X11 window under a virtual X server: its snapshot must
// show the form (memo text on white, progress blocks) and the centred box.
TEST_F(FrameworkDemoE2e, SnapshotUnderXvfbShowsTheFormAndTheMessageBox) {
  std::string png = ::testing::TempDir() + "framework-demo.png";
  ASSERT_EQ(Snapshot(png, ""), 0);
  auto shot = pg::readPngFile(png);
  ASSERT_TRUE(shot);
  ASSERT_EQ(shot->width(), 1024);
  ASSERT_EQ(shot->height(), 768);
  // The form sits at (120, 80); its memo, its progress bar, then the box in the middle.
  pg::Rect memo{130, 110, 480, 380};
  EXPECT_GT(Count(*shot, memo, pg::GetSysColor(pg::COLOR_WINDOW)), 10000);
  EXPECT_GT(Count(*shot, memo, pg::GetSysColor(pg::COLOR_WINDOWTEXT)), 500);
  pg::Rect bar{124, 440, 494, 470};
  EXPECT_GT(Count(*shot, bar, pg::GetSysColor(pg::COLOR_HIGHLIGHT)), 300);
  pg::Rect middle{462, 334, 562, 434};
  EXPECT_GT(Count(*shot, middle, pg::GetSysColor(pg::COLOR_BTNFACE)), 3000);
  // The box's caption band covers the desktop and is drawn active: the light band has
  // the active caption's blue tint (blue 10 or more over red), which the inactive
  // caption's grey never reaches; the dark caption text is left out.
  pg::Rect caption{410, 338, 600, 350};
  EXPECT_EQ(Count(*shot, caption, pg::GetSysColor(pg::COLOR_DESKTOP)), 0);
  int blue = 0;
  for (int y = caption.top; y < caption.bottom; ++y)
    for (int x = caption.left; x < caption.right; ++x) {
      pg::ColorRef c = pg::colorFromPixel(shot->pixel(x, y));
      blue += pg::GetRValue(c) > 0xC0 && pg::GetBValue(c) >= pg::GetRValue(c) + 10;
    }
  EXPECT_GT(blue, 1000);
}

// The system menu the demo opens on its form in a real X11 window: the menu's
// face, its hot second item and its pictures reach the screen over the form.
TEST_F(FrameworkDemoE2e, SystemMenuSnapshotUnderXvfbShowsTheMenuOverTheForm) {
  std::string png = ::testing::TempDir() + "framework-demo-menu.png";
  ASSERT_EQ(Snapshot(png, " --menu"), 0);
  auto shot = pg::readPngFile(png);
  ASSERT_TRUE(shot);
  // The menu opens at the form's client point (40, 60): about (164, 163) on the screen.
  pg::Rect hotItem{190, 186, 360, 202};
  EXPECT_GT(Count(*shot, hotItem, pg::GetSysColor(pg::COLOR_HIGHLIGHT)), 1500);
  pg::Rect otherItems{190, 166, 360, 182};
  EXPECT_GT(Count(*shot, otherItems, pg::GetSysColor(pg::COLOR_MENU)), 1500);
  pg::Rect pictures{166, 166, 186, 270};
  EXPECT_GT(Count(*shot, pictures, pg::RGB(0, 0, 0)), 60);
}

}  // namespace
}  // namespace z5t8::framework
