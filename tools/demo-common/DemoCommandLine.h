#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace z5t8::tools {

// A demo's command line: the PNG file it is to draw into, given after
// `pictureOption` (`--snapshot` for the window demos, `--out` for the sheet
// demos), and which of its own switches were given.
struct DemoCommandLine {
  std::string picture;
  std::vector<std::string> switches;

  bool has(std::string_view name) const;
};

// Nullopt after printing "usage: <usage>" when a word is not understood or a
// required picture file is missing; the demo then ends with exit code 2.
std::optional<DemoCommandLine> ReadDemoCommandLine(int argc, char** argv, std::string_view pictureOption,
                                                   bool pictureRequired,
                                                   std::initializer_list<std::string_view> switches,
                                                   const char* usage);

}  // namespace z5t8::tools
