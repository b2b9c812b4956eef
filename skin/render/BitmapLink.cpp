#include "skin/render/BitmapLink.h"

#include "framework/Properties.h"
#include "skin/render/Bitmap.h"
#include "skin/render/StreamStrings.h"

namespace z5t8::skin::render {

namespace {

using platform::gui::intersectRect;

bool Masked(teColor c) { return c != teNone && (c == teTransparentVar || c.A() < 255); }

}  // namespace

void TteBitmapLink::SetRect(const Rect& r) {
  Left = r.left;
  Top = r.top;
  Right = r.right;
  Bottom = r.bottom;
}

Z5T8_IMPLEMENT_CLASS(TteBitmapLink, framework::TPersistent) {
  p.Integer("Left", &TteBitmapLink::Left, &TteBitmapLink::Left);
  p.Integer("Top", &TteBitmapLink::Top, &TteBitmapLink::Top);
  p.Integer("Right", &TteBitmapLink::Right, &TteBitmapLink::Right);
  p.Integer("Bottom", &TteBitmapLink::Bottom, &TteBitmapLink::Bottom);
  p.String("Name", &TteBitmapLink::Name, &TteBitmapLink::Name);
}

void TteBitmapLink::Assign(const framework::TPersistent* source) {
  auto* other = dynamic_cast<const TteBitmapLink*>(source);
  if (!other) return inherited::Assign(source);
  Bitmap = other->Bitmap;
  SetRect(other->GetRect());
  Name = other->Name;
  MaskBorder = other->MaskBorder;
  MaskAngles = other->MaskAngles;
  MaskClient = other->MaskClient;
}

void TteBitmapLink::LoadFromStream(framework::TStream& stream) {
  Name = ReadString(stream);
  Left = stream.ReadInt32();
  Top = stream.ReadInt32();
  Right = stream.ReadInt32();
  Bottom = stream.ReadInt32();
}

void TteBitmapLink::SaveToStream(framework::TStream& stream) const {
  WriteString(stream, Name);
  stream.WriteInt32(Left);
  stream.WriteInt32(Top);
  stream.WriteInt32(Right);
  stream.WriteInt32(Bottom);
}

bool TteBitmapLink::GetAssigned() const {
  return Bitmap && (int64_t(Right) - Left) * (int64_t(Bottom) - Top) > 0;
}

void TteBitmapLink::CheckingMasked() { CheckingMasked(Rect{}); }

void TteBitmapLink::CheckingMasked(const Rect& m) {
  MaskBorder = MaskAngles = MaskClient = false;
  if (!Bitmap) return;
  int W = RectWidth(GetRect()), H = RectHeight(GetRect());
  Rect whole{0, 0, W, H};
  Rect bitmapBounds = Bitmap->BoundsRect();
  // Any masked pixel inside the part (relative to Left, Top)? Pixels
  // outside the bitmap read as 0 and so are masked; they are found by
  // geometry rather than visited, so a huge rectangle costs nothing extra.
  auto partMasked = [&](Rect part) {
    part = intersectRect(part, whole);
    if (IsRectEmpty(part)) return false;
    Rect abs{Saturate(int64_t(part.left) + Left), Saturate(int64_t(part.top) + Top),
             Saturate(int64_t(part.right) + Left), Saturate(int64_t(part.bottom) + Top)};
    Rect inside = intersectRect(abs, bitmapBounds);
    if (inside != abs) return true;
    for (int y = inside.top; y < inside.bottom; ++y)
      for (int x = inside.left; x < inside.right; ++x)
        if (Masked(Bitmap->GetPixel(x, y))) return true;
    return false;
  };
  if (m == Rect{}) {
    MaskClient = partMasked(whole);
    return;
  }
  int l = m.left, t = m.top, r = SatDiff(W, m.right), b = SatDiff(H, m.bottom);
  MaskAngles = partMasked({0, 0, l, t}) || partMasked({r, 0, W, t}) || partMasked({r, b, W, H}) ||
               partMasked({0, b, l, H});
  MaskBorder = partMasked({l, 0, r, t}) || partMasked({l, b, r, H}) || partMasked({0, t, l, b}) ||
               partMasked({r, t, W, b});
  MaskClient = partMasked({l, t, r, b});
}

void TteBitmapLink::Draw(TteBitmap& target, int x, int y) const {
  if (Bitmap && !Bitmap->Empty() && RectWidth(GetRect()) > 0 && RectHeight(GetRect()) > 0)
    Bitmap->Draw(target, x, y, GetRect());
}

void TteBitmapLink::Draw(platform::gui::DeviceContext& dc, int x, int y) const {
  if (Bitmap && !Bitmap->Empty() && RectWidth(GetRect()) > 0 && RectHeight(GetRect()) > 0)
    Bitmap->Draw(dc, x, y, GetRect());
}

}  // namespace z5t8::skin::render
