#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "skin/render/Bitmap.h"
#include "skin/se3/SkinBitmapObjects.h"
#include "skin/se3/SkinFile.h"
#include "tools/skin-tool/Render.h"
#include "tools/skin-tool/SkinSources.h"

namespace z5t8::skin_tool {
namespace {

using namespace skin::se3;
using namespace skin::theme;
using skin::render::teColor;
using skin::render::TteBitmap;

const std::string kAqua = std::string(Z5T8_SOURCE_DIR) + "/resources/skins/Aqua";
constexpr TRect kWindow{0, 0, 370, 400};
const TteWindowButtons kFrameButtons{kwbSysMenu, kwbClose, kwbMin, kwbMax};

TteWindowInfo ActiveWindow(TteWindowButtons buttons) {
  TteWindowInfo info;
  info.Rect = kWindow;
  info.Buttons = buttons;
  info.States.Include(kwdsActive);
  return info;
}

// Our Aqua skin as the window's theme, and a sheet to draw on.
class AquaDispatch : public ::testing::Test {
protected:
  static void SetUpTestSuite() { aqua = ReadSkinSources(kAqua).release(); }
  static void TearDownTestSuite() {
    delete aqua;
    aqua = nullptr;
  }
  AquaDispatch() {
    theme.LoadedSource()->Assign(aqua);
    theme.ResetTheme();
    sheet.SetSize(400, 420);
    Clear();
  }

  void Clear() { sheet.Clear(teColor(0xFF808080)); }
  bool Untouched() const {
    for (int y = 0; y < sheet.Height(); ++y)
      for (int x = 0; x < sheet.Width(); ++x)
        if (sheet.GetPixel(x, y).Rgb() != 0x808080) return false;
    return true;
  }
  TSeSkinObject* Part(const char* path) { return theme.WorkingSource()->GetObjectByName(path); }
  static TteWindowInfo Window(TteWindowButtons buttons) { return ActiveWindow(buttons); }

  static TSeSkinSource* aqua;
  TTeSkinFile theme;
  TteBitmap sheet;
  framework::TCanvas* canvas = sheet.GetCanvas();
};
TSeSkinSource* AquaDispatch::aqua = nullptr;

TEST_F(AquaDispatch, CloseRectangleIsTheCloseObjectLaidOutInTheWindow) {
  TRect close = theme.WindowGetButtonRect(kwscStandard, Window(kFrameButtons), kwbClose, "default");
  EXPECT_EQ(close, theme.CachedObject(kseFormButtonFrame)->FindObjectByName("Close")->GetBoundsRect());
  EXPECT_EQ(close, (TRect{348, 6, 362, 20}));
  EXPECT_EQ(
      theme.WindowGetButtonRect(kwscStandard, Window({kwbSysMenu, kwbMin, kwbMax}), kwbClose, "default"),
      NullRect);
  const TteWindowButtons all = TteWindowButtons::FromBits(0x1FFF);
  for (TteWindowButtonClass c : {kwbHelp, kwbTopmost, kwbTopmostRestore, kwbCustom})
    EXPECT_EQ(theme.WindowGetButtonRect(kwscStandard, Window(all), c, "default"), NullRect) << int(c);
}

TEST_F(AquaDispatch, TitleAndCloseButtonHitTests) {
  TteWindowInfo info = Window(kFrameButtons);
  TRect close = theme.WindowGetButtonRect(kwscStandard, info, kwbClose, "default");
  EXPECT_EQ(theme.WindowGetHitTest(kwscStandard, info, 150, 13, "default"), kwhtCaption);
  EXPECT_EQ(theme.WindowGetHitTest(kwscStandard, info, close.left + 7, close.top + 7, "default"),
            kwhtCloseButton);
  EXPECT_EQ(theme.WindowGetHitTest(kwscStandard, info, 200, 200, "default"), kwhtClient);
  EXPECT_EQ(theme.WindowGetHitTest(kwscStandard, info, 1, 200, "default"), kwhtLeft);
}

TEST_F(AquaDispatch, CaptionButtonStates) {
  TteWindowInfo info = Window(kFrameButtons);
  TRect close = theme.WindowGetButtonRect(kwscStandard, info, kwbClose, "default");
  auto draw = [&](TteWindowButtonDrawState state) {
    theme.WindowDrawButton(kwscStandard, canvas, TteWindowButtonInfo{close, kwbClose, state, nullptr},
                           "default");
    // The lower half of the ball: below its sheen and, unless hot or pressed, without a glyph.
    return sheet.GetPixel(close.left + 7, close.top + 10).Rgb();
  };
  auto channel = [](uint32_t c, int shift) { return int(c >> shift & 0xFF); };
  const uint32_t normal = draw(kwbdsNormal);
  EXPECT_GT(channel(normal, 16), channel(normal, 8) + 60)
      << "red in the active window " << std::hex << normal;
  auto* button = dynamic_cast<TSeSystemButton*>(
      theme.CachedObject(kseFormButtonDrawingFrame)->FindObjectByAction(sbaClose));
  ASSERT_NE(button, nullptr) << "the caption buttons are state-picture buttons";
  // Pressed draws the pressed picture, a darker fill; the state is not kept afterwards.
  EXPECT_NE(draw(kwbdsPressed), normal);
  EXPECT_EQ(button->ButtonState(), sbsNormal);
  // Another window has the focus: the grey picture, #C9CED4 lit from the top.
  const uint32_t inactive = draw(kwbdsInactive);
  EXPECT_FALSE(button->Active());
  for (int shift : {0, 8, 16})
    EXPECT_NEAR(channel(inactive, shift), channel(0xC9CED4, shift), 12) << std::hex << inactive;
  EXPECT_EQ(draw(kwbdsNormal), normal) << "and red again";

  Clear();
  theme.WindowDrawButton(kwscStandard, canvas,
                         TteWindowButtonInfo{{5, 5, 5, 30}, kwbClose, kwbdsPressed, nullptr}, "default");
  EXPECT_TRUE(Untouched());
}

TEST_F(AquaDispatch, CaptionStopsBeforeTheLeftmostButton) {
  TteWindowInfo info = Window(kFrameButtons);
  info.Caption = std::u16string(120, u'W');
  TRect title = theme.WindowGetTitleRect(kwscStandard, info, "default");
  TRect min = theme.WindowGetButtonRect(kwscStandard, info, kwbMin, "default");
  TteWindowInfo empty = info;
  empty.Caption.clear();
  theme.WindowDrawText(kwscStandard, canvas, empty, title, "default");
  TteBitmap before;
  before.Assign(&sheet);
  theme.WindowDrawText(kwscStandard, canvas, info, title, "default");
  int last = -1;
  for (int x = title.left; x < title.right; ++x)
    for (int y = title.top; y < title.bottom; ++y)
      if (before.GetPixel(x, y) != sheet.GetPixel(x, y)) last = x;
  EXPECT_GT(last, min.left - 24);
  EXPECT_LT(last, min.left);
  EXPECT_TRUE(theme.CachedObject(kseForm)->FindObjectByKind(skTitle)->Text().empty());
}

TEST_F(AquaDispatch, ButtonMemoAndScrollParts) {
  TSeSkinObject* face = Part("Button\\Face");
  theme.ButtonDraw(kbscButton, canvas, TteButtonInfo{{0, 0, 178, 41}, kbdsFocusedHot}, "default");
  EXPECT_EQ(face->State(), ssHot);
  theme.ButtonDraw(kbscButton, canvas, TteButtonInfo{{0, 0, 178, 41}, kbdsCheckedHot}, "default");
  EXPECT_EQ(face->State(), ssNormal);
  Clear();
  theme.ButtonDraw(kbscComboButton, canvas, TteButtonInfo{{0, 0, 178, 41}, kbdsNormal}, "default");
  EXPECT_TRUE(Untouched());

  EXPECT_EQ(theme.MemoGetClientRect(kmscMemo, canvas, TteMemoInfo{{0, 0, 368, 273}, kmdsNormal}, "default"),
            (TRect{4, 4, 364, 269}));
  EXPECT_TRUE(theme.IsMemoDefined(kmscMemo, "default"));

  theme.ScrollDrawButton(zqscScrollBar, canvas, ScrollButtonInfo({0, 0, 16, 16}, zqbdsHot, zqbcPageUp),
                         "default");
  EXPECT_TRUE(Untouched());
  theme.ScrollDrawButton(zqscScrollBar, canvas, ScrollButtonInfo({0, 20, 16, 80}, zqbdsHot, zqbcVertSlider),
                         "default");
  EXPECT_EQ(Part("ScrollBar\\VertSlider")->State(), ssHot);
  EXPECT_FALSE(Untouched());

  EXPECT_EQ(theme.CustomColor("NoSuchColour"), framework::clNone);
}

// The preview sheet shows the frame through its region and the caption buttons on it.
TEST(AquaPreview, SheetShowsTheShapedFrameAndItsButtons) {
  skin::se3::TTeSkinFile theme;
  theme.LoadedSource()->Assign(ReadSkinSources(kAqua).get());
  theme.ResetTheme();
  TteBitmap sheet;
  RenderThemeSheet(theme, sheet);
  ASSERT_GT(sheet.Height(), 1000);
  // The first frame sits at (16, 58): its top-left corner pixel is cut away by the
  // region, its close button is the red circle.
  const int fx = 16, fy = 58;
  const uint32_t background = sheet.GetPixel(2, 2).Rgb();
  EXPECT_EQ(sheet.GetPixel(fx, fy).Rgb(), background);
  EXPECT_NE(sheet.GetPixel(fx + 10, fy + 10).Rgb(), background);
  TRect close = theme.WindowGetButtonRect(kwscStandard, ActiveWindow(kFrameButtons), kwbClose, "default");
  const uint32_t centre = sheet.GetPixel(fx + close.left + 7, fy + close.top + 7).Rgb();
  EXPECT_GT(centre >> 16 & 0xFF, (centre >> 8 & 0xFF) + 40) << std::hex << centre;
}

}  // namespace
}  // namespace z5t8::skin_tool
