#include "app/TimeStamp.h"

#include <cstdio>

namespace z5t8::app {

std::string Time_Stamp(std::time_t when) {
  static const char* const days[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  std::tm local{};
  if (const std::tm* t = std::localtime(&when)) local = *t;
  char text[64];
  std::snprintf(text, sizeof text, "%s %s %02d %02d:%02d:%02d %d\n", days[local.tm_wday % 7],
                months[local.tm_mon % 12], local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec,
                local.tm_year + 1900);
  return text;
}

std::string Time_Stamp() { return Time_Stamp(std::time(nullptr)); }

}  // namespace z5t8::app
