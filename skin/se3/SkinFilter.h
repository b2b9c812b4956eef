#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "framework/Persistent.h"
#include "framework/Stream.h"
#include "skin/se3/SkinSourceInterface.h"
#include "skin/se3/ZlibStream.h"

namespace z5t8::skin::se3 {

// Four ASCII characters and a zero byte at the start of a container.
using TTeFilterSign = std::array<uint8_t, 5>;

constexpr TTeFilterSign FilterSign(const char (&text)[5]) {
  return {uint8_t(text[0]), uint8_t(text[1]), uint8_t(text[2]), uint8_t(text[3]), 0};
}

inline constexpr std::array<uint8_t, 4> ZlibMagic{'Z', 'Q', 'L', 'Z'};

// The most bytes a store body is read from: far above any real skin (the embedded one is
// 380 KB), and low enough that the pictures of a hostile store, with the working copy a
// theme makes of them, stay within a small memory budget. A compressed body that inflates
// further is refused with "Stream read error".
inline constexpr int64_t kMaxStoreBody = int64_t(32) << 20;

class TSeSkinFilter;

// A class reference to TSeSkinFilter or a descendant: its virtual constructor and its
// class operations, usable before any instance exists.
class TSeSkinFilterMeta {
public:
  virtual const framework::TMetaClass& Class() const = 0;
  virtual std::unique_ptr<TSeSkinFilter> Create() const = 0;
  virtual std::string GetFileExtension() const = 0;
  virtual std::string GetFilterName() const = 0;

protected:
  ~TSeSkinFilterMeta() = default;
};
using TSeSkinFilterClass = const TSeSkinFilterMeta*;

template <class T>
TSeSkinFilterClass SkinFilterClass() {
  struct Meta final : TSeSkinFilterMeta {
    const framework::TMetaClass& Class() const override { return T::StaticClass(); }
    std::unique_ptr<TSeSkinFilter> Create() const override { return std::make_unique<T>(); }
    std::string GetFileExtension() const override { return T::GetFileExtension(); }
    std::string GetFilterName() const override { return T::GetFilterName(); }
  };
  static const Meta meta;
  return &meta;
}

// The base of the container kinds: reads and writes a whole container around the store
// body of the attached skin source (not owned).
class TSeSkinFilter : public framework::TPersistent {
  Z5T8_CLASS(TSeSkinFilter, framework::TPersistent)

public:
  TSeSkinFilter();

  // The store body: the base layout here. Nothing is read or written while no source is
  // attached.
  virtual void ReadSkinSource(framework::TStream& stream);
  virtual void WriteSkinSource(framework::TStream& stream);
  static std::string GetFileExtension() { return {}; }
  static std::string GetFilterName() { return {}; }
  // The whole container. A container without this kind's signature is read from where
  // the signature would have been.
  virtual void ReadSkin(framework::TStream& stream);
  virtual void WriteSkin(framework::TStream& stream);

  void SetSkinSource(ISeSkinSource* source) { FSkinSource = source; }
  const TTeFilterSign& Sign() const { return FSign; }

protected:
  explicit TSeSkinFilter(const TTeFilterSign& sign) : FSign(sign) {}

  void ReadSign(framework::TStream& stream);
  void WriteSign(framework::TStream& stream);
  // The store body as it stands, read in memory from at most kMaxStoreBody bytes; the
  // stream is left right after the body.
  void ReadPlain(framework::TStream& stream);
  // Magic, then the store body as one zlib stream.
  void ReadCompressed(framework::TStream& stream);
  void WriteCompressed(framework::TStream& stream, TCompressionLevel level);

  TTeFilterSign FSign;
  ISeSkinSource* FSkinSource = nullptr;
};

}  // namespace z5t8::skin::se3
