#include <gtest/gtest.h>

#include <string>

#include "skin/theme/Theme.h"

namespace z5t8::skin::theme {
namespace {

const std::string kDefault = "default";

// A 370 x 400 window: client (4, 22, 366, 396), close button (343, 4, 365, 21).
TteWindowInfo Window(TteWindowButtons buttons) {
  return WindowInfo({0, 0, 370, 400}, {kwdsActive}, NullRect, buttons, u"Caption", false);
}

TEST(ThemeGeometry, ClientAndTitleRectangles) {
  TteTheme theme;
  EXPECT_EQ(theme.WindowGetClientRect(kwscDialog, {10, 20, 110, 220}, kDefault), (TRect{14, 42, 106, 216}));
  // The title starts 3 pixels below the window's own top, whatever its position.
  TteWindowInfo info = WindowInfo({10, 20, 110, 220}, {}, NullRect, {}, u"", false);
  EXPECT_EQ(theme.WindowGetTitleRect(kwscStandard, info, kDefault), (TRect{14, 3, 106, 42}));
}

TEST(ThemeGeometry, ButtonsRunRightToLeftOverThosePresent) {
  TteTheme theme;
  const TRect close{343, 4, 365, 21};
  struct Case {
    TteWindowButtons Buttons;
    TteWindowButtonClass Button;
    int Shift;  // pixels left of the close position, or -1 for no rectangle
  };
  const Case cases[] = {
      {{kwbClose}, kwbClose, 0},
      {{kwbClose, kwbMax, kwbMin}, kwbMin, 44},
      {{kwbClose, kwbMaxRestore, kwbMinRestore}, kwbMinRestore, 44},
      {{kwbMin}, kwbMin, 0},
      {{kwbClose, kwbMin}, kwbMin, 22},
      {{kwbClose, kwbMax, kwbMin, kwbRoll, kwbTray, kwbHelp}, kwbHelp, 110},
      {{kwbClose, kwbRollRestore, kwbTray}, kwbTray, 44},
      {{kwbClose, kwbMax}, kwbMin, -1},
      {{kwbClose, kwbTopmost, kwbCustom}, kwbTopmost, -1},
      {{kwbClose, kwbTopmost, kwbCustom}, kwbCustom, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.Button));
    TRect expected = c.Shift < 0 ? NullRect : close.offset(-c.Shift, 0);
    EXPECT_EQ(theme.WindowGetButtonRect(kwscStandard, Window(c.Buttons), c.Button, kDefault), expected);
  }
  EXPECT_EQ(theme.WindowGetButtonRect(kwscStandard, Window({kwbSysMenu, kwbClose}), kwbSysMenu, kDefault),
            (TRect{4, 4, 26, 21}));
}

TEST(ThemeGeometry, HitTestStripsCornersCaptionAndButtons) {
  TteTheme theme;
  TteWindowInfo info = Window({kwbClose, kwbMax, kwbMin});
  struct Case {
    int X, Y;
    TteWindowHitTest Expected;
  };
  const Case cases[] = {
      {100, 200, kwhtClient},      {1, 200, kwhtLeft},
      {368, 200, kwhtRight},       {100, 398, kwhtBottom},
      {100, 1, kwhtTop},           {1, 1, kwhtTopLeft},
      {368, 1, kwhtTopRight},      {1, 398, kwhtBottomLeft},
      {368, 398, kwhtBottomRight}, {100, 10, kwhtCaption},
      {3, 10, kwhtTopLeft},        {350, 10, kwhtCloseButton},
      {330, 10, kwhtMaxButton},    {300, 10, kwhtMinButton},
      {10, 10, kwhtCaption},  // no system menu: the caption answers where its button would be
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.X << "," << c.Y);
    EXPECT_EQ(theme.WindowGetHitTest(kwscStandard, info, c.X, c.Y, kDefault), c.Expected);
  }
  // The close button answers without a system menu, for every framed subclass.
  for (TteWindowSubclass sc : {kwscStandard, kwscDialog, kwscBorder, kwscToolWindow})
    EXPECT_EQ(theme.WindowGetHitTest(sc, Window({kwbClose}), 350, 10, kDefault), kwhtCloseButton);
  for (TteWindowSubclass sc : {kwscMessage, kwscNoBorder, kwscTextured})
    for (const Case& c : cases) EXPECT_EQ(theme.WindowGetHitTest(sc, info, c.X, c.Y, kDefault), kwhtClient);
}

TEST(ThemeGeometry, CaptionButtonsMapToHitTests) {
  const std::pair<TteWindowButtonClass, TteWindowHitTest> table[] = {
      {kwbSysMenu, kwhtSysMenu},      {kwbClose, kwhtCloseButton},    {kwbHelp, kwhtHelpButton},
      {kwbMin, kwhtMinButton},        {kwbMinRestore, kwhtMinButton}, {kwbMax, kwhtMaxButton},
      {kwbMaxRestore, kwhtMaxButton}, {kwbRoll, kwhtRollButton},      {kwbRollRestore, kwhtRollButton},
      {kwbTray, kwhtTrayButton},      {kwbTopmost, kwhtClient},       {kwbTopmostRestore, kwhtClient},
      {kwbCustom, kwhtClient},
  };
  for (auto [button, hit] : table) EXPECT_EQ(WindowButtonToHitTest(button), hit) << int(button);
}

}  // namespace
}  // namespace z5t8::skin::theme
