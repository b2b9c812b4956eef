// Scripts of a whole update for the scripted serial system, and a working
// folder with an image file in it.
#pragma once

#include "app/DownloadFormat.h"
#include "link/testing/ScriptedSerialSystem.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

namespace z5t8::app::testing {

using link::testing::Script;

inline std::vector<std::uint8_t> Image_Bytes(std::size_t n, std::uint32_t seed = 1) {
  std::vector<std::uint8_t> data(n);
  std::uint32_t x = seed;
  for (auto& b : data) {
    x = x * 1664525u + 1013904223u;
    b = static_cast<std::uint8_t>(x >> 24);
  }
  return data;
}

inline std::vector<std::uint8_t> Size_Bytes(std::uint32_t n) {
  return {static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(n >> 8), static_cast<std::uint8_t>(n >> 16),
          static_cast<std::uint8_t>(n >> 24)};
}

inline Script& Version_Record(Script& s, const std::string& version) {
  std::vector<std::uint8_t> record = {static_cast<std::uint8_t>(version.size())};
  record.insert(record.end(), version.begin(), version.end());
  return s.Host({0x52}).Handshake(0x52).Rom(record);
}

inline Script& Erase(Script& s, std::uint32_t size) {
  return s.Host({0x56}).Handshake(0x56).Host(Size_Bytes(size)).Rom({30, 70, 100, 0xA5});
}

// The transfer; failing_block (1-based) is answered with a wrong byte.
inline Script& Transfer(Script& s, const std::vector<std::uint8_t>& image, std::size_t failing_block = 0) {
  s.Host(Size_Bytes(static_cast<std::uint32_t>(image.size()))).Pause(20);
  std::size_t full = image.size() / 4000;
  for (std::size_t i = 0; i < full; ++i) {
    s.Host({image.begin() + static_cast<long>(i * 4000), image.begin() + static_cast<long>(i * 4000 + 4000)});
    if (i + 1 == failing_block) return s.Rom({0x13});
    s.Rom({0xAA});
  }
  if (image.size() % 4000) s.Host({image.begin() + static_cast<long>(full * 4000), image.end()});
  std::uint8_t sums[2] = {0, 0};
  for (std::size_t i = 0; i < image.size(); ++i) sums[i & 1] ^= image[i];
  return s.Host({sums[0], sums[1]}).Rom({0xA5});
}

inline Script& Demo_Record(Script& s) {
  std::string text = "Z5T8-QUEX-TW-R104-0-V4_4_0,";
  return s.Host({0x54}).Handshake(0x54).Host({27}).Pause(20).Host({text.begin(), text.end()});
}

inline Script& Finish(Script& s) { return s.Pause(1000).Host({0x60}); }

// A fresh folder as the working folder for one test.
class WorkingFolder {
public:
  WorkingFolder() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = "z5t8-app-" + std::string(info->test_suite_name()) + "-" + info->name();
    std::replace(name.begin(), name.end(), '/', '_');
    path_ = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(path_);
  }
  ~WorkingFolder() {
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(path_);
  }
  const std::filesystem::path& Path() const { return path_; }

private:
  std::filesystem::path path_, previous_;
};

inline void Write_File(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline std::vector<std::uint8_t> Read_File(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Log lines with their time stamp shown as <time>.
inline std::vector<std::string> Without_Times(const std::vector<std::string>& lines) {
  static const std::regex stamp(
      "(Sun|Mon|Tue|Wed|Thu|Fri|Sat) (Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) "
      "[0-3][0-9] [0-2][0-9]:[0-5][0-9]:[0-6][0-9] [0-9]{4}\n");
  std::vector<std::string> out;
  for (const std::string& line : lines) out.push_back(std::regex_replace(line, stamp, "<time>"));
  return out;
}

}  // namespace z5t8::app::testing
