// aqua-art OUT_DIR: draws every picture of the Aqua skin into OUT_DIR as PNG files.
//
// Each pixel is the average of 16 x 16 point samples, so curves and glyphs come out smooth
// without any scaling. Frame pictures are keyed: what lies outside the rounded corners is
// the key colour, because the window region is cut from them and a region has no partial
// pixels. Every other picture carries alpha.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "platform/gui/Png.h"
#include "platform/gui/Surface.h"

#include "tools/aqua-art/Review.h"
#include "tools/aqua-art/Sampling.h"

namespace {

using namespace z5t8::tools::aqua_art;

// ---- palette ----

struct FramePalette {
  Rgba light, dark, edge, inner;
};
const FramePalette kActiveFrame{Hex(0xF4F7FB), Hex(0xD3DDE8), Hex(0x8C9DB0), Hex(0xB3C1D0)};
const FramePalette kInactiveFrame{Hex(0xF3F4F5), Hex(0xDFE2E5), Hex(0xB5BDC5), Hex(0xCBD0D6)};
const Rgba kWindow = Hex(0xE8EDF2);
const Rgba kWhite = Hex(0xFFFFFF);
const Rgba kClear{};
const Rgba kAccent = Hex(0x3D7BD9);
const Rgba kAccentLight = Hex(0x9CC3F5);
const Rgba kDisabledFill = Hex(0xF1F3F5);
const Rgba kDisabledText = Hex(0x9AA4AE);
const Rgba kDisabledBorder = Hex(0xC7CDD4);

// ---- the window frame ----

// A whole small window, from which the frame pieces are cut, so that the pieces meet
// without seams: title band of titleHeight, borders of 4, top corners of radius 7.
constexpr int kFrameSize = 64;
constexpr int kBorder = 4;
constexpr double kCornerRadius = 7;

Rgba FrameSample(double x, double y, int titleHeight, const FramePalette& p) {
  const Box outer{0, 0, kFrameSize, kFrameSize};
  if (!InRound(x, y, outer, kCornerRadius, true)) return kClear;
  if (!InRound(x, y, outer.Inset(1), kCornerRadius - 1, true)) return p.edge;
  const double inner = kFrameSize - kBorder;
  if (y < titleHeight) {
    Rgba c = Mix(p.light, p.dark, (y - 1) / (titleHeight - 2));
    // The highlight follows the top edge round the corners and fades down the sides.
    if (!InRound(x, y, outer.Inset(2), kCornerRadius - 2, true)) {
      double cx = std::clamp(x, kCornerRadius, kFrameSize - kCornerRadius);
      double cy = kCornerRadius;
      double len = std::hypot(x - cx, y - cy);
      double up = len > 0 ? (cy - y) / len : 1;
      if (y < cy) c = Over(Alpha(kWhite, 0.8 * std::clamp(up * 1.4, 0.0, 1.0)), c);
    }
    if (y >= titleHeight - 1 && x >= kBorder - 1 && x < inner + 1) c = p.inner;
    return c;
  }
  bool inClient = x >= kBorder && x < inner && y >= titleHeight && y < inner;
  if (inClient) return kWindow;
  bool innerLine = (x >= kBorder - 1 && x < kBorder && y < inner + 1) ||
                   (x >= inner && x < inner + 1 && y < inner + 1) ||
                   (y >= inner && y < inner + 1 && x >= kBorder - 1 && x < inner + 1);
  return innerLine ? p.inner : p.dark;
}

struct Piece {
  const char* name;
  int x, y, w, h;  // in the whole window; y counted from the bottom when negative
};

void FramePieces(const std::string& dir, const std::string& prefix, int titleHeight) {
  const int cornerWidth = 8;
  const Piece pieces[] = {
      {"top-left", 0, 0, cornerWidth, titleHeight},
      {"top", 28, 0, 4, titleHeight},
      {"top-right", kFrameSize - cornerWidth, 0, cornerWidth, titleHeight},
      {"left", 0, 40, kBorder, 4},
      {"right", kFrameSize - kBorder, 40, kBorder, 4},
      {"bottom-left", 0, kFrameSize - kBorder, kBorder, kBorder},
      {"bottom", 28, kFrameSize - kBorder, 4, kBorder},
      {"bottom-right", kFrameSize - kBorder, kFrameSize - kBorder, kBorder, kBorder},
  };
  for (const Piece& piece : pieces) {
    Sheet sheet(piece.w, piece.h, 2, true);
    int i = 0;
    for (const FramePalette* p : {&kActiveFrame, &kInactiveFrame})
      sheet.Cell(i++,
                 [&](double x, double y) { return FrameSample(x + piece.x, y + piece.y, titleHeight, *p); });
    sheet.Save(dir + "/" + prefix + "-" + piece.name + ".png");
  }
}

// ---- caption buttons ----

enum class Glyph { Close, Min, Max, Restore, RollUp, RollDown };

bool GlyphAt(Glyph g, double x, double y) {
  const double w = 1.6;
  switch (g) {
    case Glyph::Close:
      return OnSegment(x, y, 4.7, 4.7, 9.3, 9.3, w) || OnSegment(x, y, 9.3, 4.7, 4.7, 9.3, w);
    case Glyph::Min:
      return OnSegment(x, y, 4.2, 7, 9.8, 7, w);
    case Glyph::Max:
      return OnSegment(x, y, 4.2, 7, 9.8, 7, w) || OnSegment(x, y, 7, 4.2, 7, 9.8, w);
    case Glyph::Restore: {
      // Two overlapping frames: the back one shows only where the front one does not cover it.
      // On whole pixels, so the thin lines stay crisp at this size.
      Box back{6, 4, 11, 9}, front{4, 6, 9, 11};
      auto frame = [&](Box b) { return InRound(x, y, b, 0) && !InRound(x, y, b.Inset(1), 0); };
      return frame(front) || (frame(back) && !InRound(x, y, front, 0));
    }
    case Glyph::RollUp:
      return InTriangle(x, y, 7, 4.3, 10.4, 9.2, 3.6, 9.2);
    case Glyph::RollDown:
      return InTriangle(x, y, 3.6, 4.8, 10.4, 4.8, 7, 9.7);
  }
  return false;
}

// Normal, hover (glyph shown), down (darker, glyph shown), and the grey ball of an
// inactive window, so that only the window with the focus shows colour.
const Rgba kInactiveButton = Hex(0xC9CED4);
const Rgba kInactiveButtonRim = Hex(0xAEB5BD);

void CaptionButton(const std::string& path, Glyph glyph, Rgba fill) {
  const double size = 14, r = 7;
  Sheet sheet(int(size), int(size), 4, false);
  for (int state = 0; state < 4; ++state) {
    const bool inactive = state == 3;
    Rgba base = inactive ? kInactiveButton : state == 2 ? Scale(fill, 0.85) : fill;
    Rgba rim = inactive ? kInactiveButtonRim : Scale(fill, 0.75);
    sheet.Cell(state, [&](double x, double y) {
      if (!InCircle(x, y, r, r, r)) return kClear;
      if (!InCircle(x, y, r, r, r - 1)) return rim;
      Rgba c = Mix(Mix(base, kWhite, state == 2 ? 0.25 : inactive ? 0.3 : 0.45), base, (y - 1) / 12);
      // A soft sheen across the upper part of the ball.
      double ex = (x - r) / 4.4, ey = (y - 4.2) / 2.6;
      if (ex * ex + ey * ey <= 1) c = Over(Alpha(kWhite, state == 2 ? 0.18 : inactive ? 0.25 : 0.35), c);
      if ((state == 1 || state == 2) && GlyphAt(glyph, x, y)) c = Over(Hex(0x3A1410, 0.6), c);
      return c;
    });
  }
  sheet.Save(path);
}

// ---- push buttons and faces ----

struct FaceStyle {
  Rgba top, bottom, border;
  double gloss;  // alpha of the highlight at the top
  bool ring;     // the focus ring inside the border
};

// A rounded face filling a cell: border, vertical gradient, gloss over the upper half.
Rgba FaceSample(double x, double y, Box cell, double radius, const FaceStyle& s) {
  if (!InRound(x, y, cell, radius)) return kClear;
  if (!InRound(x, y, cell.Inset(1), radius - 1)) return s.border;
  double t = (y - cell.y0 - 1) / (cell.Height() - 2);
  Rgba c = Mix(s.top, s.bottom, t);
  if (s.ring && !InRound(x, y, cell.Inset(3), std::max(radius - 3, 0.0))) c = kAccentLight;
  double mid = cell.y0 + cell.Height() / 2;
  if (s.gloss > 0 && y < mid) c = Over(Alpha(kWhite, s.gloss * (mid - y) / (mid - cell.y0 - 1)), c);
  return c;
}

void Faces(const std::string& path, int w, int h, double radius, const std::vector<FaceStyle>& states) {
  Sheet sheet(w, h, int(states.size()), false);
  for (size_t i = 0; i < states.size(); ++i)
    sheet.Cell(int(i), [&](double x, double y) {
      return FaceSample(x, y, Box{0, 0, double(w), double(h)}, radius, states[i]);
    });
  sheet.Save(path);
}

const FaceStyle kButtonNormal{Hex(0xFDFEFF), Hex(0xDCE5F0), Hex(0x8FA3B8), 0.55, false};
const FaceStyle kButtonHot{Hex(0xFFFFFF), Hex(0xD3E5F9), Hex(0x5E90CC), 0.55, false};
const FaceStyle kButtonPressed{Hex(0xC2D6EE), Hex(0xDCE8F6), Hex(0x4C79B0), 0.25, false};
const FaceStyle kButtonFocused{Hex(0xFDFEFF), Hex(0xDCE5F0), Hex(0x8FA3B8), 0.55, true};
const FaceStyle kButtonDisabled{kDisabledFill, kDisabledFill, kDisabledBorder, 0, false};
// Button cells in the order normal, hot, pressed, focused, disabled.
const std::vector<FaceStyle> kButtonStates{kButtonNormal, kButtonHot, kButtonPressed, kButtonFocused,
                                           kButtonDisabled};

// ---- boxes that frame content ----

// Border, a one-pixel inner shadow on the top and left, and the interior.
void Frames(const std::string& path, int size, const std::vector<std::array<uint32_t, 3>>& states) {
  Sheet sheet(size, size, int(states.size()), false);
  for (size_t i = 0; i < states.size(); ++i)
    sheet.Cell(int(i), [&](double x, double y) {
      if (x < 1 || y < 1 || x >= size - 1 || y >= size - 1) return Hex(states[i][0]);
      if (x < 2 || y < 2) return Hex(states[i][1]);
      return Hex(states[i][2]);
    });
  sheet.Save(path);
}

// ---- scroll bars ----

enum class Dir { Up, Down, Left, Right };

// A chevron pointing dir, centred in a 16-pixel cell.
bool Chevron(Dir d, double x, double y) {
  double u = x, v = y;  // drawn pointing up, then turned
  switch (d) {
    case Dir::Up:
      break;
    case Dir::Down:
      v = 16 - y;
      break;
    case Dir::Left:
      u = y;
      v = x;
      break;
    case Dir::Right:
      u = y;
      v = 16 - x;
      break;
  }
  return OnSegment(u, v, 4.6, 9.6, 8, 6.2, 1.7) || OnSegment(u, v, 8, 6.2, 11.4, 9.6, 1.7);
}

constexpr double kScroll = 16;
const Rgba kTrack = Hex(0xEEF2F6);
const Rgba kTrackLine = Hex(0xD6DDE5);

// The track with its lines on the long sides; vertical bars have them left and right.
Rgba TrackSample(double x, double y, bool vertical, Rgba fill) {
  double across = vertical ? x : y;
  if (across < 1 || across >= kScroll - 1) return kTrackLine;
  return fill;
}

void ScrollButtons(const std::string& dir) {
  const struct {
    const char* name;
    Dir d;
  } arrows[] = {{"up", Dir::Up}, {"down", Dir::Down}, {"left", Dir::Left}, {"right", Dir::Right}};
  // Normal, hot, pressed, disabled.
  const Rgba faces[] = {kTrack, Hex(0xE2EBF5), Hex(0xC9D9EC), kTrack};
  for (const auto& a : arrows) {
    bool vertical = a.d == Dir::Up || a.d == Dir::Down;
    Sheet sheet(int(kScroll), int(kScroll), 4, false);
    for (int s = 0; s < 4; ++s)
      sheet.Cell(s, [&](double x, double y) {
        Rgba c = TrackSample(x, y, vertical, kTrack);
        if (s == 1 || s == 2) {
          Box b{1, 1, kScroll - 1, kScroll - 1};
          if (InRound(x, y, b, 3))
            c = InRound(x, y, b.Inset(1), 2) ? faces[s] : Hex(s == 1 ? 0xB7CBE2 : 0x9DB6D6);
        }
        if (Chevron(a.d, x, y)) c = s == 3 ? Hex(0xB4BDC6) : Hex(0x4E5F70);
        return c;
      });
    sheet.Save(dir + "/scroll-" + a.name + ".png");
  }
  for (bool vertical : {true, false}) {
    const Rgba fills[] = {kTrack, Hex(0xE7EDF4), Hex(0xDDE5EE), kTrack};
    Sheet sheet(int(kScroll), int(kScroll), 4, false);
    for (int s = 0; s < 4; ++s)
      sheet.Cell(s, [&](double x, double y) { return TrackSample(x, y, vertical, fills[s]); });
    sheet.Save(dir + std::string("/scroll-track-") + (vertical ? "vert" : "horz") + ".png");
  }
}

// The thumb: a pill of radius 7 inset one pixel from the bar's sides, lit from the left
// (vertical) or the top (horizontal), so the light runs across the stretch direction.
void ScrollThumbs(const std::string& dir) {
  const double length = 24;
  struct Look {
    Rgba light, dark, rim;
  };
  const Look looks[] = {
      {Hex(0xB8CEE8), Hex(0x86A9D3), Hex(0x6F93BF)},
      {Hex(0xCADBEF), Hex(0x9BBADF), Hex(0x7CA0CB)},
      {Hex(0xA2BEE0), Hex(0x7297C6), Hex(0x5C7FAD)},
      {Hex(0xE2E7EC), Hex(0xD3D9DF), Hex(0xBCC4CC)},
  };
  for (bool vertical : {true, false}) {
    int w = vertical ? int(kScroll) : int(length), h = vertical ? int(length) : int(kScroll);
    Sheet sheet(w, h, 4, false);
    for (int s = 0; s < 4; ++s)
      sheet.Cell(s, [&](double x, double y) {
        Box pill = vertical ? Box{1, 1, kScroll - 1, length - 1} : Box{1, 1, length - 1, kScroll - 1};
        if (!InRound(x, y, pill, 7)) return kClear;
        if (!InRound(x, y, pill.Inset(1), 6)) return looks[s].rim;
        double across = vertical ? x : y;
        Rgba c = Mix(looks[s].light, looks[s].dark, (across - 2) / 11);
        if (!InRound(x, y, pill.Inset(2), 5)) c = Over(Alpha(kWhite, 0.35), c);
        return c;
      });
    sheet.Save(dir + std::string("/scroll-thumb-") + (vertical ? "vert" : "horz") + ".png");

    // The grip stays at its size in the middle of the thumb, whatever the thumb's length.
    int gw = vertical ? 8 : 6, gh = vertical ? 6 : 8;
    Sheet grip(gw, gh, 1, false);
    grip.Cell(0, [&](double x, double y) {
      double along = vertical ? y : x;
      int line = int(along);
      return line % 2 == 0 ? Hex(0x4F74A3, 0.75) : Alpha(kWhite, 0.55);
    });
    grip.Save(dir + std::string("/scroll-grip-") + (vertical ? "vert" : "horz") + ".png");
  }
}

// ---- check boxes and radio buttons ----

enum class Mark { None, Check, Mixed, Dot };

void Checks(const std::string& path, bool round, Mark mark) {
  const double size = 13;
  struct Look {
    Rgba border, top, bottom, mark;
  };
  // Normal, hot, pressed, disabled.
  const Look looks[] = {
      {Hex(0x8FA3B8), kWhite, Hex(0xE4EBF3), kAccent},
      {Hex(0x5E90CC), kWhite, Hex(0xD8E7F8), kAccent},
      {Hex(0x4C79B0), Hex(0xC9DAEF), Hex(0xDCE8F6), Hex(0x2F64B5)},
      {kDisabledBorder, kDisabledFill, kDisabledFill, kDisabledText},
  };
  Sheet sheet(int(size), int(size), 4, false);
  for (int s = 0; s < 4; ++s)
    sheet.Cell(s, [&](double x, double y) {
      const Look& l = looks[s];
      Box box{0, 0, size, size};
      bool in = round ? InCircle(x, y, 6.5, 6.5, 6.5) : InRound(x, y, box, 2.5);
      if (!in) return kClear;
      bool inner = round ? InCircle(x, y, 6.5, 6.5, 5.5) : InRound(x, y, box.Inset(1), 1.5);
      if (!inner) return l.border;
      Rgba c = Mix(l.top, l.bottom, (y - 1) / 11);
      switch (mark) {
        case Mark::Check:
          if (OnSegment(x, y, 3.3, 6.6, 5.6, 9.0, 1.9) || OnSegment(x, y, 5.6, 9.0, 9.9, 3.9, 1.9))
            c = l.mark;
          break;
        case Mark::Mixed:
          if (InRound(x, y, Box{3, 5, 10, 8}, 1)) c = l.mark;
          break;
        case Mark::Dot:
          if (InCircle(x, y, 6.5, 6.5, 2.9)) c = Mix(Mix(l.mark, kWhite, 0.35), l.mark, (y - 3.6) / 5.8);
          break;
        case Mark::None:
          break;
      }
      return c;
    });
  sheet.Save(path);
}

// ---- small single pictures ----

void Single(const std::string& path, int w, int h, const Sampler& sample) {
  Sheet sheet(w, h, 1, false);
  sheet.Cell(0, sample);
  sheet.Save(path);
}

// Dots in a falling diagonal, each with a light twin below and right.
Rgba GripperSample(double x, double y) {
  for (int row = 0; row < 3; ++row)
    for (int col = 2 - row; col < 3; ++col) {
      double dx = 2 + col * 4, dy = 2 + row * 4;
      if (x >= dx + 1 && x < dx + 3 && y >= dy + 1 && y < dy + 3) return Alpha(kWhite, 0.9);
      if (x >= dx && x < dx + 2 && y >= dy && y < dy + 2) return Hex(0x8C9DB0);
    }
  return kClear;
}

// An item highlight: nothing when normal, soft blue when hot, the accent when selected.
void Highlights(const std::string& path) {
  const FaceStyle clear{kClear, kClear, kClear, 0, false};
  const FaceStyle hot{Hex(0xEEF5FD), Hex(0xDDEBFA), Hex(0xA9CAF0), 0, false};
  const FaceStyle selected{Hex(0x5C93E3), Hex(0x3D7BD9), Hex(0x346CC2), 0.2, false};
  // Normal, hot, pressed, focused (selected), disabled.
  Faces(path, 12, 12, 3, {clear, hot, selected, selected, clear});
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && !(argc == 4 && std::string(argv[2]) == "--review")) {
    std::fprintf(stderr, "usage: aqua-art OUT_DIR [--review SHEET.png]\n");
    return 2;
  }
  const std::string dir = argv[1];
  if (argc == 4) {
    MakeReview(dir, argv[3]);
    return 0;
  }

  FramePieces(dir, "form", 26);
  FramePieces(dir, "toolwindow", 20);

  CaptionButton(dir + "/caption-close.png", Glyph::Close, Hex(0xE5534B));
  CaptionButton(dir + "/caption-min.png", Glyph::Min, Hex(0xF0B429));
  CaptionButton(dir + "/caption-max.png", Glyph::Max, Hex(0x3FB950));
  CaptionButton(dir + "/caption-restore.png", Glyph::Restore, Hex(0x3FB950));
  CaptionButton(dir + "/caption-rollup.png", Glyph::RollUp, Hex(0x6C9FE0));
  CaptionButton(dir + "/caption-rolldown.png", Glyph::RollDown, Hex(0x6C9FE0));

  Faces(dir + "/button-face.png", 24, 24, 6, kButtonStates);
  Faces(dir + "/spin-face.png", 10, 10, 2.5, kButtonStates);

  // Normal, focused, disabled: border, inner shadow, interior.
  Frames(dir + "/edit-frame.png", 12,
         {{0x9AA9B8, 0xD5DCE4, 0xFFFFFF}, {0x3D7BD9, 0xC9DBF3, 0xFFFFFF}, {0xC7CDD4, 0xE4E8EC, 0xF1F3F5}});

  ScrollButtons(dir);
  ScrollThumbs(dir);

  Checks(dir + "/check-unchecked.png", false, Mark::None);
  Checks(dir + "/check-checked.png", false, Mark::Check);
  Checks(dir + "/check-mixed.png", false, Mark::Mixed);
  Checks(dir + "/radio-unchecked.png", true, Mark::None);
  Checks(dir + "/radio-checked.png", true, Mark::Dot);

  // Group box: a rounded outline around a see-through interior.
  Single(dir + "/groupbox-frame.png", 12, 12, [](double x, double y) {
    Box b{0, 0, 12, 12};
    if (!InRound(x, y, b, 4)) return kClear;
    if (!InRound(x, y, b.Inset(1), 3)) return Hex(0xB4C1CF);
    return kClear;
  });

  // Progress: an inset trough, and the accent bar, glossy, both ways round.
  for (bool vertical : {false, true}) {
    const char* way = vertical ? "vert" : "horz";
    Single(dir + "/progress-frame-" + way + ".png", 12, 12, [vertical](double x, double y) {
      Box b{0, 0, 12, 12};
      if (!InRound(x, y, b, 3)) return kClear;
      if (!InRound(x, y, b.Inset(1), 2)) return Hex(0xA9B8C8);
      return Mix(Hex(0xDCE3EB), Hex(0xF5F7FA), ((vertical ? x : y) - 1) / 10);
    });
    Single(dir + "/progress-bar-" + way + ".png", 10, 10, [vertical](double x, double y) {
      Box b{0, 0, 10, 10};
      if (!InRound(x, y, b, 2)) return kClear;
      if (!InRound(x, y, b.Inset(1), 1)) return Hex(0x346CC2);
      double across = vertical ? x : y;
      Rgba c = Mix(kAccentLight, kAccent, (across - 1) / 8);
      if (across < 5) c = Over(Alpha(kWhite, 0.45 * (5 - across) / 4), c);
      return c;
    });
  }

  // Combo box drop-down button: a chevron on a face that lights up.
  {
    const Rgba fills[] = {kClear, Hex(0xE2EBF5), Hex(0xC9D9EC), kClear};
    Sheet sheet(16, 16, 4, false);
    for (int s = 0; s < 4; ++s)
      sheet.Cell(s, [&](double x, double y) {
        Rgba c = kClear;
        Box b{1, 1, 15, 15};
        if ((s == 1 || s == 2) && InRound(x, y, b, 3))
          c = InRound(x, y, b.Inset(1), 2) ? fills[s] : Hex(s == 1 ? 0xB7CBE2 : 0x9DB6D6);
        if (Chevron(Dir::Down, x, y)) c = s == 3 ? Hex(0xB4BDC6) : Hex(0x4E5F70);
        return c;
      });
    sheet.Save(dir + "/combo-button.png");
  }

  // Track bar: a slim groove and an upright, glossy thumb, both ways round.
  for (bool vertical : {false, true}) {
    const char* way = vertical ? "vert" : "horz";
    int gw = vertical ? 6 : 12, gh = vertical ? 12 : 6;
    Single(dir + "/track-groove-" + way + ".png", gw, gh, [gw, gh](double x, double y) {
      Box b{0, 0, double(gw), double(gh)};
      if (!InRound(x, y, b, 2.5)) return kClear;
      if (!InRound(x, y, b.Inset(1), 1.5)) return Hex(0xA9B8C8);
      return Hex(0xDCE4EC);
    });
    int tw = vertical ? 20 : 12, th = vertical ? 12 : 20;
    std::vector<FaceStyle> states = {kButtonNormal, kButtonHot, kButtonPressed, kButtonDisabled};
    Sheet sheet(tw, th, 4, false);
    for (int s = 0; s < 4; ++s)
      sheet.Cell(s, [&](double x, double y) {
        return FaceSample(x, y, Box{0, 0, double(tw), double(th)}, 4, states[size_t(s)]);
      });
    sheet.Save(dir + "/track-thumb-" + way + ".png");
  }

  // Bars along the window: a light band with a line under it.
  Single(dir + "/bar-frame.png", 8, 8, [](double x, double y) {
    if (y >= 7) return Hex(0xD6DDE5);
    if (y < 1) return Alpha(kWhite, 0.9);
    return Mix(Hex(0xF1F4F8), kWindow, (y - 1) / 6);
  });
  Single(dir + "/statusbar-frame.png", 8, 8, [](double x, double y) {
    if (y < 1) return Hex(0xC9D2DC);
    if (y < 2) return Alpha(kWhite, 0.9);
    return Hex(0xE3E9EF);
  });
  Single(dir + "/statusbar-panel.png", 8, 8, [](double x, double y) {
    if (x >= 6 && x < 7 && y >= 2 && y < 7) return Hex(0xC9D2DC);
    if (x >= 7 && y >= 2 && y < 7) return Alpha(kWhite, 0.9);
    return kClear;
  });
  Single(dir + "/statusbar-gripper.png", 12, 12, GripperSample);
  Single(dir + "/separator-horz.png", 8, 2,
         [](double x, double y) { return y < 1 ? Hex(0xD6DDE5) : Alpha(kWhite, 0.9); });
  Single(dir + "/separator-vert.png", 2, 8,
         [](double x, double y) { return x < 1 ? Hex(0xD6DDE5) : Alpha(kWhite, 0.9); });
  Single(dir + "/toolbar-grabber.png", 4, 8, [](double x, double y) {
    int row = int(y) % 4;
    if (x >= 1 && x < 2 && row == 1) return Hex(0x8C9DB0);
    if (x >= 2 && x < 3 && row == 2) return Alpha(kWhite, 0.9);
    return kClear;
  });

  // Menus: the popup's white sheet with its border, and the item highlights.
  Frames(dir + "/popup-frame.png", 8, {{0x9AA9B8, 0xFBFCFD, 0xFBFCFD}});
  Highlights(dir + "/item-highlight.png");

  // Header sections: normal, hot, pressed.
  {
    const Rgba tops[] = {Hex(0xFBFCFE), Hex(0xFFFFFF), Hex(0xD9E3EE)};
    const Rgba bottoms[] = {Hex(0xE6ECF3), Hex(0xDDE9F7), Hex(0xE6EDF5)};
    Sheet sheet(12, 16, 3, false);
    for (int s = 0; s < 3; ++s)
      sheet.Cell(s, [&](double x, double y) {
        if (y >= 15) return Hex(0xC2CDD9);
        if (x >= 11) return Hex(0xD0D8E1);
        if (x >= 10 && y >= 2 && y < 14) return Alpha(kWhite, 0.9);
        return Mix(tops[s], bottoms[s], y / 15);
      });
    sheet.Save(dir + "/header-section.png");
  }

  // Tabs: the page and the tab (normal, hot, selected, disabled) with rounded top corners.
  Frames(dir + "/tab-page.png", 8, {{0xA9B8C8, 0xF7F9FB, 0xF7F9FB}});
  {
    struct Look {
      Rgba top, bottom;
    };
    const Look looks[] = {{Hex(0xEDF1F6), Hex(0xDCE3EC)},
                          {Hex(0xFAFCFE), Hex(0xE6EEF7)},
                          {Hex(0xF7F9FB), Hex(0xF7F9FB)},
                          {kDisabledFill, kDisabledFill}};
    Sheet sheet(20, 20, 4, false);
    for (int s = 0; s < 4; ++s)
      sheet.Cell(s, [&](double x, double y) {
        Box b{0, 0, 20, 21};
        if (!InRound(x, y, b, 4, true)) return kClear;
        if (!InRound(x, y, b.Inset(1), 3, true)) return s == 3 ? kDisabledBorder : Hex(0xA9B8C8);
        if (s == 2 && y < 3) return kAccent;
        return Mix(looks[s].top, looks[s].bottom, y / 19);
      });
    sheet.Save(dir + "/tab.png");
  }

  // Panels and grids: flat sheets with thin lines.
  Frames(dir + "/panel-frame.png", 8, {{0xC9D2DC, 0xE8EDF2, 0xE8EDF2}});
  Single(dir + "/grid-cell.png", 8, 8,
         [](double x, double y) { return x >= 7 || y >= 7 ? Hex(0xE1E6EC) : kWhite; });
  Single(dir + "/grid-fixed.png", 8, 8, [](double x, double y) {
    if (x >= 7 || y >= 7) return Hex(0xC2CDD9);
    return Mix(Hex(0xFBFCFE), Hex(0xE6ECF3), y / 7);
  });
  Single(dir + "/hint-frame.png", 12, 12, [](double x, double y) {
    Box b{0, 0, 12, 12};
    if (!InRound(x, y, b, 3)) return kClear;
    if (!InRound(x, y, b.Inset(1), 2)) return Hex(0x8C9DB0);
    return Mix(kWhite, Hex(0xEEF3F8), (y - 1) / 10);
  });
  Single(dir + "/panel-caption.png", 4, 18, [](double x, double y) {
    if (y >= 17) return Hex(0xB3C1D0);
    if (y < 1) return Alpha(kWhite, 0.9);
    return Mix(Hex(0xF4F7FB), Hex(0xD3DDE8), y / 17);
  });
  return 0;
}
