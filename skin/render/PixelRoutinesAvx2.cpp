#if defined(__x86_64__) || defined(__i386__)

#include <immintrin.h>

#include "skin/render/PixelKernels.h"

namespace z5t8::skin::render::kernels {

#define Z5T8_AVX2 __attribute__((target("avx2")))

namespace {

Z5T8_AVX2 inline __m256i Load(const teColor* p) {
  return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
}

Z5T8_AVX2 inline void Store(teColor* p, __m256i v) { _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), v); }

Z5T8_AVX2 inline __m256i Select(__m256i mask, __m256i yes, __m256i no) {
  return _mm256_or_si256(_mm256_and_si256(mask, yes), _mm256_andnot_si256(mask, no));
}

// Four pixels (two per 128-bit half) in 16-bit lanes: (a*alpha + b*(255-alpha)) >> 8 per channel.
// The sum stays below 65536, so the wrapping 16-bit multiply is exact.
Z5T8_AVX2 inline __m256i BlendHalf(__m256i a, __m256i b) {
  __m256i alpha = _mm256_shufflehi_epi16(_mm256_shufflelo_epi16(a, 0xFF), 0xFF);
  __m256i inv = _mm256_sub_epi16(_mm256_set1_epi16(255), alpha);
  __m256i sum = _mm256_add_epi16(_mm256_mullo_epi16(a, alpha), _mm256_mullo_epi16(b, inv));
  return _mm256_srli_epi16(sum, 8);
}

Z5T8_AVX2 inline __m256i Blend8(__m256i s, __m256i d) {
  const __m256i zero = _mm256_setzero_si256();
  __m256i lo = BlendHalf(_mm256_unpacklo_epi8(s, zero), _mm256_unpacklo_epi8(d, zero));
  __m256i hi = BlendHalf(_mm256_unpackhi_epi8(s, zero), _mm256_unpackhi_epi8(d, zero));
  __m256i mixed = _mm256_or_si256(_mm256_packus_epi16(lo, hi), _mm256_set1_epi32(int(0xFF000000u)));
  __m256i alpha = _mm256_srli_epi32(s, 24);
  __m256i opaque = _mm256_cmpeq_epi32(alpha, _mm256_set1_epi32(255));
  __m256i clear = _mm256_cmpeq_epi32(alpha, zero);
  return Select(opaque, s, Select(clear, d, mixed));
}

}  // namespace

Z5T8_AVX2 void Avx2LineAlphaBlend(const teColor* src, teColor* dst, int n) {
  int i = 0;
  for (; i + 8 <= n; i += 8) Store(dst + i, Blend8(Load(src + i), Load(dst + i)));
  PortableLineAlphaBlend(src + i, dst + i, n - i);
}

Z5T8_AVX2 void Avx2LineTransparent(const teColor* src, teColor* dst, int n) {
  const __m256i rgb = _mm256_set1_epi32(0x00FFFFFF);
  const __m256i key = _mm256_set1_epi32(int(teTransparentRgb));
  const __m256i opaque = _mm256_set1_epi32(int(0xFF000000u));
  int i = 0;
  for (; i + 8 <= n; i += 8) {
    __m256i s = Load(src + i);
    __m256i isKey = _mm256_cmpeq_epi32(_mm256_and_si256(s, rgb), key);
    Store(dst + i, Select(isKey, Load(dst + i), _mm256_or_si256(s, opaque)));
  }
  PortableLineTransparent(src + i, dst + i, n - i);
}

Z5T8_AVX2 void Avx2FillAlpha(teColor* dst, int n, uint8_t alpha) {
  const __m256i rgb = _mm256_set1_epi32(0x00FFFFFF);
  const __m256i a = _mm256_set1_epi32(int(uint32_t(alpha) << 24));
  int i = 0;
  for (; i + 8 <= n; i += 8) Store(dst + i, _mm256_or_si256(_mm256_and_si256(Load(dst + i), rgb), a));
  PortableFillAlpha(dst + i, n - i, alpha);
}

Z5T8_AVX2 void Avx2ClearAlpha(teColor* dst, int n, teColor colour) {
  const __m256i rgb = _mm256_set1_epi32(0x00FFFFFF);
  const __m256i key = _mm256_set1_epi32(int(colour.Rgb()));
  int i = 0;
  for (; i + 8 <= n; i += 8) {
    __m256i d = Load(dst + i);
    __m256i hit = _mm256_cmpeq_epi32(_mm256_and_si256(d, rgb), key);
    Store(dst + i, _mm256_andnot_si256(_mm256_andnot_si256(rgb, hit), d));
  }
  PortableClearAlpha(dst + i, n - i, colour);
}

}  // namespace z5t8::skin::render::kernels

#endif
