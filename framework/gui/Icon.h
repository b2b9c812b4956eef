#pragma once

#include <optional>
#include <vector>

#include "framework/gui/Graphic.h"
#include "platform/gui/Icon.h"

namespace z5t8::framework {

// An icon from ICO data; the image nearest to the requested size is used.
// Streams store it as the defined property "Data" holding the ICO bytes.
class TIcon : public TGraphic {
  Z5T8_CLASS(TIcon, TGraphic)
public:
  bool Empty() const override { return !FIcon.has_value(); }
  int Width() const override { return FIcon ? FIcon->width() : 0; }
  int Height() const override { return FIcon ? FIcon->height() : 0; }
  // An icon keeps its own size.
  void SetWidth(int) override {}
  void SetHeight(int) override {}
  void Draw(TCanvas* canvas, const platform::gui::Rect& r) override;
  // Raises EInvalidGraphic "Icon image is not valid" for data that is not an icon.
  void LoadFromStream(TStream& stream) override;
  void SaveToStream(TStream& stream) override;
  void LoadFromBytes(std::vector<uint8_t> bytes);
  void Assign(const TPersistent* source) override;
  void DefineProperties(TFiler& filer) override;
  // The image at another size, from the same data (the small icon of a caption).
  std::optional<platform::gui::Icon> ImageAt(int cx, int cy) const;
  const platform::gui::Icon* Handle() const { return FIcon ? &*FIcon : nullptr; }

private:
  std::vector<uint8_t> FData;
  std::optional<platform::gui::Icon> FIcon;
};

}  // namespace z5t8::framework
