#include "framework/gui/Timer.h"

#include "framework/Properties.h"
#include "framework/gui/Application.h"
#include "platform/gui/Backend.h"
#include "platform/gui/DefWindowProc.h"
#include "platform/gui/Messages.h"
#include "platform/gui/Timer.h"
#include "platform/gui/Window.h"

namespace z5t8::framework {

namespace pg = platform::gui;

namespace {

const char16_t* const TimerClass = u"z5t8.TTimer";
const char16_t* const TimerProp = u"z5t8.timer";

pg::LRESULT TimerWndProc(pg::HWND hwnd, pg::UINT msg, pg::WPARAM wParam, pg::LPARAM lParam) {
  if (msg == pg::WM_TIMER) {
    if (auto* timer = static_cast<TTimer*>(pg::GetPropW(hwnd, TimerProp))) {
      try {
        timer->Timer();
      } catch (const std::exception& e) {
        Application()->HandleException(timer, e);
      }
    }
    return 0;
  }
  return pg::DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

Z5T8_IMPLEMENT_CLASS(TTimer, TComponent) {
  p.Boolean("Enabled", &TTimer::Enabled, &TTimer::SetEnabled).Default(1);
  p.Integer("Interval", &TTimer::Interval, &TTimer::SetInterval).Default(1000);
  p.Event("OnTimer", &TTimer::OnTimer);
}

TTimer::TTimer(TComponent* owner) : TComponent(owner) {}

TTimer::~TTimer() {
  if (FWindow) {
    pg::KillTimer(FWindow, 1);
    pg::RemovePropW(FWindow, TimerProp);
    pg::DestroyWindow(FWindow);
  }
}

void TTimer::SetEnabled(bool value) {
  if (value == FEnabled) return;
  FEnabled = value;
  UpdateTimer();
}

void TTimer::SetInterval(unsigned value) {
  if (value == FInterval) return;
  FInterval = value;
  UpdateTimer();
}

void TTimer::Loaded() {
  TComponent::Loaded();
  UpdateTimer();
}

void TTimer::Timer() { OnTimer(this); }

void TTimer::UpdateTimer() {
  if (FWindow) pg::KillTimer(FWindow, 1);
  if (InState(csLoading) || !FEnabled || FInterval == 0 || !pg::HasBackend()) return;
  if (!FWindow) {
    pg::WNDCLASSEXW wc;
    if (!pg::GetClassInfoExW(TimerClass, &wc)) {
      wc.lpfnWndProc = TimerWndProc;
      wc.lpszClassName = TimerClass;
      pg::RegisterClassExW(wc);
    }
    FWindow = pg::CreateWindowExW(0, TimerClass, u"", pg::WS_POPUP, 0, 0, 0, 0, nullptr, 0, nullptr);
    if (!FWindow) return;
    pg::SetPropW(FWindow, TimerProp, this);
  }
  pg::SetTimer(FWindow, 1, FInterval, nullptr);
}

}  // namespace z5t8::framework
