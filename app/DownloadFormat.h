// The image to send: the file's name, a static area of 16 MiB and the size.
#pragma once

#include <cstdint>
#include <string>

namespace z5t8::app {

inline constexpr char Image_File_Name[] = "Z5T8-QUEX-TW-R104-0-V4_4_0.bin";
inline constexpr std::uint32_t Image_Area_Size = 16777216;

struct download_format {
  // Not constexpr: a constant-initialized object (its string points into
  // itself) would put the whole 16 MiB into the executable's file; made at
  // start-up it stays in zero-filled storage, which static storage starts as.
  download_format() {}

  std::string file_name;
  std::uint8_t data[Image_Area_Size];
  std::int32_t size;
};

extern download_format Image_File;
// Set for a phone of the demo variant; cleared when an update starts.
extern bool Demo_Phone;
extern std::uint8_t National_Code;

}  // namespace z5t8::app
