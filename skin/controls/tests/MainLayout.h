#pragma once

#include <fstream>
#include <string>

namespace z5t8::skin::controls {

// The program's main window layout less its theme components, which belong to
// other units, with the form's class named `formClass` (Z5T8_SOURCE_DIR is the
// checkout, as the test and benchmark builds define it).
inline std::string MainLayoutWithoutThemeComponents(const std::string& formClass) {
  std::ifstream in(std::string(Z5T8_SOURCE_DIR) + "/resources/TFORM1.txt");
  std::string line, out;
  bool skipping = false;
  while (std::getline(in, line)) {
    bool theme = line.find(": TTeTheme") != std::string::npos || line.find(": TTeForm") != std::string::npos;
    if (line.rfind("  object ", 0) == 0 && theme) skipping = true;
    if (!skipping)
      out += (line.rfind("object Form1: TForm1", 0) == 0 ? "object Form1: " + formClass : line) + "\n";
    if (skipping && line == "  end") skipping = false;
  }
  return out;
}

}  // namespace z5t8::skin::controls
