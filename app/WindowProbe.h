// A test hook: when the environment names a folder in Z5T8_UPDATER_PROBE,
// the window writes what the user sees there, so a test driving the real
// program from outside can read it. The program never sets it itself.
//   memo.txt      the memo's whole text (UTF-8), rewritten on every change
//   messages.txt  every message box's text, one a line, written before it shows
//   state.txt     "download=<0|1> progress=<position>/<max> peak=<furthest>", on
//                 every change; the link restarts a full bar at 0, so the
//                 furthest position tells that it got to its end
#pragma once

#include <cstdint>
#include <string>

namespace z5t8::app {

class WindowProbe {
public:
  WindowProbe();
  bool Enabled() const { return !folder_.empty(); }

  void Memo(const std::string& text) const;
  void Message(const std::string& text) const;
  void State(bool download_enabled, std::int32_t position, std::int32_t peak, std::int32_t max) const;

private:
  void Write(const char* name, const std::string& text, bool append) const;

  std::string folder_;
};

}  // namespace z5t8::app
