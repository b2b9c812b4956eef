#include "platform/gui/MessageWindow.h"

#include "platform/gui/Backend.h"
#include "platform/gui/DefWindowProc.h"
#include "platform/gui/Window.h"
#include "platform/gui/WindowManager.h"

namespace z5t8::platform::gui {

namespace {

const char16_t* const MessageWindowClass = u"z5t8.MessageWindow";
const char16_t* const MessageWindowProp = u"z5t8.messageWindow";

// Constant-initialised, so objects made during static start-up can link in.
MessageWindow* firstWindow = nullptr;

}  // namespace

MessageWindow::MessageWindow(Handler handler) : handler_(std::move(handler)) {
  next_ = firstWindow;
  if (next_) next_->prev_ = this;
  firstWindow = this;
  if (HasBackend()) create();
}

MessageWindow::~MessageWindow() {
  if (handle_ && HasBackend()) {
    RemovePropW(handle_, MessageWindowProp);
    DestroyWindow(handle_);
  }
  if (prev_) {
    prev_->next_ = next_;
  } else {
    firstWindow = next_;
  }
  if (next_) next_->prev_ = prev_;
}

void MessageWindow::create() {
  WNDCLASSEXW wc;
  if (!GetClassInfoExW(MessageWindowClass, &wc)) {
    wc.lpfnWndProc = windowProc;
    wc.lpszClassName = MessageWindowClass;
    RegisterClassExW(wc);
  }
  handle_ = CreateWindowExW(0, MessageWindowClass, u"", WS_POPUP, 0, 0, 0, 0, nullptr, 0, nullptr);
  if (handle_) SetPropW(handle_, MessageWindowProp, this);
}

LRESULT MessageWindow::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = static_cast<MessageWindow*>(GetPropW(hwnd, MessageWindowProp));
  if (self && msg == WM_NCDESTROY) {
    RemovePropW(hwnd, MessageWindowProp);
    self->handle_ = nullptr;
  } else if (self && self->handler_) {
    if (std::optional<LRESULT> answer = self->handler_(msg, wParam, lParam)) return *answer;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

void startMessageWindows() {
  for (MessageWindow* w = firstWindow; w; w = w->next_) {
    if (!w->handle_) w->create();
  }
}

void forgetMessageWindows() {
  for (MessageWindow* w = firstWindow; w; w = w->next_) w->handle_ = nullptr;
}

}  // namespace z5t8::platform::gui
