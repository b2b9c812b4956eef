#include "skin/render/PixelRoutines.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "skin/render/Cpu.h"
#include "skin/render/PixelKernels.h"

namespace z5t8::skin::render {

namespace kernels {

void PortableLineAlphaBlend(const teColor* src, teColor* dst, int n) {
  for (int i = 0; i < n; ++i) dst[i] = BlendPixel(src[i], dst[i]);
}

void PortableLineTransparent(const teColor* src, teColor* dst, int n) {
  for (int i = 0; i < n; ++i)
    if (src[i].Rgb() != teTransparentRgb) dst[i] = src[i] | 0xFF000000u;
}

void PortableFillAlpha(teColor* dst, int n, uint8_t alpha) {
  for (int i = 0; i < n; ++i) dst[i] = dst[i].Rgb() | uint32_t(alpha) << 24;
}

void PortableClearAlpha(teColor* dst, int n, teColor colour) {
  for (int i = 0; i < n; ++i)
    if (dst[i].Rgb() == colour.Rgb()) dst[i] = dst[i].Rgb();
}

}  // namespace kernels

namespace {

teColor PixelAlphaBlend(teColor a, teColor b) { return kernels::BlendPixel(a, b); }

void MoveLongword(const teColor* src, teColor* dst, int n) {
  if (n > 0) std::memmove(dst, src, size_t(n) * sizeof(teColor));
}

void FillLongword(teColor* dst, int n, teColor value) {
  if (n > 0) std::fill_n(dst, n, value);
}

void FillLongwordRect(teColor* first, int pitch, int w, int h, teColor value) {
  for (int y = 0; y < h; ++y) FillLongwordFunc(first + std::ptrdiff_t(y) * pitch, w, value);
}

void FillAlphaRect(teColor* first, int pitch, int w, int h, uint8_t alpha) {
  for (int y = 0; y < h; ++y) FillAlphaFunc(first + std::ptrdiff_t(y) * pitch, w, alpha);
}

PixelIsa active = PixelIsa::Portable;

bool Supported(PixelIsa isa) {
  switch (isa) {
    case PixelIsa::Portable:
      return true;
#if defined(__x86_64__) || defined(__i386__)
    case PixelIsa::Sse2:
      return HasSSE2();
    case PixelIsa::Avx2:
      return HasAVX2();
#else
    default:
      return false;
#endif
  }
  return false;
}

// The best set, chosen before main runs; until then the portable entries hold.
[[maybe_unused]] const bool selectedAtStartup = [] {
  auto isas = SupportedPixelIsas();
  return SelectPixelRoutines(isas.back());
}();

}  // namespace

teColor (*PixelAlphaBlendFunc)(teColor, teColor) = PixelAlphaBlend;
void (*LineAlphaBlendFunc)(const teColor*, teColor*, int) = kernels::PortableLineAlphaBlend;
void (*LineTransparentFunc)(const teColor*, teColor*, int) = kernels::PortableLineTransparent;
void (*MoveLongwordFunc)(const teColor*, teColor*, int) = MoveLongword;
void (*FillLongwordFunc)(teColor*, int, teColor) = FillLongword;
void (*FillLongwordRectFunc)(teColor*, int, int, int, teColor) = FillLongwordRect;
void (*FillAlphaFunc)(teColor*, int, uint8_t) = kernels::PortableFillAlpha;
void (*FillAlphaRectFunc)(teColor*, int, int, int, uint8_t) = FillAlphaRect;
void (*ClearAlphaFunc)(teColor*, int, teColor) = kernels::PortableClearAlpha;

std::vector<PixelIsa> SupportedPixelIsas() {
  std::vector<PixelIsa> isas;
  for (PixelIsa isa : {PixelIsa::Portable, PixelIsa::Sse2, PixelIsa::Avx2})
    if (Supported(isa)) isas.push_back(isa);
  return isas;
}

bool SelectPixelRoutines(PixelIsa isa) {
  if (!Supported(isa)) return false;
  switch (isa) {
    case PixelIsa::Portable:
      LineAlphaBlendFunc = kernels::PortableLineAlphaBlend;
      LineTransparentFunc = kernels::PortableLineTransparent;
      FillAlphaFunc = kernels::PortableFillAlpha;
      ClearAlphaFunc = kernels::PortableClearAlpha;
      break;
#if defined(__x86_64__) || defined(__i386__)
    case PixelIsa::Sse2:
      LineAlphaBlendFunc = kernels::Sse2LineAlphaBlend;
      LineTransparentFunc = kernels::Sse2LineTransparent;
      FillAlphaFunc = kernels::Sse2FillAlpha;
      ClearAlphaFunc = kernels::Sse2ClearAlpha;
      break;
    case PixelIsa::Avx2:
      LineAlphaBlendFunc = kernels::Avx2LineAlphaBlend;
      LineTransparentFunc = kernels::Avx2LineTransparent;
      FillAlphaFunc = kernels::Avx2FillAlpha;
      ClearAlphaFunc = kernels::Avx2ClearAlpha;
      break;
#else
    default:
      return false;
#endif
  }
  active = isa;
  return true;
}

PixelIsa ActivePixelIsa() { return active; }

const char* PixelIsaName(PixelIsa isa) {
  switch (isa) {
    case PixelIsa::Portable:
      return "portable";
    case PixelIsa::Sse2:
      return "sse2";
    case PixelIsa::Avx2:
      return "avx2";
  }
  return "?";
}

}  // namespace z5t8::skin::render
