#include "platform/gui/Caret.h"

#include "platform/gui/InputRouting.h"
#include "platform/gui/Paint.h"
#include "platform/gui/Window.h"
#include "platform/gui/WindowManager.h"

namespace z5t8::platform::gui {

namespace {

void invertCaret() {
  CaretState& c = wm().caret;
  if (!IsWindow(c.hwnd)) return;
  DeviceContext* dc = GetDC(c.hwnd);
  if (!dc) return;
  dc->invertRect(rectFromSize(c.pos.x, c.pos.y, c.size.cx, c.size.cy));
  ReleaseDC(c.hwnd, dc);
  c.on = !c.on;
}

void blink() {
  CaretState& c = wm().caret;
  if (c.hideCount == 0) invertCaret();
}

void restartBlink() {
  CaretState& c = wm().caret;
  if (c.timer) stopSystemTimer(c.timer);
  c.timer = startSystemTimer(c.blinkTime, blink, true);
}

}  // namespace

BOOL CreateCaret(HWND hwnd, int width, int height) {
  WindowManager& m = wm();
  if (!m.find(hwnd)) return FALSE;
  DestroyCaret();
  CaretState& c = m.caret;
  c.hwnd = hwnd;
  c.size = {width > 0 ? width : 1, height > 0 ? height : 16};
  c.pos = {};
  c.hideCount = 1;
  c.on = false;
  restartBlink();
  return TRUE;
}

BOOL DestroyCaret() {
  CaretState& c = wm().caret;
  if (!c.hwnd) return FALSE;
  if (c.on) invertCaret();
  if (c.timer) stopSystemTimer(c.timer);
  uint32_t blinkTime = c.blinkTime;
  c = CaretState();
  c.blinkTime = blinkTime;
  return TRUE;
}

BOOL ShowCaret(HWND hwnd) {
  CaretState& c = wm().caret;
  if (!c.hwnd || (hwnd && hwnd != c.hwnd) || c.hideCount == 0) return FALSE;
  if (--c.hideCount == 0) {
    if (!c.on) invertCaret();
    restartBlink();
  }
  return TRUE;
}

BOOL HideCaret(HWND hwnd) {
  CaretState& c = wm().caret;
  if (!c.hwnd || (hwnd && hwnd != c.hwnd)) return FALSE;
  if (c.hideCount++ == 0 && c.on) invertCaret();
  return TRUE;
}

BOOL SetCaretPos(int x, int y) {
  CaretState& c = wm().caret;
  if (!c.hwnd) return FALSE;
  if (c.pos.x == x && c.pos.y == y) return TRUE;
  bool wasOn = c.on;
  if (wasOn) invertCaret();
  c.pos = {x, y};
  if (c.hideCount == 0) {
    invertCaret();
    restartBlink();
  }
  return TRUE;
}

BOOL GetCaretPos(Point* pt) {
  if (!pt) return FALSE;
  *pt = wm().caret.pos;
  return TRUE;
}

UINT GetCaretBlinkTime() { return wm().caret.blinkTime; }

BOOL SetCaretBlinkTime(UINT ms) {
  CaretState& c = wm().caret;
  c.blinkTime = ms ? ms : 530;
  if (c.timer) restartBlink();
  return TRUE;
}

bool CaretIsDrawn() { return wm().caret.on; }

}  // namespace z5t8::platform::gui
