#include "tools/demo-common/DemoCommandLine.h"

#include <algorithm>
#include <cstdio>

namespace z5t8::tools {

bool DemoCommandLine::has(std::string_view name) const {
  return std::find(switches.begin(), switches.end(), name) != switches.end();
}

std::optional<DemoCommandLine> ReadDemoCommandLine(int argc, char** argv, std::string_view pictureOption,
                                                   bool pictureRequired,
                                                   std::initializer_list<std::string_view> switches,
                                                   const char* usage) {
  DemoCommandLine line;
  bool understood = true;
  for (int i = 1; i < argc && understood; ++i) {
    std::string_view word = argv[i];
    if (word == pictureOption && i + 1 < argc)
      line.picture = argv[++i];
    else if (std::find(switches.begin(), switches.end(), word) != switches.end())
      line.switches.emplace_back(word);
    else
      understood = false;
  }
  if (!understood || (pictureRequired && line.picture.empty())) {
    std::fprintf(stderr, "usage: %s\n", usage);
    return std::nullopt;
  }
  return line;
}

}  // namespace z5t8::tools
