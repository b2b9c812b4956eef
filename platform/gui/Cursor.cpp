#include "platform/gui/Cursor.h"

#include <algorithm>

#include "platform/gui/Backend.h"
#include "platform/gui/WindowManager.h"

namespace z5t8::platform::gui {

namespace {
constexpr int kCursors[] = {IDC_ARROW,    IDC_IBEAM,    IDC_WAIT,        IDC_CROSS,  IDC_UPARROW,
                            IDC_SIZENWSE, IDC_SIZENESW, IDC_SIZEWE,      IDC_SIZENS, IDC_SIZEALL,
                            IDC_NO,       IDC_HAND,     IDC_APPSTARTING, IDC_HELP};
}  // namespace

HCURSOR LoadCursorW(int id) {
  for (int c : kCursors) {
    if (c == id) return reinterpret_cast<HCURSOR>(uintptr_t(id));
  }
  return nullptr;
}

int CursorId(HCURSOR cursor) { return int(reinterpret_cast<uintptr_t>(cursor)); }

HCURSOR SetCursor(HCURSOR cursor) {
  WindowManager& m = wm();
  HCURSOR old = m.cursor;
  if (cursor != old) {
    m.cursor = cursor;
    m.backend().cursorChanged(m.cursorShowCount >= 0 ? CursorId(cursor) : 0);
  }
  return old;
}

HCURSOR GetCursor() { return wm().cursor; }

int ShowCursor(BOOL show) {
  WindowManager& m = wm();
  bool before = m.cursorShowCount >= 0;
  m.cursorShowCount += show ? 1 : -1;
  bool after = m.cursorShowCount >= 0;
  if (before != after) m.backend().cursorChanged(after ? CursorId(m.cursor) : 0);
  return m.cursorShowCount;
}

BOOL GetCursorPos(Point* pt) {
  if (!pt) return FALSE;
  *pt = wm().cursorPos;
  return TRUE;
}

BOOL SetCursorPos(int x, int y) {
  WindowManager& m = wm();
  Size s = m.backend().screenSize();
  Point p{std::clamp(x, 0, std::max(s.cx - 1, 0)), std::clamp(y, 0, std::max(s.cy - 1, 0))};
  m.backend().cursorMoved(p);
  QueueMouseMove(p);
  m.cursorPos = p;
  return TRUE;
}

}  // namespace z5t8::platform::gui
