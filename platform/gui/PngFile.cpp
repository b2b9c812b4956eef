// PNG files are read and written the same way on every system; only the codec differs.
#include "platform/gui/Png.h"

#include <fstream>
#include <iterator>

namespace z5t8::platform::gui {

std::optional<Surface> readPngFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return readPng(bytes);
}

bool writePngFile(const Surface& surface, const std::string& path, bool keepAlpha) {
  std::vector<uint8_t> bytes = encodePng(surface, keepAlpha);
  if (bytes.empty()) return false;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  return bool(out);
}

}  // namespace z5t8::platform::gui
