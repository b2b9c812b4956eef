#include "app/WindowProbe.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <system_error>

namespace z5t8::app {

namespace {

struct File_Closer {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

WindowProbe::WindowProbe() {
  if (const char* folder = std::getenv("Z5T8_UPDATER_PROBE")) folder_ = folder;
}

void WindowProbe::Write(const char* name, const std::string& text, bool append) const {
  if (folder_.empty()) return;
  // Written beside and renamed, so a reader never sees half a file.
  std::string path = folder_ + "/" + name;
  std::string temporary = append ? path : path + ".new";
  {
    std::unique_ptr<std::FILE, File_Closer> file(std::fopen(temporary.c_str(), append ? "ab" : "wb"));
    if (!file) return;
    std::fwrite(text.data(), 1, text.size(), file.get());
  }
  // The C library's rename keeps an existing target on Windows; this one
  // replaces it on both systems.
  std::error_code ignored;
  if (!append) std::filesystem::rename(temporary, path, ignored);
}

void WindowProbe::Memo(const std::string& text) const { Write("memo.txt", text, false); }

void WindowProbe::Message(const std::string& text) const { Write("messages.txt", text + "\n", true); }

void WindowProbe::State(bool download_enabled, std::int32_t position, std::int32_t peak, std::int32_t max) const {
  Write("state.txt",
        "download=" + std::to_string(download_enabled ? 1 : 0) + " progress=" + std::to_string(position) + "/" +
            std::to_string(max) + " peak=" + std::to_string(peak) + "\n",
        false);
}

}  // namespace z5t8::app
