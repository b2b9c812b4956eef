#pragma once

// Skin containers built to cost a reader as much memory and time as their few bytes allow;
// the tests load small ones, make-hostile-skins writes them at full size.
#include <zlib.h>

#include <cstdint>
#include <stdexcept>
#include <string>

#include "framework/MemoryStream.h"
#include "skin/se3/SkinObject.h"
#include "skin/se3/SkinObjectRecords.h"

namespace z5t8::skin::se3::hostile {

// "_MCT" with its zero byte and the magic: the embedded skin's kind.
inline std::string ContainerHead() { return std::string("_MCT\0ZQLZ", 9); }

inline void PutUInt32(std::string& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out += char(uint8_t(v >> (8 * i)));
}

inline void PutString(std::string& out, const std::string& s) {
  PutUInt32(out, uint32_t(s.size()));
  out += s;
}

// A zlib stream of head, body repeated times times, then tail; deflated piece by piece so
// that gigabytes never sit in memory.
inline std::string Deflate(const std::string& head, const std::string& body, uint64_t times,
                           const std::string& tail = {}) {
  z_stream z{};
  if (deflateInit(&z, Z_BEST_COMPRESSION) != Z_OK) throw std::runtime_error("deflateInit");
  std::string out;
  char buffer[1 << 16];
  auto feed = [&](const std::string& piece, int flush) {
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(piece.data()));
    z.avail_in = uInt(piece.size());
    int result;
    do {
      z.next_out = reinterpret_cast<Bytef*>(buffer);
      z.avail_out = sizeof buffer;
      result = deflate(&z, flush);
      out.append(buffer, sizeof buffer - z.avail_out);
    } while (z.avail_out == 0 || (flush == Z_FINISH && result != Z_STREAM_END));
  };
  feed(head, Z_NO_FLUSH);
  for (uint64_t i = 0; i < times; ++i) feed(body, Z_NO_FLUSH);
  feed(tail, Z_NO_FLUSH);
  feed(std::string(), Z_FINISH);
  deflateEnd(&z);
  return out;
}

// The five header strings of a store, all empty.
inline std::string EmptyHeader() {
  std::string head;
  for (int i = 0; i < 5; ++i) PutString(head, "");
  return head;
}

// The skin's name claims 1.9 GB; zeroMiB mebibytes of zeros follow it in the zlib stream.
inline std::string HugeNameSkin(uint64_t zeroMiB) {
  std::string head;
  PutUInt32(head, 1'900'000'000u);
  return ContainerHead() + Deflate(head, std::string(size_t(1) << 20, '\0'), zeroMiB);
}

// A store of count pictures of 1 x 1 with empty names (image form B, so their flags are
// worked out), then no objects, so the tables come from the (missing) objects.
inline std::string ManyPicturesSkin(uint32_t count) {
  std::string head = EmptyHeader();
  PutUInt32(head, count | 0x000F0000u);
  std::string picture;
  PutString(picture, "");
  PutUInt32(picture, 1);
  PutUInt32(picture, 1);
  PutUInt32(picture, 0xFF336699u);
  std::string block;
  for (int i = 0; i < 4096; ++i) block += picture;
  std::string tail;
  for (uint32_t i = 0; i < count % 4096; ++i) tail += picture;
  PutUInt32(tail, 0);
  return ContainerHead() + Deflate(head, block, count / 4096, tail);
}

// One binary object record of a plain skin object named name, whose "Objects" value holds
// children (already records) and count.
inline std::string ObjectRecord(const std::string& name, const std::string& children, uint32_t count) {
  TSeSkinObject object(nullptr);
  object.SetName(name);
  framework::TMemoryStream plain;
  SaveSkinObjectBinary(plain, &object);
  std::string record(reinterpret_cast<const char*>(plain.Memory()), size_t(plain.Size()));
  if (count == 0) return record;
  // Splice the "Objects" property in before the two closing zero bytes: its name as a
  // short string, the binary value kind (10), the length, then the count word and records.
  std::string value;
  PutUInt32(value, count | 0x000F0000u);
  value += children;
  std::string property;
  property += char(7);
  property += "Objects";
  property += char(10);
  PutUInt32(property, uint32_t(value.size()));
  property += value;
  const size_t classLength = 4 + uint8_t(record[0]) + (uint32_t(uint8_t(record[1])) << 8);
  std::string component = record.substr(classLength + 4);
  component.insert(component.size() - 2, property);
  std::string out = record.substr(0, classLength);
  PutUInt32(out, uint32_t(component.size()));
  return out + component;
}

// A store whose only object nests depth levels deep; the innermost holds a record of an
// unknown class with payload bytes, which a reader skips whole.
inline std::string DeepSkin(int depth, size_t payload) {
  std::string inner;
  PutString(inner, "TUnknownSkinThing");
  PutUInt32(inner, uint32_t(payload));
  inner += std::string(payload, 'x');
  for (int level = depth; level > 0; --level) inner = ObjectRecord("Level" + std::to_string(level), inner, 1);
  std::string store = EmptyHeader();
  PutUInt32(store, 0x00FFF000u);
  PutUInt32(store, 1);
  store += inner;
  return ContainerHead() + Deflate(store, {}, 0);
}

// A store of count plain top-level objects.
inline std::string ManyObjectsSkin(uint32_t count) {
  std::string store = EmptyHeader();
  PutUInt32(store, 0x00FFF000u);
  PutUInt32(store, count);
  std::string tail;
  for (uint32_t i = 0; i < count; ++i) tail += ObjectRecord("", {}, 0);
  return ContainerHead() + Deflate(store, {}, 0, tail);
}

// A store of one square picture of one colour, as large as the store ceiling allows at
// side 2896, then one plain object: the most pixels a skin can bring.
inline std::string BigPictureSkin(uint32_t side) {
  std::string head = EmptyHeader();
  PutUInt32(head, 1 | 0x00FFF000u);
  PutString(head, "big");
  PutUInt32(head, side);
  PutUInt32(head, side);
  std::string row;
  for (uint32_t x = 0; x < side; ++x) PutUInt32(row, 0xFF336699u);
  std::string tail = std::string("\1\0", 2);
  PutUInt32(tail, 1);
  tail += ObjectRecord("Form", {}, 0);
  return ContainerHead() + Deflate(head, row, side, tail);
}

}  // namespace z5t8::skin::se3::hostile
