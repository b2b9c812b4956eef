#include "app/ImageCheck.h"
#include "tools/make-image/ImageMaker.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

using namespace z5t8::make_image;
using z5t8::app::Image_Sums;

namespace {

bool Passes(const std::vector<std::uint8_t>& image) {
  Image_Sums sums;
  sums.Add(image.data(), image.size());
  return sums.Passes();
}

TEST(ImageMaker, TheSmallestSizeIsAboutFiveMegabytes) {
  std::uint64_t smallest = Smallest_Image_Size();
  EXPECT_GT(smallest, 5'200'000u);
  EXPECT_LT(smallest, 5'400'000u);
  EXPECT_TRUE(Plan_Image(smallest));
  EXPECT_FALSE(Plan_Image(smallest - 1));
  EXPECT_FALSE(Plan_Image(0));
  EXPECT_FALSE(Plan_Image(1'000'000));
}

// What a plan promises, without making the image.
bool Plan_Passes(const Image_Plan& plan) {
  auto s = static_cast<std::uint32_t>(plan.sum);
  auto d = static_cast<std::uint32_t>(plan.sum - 256 * plan.high_bytes);
  return (s ^ d) == 0x50C83500u && plan.high_bytes <= plan.size && plan.sum >= 128 * plan.high_bytes &&
         plan.sum <= 255 * plan.high_bytes + 127 * (plan.size - plan.high_bytes);
}

TEST(ImageMaker, PlansForManySizes) {
  for (std::uint64_t size = Smallest_Image_Size(); size < 40'000'000; size += 777'777) {
    std::optional<Image_Plan> plan = Plan_Image(size);
    ASSERT_TRUE(plan) << size;
    EXPECT_TRUE(Plan_Passes(*plan)) << size;
  }
}

TEST(ImageMaker, ImagesPass) {
  for (std::uint64_t size : {Smallest_Image_Size(), std::uint64_t(16'777'216)}) {
    std::optional<Image_Plan> plan = Plan_Image(size);
    ASSERT_TRUE(plan) << size;
    std::vector<std::uint8_t> image = Make_Image(*plan, 3);
    EXPECT_EQ(image.size(), size);
    EXPECT_TRUE(Passes(image)) << size;
  }
}

TEST(ImageMaker, SeedsGiveDifferentImages) {
  std::optional<Image_Plan> plan = Plan_Image(Smallest_Image_Size());
  ASSERT_TRUE(plan);
  EXPECT_NE(Make_Image(*plan, 1), Make_Image(*plan, 2));
}

TEST(ImageMakerIntegration, TheToolWritesAPassingFileOrRefuses) {
  auto file = std::filesystem::temp_directory_path() / "z5t8-make-image-test.bin";
  std::string tool = std::string(Z5T8_BIN_DIR) + "/make-image";
  ASSERT_EQ(std::system((tool + " --size 5500000 " + file.string() + " >/dev/null").c_str()), 0);
  std::vector<std::uint8_t> image;
  {
    // Closed before the removal, which Windows refuses for an open file.
    std::ifstream in(file, std::ios::binary);
    image.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  EXPECT_EQ(image.size(), 5'500'000u);
  EXPECT_TRUE(Passes(image));
  std::filesystem::remove(file);
  EXPECT_NE(std::system((tool + " --size 1000 " + file.string() + " 2>/dev/null").c_str()), 0);
  EXPECT_FALSE(std::filesystem::exists(file));
}

}  // namespace
