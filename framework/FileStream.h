#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "framework/Stream.h"

namespace z5t8::framework {

// Open modes; the share flags are accepted for the callers' sake and have no effect here.
enum : uint16_t {
  fmOpenRead = 0x0000,
  fmOpenWrite = 0x0001,
  fmOpenReadWrite = 0x0002,
  fmShareCompat = 0x0000,
  fmShareExclusive = 0x0010,
  fmShareDenyWrite = 0x0020,
  fmShareDenyRead = 0x0030,
  fmShareDenyNone = 0x0040,
  fmCreate = 0xFF00,
};

// A stream on a named file. A file that cannot be opened raises EFOpenError
// "Cannot open file "%s""; one that cannot be created EFCreateError "Cannot create file "%s"".
class TFileStream : public TStream {
public:
  TFileStream(const std::string& fileName, uint16_t mode);
  ~TFileStream() override;
  TFileStream(const TFileStream&) = delete;
  TFileStream& operator=(const TFileStream&) = delete;

  int32_t Read(void* buffer, int32_t count) override;
  int32_t Write(const void* buffer, int32_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  void SetSize(int64_t newSize) override;

  const std::string& FileName() const { return FFileName; }

private:
  enum class LastOp { None, Read, Write };
  void Switch(LastOp op);

  std::string FFileName;
  std::FILE* FFile = nullptr;
  LastOp FLast = LastOp::None;
};

}  // namespace z5t8::framework
