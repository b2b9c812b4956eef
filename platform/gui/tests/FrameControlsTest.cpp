#include <gtest/gtest.h>

#include "platform/gui/FrameControls.h"
#include "platform/gui/SystemMetrics.h"

namespace z5t8::platform::gui {
namespace {

ColorRef at(const Surface& s, int x, int y) { return colorFromPixel(s.pixel(x, y)); }

TEST(FrameControls, EdgesUseTheClassicBevelColours) {
  struct Case {
    UINT edge;
    int outerTopLeft, innerTopLeft, innerBottomRight, outerBottomRight;
  } cases[] = {
      {EDGE_RAISED, COLOR_3DLIGHT, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW, COLOR_3DDKSHADOW},
      {EDGE_SUNKEN, COLOR_BTNSHADOW, COLOR_3DDKSHADOW, COLOR_3DLIGHT, COLOR_BTNHIGHLIGHT},
      {EDGE_ETCHED, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT},
  };
  for (const Case& k : cases) {
    Surface s(10, 10);
    s.fill(0x00123456);
    DeviceContext dc(&s);
    Rect r{0, 0, 10, 10};
    ASSERT_TRUE(DrawEdge(dc, &r, k.edge, BF_RECT | BF_ADJUST | BF_MIDDLE));
    EXPECT_EQ(r, (Rect{2, 2, 8, 8})) << k.edge;
    EXPECT_EQ(at(s, 0, 0), GetSysColor(k.outerTopLeft)) << k.edge;
    EXPECT_EQ(at(s, 1, 1), GetSysColor(k.innerTopLeft)) << k.edge;
    EXPECT_EQ(at(s, 8, 8), GetSysColor(k.innerBottomRight)) << k.edge;
    EXPECT_EQ(at(s, 9, 9), GetSysColor(k.outerBottomRight)) << k.edge;
    EXPECT_EQ(at(s, 5, 5), GetSysColor(COLOR_BTNFACE)) << k.edge;
  }
}

TEST(FrameControls, ArrowsPointTheirWayAndPushedFacesShift) {
  // The darkest pixel rows or columns of an arrow glyph show where it points.
  auto glyphSpan = [](const Surface& s, bool vertical, int line) {
    int n = 0;
    for (int i = 0; i < 16; ++i) {
      ColorRef c = vertical ? at(s, i, line) : at(s, line, i);
      if (c == GetSysColor(COLOR_BTNTEXT)) ++n;
    }
    return n;
  };
  struct Case {
    UINT kind;
    bool vertical;
    int narrowLine, wideLine;
  } cases[] = {
      {DFCS_SCROLLUP, true, 6, 9},
      {DFCS_SCROLLDOWN, true, 9, 6},
      {DFCS_SCROLLLEFT, false, 6, 9},
      {DFCS_SCROLLRIGHT, false, 9, 6},
  };
  for (const Case& k : cases) {
    Surface s(16, 16);
    DeviceContext dc(&s);
    Rect r{0, 0, 16, 16};
    ASSERT_TRUE(DrawFrameControl(dc, &r, DFC_SCROLL, k.kind));
    EXPECT_EQ(glyphSpan(s, k.vertical, k.narrowLine), 1) << k.kind;
    EXPECT_EQ(glyphSpan(s, k.vertical, k.wideLine), 7) << k.kind;
    Surface pushed(16, 16);
    DeviceContext pdc(&pushed);
    DrawFrameControl(pdc, &r, DFC_SCROLL, k.kind | DFCS_PUSHED);
    EXPECT_EQ(glyphSpan(pushed, k.vertical, k.wideLine + 1), 7) << "pushed glyphs move one pixel";
    EXPECT_EQ(at(pushed, 0, 0), GetSysColor(COLOR_BTNSHADOW));
  }
  Surface s(16, 16);
  DeviceContext dc(&s);
  Rect r{0, 0, 16, 16};
  DrawFrameControl(dc, &r, DFC_SCROLL, DFCS_SCROLLUP | DFCS_INACTIVE);
  EXPECT_EQ(glyphSpan(s, true, 9), 0) << "an inactive glyph is embossed, not black";
  EXPECT_FALSE(DrawFrameControl(dc, &r, 99, 0));
}

}  // namespace
}  // namespace z5t8::platform::gui
