#include "platform/gui/Backend.h"

#include "platform/gui/Paint.h"
#include "platform/gui/Window.h"
#include "platform/gui/WindowManager.h"

namespace z5t8::platform::gui {

void NotifyExposed(HWND top, const Rect& rect) {
  WindowManager& m = wm();
  if (!m.find(top)) return;
  Region area(rect);
  m.invalidate(top, &area, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  m.markDirty(top, rect);
}

void NotifyMoved(HWND top, const Rect& rect) {
  const WindowObject* w = wm().find(top);
  if (!w || w->rect == rect) return;
  SetWindowPos(top, nullptr, rect.left, rect.top, rect.width(), rect.height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace z5t8::platform::gui
