#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gui/Brush.h"
#include "platform/gui/Color.h"
#include "platform/gui/Font.h"
#include "platform/gui/Geometry.h"
#include "platform/gui/Pen.h"
#include "platform/gui/Raster.h"
#include "platform/gui/Region.h"
#include "platform/gui/Surface.h"

namespace z5t8::platform::gui {

class Icon;

// Background modes.
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

// Binary raster operations of pens and fills (SetROP2).
constexpr int R2_BLACK = 1;
constexpr int R2_NOTMERGEPEN = 2;
constexpr int R2_MASKNOTPEN = 3;
constexpr int R2_NOTCOPYPEN = 4;
constexpr int R2_MASKPENNOT = 5;
constexpr int R2_NOT = 6;
constexpr int R2_XORPEN = 7;
constexpr int R2_NOTMASKPEN = 8;
constexpr int R2_MASKPEN = 9;
constexpr int R2_NOTXORPEN = 10;
constexpr int R2_NOP = 11;
constexpr int R2_MERGENOTPEN = 12;
constexpr int R2_COPYPEN = 13;
constexpr int R2_MERGEPENNOT = 14;
constexpr int R2_MERGEPEN = 15;
constexpr int R2_WHITE = 16;

// Ternary raster operations of blits; any of the 256 codes works.
constexpr uint32_t SRCCOPY = 0x00CC0020;
constexpr uint32_t SRCPAINT = 0x00EE0086;
constexpr uint32_t SRCAND = 0x008800C6;
constexpr uint32_t SRCINVERT = 0x00660046;
constexpr uint32_t SRCERASE = 0x00440328;
constexpr uint32_t NOTSRCCOPY = 0x00330008;
constexpr uint32_t NOTSRCERASE = 0x001100A6;
constexpr uint32_t MERGECOPY = 0x00C000CA;
constexpr uint32_t MERGEPAINT = 0x00BB0226;
constexpr uint32_t PATCOPY = 0x00F00021;
constexpr uint32_t PATPAINT = 0x00FB0A09;
constexpr uint32_t PATINVERT = 0x005A0049;
constexpr uint32_t DSTINVERT = 0x00550009;
constexpr uint32_t BLACKNESS = 0x00000042;
constexpr uint32_t WHITENESS = 0x00FF0062;

// Text alignment of textOut.
constexpr uint32_t TA_LEFT = 0;
constexpr uint32_t TA_RIGHT = 2;
constexpr uint32_t TA_CENTER = 6;
constexpr uint32_t TA_TOP = 0;
constexpr uint32_t TA_BOTTOM = 8;
constexpr uint32_t TA_BASELINE = 24;

// drawText formats.
constexpr uint32_t DT_TOP = 0x0;
constexpr uint32_t DT_LEFT = 0x0;
constexpr uint32_t DT_CENTER = 0x1;
constexpr uint32_t DT_RIGHT = 0x2;
constexpr uint32_t DT_VCENTER = 0x4;
constexpr uint32_t DT_BOTTOM = 0x8;
constexpr uint32_t DT_WORDBREAK = 0x10;
constexpr uint32_t DT_SINGLELINE = 0x20;
constexpr uint32_t DT_NOCLIP = 0x100;
constexpr uint32_t DT_CALCRECT = 0x400;
constexpr uint32_t DT_NOPREFIX = 0x800;
constexpr uint32_t DT_RTLREADING = 0x20000;

// extTextOut options.
constexpr uint32_t ETO_OPAQUE = 0x2;
constexpr uint32_t ETO_CLIPPED = 0x4;

// Icon drawing.
constexpr uint32_t DI_MASK = 1;
constexpr uint32_t DI_IMAGE = 2;
constexpr uint32_t DI_NORMAL = 3;

// deviceCaps indexes.
constexpr int HORZRES = 8;
constexpr int VERTRES = 10;
constexpr int BITSPIXEL = 12;
constexpr int PLANES = 14;
constexpr int NUMCOLORS = 24;
constexpr int LOGPIXELSX = 88;
constexpr int LOGPIXELSY = 90;

// alphaBlend's blend function: the source is premultiplied when alphaFormat is
// AC_SRC_ALPHA; constantAlpha scales it as a whole.
constexpr uint8_t AC_SRC_OVER = 0;
constexpr uint8_t AC_SRC_ALPHA = 1;
struct BlendFunction {
  uint8_t blendOp = AC_SRC_OVER;
  uint8_t blendFlags = 0;
  uint8_t sourceConstantAlpha = 255;
  uint8_t alphaFormat = AC_SRC_ALPHA;
};

// A device context: drawing state over a surface. Memory contexts select a surface
// of their own; window and screen contexts are made over the top-level or screen
// surface with a device offset (where the context's device origin lies on the
// surface) and a base clip region (device coordinates) that clipping by the user
// can only narrow. Coordinates given to drawing calls are logical:
// device = logical - window origin + viewport origin.
class DeviceContext {
public:
  // A memory context with no surface: it draws nothing until one is selected.
  DeviceContext() = default;
  explicit DeviceContext(Surface* surface);
  DeviceContext(Surface* surface, Point deviceOffset, std::optional<Region> baseClip);
  DeviceContext(const DeviceContext&) = delete;
  DeviceContext& operator=(const DeviceContext&) = delete;

  // Returns the surface selected before.
  Surface* selectSurface(Surface* surface);
  // Moves the device origin on the surface and replaces the base clip (device
  // coordinates, as in the constructor); the user clip and the rest of the state
  // stay. Window contexts held across moves and resizes are re-based this way.
  void setDeviceOrigin(Point deviceOffset, std::optional<Region> baseClip);
  Surface* surface() const { return surface_; }
  Point deviceOffset() const { return deviceOffset_; }
  const std::optional<Region>& baseClip() const { return baseClip_; }
  // A context over its own surface (not a window's or the screen's): drawing may
  // then go straight to the surface's memory.
  bool isMemoryContext() const { return memory_; }
  // Every context is a 32-bit, one-plane device at 96 dots per inch.
  int deviceCaps(int index) const;

  // Mapping.
  Point setViewportOrg(int32_t x, int32_t y);
  Point offsetViewportOrg(int32_t dx, int32_t dy);
  Point viewportOrg() const { return state_.viewportOrg; }
  Point setWindowOrg(int32_t x, int32_t y);
  Point offsetWindowOrg(int32_t dx, int32_t dy);
  Point windowOrg() const { return state_.windowOrg; }
  Point lpToDp(Point p) const;
  Point dpToLp(Point p) const;

  // Clipping. Regions given and returned are in device coordinates, rectangles
  // in logical ones. The results are NULLREGION, SIMPLEREGION or COMPLEXREGION
  // (RGN_ERROR on a bad mode).
  int selectClipRgn(const Region* rgn);
  int extSelectClipRgn(const Region* rgn, int mode);
  int intersectClipRect(int32_t left, int32_t top, int32_t right, int32_t bottom);
  int excludeClipRect(int32_t left, int32_t top, int32_t right, int32_t bottom);
  int offsetClipRgn(int32_t dx, int32_t dy);
  // The user clip region, if one is selected.
  std::optional<Region> clipRgn() const { return state_.clip; }
  // The bounds of what can be drawn, logical; (0, 0, 0, 0) when nothing can.
  Rect clipBox() const;
  bool ptVisible(int32_t x, int32_t y) const;
  bool rectVisible(const Rect& r) const;

  // Returns the new level (1 for the first save).
  int saveDC();
  // A positive level restores that saved state, a negative one counts back from the
  // latest (-1 is the latest). Returns false when there is no such state.
  bool restoreDC(int level);

  // Objects and attributes; the setters return the previous value.
  Pen selectPen(const Pen& pen);
  Brush selectBrush(const Brush& brush);
  Font selectFont(const Font& font);
  const Pen& pen() const { return state_.pen; }
  const Brush& brush() const { return state_.brush; }
  const Font& font() const { return state_.font; }
  ColorRef setTextColor(ColorRef c);
  ColorRef textColor() const { return state_.textColor; }
  ColorRef setBkColor(ColorRef c);
  ColorRef bkColor() const { return state_.bkColor; }
  int setBkMode(int mode);
  int bkMode() const { return state_.bkMode; }
  int setROP2(int rop2);
  int rop2() const { return state_.rop2; }
  int setPolyFillMode(int mode);
  int polyFillMode() const { return state_.polyFillMode; }
  uint32_t setTextAlign(uint32_t align);
  uint32_t textAlign() const { return state_.textAlign; }
  // Device coordinates; patterns repeat from here.
  Point setBrushOrg(int32_t x, int32_t y);
  Point currentPosition() const { return state_.penPos; }

  // Pixels. getPixel gives CLR_INVALID outside the clip; setPixel returns the
  // colour set, or CLR_INVALID when the pixel is clipped.
  ColorRef getPixel(int32_t x, int32_t y) const;
  ColorRef setPixel(int32_t x, int32_t y, ColorRef c);

  // Filled shapes: interiors with the brush, outlines with the pen, right and
  // bottom edges excluded.
  void fillRect(const Rect& r, const Brush& brush);
  void frameRect(const Rect& r, const Brush& brush);
  void invertRect(const Rect& r);
  // The dotted XOR rectangle of keyboard focus; drawing it twice removes it.
  void drawFocusRect(const Rect& r);
  void patBlt(int32_t x, int32_t y, int32_t w, int32_t h, uint32_t rop);
  void rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom);
  void ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom);
  void roundRect(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t cornerWidth,
                 int32_t cornerHeight);
  void polygon(std::span<const Point> points);
  // Region in logical coordinates.
  void fillRgn(const Region& rgn, const Brush& brush);
  void paintRgn(const Region& rgn);
  void frameRgn(const Region& rgn, const Brush& brush, int32_t w, int32_t h);

  // Lines with the pen; the end point is not drawn.
  Point moveTo(int32_t x, int32_t y);
  void lineTo(int32_t x, int32_t y);
  void polyline(std::span<const Point> points);

  // Blits. The source's clip does not apply; source pixels outside its surface read
  // as 0. stretchBlt scales to the nearest pixel; negative sizes mirror.
  void bitBlt(int32_t x, int32_t y, int32_t w, int32_t h, const DeviceContext& src, int32_t sx, int32_t sy,
              uint32_t rop = SRCCOPY);
  void stretchBlt(int32_t x, int32_t y, int32_t w, int32_t h, const DeviceContext& src, int32_t sx,
                  int32_t sy, int32_t sw, int32_t sh, uint32_t rop = SRCCOPY);
  // Leaves out source pixels whose colour equals the key (alpha ignored).
  void transparentBlt(int32_t x, int32_t y, int32_t w, int32_t h, const DeviceContext& src, int32_t sx,
                      int32_t sy, int32_t sw, int32_t sh, ColorRef key);
  void alphaBlend(int32_t x, int32_t y, int32_t w, int32_t h, const DeviceContext& src, int32_t sx,
                  int32_t sy, int32_t sw, int32_t sh, BlendFunction blend);
  // Reads a logical rectangle of this context into `out` (resized to fit), ignoring
  // the clip; pixels outside the surface read as 0.
  void readPixels(const Rect& r, Surface& out) const;

  // Text with the selected font, text colour and background mode.
  Size textExtent(std::u16string_view text) const;
  TextMetric textMetrics() const;
  void textOut(int32_t x, int32_t y, std::u16string_view text);
  // ETO_OPAQUE fills r with the background colour first, ETO_CLIPPED clips to r.
  void extTextOut(int32_t x, int32_t y, uint32_t options, const Rect* r, std::u16string_view text);
  // How many UTF-16 units of the text fit in maxExtent pixels; partialExtents (if
  // given) receives the width up to and including each unit (both units of a
  // surrogate pair get the pair's end).
  int textExtentEx(std::u16string_view text, int32_t maxExtent, std::vector<int32_t>* partialExtents) const;
  // Returns the height of the text; with DT_CALCRECT sets r's right and bottom to
  // the text's extent and draws nothing. DT_VCENTER and DT_BOTTOM act only with
  // DT_SINGLELINE, and then the result is the distance from r.top to the bottom
  // of the text.
  int drawText(std::u16string_view text, Rect& r, uint32_t format);

  // Icons at (x, y), stretched to cx by cy (0 takes the icon's own size).
  void drawIconEx(int32_t x, int32_t y, const Icon& icon, int32_t cx = 0, int32_t cy = 0,
                  uint32_t flags = DI_NORMAL);

private:
  struct State {
    Point viewportOrg;
    Point windowOrg;
    std::optional<Region> clip;
    Pen pen;
    Brush brush;
    Font font;
    ColorRef textColor = 0;
    ColorRef bkColor = 0x00FFFFFF;
    int bkMode = OPAQUE;
    int rop2 = R2_COPYPEN;
    int polyFillMode = ALTERNATE;
    uint32_t textAlign = TA_LEFT | TA_TOP;
    Point brushOrg;
    Point penPos;
  };

  // Logical to surface coordinates.
  int32_t sx(int32_t x) const {
    return clampToInt32(int64_t(x) - state_.windowOrg.x + state_.viewportOrg.x + deviceOffset_.x);
  }
  int32_t sy(int32_t y) const {
    return clampToInt32(int64_t(y) - state_.windowOrg.y + state_.viewportOrg.y + deviceOffset_.y);
  }
  Rect toSurface(const Rect& logical) const;
  // The whole device area in device coordinates: what "no user clip" means.
  Region deviceArea() const;
  void updateEffectiveClip();
  int setUserClip(std::optional<Region> clip);
  bool visible(int32_t x, int32_t y) const;

  // What a fill writes: a solid pixel or a brush pattern, through a ROP2 code.
  struct Ink {
    Pixel solid = 0;
    const BrushPattern* pattern = nullptr;
    Point origin;
    int rop2 = R2_COPYPEN;
  };
  Ink brushInk(const Brush& brush) const;
  Ink penInk() const;
  // Surface coordinates, clipped here.
  void paintRect(const Rect& r, const Ink& ink);
  void paintSpans(std::span<const Span> spans, const Ink& ink);
  void paintSurfaceRegion(const Region& rgn, const Ink& ink);
  void plot(int32_t x, int32_t y, const Ink& ink);
  void drawLine(Point from, Point to);
  void drawShape(const std::vector<Span>& shape);
  enum class BlitKind { Rop, Transparent, Alpha };
  void blit(Rect dst, const DeviceContext& src, Rect srcRect, BlitKind kind, uint32_t arg,
            BlendFunction blend);
  // Draws code points with the baseline starting at (x, y) in surface coordinates,
  // along the font's escapement; `underlined` marks single characters to underline
  // (may be empty). Clipped to the effective clip and, when given, to `clip`.
  void drawRun(int32_t x, int32_t y, std::u32string_view text, const std::vector<bool>& underlined,
               const Rect* clip);

  Surface* surface_ = nullptr;
  bool memory_ = true;
  Point deviceOffset_;
  std::optional<Region> baseClip_;
  // The clip in surface coordinates: base and user clip and the surface bounds.
  Region effectiveClip_;
  State state_;
  std::vector<State> saved_;
};

}  // namespace z5t8::platform::gui
