// A stand-in for the main window that records what the procedure asks of it.
#pragma once

#include "app/UpdateWindow.h"
#include "link/testing/FakeProgressBar.h"

#include <functional>
#include <string>
#include <vector>

namespace z5t8::app::testing {

class FakeWindow : public UpdateWindow {
public:
  void Clean_Memo() override {
    events.push_back("clear");
    memo.clear();
    lines.clear();
  }
  void Print_Str_to_Memo(const std::string& text) override {
    events.push_back("log " + text);
    memo += text + "\r\n";
    lines.push_back(text);
  }
  void Enable_Download_Button(bool enabled) override {
    events.push_back(enabled ? "button on" : "button off");
    button_enabled = enabled;
  }
  void Show_Message(const std::string& text) override {
    events.push_back("message " + text);
    messages.push_back(text);
  }
  link::ProgressBar* Progress_Bar() override { return &bar; }
  void Process_Messages() override {
    ++pumps;
    if (on_pump) on_pump();
  }
  void End_Process(int code) override {
    events.push_back("end " + std::to_string(code));
    ended = true;
  }

  std::vector<std::string> events;
  std::vector<std::string> lines;  // the log since it was last cleared
  std::vector<std::string> messages;
  std::string memo;
  bool button_enabled = true;
  bool ended = false;
  int pumps = 0;
  std::function<void()> on_pump;
  link::testing::FakeProgressBar bar;
};

}  // namespace z5t8::app::testing
