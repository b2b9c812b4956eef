#include "framework/gui/Timer.h"

#include "framework/Properties.h"
#include "framework/gui/Application.h"
#include "platform/gui/Backend.h"
#include "platform/gui/Messages.h"
#include "platform/gui/Timer.h"

namespace z5t8::framework {

namespace pg = platform::gui;

Z5T8_IMPLEMENT_CLASS(TTimer, TComponent) {
  p.Boolean("Enabled", &TTimer::Enabled, &TTimer::SetEnabled).Default(1);
  p.Integer("Interval", &TTimer::Interval, &TTimer::SetInterval).Default(1000);
  p.Event("OnTimer", &TTimer::OnTimer);
}

TTimer::TTimer(TComponent* owner) : TComponent(owner) {}

TTimer::~TTimer() {
  if (FWindow && FWindow->handle()) pg::KillTimer(FWindow->handle(), 1);
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
  if (FWindow && FWindow->handle()) pg::KillTimer(FWindow->handle(), 1);
  if (InState(csLoading) || !FEnabled || FInterval == 0 || !pg::HasBackend()) return;
  if (!FWindow) {
    FWindow = std::make_unique<pg::MessageWindow>(
        [this](pg::UINT msg, pg::WPARAM, pg::LPARAM) -> std::optional<pg::LRESULT> {
          if (msg != pg::WM_TIMER) return std::nullopt;
          try {
            Timer();
          } catch (const std::exception& e) {
            Application()->HandleException(this, e);
          }
          return 0;
        });
  }
  if (FWindow->handle()) pg::SetTimer(FWindow->handle(), 1, FInterval, nullptr);
}

}  // namespace z5t8::framework
