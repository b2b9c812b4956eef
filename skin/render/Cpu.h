#pragma once

namespace z5t8::skin::render {

// What the processor reports, read once.
bool HasMMX();
bool HasSSE2();
bool HasAVX2();

// Leaves the MMX state when the processor has MMX; pixel work that may have
// used it ends with this.
void EMMS();

}  // namespace z5t8::skin::render
