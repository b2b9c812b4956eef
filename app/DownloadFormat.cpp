#include "app/DownloadFormat.h"

namespace z5t8::app {

download_format Image_File{};
bool Demo_Phone = false;
std::uint8_t National_Code = 0;

}  // namespace z5t8::app
