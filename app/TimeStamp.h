#pragma once

#include <ctime>
#include <string>

namespace z5t8::app {

// Local time in the C runtime's ctime layout with a two-digit day:
// "Wed Jan 02 03:04:05 2008\n" (the line feed included).
std::string Time_Stamp(std::time_t when);
std::string Time_Stamp();

}  // namespace z5t8::app
