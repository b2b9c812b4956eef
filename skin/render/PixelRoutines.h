#pragma once

#include <vector>

#include "skin/render/Color.h"

namespace z5t8::skin::render {

// The per-pixel and per-row work every bitmap operation goes through. The
// table starts with the portable routines and is switched once at start-up
// to the widest SIMD set the processor has; every set gives the same bits.

// a over b: a when opaque, b when fully transparent, else blended, opaque.
extern teColor (*PixelAlphaBlendFunc)(teColor a, teColor b);
// Each source pixel over its destination pixel.
extern void (*LineAlphaBlendFunc)(const teColor* src, teColor* dst, int n);
// Copies the source pixels that are not the key colour, made opaque.
extern void (*LineTransparentFunc)(const teColor* src, teColor* dst, int n);
// Moves n pixels; the runs may overlap.
extern void (*MoveLongwordFunc)(const teColor* src, teColor* dst, int n);
extern void (*FillLongwordFunc)(teColor* dst, int n, teColor value);
// A w by h rectangle whose rows lie pitch pixels apart.
extern void (*FillLongwordRectFunc)(teColor* first, int pitch, int w, int h, teColor value);
extern void (*FillAlphaFunc)(teColor* dst, int n, uint8_t alpha);
extern void (*FillAlphaRectFunc)(teColor* first, int pitch, int w, int h, uint8_t alpha);
// Pixels whose red, green and blue equal the colour's get alpha 0.
extern void (*ClearAlphaFunc)(teColor* dst, int n, teColor colour);

enum class PixelIsa { Portable, Sse2, Avx2 };

// The sets this processor can run, Portable first.
std::vector<PixelIsa> SupportedPixelIsas();
// Fills the table with one set; false (and nothing changed) when the
// processor lacks it.
bool SelectPixelRoutines(PixelIsa isa);
PixelIsa ActivePixelIsa();
const char* PixelIsaName(PixelIsa isa);

}  // namespace z5t8::skin::render
