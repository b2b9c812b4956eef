#include <gtest/gtest.h>
#include <zlib.h>

#include <cstring>
#include <random>
#include <vector>

#include "framework/MemoryStream.h"
#include "skin/render/Bitmap.h"
#include "skin/render/StreamStrings.h"
#include "skin/se3/CompressionStream.h"
#include "skin/se3/DecompressionStream.h"

namespace z5t8::skin::se3 {
namespace {

using framework::EReadError;
using framework::TMemoryStream;
using framework::TSeekOrigin;

std::vector<uint8_t> RandomBytes(size_t n, unsigned seed = 1) {
  std::mt19937 gen(seed);
  std::vector<uint8_t> v(n);
  for (auto& b : v) b = uint8_t(gen());
  return v;
}

std::vector<uint8_t> Deflate(const std::vector<uint8_t>& data, TCompressionLevel level = clDefault) {
  TMemoryStream out;
  {
    TCompressionStream z(level, out);
    z.WriteBuffer(data.data(), int64_t(data.size()));
  }
  return out.Bytes();
}

// What zlib itself makes of the bytes: the inflated data, or nothing when they are not
// one complete zlib stream ending exactly at the end.
bool InflatesExactly(const std::vector<uint8_t>& zdata, std::vector<uint8_t>& out) {
  z_stream z{};
  if (inflateInit(&z) != Z_OK) return false;
  z.next_in = const_cast<Bytef*>(zdata.data());
  z.avail_in = uInt(zdata.size());
  out.clear();
  int rc;
  do {
    uint8_t chunk[4096];
    z.next_out = chunk;
    z.avail_out = sizeof chunk;
    rc = inflate(&z, Z_NO_FLUSH);
    out.insert(out.end(), chunk, chunk + (sizeof chunk - z.avail_out));
  } while (rc == Z_OK);
  bool exact = rc == Z_STREAM_END && z.avail_in == 0;
  inflateEnd(&z);
  return exact;
}

TEST(CompressionStream, EmptyStreamIsCompleteWithLevelHeader) {
  struct Case {
    TCompressionLevel level;
    uint8_t flags;
  } cases[] = {{clNone, 0x01}, {clFastest, 0x01}, {clDefault, 0x9C}, {clMax, 0xDA}};
  for (const Case& c : cases) {
    std::vector<uint8_t> z = Deflate({}, c.level);
    ASSERT_GE(z.size(), 2u);
    EXPECT_EQ(z[0], 0x78);
    EXPECT_EQ(z[1], c.flags) << int(c.level);
    std::vector<uint8_t> back{1};
    EXPECT_TRUE(InflatesExactly(z, back));
    EXPECT_TRUE(back.empty());
  }
}

TEST(CompressionStream, RoundTripsThroughBufferTransfersWithProgress) {
  const std::vector<uint8_t> data = RandomBytes(100000);
  TMemoryStream out;
  out.WriteBuffer("head", 4);
  int progress = 0;
  {
    TCompressionStream z(clFastest, out);
    z.OnProgress = [&](TCustomZlibStream* sender) {
      EXPECT_EQ(sender, &z);
      ++progress;
    };
    // Uneven pieces, so input boundaries never line up with the buffer.
    for (size_t at = 0; at < data.size(); at += 777)
      z.WriteBuffer(data.data() + at, int64_t(std::min<size_t>(777, data.size() - at)));
    EXPECT_EQ(z.Seek(0, TSeekOrigin::soCurrent), int64_t(data.size()));
  }
  EXPECT_GE(progress, int(data.size() / TCustomZlibStream::BufferSize));
  std::vector<uint8_t> zdata(out.Bytes().begin() + 4, out.Bytes().end());
  std::vector<uint8_t> back;
  ASSERT_TRUE(InflatesExactly(zdata, back));
  EXPECT_EQ(back, data);

  out.SetPosition(4);
  TDecompressionStream in(out);
  int inProgress = 0;
  in.OnProgress = [&](TCustomZlibStream*) { ++inProgress; };
  std::vector<uint8_t> read(data.size() + 10);
  EXPECT_EQ(in.Read(read.data(), int32_t(read.size())), int32_t(data.size()));
  read.resize(data.size());
  EXPECT_EQ(read, data);
  EXPECT_GE(inProgress, int(zdata.size() / TCustomZlibStream::BufferSize));
}

TEST(CompressionStream, RefusesReadsAndSeeks) {
  TMemoryStream out;
  TCompressionStream z(clDefault, out);
  z.WriteBuffer("abc", 3);
  EXPECT_EQ(z.Seek(0, TSeekOrigin::soCurrent), 3);
  EXPECT_EQ(z.Position(), 3);
  char c;
  try {
    z.Read(&c, 1);
    FAIL();
  } catch (const ECompressionError& e) {
    EXPECT_EQ(e.Message(), "Invalid stream operation");
  }
  EXPECT_THROW(z.Seek(1, TSeekOrigin::soCurrent), ECompressionError);
  EXPECT_THROW(z.Seek(0, TSeekOrigin::soBeginning), ECompressionError);
  EXPECT_THROW(z.Seek(0, TSeekOrigin::soEnd), ECompressionError);
}

TEST(CompressionStream, CompressionRateFollowsOutput) {
  TMemoryStream out;
  TCompressionStream z(clDefault, out);
  EXPECT_EQ(z.CompressionRate(), 0.0);
  std::vector<uint8_t> zeros(20000, 0);
  z.WriteBuffer(zeros.data(), int64_t(zeros.size()));
  z.Finish();
  EXPECT_DOUBLE_EQ(z.CompressionRate(), (1.0 - double(out.Size()) / 20000.0) * 100.0);
  EXPECT_GT(z.CompressionRate(), 99.0);
  EXPECT_THROW(z.Write("x", 1), ECompressionError);
}

TEST(CompressionStream, ReturnsToItsPlaceWhenTheDestinationMoved) {
  const std::vector<uint8_t> data = RandomBytes(30000, 7);
  TMemoryStream out;
  {
    TCompressionStream z(clDefault, out);
    z.WriteBuffer(data.data(), 15000);
    out.SetPosition(0);
    z.WriteBuffer(data.data() + 15000, 15000);
    out.SetPosition(0);
  }
  std::vector<uint8_t> back;
  ASSERT_TRUE(InflatesExactly(out.Bytes(), back));
  EXPECT_EQ(back, data);
}

class DecompressionStreamTest : public ::testing::Test {
protected:
  void SetUp() override {
    data = RandomBytes(50000, 3);
    std::vector<uint8_t> z = Deflate(data);
    source.WriteBuffer(z.data(), int64_t(z.size()));
    source.WriteBuffer("TRAILER", 7);
    zsize = int64_t(z.size());
    source.SetPosition(0);
  }
  std::vector<uint8_t> data;
  TMemoryStream source;
  int64_t zsize = 0;
};

TEST_F(DecompressionStreamTest, StopsAtTheEndOfTheZlibStream) {
  TDecompressionStream z(source);
  std::vector<uint8_t> read(data.size() + 100);
  EXPECT_EQ(z.Read(read.data(), int32_t(read.size())), int32_t(data.size()));
  EXPECT_TRUE(std::equal(data.begin(), data.end(), read.begin()));
  EXPECT_EQ(z.Read(read.data(), 10), 0);
  EXPECT_EQ(z.Position(), int64_t(data.size()));
}

TEST_F(DecompressionStreamTest, ContinuesWhereItLeftTheSource) {
  TDecompressionStream z(source);
  std::vector<uint8_t> read(data.size());
  ASSERT_EQ(z.Read(read.data(), 1000), 1000);
  source.SetPosition(zsize);
  ASSERT_EQ(z.Read(read.data() + 1000, int32_t(data.size() - 1000)), int32_t(data.size() - 1000));
  EXPECT_EQ(read, data);
}

TEST_F(DecompressionStreamTest, SeekRules) {
  struct Case {
    int64_t first;  // bytes read before the seek
    int64_t offset;
    TSeekOrigin origin;
    int64_t result;  // -1: EDecompressionError
  } cases[] = {
      {100, 0, TSeekOrigin::soCurrent, 100},       {100, 5000, TSeekOrigin::soCurrent, 5100},
      {100, 9000, TSeekOrigin::soBeginning, 9000}, {100, 0, TSeekOrigin::soBeginning, 0},
      {100, 100, TSeekOrigin::soBeginning, -1},    {100, 50, TSeekOrigin::soBeginning, -1},
      {100, -1, TSeekOrigin::soCurrent, -1},       {100, 0, TSeekOrigin::soEnd, -1},
  };
  for (const Case& c : cases) {
    source.SetPosition(0);
    TDecompressionStream z(source);
    std::vector<uint8_t> buf(size_t(c.first));
    ASSERT_EQ(z.Read(buf.data(), int32_t(c.first)), c.first);
    if (c.result < 0) {
      EXPECT_THROW(z.Seek(c.offset, c.origin), EDecompressionError) << c.offset;
      continue;
    }
    EXPECT_EQ(z.Seek(c.offset, c.origin), c.result) << c.offset;
    uint8_t b;
    ASSERT_EQ(z.Read(&b, 1), 1);
    EXPECT_EQ(b, data[size_t(c.result)]) << c.offset;
  }
}

TEST_F(DecompressionStreamTest, SeekPastTheEndIsAReadError) {
  TDecompressionStream z(source);
  EXPECT_THROW(z.Seek(int64_t(data.size()) + 1, TSeekOrigin::soCurrent), EReadError);
}

TEST_F(DecompressionStreamTest, RefusesWrites) {
  TDecompressionStream z(source);
  try {
    z.Write("x", 1);
    FAIL();
  } catch (const EDecompressionError& e) {
    EXPECT_EQ(e.Message(), "Invalid stream operation");
  }
}

TEST_F(DecompressionStreamTest, TruncatedDataReadsShort) {
  const std::vector<uint8_t> whole(source.Bytes().begin(), source.Bytes().begin() + zsize);
  for (int64_t keep : {int64_t(0), int64_t(1), int64_t(2), zsize / 2, zsize - 4}) {
    TMemoryStream cut;
    cut.WriteBuffer(whole.data(), keep);
    cut.SetPosition(0);
    TDecompressionStream z(cut);
    std::vector<uint8_t> read(data.size() + 1);
    int32_t got = z.Read(read.data(), int32_t(read.size()));
    EXPECT_LE(got, int32_t(data.size())) << keep;
    if (keep < zsize - 4) EXPECT_LT(got, int32_t(data.size())) << keep;
    EXPECT_TRUE(std::equal(read.begin(), read.begin() + got, data.begin())) << keep;
    EXPECT_EQ(z.Read(read.data(), 1), 0) << keep;
  }
}

TEST(DecompressionStream, CorruptDataIsAnError) {
  std::vector<uint8_t> good = Deflate(RandomBytes(5000));
  std::vector<uint8_t> badBlock = good;
  badBlock[2] = 0xFF;  // reserved block type
  std::vector<uint8_t> badChecksum = good;
  badChecksum.back() ^= 1;
  const std::vector<std::vector<uint8_t>> cases = {
      {0x78, 0x00, 0x01, 0x02},              // header check fails
      {0x78, 0xBB, 0x00, 0x00, 0x00, 0x01},  // asks for a preset dictionary
      badBlock,
      badChecksum,
  };
  for (const auto& bytes : cases) {
    TMemoryStream s;
    s.WriteBuffer(bytes.data(), int64_t(bytes.size()));
    s.SetPosition(0);
    TDecompressionStream z(s);
    std::vector<uint8_t> read(10000);
    try {
      z.Read(read.data(), int32_t(read.size()));
      ADD_FAILURE() << "no error for case of " << bytes.size() << " bytes";
    } catch (const ECompressionError& e) {
      EXPECT_EQ(e.Message(), "error");
    }
  }
}

// A decompressor cannot tell its size, so the skin's records must read without asking.
TEST(DecompressionStream, CarriesCountedStringsAndBitmapRecords) {
  render::TteBitmap picture;
  picture.Name = "topbar.png";
  picture.SetSize(300, 257);  // more pixels than one read chunk
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x) picture.SetPixel(x, y, render::teColor(uint32_t(x * 7919 + y)));
  TMemoryStream packed;
  {
    TCompressionStream z(clFastest, packed);
    render::WriteString(z, "Aqua");
    picture.SaveToStream(z);
  }
  std::vector<uint8_t> whole = packed.Bytes();
  packed.SetPosition(0);
  TDecompressionStream z(packed);
  EXPECT_EQ(render::ReadString(z), "Aqua");
  render::TteBitmap back;
  back.LoadFromStream(z);
  EXPECT_EQ(back.Name, "topbar.png");
  ASSERT_EQ(back.Width(), 300);
  ASSERT_EQ(back.Height(), 257);
  EXPECT_TRUE(std::equal(back.Bits(), back.Bits() + 300 * 257, picture.Bits(),
                         [](render::teColor a, render::teColor b) { return a.value == b.value; }));

  // Cut inside the pixels: a read error, and the bitmap keeps nothing half read.
  TMemoryStream cut;
  cut.WriteBuffer(whole.data(), int64_t(whole.size() / 2));
  cut.SetPosition(0);
  TDecompressionStream short_(cut);
  EXPECT_EQ(render::ReadString(short_), "Aqua");
  render::TteBitmap partial;
  EXPECT_THROW(partial.LoadFromStream(short_), EReadError);
  EXPECT_TRUE(partial.Empty());
}

}  // namespace
}  // namespace z5t8::skin::se3
