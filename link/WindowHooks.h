// The two things the link asks of whatever window runs it: let pending window
// messages run (before every serial read, write and queue look) and show a
// modal message. The application installs both; until then pumping does
// nothing and a message goes nowhere.
#pragma once

#include <functional>
#include <string>

namespace z5t8::link {

using Message_Pump = std::function<void()>;
using Message_Box = std::function<void(const std::string& text)>;

// Installing an empty hook restores the default.
void Set_Message_Pump(Message_Pump pump);
void Set_Message_Box(Message_Box box);

void Process_Messages();
void Show_Message(const std::string& text);

}  // namespace z5t8::link
