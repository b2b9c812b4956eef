#pragma once

// The routine sets behind the pixel table, shared by the sources that
// implement them.

#include "skin/render/Color.h"

namespace z5t8::skin::render::kernels {

inline teColor BlendPixel(teColor a, teColor b) {
  uint32_t alpha = a.A();
  if (alpha == 255) return a;
  if (alpha == 0) return b;
  uint32_t inv = 255 - alpha;
  uint32_t r = (alpha * a.R() + inv * b.R()) >> 8;
  uint32_t g = (alpha * a.G() + inv * b.G()) >> 8;
  uint32_t bl = (alpha * a.B() + inv * b.B()) >> 8;
  return 0xFF000000u | r << 16 | g << 8 | bl;
}

void PortableLineAlphaBlend(const teColor* src, teColor* dst, int n);
void PortableLineTransparent(const teColor* src, teColor* dst, int n);
void PortableFillAlpha(teColor* dst, int n, uint8_t alpha);
void PortableClearAlpha(teColor* dst, int n, teColor colour);

#if defined(__x86_64__) || defined(__i386__)
void Sse2LineAlphaBlend(const teColor* src, teColor* dst, int n);
void Sse2LineTransparent(const teColor* src, teColor* dst, int n);
void Sse2FillAlpha(teColor* dst, int n, uint8_t alpha);
void Sse2ClearAlpha(teColor* dst, int n, teColor colour);
void Avx2LineAlphaBlend(const teColor* src, teColor* dst, int n);
void Avx2LineTransparent(const teColor* src, teColor* dst, int n);
void Avx2FillAlpha(teColor* dst, int n, uint8_t alpha);
void Avx2ClearAlpha(teColor* dst, int n, teColor colour);
#endif

}  // namespace z5t8::skin::render::kernels
