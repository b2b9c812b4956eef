#pragma once

#include <memory>

#include "framework/Component.h"
#include "framework/Event.h"
#include "platform/gui/MessageWindow.h"

namespace z5t8::framework {

// Fires OnTimer every Interval milliseconds while Enabled, on the GUI thread,
// from the message loop.
class TTimer : public TComponent {
  Z5T8_CLASS(TTimer, TComponent)
public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value);
  unsigned Interval() const { return FInterval; }
  void SetInterval(unsigned value);
  void Loaded() override;

  TNotifyEvent OnTimer;

  // Called by the timer's window.
  void Timer();

private:
  void UpdateTimer();
  bool FEnabled = true;
  unsigned FInterval = 1000;
  std::unique_ptr<platform::gui::MessageWindow> FWindow;
};

}  // namespace z5t8::framework
