#if defined(__x86_64__) || defined(__i386__)

#include <emmintrin.h>

#include "skin/render/PixelKernels.h"

namespace z5t8::skin::render::kernels {

#define Z5T8_SSE2 __attribute__((target("sse2")))

namespace {

Z5T8_SSE2 inline __m128i Load(const teColor* p) {
  return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

Z5T8_SSE2 inline void Store(teColor* p, __m128i v) { _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v); }

Z5T8_SSE2 inline __m128i Select(__m128i mask, __m128i yes, __m128i no) {
  return _mm_or_si128(_mm_and_si128(mask, yes), _mm_andnot_si128(mask, no));
}

// Two pixels in 16-bit lanes: (a*alpha + b*(255-alpha)) >> 8 per channel.
// The sum stays below 65536, so the wrapping 16-bit multiply is exact.
Z5T8_SSE2 inline __m128i BlendHalf(__m128i a, __m128i b) {
  __m128i alpha = _mm_shufflehi_epi16(_mm_shufflelo_epi16(a, 0xFF), 0xFF);
  __m128i inv = _mm_sub_epi16(_mm_set1_epi16(255), alpha);
  __m128i sum = _mm_add_epi16(_mm_mullo_epi16(a, alpha), _mm_mullo_epi16(b, inv));
  return _mm_srli_epi16(sum, 8);
}

Z5T8_SSE2 inline __m128i Blend4(__m128i s, __m128i d) {
  const __m128i zero = _mm_setzero_si128();
  __m128i lo = BlendHalf(_mm_unpacklo_epi8(s, zero), _mm_unpacklo_epi8(d, zero));
  __m128i hi = BlendHalf(_mm_unpackhi_epi8(s, zero), _mm_unpackhi_epi8(d, zero));
  __m128i mixed = _mm_or_si128(_mm_packus_epi16(lo, hi), _mm_set1_epi32(int(0xFF000000u)));
  __m128i alpha = _mm_srli_epi32(s, 24);
  __m128i opaque = _mm_cmpeq_epi32(alpha, _mm_set1_epi32(255));
  __m128i clear = _mm_cmpeq_epi32(alpha, zero);
  return Select(opaque, s, Select(clear, d, mixed));
}

}  // namespace

Z5T8_SSE2 void Sse2LineAlphaBlend(const teColor* src, teColor* dst, int n) {
  int i = 0;
  for (; i + 4 <= n; i += 4) Store(dst + i, Blend4(Load(src + i), Load(dst + i)));
  PortableLineAlphaBlend(src + i, dst + i, n - i);
}

Z5T8_SSE2 void Sse2LineTransparent(const teColor* src, teColor* dst, int n) {
  const __m128i rgb = _mm_set1_epi32(0x00FFFFFF);
  const __m128i key = _mm_set1_epi32(int(teTransparentRgb));
  const __m128i opaque = _mm_set1_epi32(int(0xFF000000u));
  int i = 0;
  for (; i + 4 <= n; i += 4) {
    __m128i s = Load(src + i);
    __m128i isKey = _mm_cmpeq_epi32(_mm_and_si128(s, rgb), key);
    Store(dst + i, Select(isKey, Load(dst + i), _mm_or_si128(s, opaque)));
  }
  PortableLineTransparent(src + i, dst + i, n - i);
}

Z5T8_SSE2 void Sse2FillAlpha(teColor* dst, int n, uint8_t alpha) {
  const __m128i rgb = _mm_set1_epi32(0x00FFFFFF);
  const __m128i a = _mm_set1_epi32(int(uint32_t(alpha) << 24));
  int i = 0;
  for (; i + 4 <= n; i += 4) Store(dst + i, _mm_or_si128(_mm_and_si128(Load(dst + i), rgb), a));
  PortableFillAlpha(dst + i, n - i, alpha);
}

Z5T8_SSE2 void Sse2ClearAlpha(teColor* dst, int n, teColor colour) {
  const __m128i rgb = _mm_set1_epi32(0x00FFFFFF);
  const __m128i key = _mm_set1_epi32(int(colour.Rgb()));
  int i = 0;
  for (; i + 4 <= n; i += 4) {
    __m128i d = Load(dst + i);
    __m128i hit = _mm_cmpeq_epi32(_mm_and_si128(d, rgb), key);
    Store(dst + i, _mm_andnot_si128(_mm_andnot_si128(rgb, hit), d));
  }
  PortableClearAlpha(dst + i, n - i, colour);
}

}  // namespace z5t8::skin::render::kernels

#endif
