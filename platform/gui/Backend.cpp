#include "platform/gui/Backend.h"

#include "platform/gui/MessageQueue.h"
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

void NotifyIconified(HWND top, bool iconified) {
  if (!IsWindow(top) || bool(IsIconic(top)) == iconified) return;
  PostMessageW(top, WM_SYSCOMMAND, iconified ? SC_MINIMIZE : SC_RESTORE, 0);
}

void NotifyMoved(HWND top, const Rect& rect) {
  const WindowObject* w = wm().find(top);
  if (!w || w->rect == rect) return;
  SetWindowPos(top, nullptr, rect.left, rect.top, rect.width(), rect.height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void NotifyDisplayChanged(Size screen) {
  if (!HasBackend()) return;
  // Every surface is 32 bits a pixel, whatever the display's depth.
  SendMessageW(HWND_BROADCAST, WM_DISPLAYCHANGE, 32, MAKELPARAM(screen.cx, screen.cy));
}

}  // namespace z5t8::platform::gui
