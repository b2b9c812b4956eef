#include "tools/aqua-art/Review.h"

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "platform/gui/Png.h"
#include "platform/gui/Surface.h"

namespace z5t8::tools::aqua_art {

namespace {

using z5t8::platform::gui::Surface;

// ---- review sheet: the pieces put together the way the skin uses them ----

class Review {
public:
  Review(const std::string& dir, int w, int h) : FDir(dir), FOut(w, h) {
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) FOut.setPixel(x, y, ((x / 8 + y / 8) % 2 ? 0xFF9AA0A6u : 0xFF8A9096u));
  }

  // Source rectangle (sx, sy, sw, sh) of a picture stretched into (dx, dy, dw, dh),
  // nearest pixel, with the key colour left out and alpha blended.
  void Stretch(const std::string& name, int sx, int sy, int sw, int sh, int dx, int dy, int dw, int dh) {
    const Surface& src = Load(name);
    for (int y = 0; y < dh; ++y)
      for (int x = 0; x < dw; ++x) {
        uint32_t p = src.pixel(sx + x * sw / dw, sy + y * sh / dh);
        if ((p & 0xFFFFFF) == 0x7F007F) continue;
        Blend(dx + x, dy + y, p);
      }
  }

  // Nine-slice with margins (l, t, r, b) of a source cell.
  void Nine(const std::string& name, int sx, int sy, int sw, int sh, int l, int t, int r, int b, int dx,
            int dy, int dw, int dh) {
    const int xs[] = {0, l, sw - r, sw}, ys[] = {0, t, sh - b, sh};
    const int xd[] = {0, l, dw - r, dw}, yd[] = {0, t, dh - b, dh};
    for (int j = 0; j < 3; ++j)
      for (int i = 0; i < 3; ++i)
        if (xs[i + 1] > xs[i] && ys[j + 1] > ys[j] && xd[i + 1] > xd[i] && yd[j + 1] > yd[j])
          Stretch(name, sx + xs[i], sy + ys[j], xs[i + 1] - xs[i], ys[j + 1] - ys[j], dx + xd[i], dy + yd[j],
                  xd[i + 1] - xd[i], yd[j + 1] - yd[j]);
  }

  // A picture at its own size, and blown up by zoom beside it.
  void Show(const std::string& name, int dx, int dy, int zoom) {
    const Surface& src = Load(name);
    Stretch(name, 0, 0, src.width(), src.height(), dx, dy, src.width(), src.height());
    Stretch(name, 0, 0, src.width(), src.height(), dx + src.width() + 4, dy, src.width() * zoom,
            src.height() * zoom);
  }

  // A part of the sheet itself blown up, to look at joins and corners.
  void Magnify(int sx, int sy, int sw, int sh, int dx, int dy, int zoom) {
    Surface copy = FOut;
    for (int y = 0; y < sh * zoom; ++y)
      for (int x = 0; x < sw * zoom; ++x)
        FOut.setPixel(dx + x, dy + y, copy.pixel(sx + x / zoom, sy + y / zoom));
  }

  int Width(const std::string& name) { return Load(name).width(); }
  int Height(const std::string& name) { return Load(name).height(); }
  bool Save(const std::string& path) { return z5t8::platform::gui::writePngFile(FOut, path, false); }

private:
  const Surface& Load(const std::string& name) {
    for (auto& [n, s] : FCache)
      if (n == name) return s;
    auto s = z5t8::platform::gui::readPngFile(FDir + "/" + name);
    FCache.emplace_back(name, s ? *s : Surface());
    return FCache.back().second;
  }

  void Blend(int x, int y, uint32_t p) {
    uint32_t a = p >> 24, d = FOut.pixel(x, y);
    auto ch = [&](int shift) {
      return ((p >> shift & 0xFF) * a + (d >> shift & 0xFF) * (255 - a) + 127) / 255 << shift;
    };
    FOut.setPixel(x, y, 0xFF000000u | ch(16) | ch(8) | ch(0));
  }

  std::string FDir;
  Surface FOut;
  std::vector<std::pair<std::string, Surface>> FCache;
};

void Window(Review& r, const std::string& prefix, int x, int y, int w, int h, int title, bool active) {
  const int c = active ? 0 : 1;
  const int corner = 8, border = 4;
  auto piece = [&](const std::string& name, int cw, int ch, int dx, int dy, int dw, int dh) {
    r.Stretch(prefix + "-" + name + ".png", c * cw, 0, cw, ch, dx, dy, dw, dh);
  };
  piece("top-left", corner, title, x, y, corner, title);
  piece("top", 4, title, x + corner, y, w - 2 * corner, title);
  piece("top-right", corner, title, x + w - corner, y, corner, title);
  piece("left", border, 4, x, y + title, border, h - title - border);
  piece("right", border, 4, x + w - border, y + title, border, h - title - border);
  piece("bottom-left", border, border, x, y + h - border, border, border);
  piece("bottom", 4, border, x + border, y + h - border, w - 2 * border, border);
  piece("bottom-right", border, border, x + w - border, y + h - border, border, border);
  for (int yy = y + title; yy < y + h - border; ++yy)
    r.Stretch("panel-frame.png", 4, 4, 1, 1, x + border, yy, w - 2 * border, 1);
}

}  // namespace

void MakeReview(const std::string& dir, const std::string& out) {
  Review r(dir, 1700, 1000);
  // The main window's frame at its real size, active, and an inactive tool window.
  Window(r, "form", 10, 10, 378, 400, 26, true);
  const int top = 10 + 6, right = 10 + 378 - 8;
  const char* buttons[] = {"caption-close.png", "caption-max.png", "caption-min.png"};
  for (int i = 0; i < 3; ++i) r.Stretch(buttons[i], 0, 0, 14, 14, right - 14 - i * 20, top, 14, 14);
  Window(r, "toolwindow", 400, 10, 200, 120, 20, false);
  r.Stretch("caption-close.png", 42, 0, 14, 14, 400 + 200 - 8 - 14, 10 + 3, 14, 14);
  // Push buttons at the window's two sizes, in every state.
  for (int s = 0; s < 5; ++s) {
    r.Nine("button-face.png", s * 24, 0, 24, 24, 8, 8, 8, 8, 30, 60 + s * 48, 178, 41);
    r.Nine("button-face.png", s * 24, 0, 24, 24, 8, 8, 8, 8, 220, 68 + s * 48, 75, 25);
  }
  // A memo with its scroll bar: arrows, track and thumb with its grip.
  r.Nine("edit-frame.png", 0, 0, 12, 12, 2, 2, 1, 1, 30, 310, 300, 90);
  r.Stretch("scroll-up.png", 0, 0, 16, 16, 313, 311, 16, 16);
  r.Stretch("scroll-track-vert.png", 0, 0, 16, 16, 313, 327, 16, 56);
  r.Stretch("scroll-down.png", 32, 0, 16, 16, 313, 383, 16, 16);
  r.Nine("scroll-thumb-vert.png", 16, 0, 16, 24, 0, 8, 0, 8, 313, 335, 16, 40);
  r.Stretch("scroll-grip-vert.png", 0, 0, 8, 6, 317, 352, 8, 6);
  r.Nine("scroll-thumb-horz.png", 0, 0, 24, 16, 8, 0, 8, 0, 30, 380, 90, 16);
  r.Stretch("scroll-grip-horz.png", 0, 0, 6, 8, 72, 384, 6, 8);
  // Every picture, at its size and four times.
  const char* all[] = {"caption-close.png",
                       "caption-min.png",
                       "caption-max.png",
                       "caption-restore.png",
                       "caption-rollup.png",
                       "caption-rolldown.png",
                       "button-face.png",
                       "spin-face.png",
                       "scroll-up.png",
                       "scroll-down.png",
                       "scroll-left.png",
                       "scroll-right.png",
                       "scroll-thumb-vert.png",
                       "scroll-thumb-horz.png",
                       "check-unchecked.png",
                       "check-checked.png",
                       "check-mixed.png",
                       "radio-unchecked.png",
                       "radio-checked.png",
                       "combo-button.png",
                       "track-thumb-horz.png",
                       "track-thumb-vert.png",
                       "tab.png",
                       "item-highlight.png",
                       "header-section.png",
                       "statusbar-gripper.png",
                       "progress-bar-horz.png",
                       "progress-frame-horz.png",
                       "groupbox-frame.png",
                       "hint-frame.png",
                       "edit-frame.png",
                       "track-groove-horz.png",
                       "scroll-grip-vert.png"};
  int x = 620, y = 10, column = 0;
  for (const char* name : all) {
    int w = r.Width(name) * 5 + 12, h = r.Height(name) * 4 + 6;
    if (y + h > 990) {
      y = 10;
      x += column;
      column = 0;
    }
    r.Show(name, x, y, 4);
    y += h;
    column = std::max(column, w);
  }
  // The window's top corners and a caption button, six times.
  r.Magnify(10, 10, 40, 30, 10, 560, 6);
  r.Magnify(338, 10, 50, 30, 260, 560, 6);
  r.Magnify(30, 60, 30, 45, 10, 760, 5);
  r.Save(out);
}

}  // namespace z5t8::tools::aqua_art
