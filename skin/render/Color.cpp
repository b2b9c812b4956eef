#include "skin/render/Color.h"

#include <cmath>

#include "platform/gui/SystemMetrics.h"

namespace z5t8::skin::render {

bool EnableDibOperation = true;

namespace {

// Clamped before converting, so out-of-range or NaN inputs stay defined.
uint8_t Channel(double v) {
  double x = std::nearbyint(v * 255.0);
  if (!(x > 0)) return 0;
  return x > 255 ? 255 : uint8_t(x);
}

double HueToChannel(double m1, double m2, double x) {
  double t = x - std::floor(x);
  if (6.0 * t < 1.0) return m1 + (m2 - m1) * 6.0 * t;
  if (2.0 * t < 1.0) return m2;
  if (3.0 * t < 2.0) return m1 + (m2 - m1) * (2.0 / 3.0 - t) * 6.0;
  return m1;
}

// Steps of 1/255 wrap by 255, not 256: 256 becomes 1 and -1 becomes 254.
int Wrap255(int64_t v) {
  if (v >= 256) return int((v - 1) % 255 + 1);
  if (v < 0) return int((v % 255 + 255) % 255);
  return int(v);
}

uint8_t Clamp64(int64_t v) { return uint8_t(v < 0 ? 0 : v > 255 ? 255 : v); }

// Deltas come from skin files: sums are taken wide so no value overflows.
teColor Rgba(int64_t r, int64_t g, int64_t b, uint8_t a) {
  return teColor(int16_t(Clamp64(r)), int16_t(Clamp64(g)), int16_t(Clamp64(b)), a);
}

}  // namespace

teColor::teColor(framework::TColor color, uint8_t alpha) {
  uint32_t rgb = framework::IsSystemColor(color)
                     ? platform::gui::GetSysColor(int(framework::SystemColorIndex(color)))
                     : color;
  value = (FromRGB(rgb) & 0x00FFFFFFu) | uint32_t(alpha) << 24;
}

framework::TColor teColorToColor(teColor c) { return ToRGB(c); }

framework::TColor StdChangeColor(framework::TColor c, int dRed, int dGreen, int dBlue, int dAlpha) {
  return teColorToColor(ChangeColor(teColor(c, 0), dRed, dGreen, dBlue, dAlpha));
}

framework::TColor StdChangeColor(framework::TColor c, int delta) {
  return StdChangeColor(c, delta, delta, delta, 0);
}

teColor FromRGB(uint32_t colorref) {
  return 0xFF000000u | (colorref & 0xFFu) << 16 | (colorref & 0xFF00u) | (colorref >> 16 & 0xFFu);
}

uint32_t ToRGB(teColor c) { return uint32_t(c.B()) << 16 | uint32_t(c.G()) << 8 | c.R(); }

uint16_t teColorToColor16(teColor c) {
  return uint16_t((c.R() >> 3) << 11 | (c.G() >> 2) << 5 | (c.B() >> 3));
}

uint16_t teColorToColor15(teColor c) {
  return uint16_t((c.R() >> 3) << 10 | (c.G() >> 3) << 5 | (c.B() >> 3));
}

uint16_t MulDiv16(uint16_t a, uint16_t b, uint16_t c) {
  if (c == 0) return 0xFFFF;
  return uint16_t(uint32_t(a) * b / c);
}

void RGBtoHSL(teColor c, float& h, float& s, float& l) {
  double r = c.R() / 255.0, g = c.G() / 255.0, b = c.B() / 255.0;
  double mx = std::fmax(r, std::fmax(g, b));
  double mn = std::fmin(r, std::fmin(g, b));
  double L = (mx + mn) / 2.0;
  l = float(L);
  if (mx == mn) {
    h = 0;
    s = 0;
    return;
  }
  double d = mx - mn;
  s = float(L >= 0.5 ? d / (2.0 - mx - mn) : d / (mx + mn));
  double H;
  if (mx == r)
    H = (g - b) / d;
  else if (mx != g)
    H = (r - g) / d + 4.0;
  else
    H = (b - r) / d + 2.0;
  H /= 6.0;
  if (H < 0) H += 1.0;
  h = float(H);
}

teColor HSLtoRGB(float h, float s, float l) {
  double H = h, S = s, L = l;
  if (S == 0) {
    uint8_t v = Channel(L);
    return teColor(int16_t(v), int16_t(v), int16_t(v), 255);
  }
  double m2 = L > 0.5 ? L + S - L * S : L * (1.0 + S);
  double m1 = 2.0 * L - m2;
  return teColor(int16_t(Channel(HueToChannel(m1, m2, H + 1.0 / 3.0))),
                 int16_t(Channel(HueToChannel(m1, m2, H))),
                 int16_t(Channel(HueToChannel(m1, m2, H - 1.0 / 3.0))), 255);
}

teColor SetHue(teColor c, int hue) {
  float h, s, l;
  RGBtoHSL(c, h, s, l);
  int v = hue < 0 ? 0 : hue > 255 ? 255 : hue;
  return HSLtoRGB(float(v / 255.0), s, l);
}

teColor ChangeHue(teColor c, int delta) {
  float h, s, l;
  RGBtoHSL(c, h, s, l);
  int v = Wrap255(int64_t(Channel(h)) + delta);
  return HSLtoRGB(float(v / 255.0), s, l);
}

teColor ChangeSat(teColor c, int delta) {
  float h, s, l;
  RGBtoHSL(c, h, s, l);
  int v = Wrap255(int64_t(Channel(s)) + delta);
  return HSLtoRGB(h, float(v / 255.0), l);
}

teColor ChangeBrightness(teColor c, int delta) {
  return Rgba(int64_t(c.R()) + delta, int64_t(c.G()) + delta, int64_t(c.B()) + delta, 255);
}

teColor ChangeColor(teColor c, int dRed, int dGreen, int dBlue, int dAlpha) {
  return Rgba(int64_t(c.R()) + dRed, int64_t(c.G()) + dGreen, int64_t(c.B()) + dBlue,
              uint8_t(uint32_t(c.A()) + uint32_t(dAlpha)));
}

teColor ChangeColor(teColor c, int delta) { return ChangeColor(c, delta, delta, delta, 0); }

teColor SunkenColor(teColor c, int dRed, int dGreen, int dBlue, int dAlpha) {
  return Rgba(int64_t(c.R()) - dRed, int64_t(c.G()) - dGreen, int64_t(c.B()) - dBlue,
              uint8_t(uint32_t(c.A()) - uint32_t(dAlpha)));
}

teColor SunkenColor(teColor c, int delta) { return SunkenColor(c, delta, delta, delta, 0); }

teColor RaisedColor(teColor c, int dRed, int dGreen, int dBlue, int dAlpha) {
  return ChangeColor(c, dRed, dGreen, dBlue, dAlpha);
}

teColor RaisedColor(teColor c, int delta) { return ChangeColor(c, delta); }

}  // namespace z5t8::skin::render
