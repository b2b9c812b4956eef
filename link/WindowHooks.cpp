#include "link/WindowHooks.h"

namespace z5t8::link {

namespace {
Message_Pump& pump() {
  static Message_Pump installed;
  return installed;
}
Message_Box& box() {
  static Message_Box installed;
  return installed;
}
}  // namespace

void Set_Message_Pump(Message_Pump hook) { pump() = std::move(hook); }
void Set_Message_Box(Message_Box hook) { box() = std::move(hook); }

void Process_Messages() {
  if (pump()) pump()();
}

void Show_Message(const std::string& text) {
  if (box()) box()(text);
}

}  // namespace z5t8::link
