#include "skin/se3/SkinPictureDrawing.h"

#include "skin/render/Bitmap.h"
#include "skin/se3/SkinObject.h"

namespace z5t8::skin::se3 {

void TSeStatePictures::Assign(const TSeStatePictures& source) {
  Hot->Assign(source.Hot.get());
  Focused->Assign(source.Focused.get());
  Pressed->Assign(source.Pressed.get());
  Disabled->Assign(source.Disabled.get());
}

render::TteBitmapLink* TSeStatePictures::Face(TSeState state, render::TteBitmapLink* normal) const {
  switch (state) {
    case ssFocused:
      return Pick(Focused.get(), normal);
    case ssHot:
      return Pick(Hot.get(), normal);
    case ssDisabled:
      return Pick(Disabled.get(), normal);
    case ssPressed:
      return Pick(Pressed.get(), normal);
    default:
      return normal;
  }
}

using render::RectHeight;
using render::RectWidth;
using render::Saturate;

TPieceMode PieceMode(TscTileStyle style, bool basicOnly) {
  switch (style) {
    case tsTile:
      return TPieceMode::Tile;
    case tsStretch:
      return TPieceMode::Stretch;
    case tsCenter:
      return TPieceMode::Center;
    case tsVertCenterTile:
    case tsHorzCenterTile:
      return basicOnly ? TPieceMode::None : TPieceMode::Tile;
    case tsVertCenterStretch:
    case tsHorzCenterStretch:
      return basicOnly ? TPieceMode::None : TPieceMode::Stretch;
  }
  return TPieceMode::None;
}

namespace {

int Centred(int start, int outer, int inner) { return Saturate(start + (int64_t(outer) - inner) / 2); }

Rect SizedAt(int left, int top, int w, int h) {
  return {left, top, Saturate(int64_t(left) + w), Saturate(int64_t(top) + h)};
}

}  // namespace

Rect StyleFrame(TscTileStyle style, const Rect& b, int sw, int sh) {
  const int w = RectWidth(b), h = RectHeight(b);
  switch (style) {
    case tsCenter:
      return SizedAt(Centred(b.left, w, sw), Centred(b.top, h, sh), sw, sh);
    case tsVertCenterStretch:
    case tsVertCenterTile:
      return SizedAt(Centred(b.left, w, sw), b.top, sw, h);
    case tsHorzCenterStretch:
    case tsHorzCenterTile:
      return SizedAt(b.left, Centred(b.top, h, sh), w, sh);
    default:
      return b;
  }
}

void DrawPiece(framework::TCanvas* canvas, const render::TteBitmapLink& link, const Rect& src,
               const Rect& dest, TPieceMode mode, bool masked, const Rect& clip) {
  render::TteBitmap* bitmap = link.Bitmap;
  if (!bitmap || !canvas || mode == TPieceMode::None || render::IsRectEmpty(src)) return;
  TTempValue<bool> transparent(bitmap->Transparent, masked);
  switch (mode) {
    case TPieceMode::Tile:
      if (render::IsRectEmpty(dest)) return;
      if (render::IsRectEmpty(clip))
        bitmap->Tile(canvas, dest, src);
      else
        bitmap->TileClip(canvas, dest, src, clip);
      break;
    case TPieceMode::Stretch:
      if (render::IsRectEmpty(dest)) return;
      bitmap->Draw(canvas, dest, src);
      break;
    case TPieceMode::Center:
      bitmap->Draw(canvas, Centred(dest.left, RectWidth(dest), RectWidth(src)),
                   Centred(dest.top, RectHeight(dest), RectHeight(src)), src);
      break;
    case TPieceMode::None:
      break;
  }
}

void DrawNineSlice(framework::TCanvas* canvas, const render::TteBitmapLink& link, const Rect& S,
                   const Rect& F, const Rect& m, TPieceMode centreMode, TPieceMode borderMode,
                   bool wholeFlagOnly, const Rect& clip) {
  const int ML = m.left, MT = m.top, MR = m.right, MB = m.bottom;
  const bool whole = link.MaskClient;
  const bool border = wholeFlagOnly ? whole : link.MaskBorder;
  const bool angles = wholeFlagOnly ? whole : link.MaskAngles;
  auto sat = [](int64_t v) { return Saturate(v); };

  DrawPiece(canvas, link,
            {sat(int64_t(S.left) + ML), sat(int64_t(S.top) + MT), sat(int64_t(S.right) - MR),
             sat(int64_t(S.bottom) - MB)},
            {sat(int64_t(F.left) + ML), sat(int64_t(F.top) + MT), sat(int64_t(F.right) - MR),
             sat(int64_t(F.bottom) - MB)},
            centreMode, whole, clip);

  // Top, bottom, left and right edges.
  DrawPiece(canvas, link,
            {sat(int64_t(S.left) + ML), S.top, sat(int64_t(S.right) - MR), sat(int64_t(S.top) + MT)},
            {sat(int64_t(F.left) + ML), F.top, sat(int64_t(F.right) - MR), sat(int64_t(F.top) + MT)},
            borderMode, border, clip);
  DrawPiece(canvas, link,
            {sat(int64_t(S.left) + ML), sat(int64_t(S.bottom) - MB), sat(int64_t(S.right) - MR), S.bottom},
            {sat(int64_t(F.left) + ML), sat(int64_t(F.bottom) - MB), sat(int64_t(F.right) - MR), F.bottom},
            borderMode, border, clip);
  DrawPiece(canvas, link,
            {S.left, sat(int64_t(S.top) + MT), sat(int64_t(S.left) + ML), sat(int64_t(S.bottom) - MB)},
            {F.left, sat(int64_t(F.top) + MT), sat(int64_t(F.left) + ML), sat(int64_t(F.bottom) - MB)},
            borderMode, border, clip);
  DrawPiece(canvas, link,
            {sat(int64_t(S.right) - MR), sat(int64_t(S.top) + MT), S.right, sat(int64_t(S.bottom) - MB)},
            {sat(int64_t(F.right) - MR), sat(int64_t(F.top) + MT), F.right, sat(int64_t(F.bottom) - MB)},
            borderMode, border, clip);

  // The corners at their own size.
  auto corner = [&](const Rect& src, int x, int y) {
    DrawPiece(canvas, link, src, SizedAt(x, y, RectWidth(src), RectHeight(src)), TPieceMode::Center, angles,
              clip);
  };
  corner({S.left, S.top, sat(int64_t(S.left) + ML), sat(int64_t(S.top) + MT)}, F.left, F.top);
  corner({sat(int64_t(S.right) - MR), S.top, S.right, sat(int64_t(S.top) + MT)}, sat(int64_t(F.right) - MR),
         F.top);
  corner({S.left, sat(int64_t(S.bottom) - MB), sat(int64_t(S.left) + ML), S.bottom}, F.left,
         sat(int64_t(F.bottom) - MB));
  corner({sat(int64_t(S.right) - MR), sat(int64_t(S.bottom) - MB), S.right, S.bottom},
         sat(int64_t(F.right) - MR), sat(int64_t(F.bottom) - MB));
}

}  // namespace z5t8::skin::se3
