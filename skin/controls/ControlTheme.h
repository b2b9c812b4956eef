#pragma once

#include <string>

#include "framework/gui/Canvas.h"
#include "framework/gui/Control.h"
#include "skin/theme/ThemeForward.h"

namespace z5t8::skin::controls {

class TTeForm;

// Moves and sizes the control to the bounds its theme gives its object name
// (negative sides keep the control's own); when the theme gives none, only
// repaints, and only when asked to.
void UpdateThemeLink(framework::TControl* control, theme::TteCustomThemeLink* link,
                     const std::string& objectName, bool repaint);

// How the skinned form frame makes itself known to the controls: which
// component of a form is an active frame, and how it paints the client
// background under a child. Set by the frame's unit; until then forms paint
// their colour under skinned children.
struct TTeFormFrameHooks {
  TTeForm* (*ActiveFrame)(framework::TComponent* component) = nullptr;
  void (*PaintClientBackground)(TTeForm* frame, framework::TCanvas* canvas,
                                const framework::TRect& rect) = nullptr;
};
void SetFormFrameHooks(const TTeFormFrameHooks& hooks);

// The active skinned form frame of the control's top-level form, or null.
TTeForm* GetParentZqForm(framework::TControl* control);

// Registers the background procedures for skinned-control, form and in-place
// scroll bar parents; runs once, at the controls' static start-up.
void RegisterControlBackgrounds();

}  // namespace z5t8::skin::controls
