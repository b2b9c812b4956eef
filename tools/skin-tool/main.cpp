// skin-tool: turns skin sources into skin containers and back, and describes skins.
//
//   skin-tool compile SRC_DIR OUT     the container kind from OUT's extension (uskn, zqkn, xskn, mskn)
//   skin-tool dump SKIN OUT_DIR       the sources of a container; compiling them gives the same store
//   skin-tool info SKIN               kind, sizes, pictures, the object tree and the tables
//   skin-tool render SKIN --out FILE.png
//                                     the preview sheet: the skin (container or sources) drawn as a theme
//   skin-tool render SKIN OUT.png     a sheet of the skin's objects drawn directly
//   skin-tool themestream SKIN OUT    the container as a theme list item's "ThemeStream" value

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "framework/Exceptions.h"
#include "framework/MemoryStream.h"
#include "skin/se3/SkinFilterRegistry.h"
#include "skin/se3/SkinFilters.h"
#include "skin/se3/SkinSource.h"
#include "tools/skin-tool/Preview.h"
#include "tools/skin-tool/Render.h"
#include "tools/skin-tool/SkinSources.h"

using namespace z5t8;
using skin::se3::TSeSkinFilterClass;
using skin::se3::TSeSkinSource;

namespace {

int Usage() {
  std::cerr << "usage: skin-tool compile SRC_DIR OUT.{uskn,zqkn,xskn,mskn}\n"
               "       skin-tool dump SKIN OUT_DIR\n"
               "       skin-tool info SKIN\n"
               "       skin-tool render SKIN --out FILE.png\n"
               "       skin-tool render SKIN OUT.png\n"
               "       skin-tool themestream SKIN OUT\n";
  return 2;
}

void ReadFile(const std::string& path, framework::TMemoryStream& stream) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw framework::Exception("cannot read " + path);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  std::string data = bytes.str();
  stream.WriteBuffer(data.data(), int64_t(data.size()));
  stream.SetPosition(0);
}

// The container's kind: its signature, else its file name's extension.
TSeSkinFilterClass KindOf(framework::TMemoryStream& stream, const std::string& path) {
  TSeSkinFilterClass kind = skin::se3::GetThemeFilterBySign(stream);
  if (!kind) kind = skin::se3::GetThemeFilterByExt(path);
  if (!kind) throw framework::Exception(path + ": not a skin container (no known signature or extension)");
  return kind;
}

std::unique_ptr<TSeSkinSource> Load(const std::string& path, TSeSkinFilterClass* kind = nullptr,
                                    int64_t* size = nullptr) {
  framework::TMemoryStream stream;
  ReadFile(path, stream);
  TSeSkinFilterClass k = KindOf(stream, path);
  auto skin = std::make_unique<TSeSkinSource>();
  std::unique_ptr<skin::se3::TSeSkinFilter> filter = k->Create();
  filter->SetSkinSource(skin.get());
  try {
    filter->ReadSkin(stream);
  } catch (const framework::Exception& e) {
    throw framework::Exception("not a readable " + k->GetFilterName() + " container: " + e.Message());
  }
  if (kind) *kind = k;
  if (size) *size = stream.Size();
  return skin;
}

bool Extended(TSeSkinFilterClass kind) {
  return kind == skin::se3::SkinFilterClass<skin::se3::TSeSkinFilterMaxCompression>();
}

int Compile(const std::string& dir, const std::string& out) {
  TSeSkinFilterClass kind = skin::se3::GetThemeFilterByExt(out);
  if (!kind) throw framework::Exception(out + ": the extension names no skin kind (uskn, zqkn, xskn, mskn)");
  std::unique_ptr<TSeSkinSource> skin = skin_tool::ReadSkinSources(dir);
  framework::TMemoryStream bytes;
  std::unique_ptr<skin::se3::TSeSkinFilter> filter = kind->Create();
  filter->SetSkinSource(skin.get());
  filter->WriteSkin(bytes);
  std::vector<uint8_t> data = bytes.Bytes();
  std::ofstream file(out, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(data.data()), std::streamsize(data.size()));
  if (!file.flush()) throw framework::Exception("cannot write " + out);
  return 0;
}

int Info(const std::string& path) {
  TSeSkinFilterClass kind = nullptr;
  int64_t size = 0;
  std::unique_ptr<TSeSkinSource> skin = Load(path, &kind, &size);
  framework::TMemoryStream body;
  skin->WriteStore(body, Extended(kind) ? skin::se3::sslExtended : skin::se3::sslBase);
  std::cout << path << ": " << kind->GetFilterName() << " (" << kind->GetFileExtension() << "), " << size
            << " bytes, store body " << body.Size() << " bytes in the "
            << (Extended(kind) ? "extended" : "base") << " layout\n"
            << skin_tool::DescribeSkin(*skin);
  return 0;
}

// Version 2 of the wrapper: the skin's name as a counted string, the container's length
// as 8 bytes, then the container as it is.
int ThemeStream(const std::string& path, const std::string& out) {
  std::unique_ptr<TSeSkinSource> skin = Load(path);
  framework::TMemoryStream container;
  ReadFile(path, container);
  framework::TMemoryStream value;
  value.WriteByte(2);
  framework::WriteCountedString(value, skin->SkinName());
  value.WriteUInt32(uint32_t(container.Size()));
  value.WriteUInt32(uint32_t(uint64_t(container.Size()) >> 32));
  value.CopyFrom(container, 0);
  std::vector<uint8_t> data = value.Bytes();
  std::ofstream file(out, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(data.data()), std::streamsize(data.size()));
  if (!file.flush()) throw framework::Exception("cannot write " + out);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return Usage();
  const std::string command = argv[1];
  try {
    if (command == "compile" && argc == 4) return Compile(argv[2], argv[3]);
    if (command == "dump" && argc == 4) {
      skin_tool::WriteSkinSources(*Load(argv[2]), argv[3]);
      return 0;
    }
    if (command == "info" && argc == 3) return Info(argv[2]);
    if (command == "themestream" && argc == 4) return ThemeStream(argv[2], argv[3]);
    if (command == "render" && argc == 5 && std::string(argv[3]) == "--out") {
      skin_tool::RenderThemeSheetFile(argv[2], argv[4]);
      return 0;
    }
    if (command == "render" && argc == 4) {
      skin_tool::RenderPreview(*Load(argv[2]), argv[3]);
      return 0;
    }
  } catch (const framework::Exception& e) {
    std::cerr << "skin-tool: " << argv[2] << ": " << e.Message() << "\n";
    return 1;
  } catch (const std::exception& e) {
    std::cerr << "skin-tool: " << argv[2] << ": " << e.what() << "\n";
    return 1;
  }
  return Usage();
}
