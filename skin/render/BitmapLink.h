#pragma once

#include <string>

#include "framework/Persistent.h"
#include "framework/Stream.h"
#include "platform/gui/DeviceContext.h"
#include "skin/render/RectUtils.h"

namespace z5t8::skin::render {

class TteBitmap;

// A named sub-rectangle of a bitmap, as skin objects refer to their images.
// The bitmap is not owned; its owner resolves it from Name.
class TteBitmapLink : public framework::TPersistent {
  Z5T8_CLASS(TteBitmapLink, framework::TPersistent)

public:
  TteBitmapLink() = default;

  TteBitmap* Bitmap = nullptr;
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  std::string Name;
  // Which parts of a nine-part frame hold masked pixels (CheckingMasked).
  bool MaskBorder = false, MaskAngles = false, MaskClient = false;

  Rect GetRect() const { return {Left, Top, Right, Bottom}; }
  void SetRect(const Rect& r);

  // From another link: bitmap, rectangle, name and the three flags.
  void Assign(const framework::TPersistent* source) override;
  // Name, then Left, Top, Right, Bottom.
  void LoadFromStream(framework::TStream& stream);
  void SaveToStream(framework::TStream& stream) const;

  bool GetAssigned() const;
  // margins: left, top, right and bottom widths of the frame; all zero
  // examines the whole rectangle as client.
  void CheckingMasked(const Rect& margins);
  void CheckingMasked();

  void Draw(TteBitmap& target, int x, int y) const;
  void Draw(platform::gui::DeviceContext& dc, int x, int y) const;
};

}  // namespace z5t8::skin::render
