// layout-tool: converts window layouts between the text form authors edit and the
// component stream the program embeds.
//
//   layout-tool compile IN.txt OUT.bin [-I NAME=FILE ...]   text to binary; {@NAME} takes FILE's bytes
//   layout-tool dump IN.bin                                 binary to text on standard output

#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>

#include "framework/Exceptions.h"
#include "framework/TextForm.h"

using namespace z5t8::framework;

namespace {

int Usage() {
  std::cerr << "usage: layout-tool compile IN.txt OUT.bin [-I NAME=FILE ...]\n"
               "       layout-tool dump IN.bin\n";
  return 2;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw Exception("cannot read " + path);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), std::streamsize(bytes.size()));
  if (!out.flush()) throw Exception("cannot write " + path);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return Usage();
  std::string command = argv[1];
  try {
    if (command == "dump" && argc == 3) {
      std::string text = ObjectBinaryToText(ReadFile(argv[2]));
      std::fwrite(text.data(), 1, text.size(), stdout);
      return 0;
    }
    if (command == "compile" && argc >= 4) {
      std::map<std::string, std::string> includes;
      for (int i = 4; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "-I" && i + 1 < argc)
          arg = argv[++i];
        else if (arg.rfind("-I", 0) == 0)
          arg = arg.substr(2);
        else
          return Usage();
        size_t eq = arg.find('=');
        if (eq == std::string::npos || eq == 0) return Usage();
        includes[arg.substr(0, eq)] = arg.substr(eq + 1);
      }
      std::string binary = ObjectTextToBinary(ReadFile(argv[2]), [&](const std::string& name) {
        auto it = includes.find(name);
        if (it == includes.end())
          throw Exception("no file given for {@" + name + "} (use -I " + name + "=FILE)");
        return ReadFile(it->second);
      });
      WriteFile(argv[3], binary);
      return 0;
    }
  } catch (const Exception& e) {
    std::cerr << "layout-tool: " << argv[2] << ": " << e.Message() << "\n";
    return 1;
  }
  return Usage();
}
