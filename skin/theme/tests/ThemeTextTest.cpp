#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "platform/gui/DeviceContext.h"
#include "skin/render/BitmapDrawing.h"
#include "skin/render/CanvasDrawing.h"
#include "skin/theme/Theme.h"

namespace z5t8::skin::theme {
namespace {

namespace gui = platform::gui;
using render::TteBitmap;

// A white sheet with a black 8-point font.
struct TSheet {
  TteBitmap Bitmap;
  TSheet() {
    Bitmap.SetSize(200, 120);
    Bitmap.Clear(0xFFFFFFFFu);
    framework::TCanvas* c = Bitmap.GetCanvas();
    c->Font()->SetName("Tahoma");
    c->Font()->SetSize(8);
    c->Font()->SetColor(framework::clBlack);
  }
  framework::TCanvas* Canvas() { return Bitmap.GetCanvas(); }
  bool SameAs(const TSheet& other) const {
    for (int y = 0; y < 120; ++y)
      for (int x = 0; x < 200; ++x)
        if (Bitmap.GetPixel(x, y) != other.Bitmap.GetPixel(x, y)) return false;
    return true;
  }
  bool Inked() const {
    for (int y = 0; y < 120; ++y)
      for (int x = 0; x < 200; ++x)
        if ((uint32_t(Bitmap.GetPixel(x, y)) & 0xFFFFFF) != 0xFFFFFF) return true;
    return false;
  }
};

int Half(int v) { return int(std::trunc(v / 2.0)); }

TEST(ThemeText, AlignsByOffsettingTheMeasuredText) {
  const std::u16string text = u"Download firmware";
  TSheet probe;
  TRect extent{0, 0, 1000, 1000};
  render::DrawText(probe.Canvas(), text, extent, gui::DT_SINGLELINE | gui::DT_CALCRECT);
  const int w = extent.right, h = extent.bottom;
  ASSERT_GT(w, 20);
  ASSERT_GT(h, 5);

  // Rectangles wider and narrower than the text, with odd leftovers either way, so that
  // halves truncated toward zero differ from halves rounded down.
  const TRect rects[] = {{20, 30, 20 + w + 41, 30 + h + 13}, {60, 40, 60 + w - 23, 40 + h - 5}};
  for (const TRect& r : rects) {
    const int W = r.right - r.left, H = r.bottom - r.top;
    for (int a = 0; a <= ktxaBottomRight; ++a) {
      SCOPED_TRACE(testing::Message() << "align " << a << " width " << W);
      int column = a / 3, row = a % 3;
      int dx = column == 0 ? 0 : column == 1 ? Half(W - w) : W - w;
      int dy = row == 0 ? 0 : row == 1 ? Half(H - h) : H - h;
      TSheet themed, expected;
      TteTheme theme;
      theme.DrawThemeText(themed.Canvas(),
                          TextInfo(r, text, TteTextAlign(a), {ktxsSingleLine}, ktxoHorizontal));
      // Top-left is drawn into the rectangle itself; every other alignment into the
      // measured extent moved by the offsets.
      TRect box = a == ktxaTopLeft ? r : gui::rectFromSize(r.left + dx, r.top + dy, w, h);
      render::DrawText(expected.Canvas(), text, box, gui::DT_SINGLELINE);
      EXPECT_TRUE(themed.Inked());
      EXPECT_TRUE(themed.SameAs(expected));
    }
  }
}

TEST(ThemeText, RightToLeftMirrorsTheLeftColumn) {
  const std::u16string text = u"Caption";
  const TRect r{10, 10, 190, 60};
  for (auto [given, mirrored] :
       {std::pair{ktxaTopLeft, ktxaTopRight}, std::pair{ktxaMiddleLeft, ktxaMiddleRight},
        std::pair{ktxaBottomLeft, ktxaBottomRight}, std::pair{ktxaTopCenter, ktxaTopCenter}}) {
    TSheet rtl, plain;
    TteTheme theme;
    theme.DrawThemeText(rtl.Canvas(),
                        TextInfo(r, text, given, {ktxsRTLReading, ktxsSingleLine}, ktxoHorizontal));
    theme.DrawThemeText(plain.Canvas(),
                        TextInfo(r, text, mirrored, {ktxsRTLReading, ktxsSingleLine}, ktxoHorizontal));
    EXPECT_TRUE(rtl.SameAs(plain)) << int(given);
  }
}

TEST(ThemeText, VerticalTextCentresTheTurnedExtent) {
  const std::u16string text = u"Vertical";
  const TRect r{40, 5, 70, 115};
  TSheet probe;
  TRect extent = r;
  render::DrawText(probe.Canvas(), text, extent, gui::DT_CALCRECT);
  const int w = extent.right - extent.left, h = extent.bottom - extent.top;
  for (bool top : {true, false}) {
    TSheet themed, expected;
    TteTheme theme;
    theme.DrawThemeText(themed.Canvas(),
                        TextInfo(r, text, ktxaMiddleCenter, {}, top ? ktxoVerticalTop : ktxoVerticalBottom));
    TRect box = gui::rectFromSize(r.left + Half(30 - h), r.top + Half(110 - w) - 2, h, w + 4);
    render::DrawVerticalText(expected.Canvas(), text, box, 0, top);
    EXPECT_TRUE(themed.Inked());
    EXPECT_TRUE(themed.SameAs(expected)) << top;
  }
}

TEST(ThemeText, TextInfoFromDrawingFlags) {
  struct Case {
    uint32_t Flags;
    TteTextAlign Align;
  };
  const Case cases[] = {
      {0, ktxaTopLeft},
      {gui::DT_VCENTER, ktxaMiddleLeft},
      {gui::DT_BOTTOM, ktxaBottomLeft},
      {gui::DT_VCENTER | gui::DT_BOTTOM, ktxaMiddleLeft},
      {gui::DT_CENTER, ktxaTopCenter},
      {gui::DT_CENTER | gui::DT_VCENTER | gui::DT_SINGLELINE, ktxaMiddleCenter},
      {gui::DT_CENTER | gui::DT_BOTTOM, ktxaBottomCenter},
      {gui::DT_RIGHT, ktxaTopRight},
      {gui::DT_RIGHT | gui::DT_CENTER, ktxaTopCenter},
      {gui::DT_RIGHT | gui::DT_VCENTER, ktxaMiddleRight},
      {gui::DT_RIGHT | gui::DT_BOTTOM, ktxaBottomRight},
  };
  for (const Case& c : cases) EXPECT_EQ(TextInfo({}, u"", c.Flags).Align, c.Align) << c.Flags;

  TteTextInfo info =
      TextInfo({1, 2, 3, 4}, u"x", 37 | gui::DT_RTLREADING | gui::DT_NOPREFIX | gui::DT_WORDBREAK);
  EXPECT_EQ(info.Rect, (TRect{1, 2, 3, 4}));
  EXPECT_EQ(info.Text, u"x");
  EXPECT_EQ(info.Style, (TteTextStyles{ktxsRTLReading, ktxsNoPrefix, ktxsWordBreak, ktxsSingleLine}));
  EXPECT_EQ(info.Orientation, ktxoHorizontal);
  EXPECT_TRUE(TextInfo({}, u"", 0).Style.Empty());
}

}  // namespace
}  // namespace z5t8::skin::theme
