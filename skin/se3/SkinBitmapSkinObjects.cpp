#include "skin/se3/SkinBitmapSkinObjects.h"

#include "framework/Properties.h"
#include "skin/se3/SkinCaptionButtons.h"

namespace z5t8::skin::se3 {

using render::TteBitmapLink;

// ---- TSeBitmapSkinObject

Z5T8_IMPLEMENT_CLASS(TSeBitmapSkinObject, TSeSkinObject) {
  using T = TSeBitmapSkinObject;
  p.Object("Bitmap", &T::Bitmap);
  p.Enum("TileStyle", ScTileStyleInfo, &T::TileStyle, &T::SetTileStyle).Default(tsTile);
}

TSeBitmapSkinObject::TSeBitmapSkinObject(framework::TComponent* owner)
    : TSeSkinObject(owner), FBitmapStore(std::make_unique<TteBitmapLink>()) {
  FBitmap = FBitmapStore.get();
}

void TSeBitmapSkinObject::AfterLoad() {
  inherited::AfterLoad();
  ResolveBitmapLink(*FBitmapStore, false);
}

void TSeBitmapSkinObject::Draw(framework::TCanvas* canvas, const Rect& clip) {
  if (!Assigned(FBitmap) || !CanDraw(clip)) return;
  const Rect S = FBitmap->GetRect();
  DrawPiece(canvas, *FBitmap, S,
            StyleFrame(FTileStyle, GetBoundsRect(), render::RectWidth(S), render::RectHeight(S)),
            PieceMode(FTileStyle, true), FBitmap->MaskClient, clip);
  DrawObjectText(canvas);
}

std::optional<Region> TSeBitmapSkinObject::CreateRegion() {
  if (!Assigned(FBitmap) || !HasPositiveSize()) return std::nullopt;
  if (Kind() == skClient) return Region(GetBoundsRect());
  return RegionFromOwnDrawing();
}

void TSeBitmapSkinObject::Assign(const framework::TPersistent* source) {
  inherited::Assign(source);
  if (auto* src = As<TSeBitmapSkinObject>(source)) {
    FBitmapStore->Assign(src->FBitmapStore.get());
    FTileStyle = src->FTileStyle;
  }
}

// ---- TSeFormBitmapSkinObject

Z5T8_IMPLEMENT_CLASS(TSeFormBitmapSkinObject, TSeBitmapSkinObject) {
  p.Object("InactiveBitmap", &TSeFormBitmapSkinObject::InactiveBitmap);
}

TSeFormBitmapSkinObject::TSeFormBitmapSkinObject(framework::TComponent* owner)
    : TSeBitmapSkinObject(owner), FInactiveBitmap(std::make_unique<TteBitmapLink>()) {}

void TSeFormBitmapSkinObject::AfterLoad() {
  inherited::AfterLoad();
  ResolveBitmapLink(*FInactiveBitmap, false);
}

void TSeFormBitmapSkinObject::Draw(framework::TCanvas* canvas, const Rect& clip) {
  if (!Assigned(FBitmap)) return;
  TTempValue<TteBitmapLink*> picture(FBitmap, FActive ? FBitmap : Pick(FInactiveBitmap.get(), FBitmap));
  TSeBitmapSkinObject::Draw(canvas, clip);
}

void TSeFormBitmapSkinObject::Assign(const framework::TPersistent* source) {
  inherited::Assign(source);
  if (auto* src = As<TSeFormBitmapSkinObject>(source)) FInactiveBitmap->Assign(src->FInactiveBitmap.get());
}

// ---- TSeSysButtonSkinObject

Z5T8_IMPLEMENT_CLASS(TSeSysButtonSkinObject, TSeBitmapSkinObject) {
  using T = TSeSysButtonSkinObject;
  p.Enum("Action", SeActionInfo, &T::Action, &T::SetAction).Default(sbaNone);
  p.Object("BitmapHover", &T::BitmapHover);
  p.Object("BitmapDown", &T::BitmapDown);
  p.String("RollPanel", &T::RollPanel, &T::SetRollPanel);
}

TSeSysButtonSkinObject::TSeSysButtonSkinObject(framework::TComponent* owner)
    : TSeBitmapSkinObject(owner),
      FBitmapHover(std::make_unique<TteBitmapLink>()),
      FBitmapDown(std::make_unique<TteBitmapLink>()) {
  SetKind(skSysButton);
}

void TSeSysButtonSkinObject::AfterLoad() {
  inherited::AfterLoad();
  ResolveBitmapLink(*FBitmapHover, false);
  ResolveBitmapLink(*FBitmapDown, false);
}

void TSeSysButtonSkinObject::SetSysButtons(theme::TteWindowButtons buttons) {
  inherited::SetSysButtons(buttons);
  ShowCaptionButtonForButtons(*this, FAction, buttons, FState);
}

void TSeSysButtonSkinObject::SetState(TSeState state) {
  inherited::SetState(state);
  ShowCaptionButtonInState(*this, FAction, state);
}

void TSeSysButtonSkinObject::Draw(framework::TCanvas* canvas, const Rect& clip) {
  if (FAction == sbaSysMenu) {
    if (CanDraw(clip)) DrawSysMenuIcon(canvas, *this);
    return;
  }
  if (!Assigned(FBitmap)) return;
  TteBitmapLink* state = FButtonState == sbsHover  ? FBitmapHover.get()
                         : FButtonState == sbsDown ? FBitmapDown.get()
                                                   : nullptr;
  TTempValue<TteBitmapLink*> picture(FBitmap, Pick(state, FBitmap));
  TSeBitmapSkinObject::Draw(canvas, clip);
}

void TSeSysButtonSkinObject::Assign(const framework::TPersistent* source) {
  inherited::Assign(source);
  if (auto* src = As<TSeSysButtonSkinObject>(source)) {
    FAction = src->FAction;
    FBitmapHover->Assign(src->FBitmapHover.get());
    FBitmapDown->Assign(src->FBitmapDown.get());
    FRollPanel = src->FRollPanel;
  }
}

// ---- TSeBitmapBoxObject

Z5T8_IMPLEMENT_CLASS(TSeBitmapBoxObject, TSeBitmapSkinObject) {
  using T = TSeBitmapBoxObject;
  p.Enum("BorderTileStyle", ScTileStyleInfo, &T::BorderTileStyle, &T::SetBorderTileStyle).Default(tsTile);
}

TSeBitmapBoxObject::TSeBitmapBoxObject(framework::TComponent* owner) : TSeBitmapSkinObject(owner) {}

void TSeBitmapBoxObject::Draw(framework::TCanvas* canvas, const Rect& clip) {
  if (MarginLeft() == 0 && MarginTop() == 0 && MarginRight() == 0 && MarginBottom() == 0)
    return TSeBitmapSkinObject::Draw(canvas, clip);
  if (!Assigned(FBitmap) || !CanDraw(clip)) return;
  DrawNineSlice(canvas, *FBitmap, FBitmap->GetRect(), GetBoundsRect(),
                Rect{MarginLeft(), MarginTop(), MarginRight(), MarginBottom()}, PieceMode(TileStyle(), true),
                PieceMode(FBorderTileStyle, true), true, clip);
  DrawObjectText(canvas);
}

void TSeBitmapBoxObject::Assign(const framework::TPersistent* source) {
  inherited::Assign(source);
  if (auto* src = As<TSeBitmapBoxObject>(source)) FBorderTileStyle = src->FBorderTileStyle;
}

// ---- TSeActiveBitmapBoxObject

Z5T8_IMPLEMENT_CLASS(TSeActiveBitmapBoxObject, TSeBitmapBoxObject) {
  p.Object("FocusedBitmap", &TSeActiveBitmapBoxObject::FocusedBitmap);
}

TSeActiveBitmapBoxObject::TSeActiveBitmapBoxObject(framework::TComponent* owner)
    : TSeBitmapBoxObject(owner), FFocusedBitmap(std::make_unique<TteBitmapLink>()) {}

void TSeActiveBitmapBoxObject::AfterLoad() {
  inherited::AfterLoad();
  ResolveBitmapLink(*FFocusedBitmap, false);
}

void TSeActiveBitmapBoxObject::Draw(framework::TCanvas* canvas, const Rect& clip) {
  if (!Assigned(FBitmap)) return;
  const bool lit = FState == ssFocused || FState == ssHot;
  TTempValue<TteBitmapLink*> picture(FBitmap, lit ? Pick(FFocusedBitmap.get(), FBitmap) : FBitmap);
  TSeBitmapBoxObject::Draw(canvas, clip);
}

void TSeActiveBitmapBoxObject::Assign(const framework::TPersistent* source) {
  inherited::Assign(source);
  if (auto* src = As<TSeActiveBitmapBoxObject>(source)) FFocusedBitmap->Assign(src->FFocusedBitmap.get());
}

// ---- TSeButtonBitmapBoxObject

Z5T8_IMPLEMENT_CLASS(TSeButtonBitmapBoxObject, TSeBitmapBoxObject) {
  using T = TSeButtonBitmapBoxObject;
  p.Object("HotBitmap", &T::HotBitmap);
  p.Object("FocusedBitmap", &T::FocusedBitmap);
  p.Object("PressedBitmap", &T::PressedBitmap);
  p.Object("DisabledBitmap", &T::DisabledBitmap);
}

TSeButtonBitmapBoxObject::TSeButtonBitmapBoxObject(framework::TComponent* owner)
    : TSeBitmapBoxObject(owner) {}

void TSeButtonBitmapBoxObject::AfterLoad() {
  inherited::AfterLoad();
  FPictures.ForEach([this](TteBitmapLink& link) { ResolveBitmapLink(link, false); });
}

void TSeButtonBitmapBoxObject::Draw(framework::TCanvas* canvas, const Rect& clip) {
  if (!Assigned(FBitmap)) return;
  TTempValue<TteBitmapLink*> picture(FBitmap, FPictures.Face(FState, FBitmap));
  TSeBitmapBoxObject::Draw(canvas, clip);
}

void TSeButtonBitmapBoxObject::Assign(const framework::TPersistent* source) {
  inherited::Assign(source);
  if (auto* src = As<TSeButtonBitmapBoxObject>(source)) FPictures.Assign(src->FPictures);
}

}  // namespace z5t8::skin::se3
