#include "skin/se3/SkinBitmapObjects.h"

#include "framework/Properties.h"
#include "skin/se3/SkinCaptionButtons.h"

namespace z5t8::skin::se3 {

using render::TteBitmapLink;

// ---- TSeBitmapObject

Z5T8_IMPLEMENT_CLASS(TSeBitmapObject, TSeSkinObject) {
  using T = TSeBitmapObject;
  p.Object("Bitmap", &T::Bitmap);
  p.Enum("BorderTileStyle", ScTileStyleInfo, &T::BorderTileStyle, &T::SetBorderTileStyle).Default(tsTile);
  p.Boolean("MaskedBorder", &T::MaskedBorder, &T::SetMaskedBorder).Default(true);
  p.Boolean("MaskedAngles", &T::MaskedAngles, &T::SetMaskedAngles).Default(true);
  p.Enum("TileStyle", ScTileStyleInfo, &T::TileStyle, &T::SetTileStyle).Default(tsTile);
}

TSeBitmapObject::TSeBitmapObject(framework::TComponent* owner)
    : TSeSkinObject(owner), FBitmapStore(std::make_unique<TteBitmapLink>()) {
  FBitmap = FBitmapStore.get();
}

void TSeBitmapObject::AfterLoad() {
  inherited::AfterLoad();
  ResolveBitmapLink(*FBitmapStore, true);
}

void TSeBitmapObject::Draw(framework::TCanvas* canvas, const Rect& clip) {
  if (!Assigned(FBitmap) || !CanDraw(clip)) return;
  const Rect bounds = GetBoundsRect();
  const Rect S = FBitmap->GetRect();
  const int sw = render::RectWidth(S), sh = render::RectHeight(S);
  if (MarginLeft() == 0 && MarginTop() == 0 && MarginRight() == 0 && MarginBottom() == 0) {
    if (FColor == framework::clNone) return TSeSkinObject::Draw(canvas, clip);
    DrawPiece(canvas, *FBitmap, S, StyleFrame(FTileStyle, bounds, sw, sh), PieceMode(FTileStyle),
              FBitmap->MaskClient, clip);
  } else {
    DrawNineSlice(canvas, *FBitmap, S, StyleFrame(FTileStyle, bounds, sw, sh),
                  Rect{MarginLeft(), MarginTop(), MarginRight(), MarginBottom()}, PieceMode(FTileStyle),
                  PieceMode(FBorderTileStyle), false, clip);
  }
  DrawObjectText(canvas);
  Aligning();
  DrawChild(canvas, clip);
}

std::optional<Region> TSeBitmapObject::CreateRegion() {
  if (!Assigned(FBitmap) || !HasPositiveSize()) return std::nullopt;
  if (Kind() == skClient || !Masked()) return Region(GetBoundsRect());
  return RegionFromOwnDrawing();
}

void TSeBitmapObject::Assign(const framework::TPersistent* source) {
  inherited::Assign(source);
  if (auto* src = As<TSeBitmapObject>(source)) {
    FBitmapStore->Assign(src->FBitmapStore.get());
    FBorderTileStyle = src->FBorderTileStyle;
    FMaskedBorder = src->FMaskedBorder;
    FMaskedAngles = src->FMaskedAngles;
    FTileStyle = src->FTileStyle;
  }
}

// ---- TSeActiveBitmap

Z5T8_IMPLEMENT_CLASS(TSeActiveBitmap, TSeBitmapObject) {
  using T = TSeActiveBitmap;
  p.Object("ActiveBitmap", &T::ActiveBitmap);
  p.Object("ActiveFont", &T::ActiveFont);
}

TSeActiveBitmap::TSeActiveBitmap(framework::TComponent* owner)
    : TSeBitmapObject(owner),
      FActiveBitmap(std::make_unique<TteBitmapLink>()),
      FActiveFont(std::make_unique<framework::TFont>()) {}

framework::TFont* TSeActiveBitmap::GetFont() {
  if (FState == ssHot || FState == ssFocused) return FActiveFont.get();
  return FFont;
}

void TSeActiveBitmap::AfterLoad() {
  inherited::AfterLoad();
  ResolveBitmapLink(*FActiveBitmap, true);
}

void TSeActiveBitmap::Draw(framework::TCanvas* canvas, const Rect& clip) {
  // Without its main picture an object draws nothing, whatever state pictures it has.
  if (!Assigned(FBitmap)) return;
  const bool lit = FActive || FState == ssHot || FState == ssPressed || FState == ssFocused;
  TTempValue<TteBitmapLink*> picture(FBitmap, lit ? Pick(FActiveBitmap.get(), FBitmap) : FBitmap);
  TSeBitmapObject::Draw(canvas, clip);
}

void TSeActiveBitmap::SetCharset(framework::TFontCharset charset) {
  inherited::SetCharset(charset);
  FActiveFont->SetCharset(charset);
}

void TSeActiveBitmap::Assign(const framework::TPersistent* source) {
  inherited::Assign(source);
  if (auto* src = As<TSeActiveBitmap>(source)) {
    FActiveBitmap->Assign(src->FActiveBitmap.get());
    FActiveFont->Assign(src->FActiveFont.get());
  }
}

// ---- TSeSystemButton

Z5T8_IMPLEMENT_CLASS(TSeSystemButton, TSeActiveBitmap) {
  using T = TSeSystemButton;
  p.Enum("Action", SeActionInfo, &T::Action, &T::SetAction).Default(sbaNone);
  p.Object("BitmapHot", &T::BitmapHot);
  p.Object("BitmapPressed", &T::BitmapPressed);
}

TSeSystemButton::TSeSystemButton(framework::TComponent* owner)
    : TSeActiveBitmap(owner),
      FBitmapHot(std::make_unique<TteBitmapLink>()),
      FBitmapPressed(std::make_unique<TteBitmapLink>()) {
  SetKind(skSysButton);
}

void TSeSystemButton::AfterLoad() {
  inherited::AfterLoad();
  ResolveBitmapLink(*FBitmapHot, true);
  ResolveBitmapLink(*FBitmapPressed, true);
}

void TSeSystemButton::SetSysButtons(theme::TteWindowButtons buttons) {
  inherited::SetSysButtons(buttons);
  ShowCaptionButtonForButtons(*this, FAction, buttons, FState);
}

void TSeSystemButton::SetState(TSeState state) {
  inherited::SetState(state);
  ShowCaptionButtonInState(*this, FAction, state);
}

void TSeSystemButton::Draw(framework::TCanvas* canvas, const Rect& clip) {
  if (FAction == sbaSysMenu) {
    if (CanDraw(clip)) DrawSysMenuIcon(canvas, *this);
    return;
  }
  if (!HasPositiveSize() || !Assigned(FBitmap)) return;
  if (!FActive) {
    TScopeExit normal([this] { SetChildrenState(ssNormal); });
    SetChildrenState(ssDisabled);
    TSeActiveBitmap::Draw(canvas, clip);
    return;
  }
  if (FButtonState == sbsNormal) return TSeActiveBitmap::Draw(canvas, clip);
  // Hot and pressed draw their own picture as an inactive button, children in that state.
  const bool down = FButtonState == sbsDown;
  TTempValue<bool> active(FActive, false);
  TTempValue<TteBitmapLink*> picture(FBitmap, Pick(down ? FBitmapPressed.get() : FBitmapHot.get(), FBitmap));
  TScopeExit normal([this] { SetChildrenState(ssNormal); });
  SetChildrenState(down ? ssPressed : ssHot);
  TSeActiveBitmap::Draw(canvas, clip);
}

void TSeSystemButton::Assign(const framework::TPersistent* source) {
  inherited::Assign(source);
  if (auto* src = As<TSeSystemButton>(source)) {
    FAction = src->FAction;
    FBitmapHot->Assign(src->FBitmapHot.get());
    FBitmapPressed->Assign(src->FBitmapPressed.get());
  }
}

// ---- TSeButtonObject

Z5T8_IMPLEMENT_CLASS(TSeButtonObject, TSeBitmapObject) {
  using T = TSeButtonObject;
  p.Object("BitmapHot", &T::BitmapHot);
  p.Object("BitmapFocused", &T::BitmapFocused);
  p.Object("BitmapPressed", &T::BitmapPressed);
  p.Object("BitmapDisabled", &T::BitmapDisabled);
}

TSeButtonObject::TSeButtonObject(framework::TComponent* owner) : TSeBitmapObject(owner) {}

void TSeButtonObject::AfterLoad() {
  inherited::AfterLoad();
  FPictures.ForEach([this](TteBitmapLink& link) { ResolveBitmapLink(link, true); });
}

void TSeButtonObject::Draw(framework::TCanvas* canvas, const Rect& clip) {
  if (!Assigned(FBitmap)) return;
  TTempValue<TteBitmapLink*> picture(FBitmap, FPictures.Face(FState, FBitmap));
  TSeBitmapObject::Draw(canvas, clip);
}

void TSeButtonObject::Assign(const framework::TPersistent* source) {
  inherited::Assign(source);
  if (auto* src = As<TSeButtonObject>(source)) FPictures.Assign(src->FPictures);
}

}  // namespace z5t8::skin::se3
