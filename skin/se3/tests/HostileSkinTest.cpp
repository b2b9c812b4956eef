#include <gtest/gtest.h>

#include <string>

#include "framework/Exceptions.h"
#include "framework/MemoryStream.h"
#include "skin/se3/SkinFile.h"
#include "skin/se3/SkinFilter.h"
#include "skin/se3/SkinSource.h"
#include "skin/se3/fuzz/HostileSkins.h"
#include "skin/se3/tests/HeapPeak.h"

namespace z5t8::skin::se3 {
namespace {

using framework::TCustomMemoryStream;
using z5t8::testing::THeapPeak;

constexpr int64_t MiB = int64_t(1) << 20;

// Loads a container into a fresh source; true when it loaded, false when it was refused
// with a stream read error. Any other outcome fails the test.
bool Loads(const std::string& container, TSeSkinSource& skin) {
  TCustomMemoryStream stream(container.data(), int64_t(container.size()));
  try {
    skin.LoadFromStream(stream);
    return true;
  } catch (const framework::EReadError& e) {
    EXPECT_STREQ(e.what(), framework::SReadError);
    return false;
  }
}

TEST(HostileSkin, NameClaimingGigabytesIsRefusedWithinTheStoreCeiling) {
  // 200 MiB of zeros stand behind a name that claims 1.9 GB.
  const std::string container = hostile::HugeNameSkin(200);
  TTeSkinFile theme;
  TCustomMemoryStream stream(container.data(), int64_t(container.size()));
  THeapPeak peak;
  EXPECT_THROW(theme.LoadFromStream(stream), framework::EReadError);
  if (THeapPeak::Available()) EXPECT_LT(THeapPeak::Bytes(), kMaxStoreBody * 2);
  EXPECT_EQ(theme.LoadedSource()->GetCount(), 0);
}

TEST(HostileSkin, StoreBodiesLoadUpToTheCeilingAndNoFurther) {
  // A well-formed body whose name alone takes its size: no objects, tables from the objects.
  auto body = [](int64_t nameBytes) {
    std::string head;
    hostile::PutString(head, std::string(size_t(nameBytes), 'a'));
    for (int i = 0; i < 4; ++i) hostile::PutString(head, "");
    hostile::PutUInt32(head, 0x00FFF000u);
    hostile::PutUInt32(head, 0);
    return hostile::ContainerHead() + hostile::Deflate(head, {}, 0);
  };
  const struct {
    int64_t nameBytes;
    bool loads;
  } cases[] = {{kMaxStoreBody - 64, true}, {kMaxStoreBody + 1, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.nameBytes);
    TSeSkinSource skin;
    EXPECT_EQ(Loads(body(c.nameBytes), skin), c.loads);
    if (c.loads) EXPECT_EQ(int64_t(skin.SkinName().size()), c.nameBytes);
  }
}

TEST(HostileSkin, StoresHoldAtMostWhatTheirWriterCanStore) {
  // 4,095 pictures is the extended layout's own limit; objects are limited to 4,096.
  const struct {
    const char* what;
    std::string container;
    bool loads;
  } cases[] = {
      {"4095 pictures", hostile::ManyPicturesSkin(4095), true},
      {"4096 pictures", hostile::ManyPicturesSkin(4096), false},
      {"4096 objects", hostile::ManyObjectsSkin(4096), true},
      {"4097 objects", hostile::ManyObjectsSkin(4097), false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TSeSkinSource skin;
    EXPECT_EQ(Loads(c.container, skin), c.loads);
  }
  TSeSkinSource skin;
  ASSERT_TRUE(Loads(hostile::ManyPicturesSkin(4095), skin));
  EXPECT_EQ(skin.Images()->Count(), 4095);
  EXPECT_EQ(skin.Images()->GetImage(4094)->GetPixel(0, 0), render::teColor(0xFF336699u));
}

TEST(HostileSkin, NestedObjectsAreReadInPlace) {
  // 150 levels over a 1 MiB record: a copy per level would hold hundreds of mebibytes.
  const std::string container = hostile::DeepSkin(150, size_t(MiB));
  TSeSkinSource skin;
  {
    THeapPeak peak;
    ASSERT_TRUE(Loads(container, skin));
    if (THeapPeak::Available()) EXPECT_LT(THeapPeak::Bytes(), 16 * MiB);
  }
  TSeSkinObject* object = skin.GetObject(0);
  for (int level = 1; level < 150; ++level) {
    ASSERT_EQ(object->GetCount(), 1) << level;
    object = object->GetObject(0);
  }
  EXPECT_EQ(object->Name(), "Level150");
  EXPECT_EQ(object->GetCount(), 0);
}

}  // namespace
}  // namespace z5t8::skin::se3
