// make-image --size N FILE: writes an image of exactly N bytes that passes
// the image check.
#include "tools/make-image/ImageMaker.h"

#include <fstream>
#include <iostream>
#include <string>

using namespace z5t8::make_image;

namespace {
const char usage[] =
    "usage: make-image --size N [--seed S] FILE\n"
    "Writes FILE with exactly N bytes that pass the image check.\n";
}

int main(int argc, char** argv) {
  std::string file;
  std::uint64_t size = 0;
  std::uint32_t seed = 1;
  bool have_size = false;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    auto number = [&](std::uint64_t& value) {
      if (i + 1 >= argc) return false;
      std::string v = argv[++i];
      if (v.empty() || v.size() > 12 || v.find_first_not_of("0123456789") != std::string::npos) return false;
      value = std::stoull(v);
      return true;
    };
    std::uint64_t n = 0;
    if (arg == "--help") {
      std::cout << usage;
      return 0;
    } else if (arg == "--size" && number(n)) {
      size = n;
      have_size = true;
    } else if (arg == "--seed" && number(n)) {
      seed = static_cast<std::uint32_t>(n);
    } else if (!arg.empty() && arg[0] != '-' && file.empty()) {
      file = arg;
    } else {
      std::cerr << "make-image: bad argument " << arg << "\n" << usage;
      return 2;
    }
  }
  if (!have_size || file.empty()) {
    std::cerr << usage;
    return 2;
  }
  std::optional<Image_Plan> plan = Plan_Image(size);
  if (!plan) {
    std::cerr << "make-image: no image of " << size << " bytes can pass the check; the smallest that can has "
              << Smallest_Image_Size() << " bytes\n";
    return 1;
  }
  std::vector<std::uint8_t> image = Make_Image(*plan, seed);
  std::ofstream out(file, std::ios::binary);
  out.write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
  out.close();
  if (!out) {
    std::cerr << "make-image: cannot write " << file << "\n";
    return 1;
  }
  std::cout << "make-image: " << file << ": " << size << " bytes\n";
  return 0;
}
