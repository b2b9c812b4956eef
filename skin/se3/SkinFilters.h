#pragma once

#include "skin/se3/SkinFilter.h"

namespace z5t8::skin::se3 {

// Signature, then the store body as it is.
class TSeSkinFilterUncompressed : public TSeSkinFilter {
  Z5T8_CLASS(TSeSkinFilterUncompressed, TSeSkinFilter)

public:
  TSeSkinFilterUncompressed() : TSeSkinFilter(FilterSign("_UCT")) {}
  static std::string GetFileExtension() { return "uskn"; }
  static std::string GetFilterName() { return "Uncompressed Skin"; }
  void ReadSkin(framework::TStream& stream) override;
  void WriteSkin(framework::TStream& stream) override;
};

// Signature, magic, then the store body deflated at the fastest level.
class TSeSkinFilterCompressed : public TSeSkinFilter {
  Z5T8_CLASS(TSeSkinFilterCompressed, TSeSkinFilter)

public:
  TSeSkinFilterCompressed() : TSeSkinFilter(FilterSign("_DCT")) {}
  static std::string GetFileExtension() { return "zqkn"; }
  static std::string GetFilterName() { return "Compressed Skin"; }
  void ReadSkin(framework::TStream& stream) override;
  void WriteSkin(framework::TStream& stream) override;
};

// Signature, magic, then the store body deflated at zlib's default level.
class TSeSkinFilterUltraCompressed : public TSeSkinFilter {
  Z5T8_CLASS(TSeSkinFilterUltraCompressed, TSeSkinFilter)

public:
  TSeSkinFilterUltraCompressed() : TSeSkinFilter(FilterSign("_TCT")) {}
  static std::string GetFileExtension() { return "xskn"; }
  static std::string GetFilterName() { return "Ultra Compressed Skin"; }
  void ReadSkin(framework::TStream& stream) override;
  void WriteSkin(framework::TStream& stream) override;

protected:
  explicit TSeSkinFilterUltraCompressed(const TTeFilterSign& sign) : TSeSkinFilter(sign) {}
};

// The ultra compressed container around the extended store body layout.
class TSeSkinFilterMaxCompression : public TSeSkinFilterUltraCompressed {
  Z5T8_CLASS(TSeSkinFilterMaxCompression, TSeSkinFilterUltraCompressed)

public:
  TSeSkinFilterMaxCompression() : TSeSkinFilterUltraCompressed(FilterSign("_MCT")) {}
  static std::string GetFileExtension() { return "mskn"; }
  static std::string GetFilterName() { return "Maximum Compressed"; }
  void ReadSkinSource(framework::TStream& stream) override;
  void WriteSkinSource(framework::TStream& stream) override;
};

}  // namespace z5t8::skin::se3
