#include "framework/FileStream.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "framework/Exceptions.h"

namespace z5t8::framework {

TFileStream::TFileStream(const std::string& fileName, uint16_t mode) : FFileName(fileName) {
  if (mode == fmCreate) {
    FFile = std::fopen(fileName.c_str(), "w+b");
    if (!FFile) throw EFCreateError("Cannot create file \"" + fileName + "\"");
    return;
  }
  switch (mode & 3) {
    case fmOpenWrite:
    case fmOpenReadWrite:
      FFile = std::fopen(fileName.c_str(), "r+b");
      break;
    default:
      FFile = std::fopen(fileName.c_str(), "rb");
      break;
  }
  if (!FFile) throw EFOpenError("Cannot open file \"" + fileName + "\"");
}

TFileStream::~TFileStream() {
  if (FFile) std::fclose(FFile);
}

// The C library needs a positioning call between a read and a write on the same file.
void TFileStream::Switch(LastOp op) {
  if (FLast != LastOp::None && FLast != op) std::fseek(FFile, 0, SEEK_CUR);
  FLast = op;
}

int32_t TFileStream::Read(void* buffer, int32_t count) {
  if (count <= 0) return 0;
  Switch(LastOp::Read);
  return int32_t(std::fread(buffer, 1, size_t(count), FFile));
}

int32_t TFileStream::Write(const void* buffer, int32_t count) {
  if (count <= 0) return 0;
  Switch(LastOp::Write);
  return int32_t(std::fwrite(buffer, 1, size_t(count), FFile));
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin) {
  int whence = origin == TSeekOrigin::soBeginning ? SEEK_SET
               : origin == TSeekOrigin::soCurrent ? SEEK_CUR
                                                  : SEEK_END;
  if (!(origin == TSeekOrigin::soCurrent && offset == 0)) {
    if (std::fseek(FFile, long(offset), whence) != 0) return -1;
    FLast = LastOp::None;
  }
  return int64_t(std::ftell(FFile));
}

void TFileStream::SetSize(int64_t newSize) {
  int64_t position = Position();
  std::fflush(FFile);
  std::error_code error;
  std::filesystem::resize_file(FFileName, uintmax_t(newSize), error);
  if (error) throw EStreamError("Stream size cannot be changed");
  Seek(std::min(position, newSize), TSeekOrigin::soBeginning);
}

}  // namespace z5t8::framework
