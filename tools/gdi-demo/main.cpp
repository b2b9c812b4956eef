// Draws one sheet with every drawing operation of the platform layer and writes it
// as a PNG: gdi-demo --out FILE.png
#include <cstdio>
#include <string>
#include <vector>

#include "platform/gui/DeviceContext.h"
#include "platform/gui/Icon.h"
#include "platform/gui/Png.h"
#include "tools/demo-common/DemoCommandLine.h"

using namespace z5t8::platform::gui;

namespace {

constexpr ColorRef kBlack = RGB(0, 0, 0);
constexpr ColorRef kWhite = RGB(255, 255, 255);
constexpr ColorRef kFace = RGB(0xD4, 0xD0, 0xC8);
constexpr ColorRef kNavy = RGB(0, 0, 128);
constexpr ColorRef kRed = RGB(200, 30, 30);
constexpr ColorRef kGreen = RGB(30, 150, 60);
constexpr ColorRef kBlue = RGB(40, 80, 200);
constexpr ColorRef kYellow = RGB(250, 220, 60);

Font font(const char* face, int32_t height, int32_t weight = FW_NORMAL, uint8_t charSet = DEFAULT_CHARSET,
          int32_t escapement = 0) {
  LogFont lf;
  lf.faceName = face;
  lf.height = height;
  lf.weight = weight;
  lf.charSet = charSet;
  lf.escapement = escapement;
  return Font(lf);
}

void title(DeviceContext& dc, int32_t x, int32_t y, const std::u16string& text) {
  dc.selectFont(font("MS Sans Serif", -11, FW_BOLD));
  dc.setTextColor(kNavy);
  dc.textOut(x, y, text);
}

void label(DeviceContext& dc, int32_t x, int32_t y, const std::u16string& text) {
  dc.selectFont(font("MS Sans Serif", -10));
  dc.setTextColor(kBlack);
  dc.textOut(x, y, text);
}

void shapes(DeviceContext& dc) {
  title(dc, 10, 8, u"Shapes (outline pen, interior brush)");
  dc.selectPen(Pen::solid(kBlack));
  dc.selectBrush(Brush::solid(kYellow));
  dc.rectangle(10, 30, 70, 80);
  dc.selectPen(Pen::solid(kBlue, 3));
  dc.ellipse(80, 30, 150, 80);
  dc.selectPen(Pen::solid(kRed));
  dc.selectBrush(Brush::solid(kGreen));
  dc.roundRect(160, 30, 230, 80, 16, 16);
  std::vector<Point> star{{270, 28}, {290, 82}, {242, 48}, {298, 48}, {250, 82}};
  dc.selectPen(Pen::solid(kBlack));
  dc.selectBrush(Brush::solid(kRed));
  dc.setPolyFillMode(ALTERNATE);
  dc.polygon(star);
  for (Point& p : star) p.x += 70;
  dc.setPolyFillMode(WINDING);
  dc.polygon(star);
  label(dc, 10, 84, u"rectangle   ellipse (pen 3)   round rect   polygon alternate / winding");

  BrushPattern halftone;
  for (int i = 0; i < 64; ++i) halftone[size_t(i)] = ((i / 8 + i % 8) % 2) ? kWhite : kBlue;
  dc.selectPen(Pen::null());
  dc.selectBrush(Brush::withPattern(halftone));
  dc.rectangle(390, 30, 450, 80);
  dc.selectBrush(Brush::hollow());
  dc.selectPen(Pen::solid(kBlack));
  dc.rectangle(460, 30, 520, 80);
  label(dc, 390, 84, u"8x8 pattern    hollow");

  // Lines: a fan of end-exclusive lines, a polyline and XOR drag outlines.
  dc.selectPen(Pen::solid(kNavy));
  for (int i = 0; i <= 8; ++i) {
    dc.moveTo(540, 30);
    dc.lineTo(540 + i * 8, 80);
  }
  std::vector<Point> zig{{620, 80}, {630, 30}, {640, 80}, {650, 30}, {660, 80}};
  dc.selectPen(Pen::solid(kRed, 2));
  dc.polyline(zig);
  dc.selectPen(Pen::solid(kWhite));
  dc.setROP2(R2_XORPEN);
  dc.selectBrush(Brush::hollow());
  dc.fillRect({680, 30, 780, 80}, Brush::solid(kGreen));
  dc.rectangle(690, 40, 770, 70);
  dc.rectangle(700, 45, 760, 65);
  dc.rectangle(700, 45, 760, 65);  // drawn twice: gone again
  dc.setROP2(R2_COPYPEN);
  dc.drawFocusRect({695, 35, 775, 75});
  label(dc, 540, 84, u"lines / polyline / XOR outline, focus rect");
}

void regions(DeviceContext& dc) {
  title(dc, 10, 108, u"Regions");
  Region a(Rect{10, 130, 70, 180});
  Region b = Region::ellipse({40, 140, 110, 200});
  struct Op {
    int mode;
    const char16_t* name;
  } ops[] = {{RGN_AND, u"and"}, {RGN_OR, u"or"}, {RGN_XOR, u"xor"}, {RGN_DIFF, u"diff"}};
  int32_t x = 0;
  for (const Op& op : ops) {
    Region r = Region::combined(a, b, op.mode);
    r.offset(x, 0);
    dc.fillRgn(r, Brush::solid(kBlue));
    dc.frameRgn(r, Brush::solid(kBlack), 1, 1);
    label(dc, 10 + x, 202, op.name);
    x += 115;
  }
  Region rr = Region::roundRect({470, 130, 560, 195}, 24, 24);
  dc.fillRgn(rr, Brush::solid(kGreen));
  std::vector<Point> tri{{580, 195}, {620, 130}, {660, 195}};
  Region pr = Region::polygon(tri, ALTERNATE);
  dc.fillRgn(pr, Brush::solid(kRed));
  std::vector<Rect> bars{
      {680, 130, 690, 195}, {695, 150, 705, 195}, {710, 170, 720, 195}, {725, 140, 735, 195}};
  dc.fillRgn(Region::fromRects(bars), Brush::solid(kNavy));
  label(dc, 470, 202, u"round rect   polygon   rectangles");

  // Clipping through a region with an offset origin.
  dc.saveDC();
  dc.setViewportOrg(760, 130);
  Region clip = Region::ellipse({760, 130, 830, 200});
  dc.selectClipRgn(&clip);
  for (int i = 0; i < 8; ++i) dc.fillRect({0, i * 9, 70, i * 9 + 5}, Brush::solid(i % 2 ? kRed : kBlue));
  dc.restoreDC(-1);
  label(dc, 760, 202, u"clipped stripes");
}

Surface sprite() {
  // A 24 x 24 sprite: key-colour background, a ring, and a soft alpha corner.
  Surface s(24, 24);
  s.fill(pixelFromColor(RGB(0x7F, 0, 0x7F), 0));
  DeviceContext dc(&s);
  dc.selectPen(Pen::solid(kNavy, 2));
  dc.selectBrush(Brush::solid(kYellow));
  dc.ellipse(2, 2, 22, 22);
  for (int32_t y = 0; y < 24; ++y)
    for (int32_t x = 0; x < 24; ++x) {
      Pixel& p = s.scanLine(y)[x];
      bool key = (p & 0xFFFFFF) == 0x7F007F;
      p = key ? p : (p | 0xFF000000);
    }
  return s;
}

void blits(DeviceContext& dc) {
  title(dc, 10, 222, u"Blits");
  Surface src = sprite();
  DeviceContext srcDc(&src);
  dc.fillRect({10, 240, 830, 310}, Brush::solid(RGB(160, 200, 160)));
  dc.bitBlt(20, 250, 24, 24, srcDc, 0, 0);
  dc.stretchBlt(60, 245, 48, 48, srcDc, 0, 0, 24, 24);
  dc.stretchBlt(160, 245, -48, 48, srcDc, 0, 0, 24, 24);
  dc.transparentBlt(180, 250, 24, 24, srcDc, 0, 0, 24, 24, RGB(0x7F, 0, 0x7F));
  dc.transparentBlt(220, 245, 48, 48, srcDc, 0, 0, 24, 24, RGB(0x7F, 0, 0x7F));

  // Per-pixel alpha: a premultiplied gradient from clear to opaque red.
  Surface ramp(120, 40);
  for (int32_t y = 0; y < 40; ++y)
    for (int32_t x = 0; x < 120; ++x) {
      uint32_t a = uint32_t(x * 255 / 119);
      ramp.scanLine(y)[x] = (a << 24) | ((200 * a / 255) << 16) | ((30 * a / 255) << 8) | (30 * a / 255);
    }
  DeviceContext rampDc(&ramp);
  dc.alphaBlend(290, 250, 120, 40, rampDc, 0, 0, 120, 40, BlendFunction{});
  BlendFunction half;
  half.sourceConstantAlpha = 128;
  half.alphaFormat = 0;
  dc.alphaBlend(420, 250, 48, 48, srcDc, 0, 0, 24, 24, half);

  // Reading back part of the sheet into a surface and putting it down again.
  Surface grab;
  dc.readPixels({20, 250, 44, 274}, grab);
  DeviceContext grabDc(&grab);
  dc.bitBlt(480, 250, 24, 24, grabDc, 0, 0, NOTSRCCOPY);
  const struct {
    int32_t x;
    const char16_t* text;
  } labels[] = {{18, u"copy"},         {60, u"stretch"},          {114, u"mirror"},
                {180, u"key 1x / 2x"}, {290, u"per-pixel alpha"}, {420, u"constant"},
                {480, u"read back"}};
  for (const auto& l : labels) label(dc, l.x, 296, l.text);
}

void text(DeviceContext& dc) {
  title(dc, 10, 320, u"Text");
  dc.setBkMode(TRANSPARENT);
  dc.selectFont(font("MS Sans Serif", -10));
  dc.setTextColor(kBlack);
  dc.textOut(10, 340, u"MS Sans Serif -10: The quick brown fox jumps over the lazy dog 0123456789");
  dc.selectFont(font("Tahoma", -11, FW_BOLD));
  dc.textOut(10, 356, u"Bold caption text: Z5T8 firmware updater");
  dc.selectFont(font("新細明體", -12, FW_NORMAL, CHINESEBIG5_CHARSET));
  dc.textOut(10, 374, u"新細明體 -12：請將手機關機，按住 1 鍵後插入傳輸線。下載完成！");
  dc.selectFont(font("Tahoma", -11));
  dc.textOut(10, 392, u"Tahoma with fallback: 正在傳送資料 45% ... 完成");
  dc.selectFont(font("MS Sans Serif", -10));
  dc.setBkMode(OPAQUE);
  dc.setBkColor(kYellow);
  dc.setTextColor(kRed);
  dc.textOut(10, 410, u"Opaque background, red text");
  LogFont styled;
  styled.faceName = "Tahoma";
  styled.height = -11;
  styled.italic = true;
  styled.underline = true;
  dc.setBkMode(TRANSPARENT);
  dc.setTextColor(kBlack);
  dc.selectFont(Font(styled));
  dc.textOut(200, 410, u"italic underlined");
  styled.italic = false;
  styled.underline = false;
  styled.strikeOut = true;
  dc.selectFont(Font(styled));
  dc.textOut(320, 410, u"struck out");

  // drawText alignment grid.
  const struct {
    uint32_t format;
    const char16_t* name;
  } cells[] = {
      {DT_SINGLELINE | DT_LEFT | DT_TOP, u"left top"},
      {DT_SINGLELINE | DT_CENTER | DT_VCENTER, u"centre"},
      {DT_SINGLELINE | DT_RIGHT | DT_BOTTOM, u"right bottom"},
  };
  dc.selectFont(font("MS Sans Serif", -10));
  int32_t x = 10;
  for (const auto& c : cells) {
    Rect r{x, 430, x + 110, 470};
    dc.fillRect(r, Brush::solid(kWhite));
    dc.frameRect(r.inflate(1, 1), Brush::solid(kBlack));
    dc.drawText(c.name, r, c.format);
    x += 120;
  }
  Rect wrap{370, 430, 520, 500};
  dc.fillRect(wrap, Brush::solid(kWhite));
  dc.frameRect(wrap.inflate(1, 1), Brush::solid(kBlack));
  dc.drawText(u"Word break at blanks keeps whole words on each line of the box.", wrap, DT_WORDBREAK);
  Rect wrapZh{530, 430, 640, 500};
  dc.fillRect(wrapZh, Brush::solid(kWhite));
  dc.frameRect(wrapZh.inflate(1, 1), Brush::solid(kBlack));
  dc.selectFont(font("新細明體", -12, FW_NORMAL, CHINESEBIG5_CHARSET));
  dc.drawText(u"找不到手機，請確認傳輸線已經插好，然後再試一次。", wrapZh, DT_WORDBREAK | DT_CENTER);
  dc.selectFont(font("MS Sans Serif", -10));
  Rect prefix{10, 480, 120, 500};
  dc.drawText(u"&Download  &&  E&xit", prefix, DT_SINGLELINE);
  Rect noPrefix{130, 480, 250, 500};
  dc.drawText(u"&Download (no prefix)", noPrefix, DT_SINGLELINE | DT_NOPREFIX);
  Rect rtl{255, 480, 360, 500};
  dc.drawText(u"Reading RTL!", rtl, DT_SINGLELINE | DT_RTLREADING | DT_RIGHT);
  Rect calc{10, 505, 10, 505};
  dc.drawText(u"DT_CALCRECT measured this", calc, DT_CALCRECT | DT_SINGLELINE);
  dc.fillRect(calc, Brush::solid(RGB(200, 220, 255)));
  dc.drawText(u"DT_CALCRECT measured this", calc, DT_SINGLELINE);

  // Vertical text, both ways.
  dc.selectFont(font("Tahoma", -11, FW_NORMAL, DEFAULT_CHARSET, 900));
  dc.textOut(660, 500, u"Upwards 900");
  dc.selectFont(font("Tahoma", -11, FW_NORMAL, DEFAULT_CHARSET, 2700));
  dc.textOut(700, 430, u"Downwards 2700");
  dc.selectFont(font("新細明體", -12, FW_NORMAL, CHINESEBIG5_CHARSET, 2700));
  dc.textOut(730, 430, u"直排文字");
}

std::vector<uint8_t> demoIco() {
  // A 16 x 16, 4-bit icon with a mask, built as ICO bytes to exercise the reader.
  std::vector<uint8_t> v;
  auto put16 = [&](uint32_t x) {
    v.push_back(uint8_t(x));
    v.push_back(uint8_t(x >> 8));
  };
  auto put32 = [&](uint32_t x) {
    put16(x & 0xFFFF);
    put16(x >> 16);
  };
  put16(0);
  put16(1);
  put16(1);
  v.insert(v.end(), {16, 16, 16, 0});
  put16(1);
  put16(4);
  uint32_t size = 40 + 16 * 4 + 16 * 8 + 16 * 4;
  put32(size);
  put32(22);
  put32(40);
  put32(16);
  put32(32);
  put16(1);
  put16(4);
  for (int i = 0; i < 6; ++i) put32(0);
  const uint32_t palette[16] = {0x000000, 0xC80000, 0x00A000, 0xF0C800, 0x0040C0, 0xFFFFFF};
  for (uint32_t c : palette) put32(c);
  // Outside the circle the mask shows the background and the colour is black, as
  // icons have it (any other colour there would invert the background).
  auto outside = [](int x, int row) {
    int dx = x - 8, dy = row - 8;
    return dx * dx + dy * dy > 56;
  };
  for (int row = 15; row >= 0; --row)
    for (int x = 0; x < 16; x += 2) {
      auto index = [&](int px) { return outside(px, row) ? 0 : ((px / 8) + (row / 8)) % 4 + 1; };
      v.push_back(uint8_t((index(x) << 4) | index(x + 1)));
    }
  for (int row = 15; row >= 0; --row) {
    uint32_t bits = 0;
    for (int x = 0; x < 16; ++x)
      if (outside(x, row)) bits |= 0x8000u >> x;
    v.push_back(uint8_t(bits >> 8));
    v.push_back(uint8_t(bits));
    v.push_back(0);
    v.push_back(0);
  }
  return v;
}

void icons(DeviceContext& dc) {
  title(dc, 10, 530, u"Icons");
  dc.fillRect({10, 548, 400, 600}, Brush::solid(RGB(90, 140, 200)));
  Icon app16 = Icon::standardApplication(16);
  Icon app32 = Icon::standardApplication(32);
  dc.drawIconEx(20, 556, app16);
  dc.drawIconEx(44, 556, app32);
  dc.drawIconEx(84, 552, app32, 48, 48);
  std::vector<uint8_t> bytes = demoIco();
  if (std::optional<Icon> ico = Icon::fromIco(bytes, 16, 16)) {
    dc.drawIconEx(150, 556, *ico);
    dc.drawIconEx(175, 556, *ico, 32, 32);
    dc.drawIconEx(215, 556, *ico, 16, 16, DI_MASK);
  }
  label(dc, 20, 604, u"application icon 16 / 32 / 48,  ICO 4-bit with mask (1x, 2x, mask only)");
}

}  // namespace

int main(int argc, char** argv) {
  auto line = z5t8::tools::ReadDemoCommandLine(argc, argv, "--out", true, {}, "gdi-demo --out FILE.png");
  if (!line) return 2;
  const std::string& out = line->picture;
  Surface sheet(840, 624);
  DeviceContext dc(&sheet);
  dc.fillRect(sheet.bounds(), Brush::solid(kFace));
  dc.setBkMode(TRANSPARENT);
  shapes(dc);
  regions(dc);
  blits(dc);
  text(dc);
  icons(dc);
  if (!writePngFile(sheet, out, false)) {
    std::fprintf(stderr, "gdi-demo: cannot write %s\n", out.c_str());
    return 1;
  }
  return 0;
}
