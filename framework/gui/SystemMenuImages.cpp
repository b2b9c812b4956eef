#include "framework/gui/SystemMenuImages.h"

#include <array>

#include "framework/Color.h"
#include "framework/TextUtils.h"

namespace z5t8::framework {

namespace {

namespace pg = platform::gui;

constexpr int kSize = 16;
using Art = std::array<const char*, kSize>;

// Black strokes in the weight of the caption-button glyphs, with the caption's
// blue for a window's title bar; "." is transparent.
struct Picture {
  std::string_view name;
  Art art;
};

constexpr Picture kPictures[] = {
    {"TE_FORM_CLOSE",
     {"................",  //
      "................",  //
      "................",  //
      "................",  //
      "....kk....kk....",  //
      ".....kk..kk.....",  //
      "......kkkk......",  //
      ".......kk.......",  //
      "......kkkk......",  //
      ".....kk..kk.....",  //
      "....kk....kk....",  //
      "................",  //
      "................",  //
      "................",  //
      "................",  //
      "................"}},
    {"TE_FORM_MINIMIZE",
     {"................",  //
      "................",  //
      "................",  //
      "................",  //
      "................",  //
      "................",  //
      "................",  //
      "................",  //
      "................",  //
      "................",  //
      "....kkkkkk......",  //
      "....kkkkkk......",  //
      "................",  //
      "................",  //
      "................",  //
      "................"}},
    {"TE_FORM_MAXIMIZE",
     {"................",  //
      "................",  //
      "................",  //
      "...kkkkkkkkk....",  //
      "...kbbbbbbbk....",  //
      "...kwwwwwwwk....",  //
      "...kwwwwwwwk....",  //
      "...kwwwwwwwk....",  //
      "...kwwwwwwwk....",  //
      "...kwwwwwwwk....",  //
      "...kwwwwwwwk....",  //
      "...kkkkkkkkk....",  //
      "................",  //
      "................",  //
      "................",  //
      "................"}},
    {"TE_FORM_RESTORE",
     {"................",  //
      "................",  //
      "......kkkkkkk...",  //
      "......kbbbbbk...",  //
      "......kwwwwwk...",  //
      "...kkkkkkkwwk...",  //
      "...kbbbbbkwwk...",  //
      "...kwwwwwkwwk...",  //
      "...kwwwwwkkkk...",  //
      "...kwwwwwk......",  //
      "...kwwwwwk......",  //
      "...kkkkkkk......",  //
      "................",  //
      "................",  //
      "................",  //
      "................"}},
    {"TE_FORM_ROLLUP",
     {"................",  //
      "................",  //
      "................",  //
      "...kkkkkkkkk....",  //
      "...kbbbbbbbk....",  //
      "...kkkkkkkkk....",  //
      "................",  //
      ".......k........",  //
      "......kkk.......",  //
      ".....kkkkk......",  //
      "....kkkkkkk.....",  //
      "................",  //
      "................",  //
      "................",  //
      "................",  //
      "................"}},
    {"TE_FORM_TRAY",
     {"................",  //
      "................",  //
      ".kkkkkkk........",  //
      ".kbbbbbk........",  //
      ".kwwwwwk........",  //
      ".kwwwwwk........",  //
      ".kwwwwwk........",  //
      ".kkkkkkk........",  //
      "........k..k....",  //
      ".........k.k....",  //
      "..........kk....",  //
      "........kkkk....",  //
      "............kkk.",  //
      "............kkk.",  //
      "............kkk.",  //
      "................"}},
};

constexpr bool allRowsFull() {
  for (const Picture& p : kPictures)
    for (const char* row : p.art)
      if (std::string_view(row).size() != kSize) return false;
  return true;
}
static_assert(allRowsFull(), "every picture is 16 by 16");

pg::Pixel pixelFor(char c) {
  switch (c) {
    case 'k':
      return 0x000000;
    case 'b':
      return 0x0A246A;
    case 'w':
      return 0xFFFFFF;
    default:
      return 0xFF00FF;
  }
}

}  // namespace

bool LoadSystemMenuImage(std::string_view name, TBitmap& bitmap) {
  for (const Picture& p : kPictures) {
    if (!SameText(p.name, name)) continue;
    bitmap.SetPixelFormat(pf24bit);
    bitmap.SetSize(kSize, kSize);
    for (int y = 0; y < kSize; ++y) {
      pg::Pixel* row = bitmap.ScanLine(y);
      for (int x = 0; x < kSize; ++x) row[x] = pixelFor(p.art[size_t(y)][x]);
    }
    return true;
  }
  return false;
}

int AddSystemMenuImages(TImageList& images) {
  int first = images.Count();
  for (const Picture& p : kPictures) {
    TBitmap b;
    LoadSystemMenuImage(p.name, b);
    images.AddMasked(b, clFuchsia);
  }
  return first;
}

}  // namespace z5t8::framework
