#pragma once

#include <vector>

#include "framework/Component.h"
#include "framework/gui/Bitmap.h"

namespace z5t8::framework {

// Small images of one size, each with its transparent parts, drawn by index.
class TImageList : public TComponent {
  Z5T8_CLASS(TImageList, TComponent)
public:
  explicit TImageList(TComponent* owner);
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  // Changing the size clears the list.
  void SetWidth(int value);
  void SetHeight(int value);
  int Count() const { return static_cast<int>(FImages.size()); }
  // A strip of images side by side; pixels of the mask colour become
  // transparent. Returns the index of the first one added.
  int AddMasked(TBitmap& image, TColor maskColor);
  void Delete(int index);
  void Clear();
  // Nothing for an index outside the list. A disabled image is drawn grey.
  void Draw(TCanvas* canvas, int x, int y, int index, bool enabled = true);
  // The image on the bitmap, its transparent parts in magenta.
  bool GetBitmap(int index, TBitmap& bitmap) const;

private:
  int FWidth = 16;
  int FHeight = 16;
  // Colours with straight alpha: 0 where the image is transparent.
  std::vector<platform::gui::Surface> FImages;
};

}  // namespace z5t8::framework
