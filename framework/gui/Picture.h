#pragma once

#include <memory>
#include <string>

#include "framework/gui/Bitmap.h"
#include "framework/gui/Icon.h"

namespace z5t8::framework {

// A holder of any one graphic. Streams store it as the defined property
// "Data": the graphic's class name as a short string, then its data (a
// bitmap's with its 32-bit size first, an icon's as the ICO bytes).
class TPicture : public TPersistent {
  Z5T8_CLASS(TPicture, TPersistent)
public:
  TPicture();
  ~TPicture() override;
  TGraphic* Graphic() const { return FGraphic.get(); }
  // Copies the graphic (none clears).
  void SetGraphic(const TGraphic* graphic);
  // The graphic as a bitmap; another kind of graphic is replaced by an empty bitmap.
  TBitmap* Bitmap();
  TIcon* Icon();
  int Width() const { return FGraphic ? FGraphic->Width() : 0; }
  int Height() const { return FGraphic ? FGraphic->Height() : 0; }
  // By extension: .bmp or .ico; anything else raises EInvalidGraphic.
  void LoadFromFile(const std::string& fileName);
  void Assign(const TPersistent* source) override;
  void DefineProperties(TFiler& filer) override;

  std::function<void()> OnChange;

private:
  void Take(std::unique_ptr<TGraphic> graphic);
  void ReadData(TStream& stream);
  void WriteData(TStream& stream);
  std::unique_ptr<TGraphic> FGraphic;
};

}  // namespace z5t8::framework
