// theme-stream: the value a theme list item stores for a skin in a window's
// layout ("ThemeStream"), made by the item itself from the loaded skin, so a
// layout built with it reads back exactly as one saved by the program.
//
//   theme-stream STORE_NAME SKIN OUT
#include <cstdio>
#include <exception>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "framework/Exceptions.h"
#include "framework/MemoryStream.h"
#include "skin/se3/SkinFile.h"
#include "skin/theme/ThemeManager.h"
#include "skin/theme/ThemeStream.h"

using namespace z5t8;

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: theme-stream STORE_NAME SKIN OUT\n";
    return 2;
  }
  try {
    skin::theme::RegisterTheme(skin::theme::ThemeClass<skin::se3::TTeSkinFile>());
    std::ifstream in(argv[2], std::ios::binary);
    if (!in) throw framework::Exception(std::string("cannot read ") + argv[2]);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    framework::TMemoryStream skin;
    skin.WriteBuffer(bytes.data(), int64_t(bytes.size()));
    skin.SetPosition(0);
    std::unique_ptr<skin::theme::TteTheme> theme = skin::theme::ThemeManager()->LoadFromStream(skin);
    if (!theme) throw framework::Exception(std::string(argv[2]) + ": no theme class reads it");
    theme->ThemeName = argv[1];
    skin::theme::TTeThemeStream item(nullptr);
    item.SetTheme(theme.get());
    framework::TMemoryStream value;
    item.WriteData(value);
    std::ofstream out(argv[3], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(value.Memory()), std::streamsize(value.Size()));
    if (!out.flush()) throw framework::Exception(std::string("cannot write ") + argv[3]);
  } catch (const std::exception& e) {
    std::cerr << "theme-stream: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
