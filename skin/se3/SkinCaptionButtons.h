#pragma once

#include <optional>

#include "framework/gui/Canvas.h"
#include "skin/se3/SkinObject.h"

namespace z5t8::skin::se3 {

// What the two caption button classes share.

// Whether a button with this action shows in a frame state: it is shown first and then
// hidden for the actions the state leaves out; none for states that leave it as it is.
std::optional<bool> CaptionButtonVisibleInState(TSeAction action, TSeState state);
// Whether a button with this action shows for the window's buttons; none for actions
// the button set does not decide. The restore button follows kwbMaxRestore while the
// frame is maximised and kwbMinRestore otherwise.
std::optional<bool> CaptionButtonVisibleForButtons(TSeAction action, theme::TteWindowButtons buttons,
                                                   TSeState state);
// The window's icon at the object's top-left, in the small-icon size; only for a form.
void DrawSysMenuIcon(framework::TCanvas* canvas, const TSeSkinObject& object);

}  // namespace z5t8::skin::se3
