#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "framework/Exceptions.h"
#include "framework/FileStream.h"
#include "framework/MemoryStream.h"

using namespace z5t8::framework;

TEST(MemoryStream, ReadsWritesSeeksAndGrows) {
  TMemoryStream s;
  s.WriteBuffer("abcdef", 6);
  EXPECT_EQ(s.Size(), 6);
  EXPECT_EQ(s.Position(), 6);
  s.SetPosition(8);  // writing past the end fills the gap with zeros
  s.WriteByte('x');
  EXPECT_EQ(s.Size(), 9);
  EXPECT_EQ(s.Memory()[7], 0);
  s.Seek(-3, TSeekOrigin::soEnd);
  char buffer[8] = {};
  EXPECT_EQ(s.Read(buffer, 8), 3);
  EXPECT_EQ(s.Read(buffer, 8), 0);
  s.SetSize(2);
  EXPECT_EQ(s.Position(), 2);
  s.SetPosition(0);
  EXPECT_EQ(s.ReadByte(), 'a');
}

TEST(MemoryStream, ShortReadsAndWritesRaise) {
  TMemoryStream s;
  s.WriteUInt32(0x01020304);
  s.SetPosition(0);
  uint8_t b[5];
  try {
    s.ReadBuffer(b, 5);
    FAIL();
  } catch (const EReadError& e) {
    EXPECT_EQ(e.Message(), "Stream read error");
  }
  TCustomMemoryStream view(b, 5);
  try {
    view.WriteBuffer(b, 1);
    FAIL();
  } catch (const EWriteError& e) {
    EXPECT_EQ(e.Message(), "Stream write error");
  }
}

TEST(CountedString, RoundTripsAndRejectsShortData) {
  TMemoryStream s;
  WriteCountedString(s, "Aqua");
  WriteCountedString(s, "");
  EXPECT_EQ(s.Size(), 4 + 4 + 4);
  s.SetPosition(0);
  EXPECT_EQ(ReadCountedString(s), "Aqua");
  EXPECT_EQ(ReadCountedString(s), "");

  TMemoryStream negative;
  negative.WriteInt32(-5);
  negative.SetPosition(0);
  EXPECT_EQ(ReadCountedString(negative), "");

  TMemoryStream hostile;  // claims 2 GB, holds 3 bytes
  hostile.WriteInt32(0x7FFFFFFF);
  hostile.WriteBuffer("abc", 3);
  hostile.SetPosition(0);
  EXPECT_THROW(ReadCountedString(hostile), EReadError);
}

TEST(FileStream, CreatesReadsAndTruncates) {
  std::string path = (std::filesystem::temp_directory_path() / "z5t8-filestream-test.bin").string();
  {
    TFileStream out(path, fmCreate);
    out.WriteBuffer("0123456789", 10);
    out.SetPosition(2);
    char two[2];
    out.ReadBuffer(two, 2);
    EXPECT_EQ(std::string(two, 2), "23");
    out.WriteBuffer("xy", 2);
  }
  {
    TFileStream in(path, fmOpenReadWrite);
    EXPECT_EQ(in.Size(), 10);
    in.SetSize(6);
    EXPECT_EQ(in.Size(), 6);
  }
  TMemoryStream copy;
  copy.LoadFromFile(path);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(copy.Memory()), 6), "0123xy");
  std::remove(path.c_str());
  try {
    TFileStream missing(path, fmOpenRead);
    FAIL();
  } catch (const EFOpenError& e) {
    EXPECT_EQ(e.Message(), "Cannot open file \"" + path + "\"");
  }
}
