#include "skin/render/Cpu.h"

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#include <mmintrin.h>
#define Z5T8_X86 1
#endif

namespace z5t8::skin::render {

namespace {

struct Features {
  bool mmx = false, sse2 = false, avx2 = false;
};

Features Probe() {
  Features f;
#ifdef Z5T8_X86
  unsigned eax, ebx, ecx, edx;
  if (__get_cpuid(1, &eax, &ebx, &ecx, &edx)) {
    unsigned family = (eax >> 8) & 0xF;
    f.mmx = family >= 5 && (edx >> 23 & 1);
    f.sse2 = edx >> 26 & 1;
  }
  // Also asks whether the operating system saves the wide registers.
  __builtin_cpu_init();
  f.avx2 = __builtin_cpu_supports("avx2");
#endif
  return f;
}

const Features& Cpu() {
  static const Features features = Probe();
  return features;
}

}  // namespace

bool HasMMX() { return Cpu().mmx; }
bool HasSSE2() { return Cpu().sse2; }
bool HasAVX2() { return Cpu().avx2; }

void EMMS() {
#ifdef Z5T8_X86
  if (HasMMX()) _mm_empty();
#endif
}

}  // namespace z5t8::skin::render
