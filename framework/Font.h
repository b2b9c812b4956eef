#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "framework/Color.h"
#include "framework/Event.h"
#include "framework/Persistent.h"
#include "framework/Set.h"
#include "framework/TypeInfo.h"

namespace z5t8::framework {

using TFontCharset = uint8_t;

inline constexpr TFontCharset ANSI_CHARSET = 0;
inline constexpr TFontCharset DEFAULT_CHARSET = 1;
inline constexpr TFontCharset SYMBOL_CHARSET = 2;
inline constexpr TFontCharset MAC_CHARSET = 77;
inline constexpr TFontCharset SHIFTJIS_CHARSET = 128;
inline constexpr TFontCharset HANGEUL_CHARSET = 129;
inline constexpr TFontCharset JOHAB_CHARSET = 130;
inline constexpr TFontCharset GB2312_CHARSET = 134;
inline constexpr TFontCharset CHINESEBIG5_CHARSET = 136;
inline constexpr TFontCharset GREEK_CHARSET = 161;
inline constexpr TFontCharset TURKISH_CHARSET = 162;
inline constexpr TFontCharset VIETNAMESE_CHARSET = 163;
inline constexpr TFontCharset HEBREW_CHARSET = 177;
inline constexpr TFontCharset ARABIC_CHARSET = 178;
inline constexpr TFontCharset BALTIC_CHARSET = 186;
inline constexpr TFontCharset RUSSIAN_CHARSET = 204;
inline constexpr TFontCharset THAI_CHARSET = 222;
inline constexpr TFontCharset EASTEUROPE_CHARSET = 238;
inline constexpr TFontCharset OEM_CHARSET = 255;

// "DEFAULT_CHARSET", "CHINESEBIG5_CHARSET" ... both ways.
TIdentMap CharsetIdents();
bool CharsetToIdent(TFontCharset charset, std::string& ident);
bool IdentToCharset(std::string_view ident, TFontCharset& charset);

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
enum TFontPitch { fpDefault, fpVariable, fpFixed };

inline constexpr std::string_view FontStyleNames[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
inline constexpr TEnumInfo FontStyleInfo{"TFontStyle", FontStyleNames};
inline constexpr std::string_view FontPitchNames[] = {"fpDefault", "fpVariable", "fpFixed"};
inline constexpr TEnumInfo FontPitchInfo{"TFontPitch", FontPitchNames};

// What a realised platform font depends on (everything but the colour).
struct TFontData {
  std::string Name;
  int Height = 0;
  TFontCharset Charset = DEFAULT_CHARSET;
  TFontStyles Style;
  TFontPitch Pitch = fpDefault;
  bool operator==(const TFontData&) const = default;
};

// A font description: face name, height in pixels (negative: character height, as
// streams store it), the size in points derived through PixelsPerInch, character set,
// colour, styles and pitch. Every change calls Changed, which raises OnChange.
class TFont : public TPersistent {
  Z5T8_CLASS(TFont, TPersistent)

public:
  TFont();

  const std::string& Name() const { return FData.Name; }
  void SetName(const std::string& name);
  int Height() const { return FData.Height; }
  void SetHeight(int height);
  // Size = -Height * 72 / PixelsPerInch and Height = -Size * PixelsPerInch / 72, rounded
  // to the nearest integer with ties to even.
  int Size() const;
  void SetSize(int size);
  TFontCharset Charset() const { return FData.Charset; }
  void SetCharset(TFontCharset charset);
  TColor Color() const { return FColor; }
  void SetColor(TColor color);
  TFontStyles Style() const { return FData.Style; }
  void SetStyle(TFontStyles style);
  TFontPitch Pitch() const { return FData.Pitch; }
  void SetPitch(TFontPitch pitch);
  int PixelsPerInch() const { return FPixelsPerInch; }
  void SetPixelsPerInch(int ppi) { FPixelsPerInch = ppi > 0 ? ppi : 96; }

  const TFontData& Data() const { return FData; }
  // Copies another font in one change; a different PixelsPerInch keeps the point size.
  void Assign(const TPersistent* source) override;

  TNotifyEvent OnChange;

  // A slot for whatever the platform layer realises from Data(); emptied whenever
  // Data() changes, so a cached platform font never outlives the description it was made for.
  const std::shared_ptr<void>& HandleCache() const { return FHandleCache; }
  void SetHandleCache(std::shared_ptr<void> handle) const { FHandleCache = std::move(handle); }

protected:
  virtual void Changed();

private:
  void DataChanged();

  TFontData FData;
  TColor FColor = clWindowText;
  int FPixelsPerInch = 96;
  mutable std::shared_ptr<void> FHandleCache;
};

}  // namespace z5t8::framework
