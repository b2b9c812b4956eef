// Writes the hostile skins at full size into a folder, for measuring a reader's memory and
// time on them: make-hostile-skins DIR
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

#include "skin/se3/fuzz/HostileSkins.h"

using namespace z5t8::skin::se3;

namespace {

bool Write(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), std::streamsize(bytes.size()));
  if (!out.flush()) {
    std::cerr << "cannot write " << path << "\n";
    return false;
  }
  std::cout << path << ": " << bytes.size() << " bytes\n";
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make-hostile-skins DIR\n";
    return 2;
  }
  const std::string dir = argv[1];
  // 1.88 GB of zeros behind a name that claims 1.9 GB; 9.5 million pictures of one pixel; a
  // tree at the reader's depth limit over a 3 MiB record; more objects than a store takes;
  // and a picture as large as a store can hold.
  bool ok = Write(dir + "/huge-name.mskn", hostile::HugeNameSkin(1790)) &&
            Write(dir + "/many-pictures.mskn", hostile::ManyPicturesSkin(9'500'000)) &&
            Write(dir + "/deep.mskn", hostile::DeepSkin(190, size_t(3) << 20)) &&
            Write(dir + "/many-objects.mskn", hostile::ManyObjectsSkin(60'000)) &&
            Write(dir + "/big-picture.mskn", hostile::BigPictureSkin(2896));
  return ok ? 0 : 1;
}
