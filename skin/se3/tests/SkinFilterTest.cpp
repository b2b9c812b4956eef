#include <gtest/gtest.h>
#include <zlib.h>

#include <random>
#include <string>

#include "framework/Exceptions.h"
#include "framework/MemoryStream.h"
#include "skin/se3/SkinFilterRegistry.h"
#include "skin/se3/SkinFilters.h"

namespace z5t8::skin::se3 {
namespace {

using framework::TMemoryStream;
using framework::TSeekOrigin;
using framework::TStream;

// A store body of the tests' own: one counted string.
class TTestSkinSource : public ISeSkinSource {
public:
  std::string Body;
  int Layout = -1;

  void ReadStore(TStream& stream, TSeSkinStoreLayout layout) override {
    Layout = layout;
    Body = framework::ReadCountedString(stream);
  }
  void WriteStore(TStream& stream, TSeSkinStoreLayout layout) override {
    Layout = layout;
    framework::WriteCountedString(stream, Body);
  }
};

std::string MixedBody() {
  std::mt19937 gen(5);
  std::string body;
  for (int i = 0; i < 30000; ++i) body += char(i % 7 == 0 ? gen() : 'a' + i % 13);
  return body;
}

struct Kind {
  TSeSkinFilterClass cls;
  const char* sign;
  const char* ext;
  const char* name;
  int zlibFlags;  // -1: not compressed
  TSeSkinStoreLayout layout;
};

const Kind kKinds[] = {
    {SkinFilterClass<TSeSkinFilterUncompressed>(), "_UCT", "uskn", "Uncompressed Skin", -1, sslBase},
    {SkinFilterClass<TSeSkinFilterCompressed>(), "_DCT", "zqkn", "Compressed Skin", 0x01, sslBase},
    {SkinFilterClass<TSeSkinFilterUltraCompressed>(), "_TCT", "xskn", "Ultra Compressed Skin", 0x9C, sslBase},
    {SkinFilterClass<TSeSkinFilterMaxCompression>(), "_MCT", "mskn", "Maximum Compressed", 0x9C, sslExtended},
};

TEST(SkinFilter, EveryKindWritesItsContainerAndReadsItBack) {
  for (const Kind& k : kKinds) {
    SCOPED_TRACE(k.name);
    EXPECT_EQ(k.cls->GetFileExtension(), k.ext);
    EXPECT_EQ(k.cls->GetFilterName(), k.name);
    TTestSkinSource out;
    out.Body = MixedBody();
    TMemoryStream stream;
    {
      auto filter = k.cls->Create();
      filter->SetSkinSource(&out);
      filter->WriteSkin(stream);
    }
    EXPECT_EQ(out.Layout, k.layout);
    const std::vector<uint8_t> bytes = stream.Bytes();
    ASSERT_GT(bytes.size(), 11u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), k.sign);
    EXPECT_EQ(bytes[4], 0);
    if (k.zlibFlags >= 0) {
      EXPECT_EQ(std::string(bytes.begin() + 5, bytes.begin() + 9), "ZQLZ");
      EXPECT_EQ(bytes[9], 0x78);
      EXPECT_EQ(bytes[10], k.zlibFlags);
      // The zlib stream ends the container: zlib itself consumes every byte.
      z_stream z{};
      ASSERT_EQ(inflateInit(&z), Z_OK);
      std::vector<uint8_t> plain(out.Body.size() + 64);
      z.next_in = const_cast<Bytef*>(bytes.data() + 9);
      z.avail_in = uInt(bytes.size() - 9);
      z.next_out = plain.data();
      z.avail_out = uInt(plain.size());
      EXPECT_EQ(inflate(&z, Z_FINISH), Z_STREAM_END);
      EXPECT_EQ(z.avail_in, 0u);
      EXPECT_EQ(z.total_out, out.Body.size() + 4);
      inflateEnd(&z);
    } else {
      EXPECT_EQ(bytes.size(), 5 + 4 + out.Body.size());
    }

    stream.SetPosition(0);
    EXPECT_EQ(GetThemeFilterBySign(stream), k.cls);
    EXPECT_EQ(stream.Position(), 0);
    TTestSkinSource in;
    auto filter = k.cls->Create();
    EXPECT_EQ(&filter->ClassType(), &k.cls->Class());
    filter->SetSkinSource(&in);
    filter->ReadSkin(stream);
    EXPECT_EQ(in.Body, out.Body);
    EXPECT_EQ(in.Layout, k.layout);
  }
}

TEST(SkinFilter, ContainerWithoutSignatureIsReadByTheDefaultKind) {
  TTestSkinSource out;
  out.Body = "a small body";
  TMemoryStream written;
  TSeSkinFilterCompressed writer;
  writer.SetSkinSource(&out);
  writer.WriteSkin(written);

  TMemoryStream stream;
  stream.WriteBuffer("xyz", 3);
  stream.WriteBuffer(written.Memory() + 5, written.Size() - 5);  // begins with "ZQLZ"
  stream.SetPosition(3);
  EXPECT_EQ(GetThemeFilterBySign(stream), nullptr);
  EXPECT_EQ(stream.Position(), 3);

  ASSERT_EQ(DefaultSkinFilterClass(), SkinFilterClass<TSeSkinFilterCompressed>());
  TTestSkinSource in;
  auto filter = DefaultSkinFilterClass()->Create();
  filter->SetSkinSource(&in);
  filter->ReadSkin(stream);
  EXPECT_EQ(in.Body, "a small body");
}

TEST(SkinFilter, ShortBodyWithoutSignatureIsReadFromItsStart) {
  TMemoryStream stream;
  stream.WriteBuffer("ab", 2);
  stream.WriteInt32(0);  // an empty counted string, shorter than a signature
  stream.SetPosition(2);
  TTestSkinSource in;
  in.Body = "old";
  TSeSkinFilterUncompressed filter;
  filter.SetSkinSource(&in);
  filter.ReadSkin(stream);
  EXPECT_EQ(in.Body, "");
  EXPECT_EQ(stream.Position(), 6);
}

TEST(SkinFilter, WithoutASkinSourceTheBodyIsLeftAlone) {
  for (const Kind& k : kKinds) {
    SCOPED_TRACE(k.name);
    auto filter = k.cls->Create();
    TMemoryStream body;
    body.WriteBuffer("body", 4);
    body.SetPosition(0);
    filter->ReadSkinSource(body);
    EXPECT_EQ(body.Position(), 0);
    filter->WriteSkinSource(body);
    EXPECT_EQ(body.Size(), 4);

    // A whole container still gets its frame: the signature, and the magic and an empty
    // zlib stream for the compressed kinds.
    TMemoryStream container;
    filter->WriteSkin(container);
    std::vector<uint8_t> bytes = container.Bytes();
    ASSERT_GE(bytes.size(), 5u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), k.sign);
    EXPECT_EQ(bytes.size() == 5, k.zlibFlags < 0);
    container.SetPosition(0);
    filter->ReadSkin(container);
  }
}

TEST(SkinFilterRegistry, ShortStreamsMatchNothingAndKeepTheirPosition) {
  const std::string sign("_MCT\0", 5);
  for (size_t n = 0; n < 5; ++n) {
    TMemoryStream stream;
    stream.WriteBuffer("ab", 2);
    stream.WriteBuffer(sign.data(), int64_t(n));
    stream.SetPosition(2);
    EXPECT_EQ(GetThemeFilterBySign(stream), nullptr) << n;
    EXPECT_EQ(stream.Position(), 2) << n;
  }
}

// Reads fail once the position passes a mark, as a broken device would.
class TFailingStream : public TMemoryStream {
public:
  int32_t Read(void* buffer, int32_t count) override {
    if (Position() >= 2) throw framework::EReadError("device gone");
    return TMemoryStream::Read(buffer, count);
  }
};

TEST(SkinFilterRegistry, PositionIsRestoredWhenTheProbeFails) {
  TFailingStream stream;
  stream.WriteBuffer("__MCT\0", 6);
  stream.SetPosition(2);
  EXPECT_THROW(GetThemeFilterBySign(stream), framework::EReadError);
  EXPECT_EQ(stream.Position(), 2);
}

TEST(SkinFilterRegistry, ExtensionLookup) {
  struct Case {
    const char* fileName;
    TSeSkinFilterClass expected;
  } cases[] = {
      {"aqua.mskn", SkinFilterClass<TSeSkinFilterMaxCompression>()},
      {"AQUA.MSKN", SkinFilterClass<TSeSkinFilterMaxCompression>()},
      {"/skins/old.tar.Zqkn", SkinFilterClass<TSeSkinFilterCompressed>()},
      {"x.uskn", SkinFilterClass<TSeSkinFilterUncompressed>()},
      {"x.xskn", SkinFilterClass<TSeSkinFilterUltraCompressed>()},
      {"aqua", nullptr},
      {"aqua.", nullptr},
      {"aqua.bmp", nullptr},
      {"aqua.msknx", nullptr},
      {"skins.mskn/aqua", nullptr},
      {"", nullptr},
  };
  for (const Case& c : cases) EXPECT_EQ(GetThemeFilterByExt(c.fileName), c.expected) << c.fileName;
}

TEST(SkinFilterRegistry, DialogFilterListsTheKindsInOrder) {
  EXPECT_EQ(GetDialogFilter3(),
            "Uncompressed Skin (*.uskn)|*.uskn|Compressed Skin (*.zqkn)|*.zqkn|"
            "Ultra Compressed Skin (*.xskn)|*.xskn|Maximum Compressed (*.mskn)|*.mskn");
}

// A kind of the tests' own: one with a new signature, one reusing a standard one.
class TTestFilter : public TSeSkinFilterUncompressed {
public:
  TTestFilter() { FSign = FilterSign("_TST"); }
  static std::string GetFileExtension() { return "tst"; }
  static std::string GetFilterName() { return "Test Skin"; }
};
class TShadowFilter : public TSeSkinFilterUncompressed {
public:
  static std::string GetFileExtension() { return "uskn"; }
  static std::string GetFilterName() { return "Shadow"; }
};

TEST(SkinFilterRegistry, RegisteredKindsJoinAtTheEndAndLeave) {
  const auto test = SkinFilterClass<TTestFilter>();
  const auto shadow = SkinFilterClass<TShadowFilter>();
  RegisterSkinFilter(test);
  RegisterSkinFilter(shadow);
  TMemoryStream stream;
  stream.WriteBuffer("_TST\0", 5);
  stream.SetPosition(0);
  EXPECT_EQ(GetThemeFilterBySign(stream), test);
  EXPECT_EQ(GetThemeFilterByExt("a.TST"), test);
  EXPECT_EQ(GetThemeFilterByExt("a.uskn"), SkinFilterClass<TSeSkinFilterUncompressed>());
  const std::string filter = GetDialogFilter3();
  EXPECT_NE(filter.find("|Maximum Compressed (*.mskn)|*.mskn|Test Skin (*.tst)|*.tst|Shadow (*.uskn)|*.uskn"),
            std::string::npos);

  UnregisterSkinFilter(test);
  UnregisterSkinFilter(shadow);
  EXPECT_EQ(GetThemeFilterBySign(stream), nullptr);
  EXPECT_EQ(GetThemeFilterByExt("a.tst"), nullptr);
  EXPECT_EQ(RegisteredSkinFilters().size(), 4u);
}

TEST(SkinFilterRegistry, DefaultKindCanBeChanged) {
  const TSeSkinFilterClass before = DefaultSkinFilterClass();
  SetDefaultSkinFilterClass(SkinFilterClass<TSeSkinFilterMaxCompression>());
  EXPECT_EQ(DefaultSkinFilterClass(), SkinFilterClass<TSeSkinFilterMaxCompression>());
  SetDefaultSkinFilterClass(before);
}

}  // namespace
}  // namespace z5t8::skin::se3
