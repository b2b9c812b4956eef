#pragma once

#include "framework/Object.h"
#include "framework/gui/Canvas.h"
#include "framework/gui/Control.h"
#include "platform/gui/DeviceContext.h"
#include "skin/theme/ThemeInfo.h"

namespace z5t8::skin::theme {

// Paints a parent's background under one of its controls; the answer is not used.
using TteDrawBackgroundProc = bool (*)(framework::TCanvas* canvas, const TteBackground& background);

// For parents of the control class or a descendant; the most derived class registered wins.
void RegisterDrawControlBackground(const framework::TMetaClass& controlClass, TteDrawBackgroundProc proc);

// Paints the parent's background where the control lies, in the control's coordinates:
// through the parent class's registered procedure, else by letting the parent paint
// (into a temporary bitmap for a windowless control). The control is csPaintCopy
// meanwhile; a control already painted as a copy, without parent or without area is left.
void DrawControlBackground(framework::TControl* control, platform::gui::DeviceContext* dc);
void DrawControlBackground(framework::TControl* control, framework::TCanvas* canvas);

}  // namespace z5t8::skin::theme
