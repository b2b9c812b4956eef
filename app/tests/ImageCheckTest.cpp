#include "app/ImageCheck.h"
#include "app/UpdateProcedure.h"
#include "app/tests/FakeWindow.h"
#include "app/tests/UpdateScript.h"
#include "link/testing/ScriptedSerialSystem.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace z5t8::app;
using namespace z5t8::app::testing;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

// The sums one byte at a time, as the check defines them.
Image_Sums Byte_By_Byte(const std::vector<std::uint8_t>& bytes) {
  Image_Sums sums;
  for (std::uint8_t b : bytes) {
    sums.unsigned_sum += b;
    sums.signed_sum += static_cast<std::uint32_t>(static_cast<std::int32_t>(static_cast<std::int8_t>(b)));
  }
  return sums;
}

// The smallest kind of passing image: 0x50C835 bytes 0xFF and low bytes that
// add up to as much again, so the unsigned sum is 0x50C83500 and the signed
// sum 0.
std::vector<std::uint8_t> Passing_Image() {
  const std::size_t high = 0x50C835;
  std::vector<std::uint8_t> image(high, 0xFF);
  image.insert(image.end(), high / 127, 0x7F);
  image.push_back(static_cast<std::uint8_t>(high % 127));
  return image;
}

TEST(ImageSums, TwoBytes) {
  Image_Sums sums;
  const std::uint8_t bytes[] = {0x41, 0xC1};
  sums.Add(bytes, 2);
  EXPECT_EQ(sums.unsigned_sum, 0x102u);
  EXPECT_EQ(sums.signed_sum, 0x2u);
  EXPECT_FALSE(sums.Passes());
}

TEST(ImageSums, EmptyAndLowBytesFail) {
  Image_Sums sums;
  EXPECT_EQ(sums.unsigned_sum ^ sums.signed_sum, 0u);
  EXPECT_FALSE(sums.Passes());
  std::vector<std::uint8_t> low(100000, 0x7F);
  sums.Add(low.data(), low.size());
  EXPECT_EQ(sums.unsigned_sum, sums.signed_sum);
  EXPECT_FALSE(sums.Passes());
}

TEST(ImageSums, MatchesTheByteByByteSumsInAnyPieces) {
  std::vector<std::uint8_t> bytes = Image_Bytes(300001, 7);
  Image_Sums whole, pieces;
  whole.Add(bytes.data(), bytes.size());
  for (std::size_t at = 0; at < bytes.size(); at += 4093)
    pieces.Add(bytes.data() + at, std::min<std::size_t>(4093, bytes.size() - at));
  Image_Sums expected = Byte_By_Byte(bytes);
  EXPECT_EQ(whole.unsigned_sum, expected.unsigned_sum);
  EXPECT_EQ(whole.signed_sum, expected.signed_sum);
  EXPECT_EQ(pieces.unsigned_sum, expected.unsigned_sum);
  EXPECT_EQ(pieces.signed_sum, expected.signed_sum);
}

TEST(ImageSums, WrapAround) {
  // 17 Mi bytes of 0xFF: the unsigned sum passes 2^32 and wraps.
  std::vector<std::uint8_t> bytes(17u << 20, 0xFF);
  Image_Sums sums;
  sums.Add(bytes.data(), bytes.size());
  EXPECT_EQ(sums.unsigned_sum, static_cast<std::uint32_t>(0xFFull * bytes.size()));
  EXPECT_EQ(sums.signed_sum, static_cast<std::uint32_t>(-static_cast<std::int64_t>(bytes.size())));
}

TEST(ImageSums, APassingImage) {
  std::vector<std::uint8_t> image = Passing_Image();
  Image_Sums sums;
  sums.Add(image.data(), image.size());
  EXPECT_EQ(sums.unsigned_sum, 0x50C83500u);
  EXPECT_EQ(sums.signed_sum, 0u);
  EXPECT_TRUE(sums.Passes());
}

class ChecksumTest : public ::testing::Test {
protected:
  WorkingFolder folder;
  z5t8::link::testing::ScriptedSerialSystem system;
  FakeWindow window;
  UpdateProcedure update{window, system};
};

TEST_F(ChecksumTest, AMissingFileEndsTheProcess) {
  EXPECT_FALSE(update.Checksum(Image_File_Name));
  EXPECT_THAT(window.events, ElementsAre("message Read Z5T8-QUEX-TW-R104-0-V4_4_0.bin Failed", "end 0"));
}

TEST_F(ChecksumTest, AnUnreadableFileEndsTheProcess) {
  std::filesystem::create_directory(Image_File_Name);  // opens, but reads nothing
  EXPECT_FALSE(update.Checksum(Image_File_Name));
  EXPECT_TRUE(window.ended);
}

TEST_F(ChecksumTest, AnEmptyFileIsDamaged) {
  Write_File(Image_File_Name, {});
  EXPECT_FALSE(update.Checksum(Image_File_Name));
  EXPECT_THAT(window.events, ElementsAre("message BIN files Error", "end 0"));
}

TEST_F(ChecksumTest, APassingFileReturns) {
  Write_File(Image_File_Name, Passing_Image());
  EXPECT_TRUE(update.Checksum(Image_File_Name));
  EXPECT_THAT(window.events, IsEmpty());
  EXPECT_TRUE(update.Start_Up());
}

TEST_F(ChecksumTest, OneChangedByteFails) {
  std::vector<std::uint8_t> image = Passing_Image();
  image[1000] = 0xFE;
  Write_File(Image_File_Name, image);
  EXPECT_FALSE(update.Checksum(Image_File_Name));
  EXPECT_THAT(window.messages, ElementsAre("BIN files Error"));
}

}  // namespace
