#pragma once


#include "framework/gui/Canvas.h"
#include "skin/se3/SkinObject.h"

namespace z5t8::skin::se3 {

// What the two caption button classes share.

// Shows or hides a caption button with this action for a frame state: it is shown first
// and then hidden for the actions the state leaves out; states that leave it as it is
// change nothing.
void ShowCaptionButtonInState(TSeSkinObject& button, TSeAction action, TSeState state);
// Shows or hides a caption button with this action for the window's buttons; actions the
// button set does not decide change nothing. The restore button follows kwbMaxRestore
// while the frame is maximised and kwbMinRestore otherwise.
void ShowCaptionButtonForButtons(TSeSkinObject& button, TSeAction action, theme::TteWindowButtons buttons,
                                 TSeState state);
// The window's icon at the object's top-left, in the small-icon size; only for a form.
void DrawSysMenuIcon(framework::TCanvas* canvas, const TSeSkinObject& object);

}  // namespace z5t8::skin::se3
