#pragma once

#include <memory>

#include "skin/se3/SkinObject.h"
#include "skin/se3/SkinPictureDrawing.h"

namespace z5t8::skin::se3 {

// An object drawn from a picture, plain or as a nine-slice frame when any margin is set;
// it lays out and draws its children after itself.
class TSeBitmapObject : public TSeSkinObject {
  Z5T8_CLASS(TSeBitmapObject, TSeSkinObject)

public:
  explicit TSeBitmapObject(framework::TComponent* owner);

  void AfterLoad() override;
  void Draw(framework::TCanvas* canvas, const Rect& clip) override;
  std::optional<Region> CreateRegion() override;
  void Assign(const framework::TPersistent* source) override;

  render::TteBitmapLink* Bitmap() const { return FBitmapStore.get(); }
  TscTileStyle BorderTileStyle() const { return FBorderTileStyle; }
  void SetBorderTileStyle(TscTileStyle v) { FBorderTileStyle = v; }
  // Stored and copied only: drawing takes the transparency from the picture reference.
  bool MaskedBorder() const { return FMaskedBorder; }
  void SetMaskedBorder(bool v) { FMaskedBorder = v; }
  bool MaskedAngles() const { return FMaskedAngles; }
  void SetMaskedAngles(bool v) { FMaskedAngles = v; }
  TscTileStyle TileStyle() const { return FTileStyle; }
  void SetTileStyle(TscTileStyle v) { FTileStyle = v; }

protected:
  // The picture drawn: Bitmap, or a state's picture while a draw swaps it in.
  render::TteBitmapLink* FBitmap;

private:
  std::unique_ptr<render::TteBitmapLink> FBitmapStore;
  TscTileStyle FBorderTileStyle = tsTile;
  bool FMaskedBorder = true;
  bool FMaskedAngles = true;
  TscTileStyle FTileStyle = tsTile;
};

// A picture object with a second picture for the active window and the hot states.
class TSeActiveBitmap : public TSeBitmapObject {
  Z5T8_CLASS(TSeActiveBitmap, TSeBitmapObject)

public:
  explicit TSeActiveBitmap(framework::TComponent* owner);

  framework::TFont* GetFont() override;
  void AfterLoad() override;
  void Draw(framework::TCanvas* canvas, const Rect& clip) override;
  void SetCharset(framework::TFontCharset charset) override;
  void Assign(const framework::TPersistent* source) override;

  render::TteBitmapLink* ActiveBitmap() const { return FActiveBitmap.get(); }
  framework::TFont* ActiveFont() const { return FActiveFont.get(); }

private:
  std::unique_ptr<render::TteBitmapLink> FActiveBitmap;
  std::unique_ptr<framework::TFont> FActiveFont;
};

// A caption button drawn from pictures; its action decides when it is shown. With the
// action sbaSysMenu it draws the window's icon.
class TSeSystemButton : public TSeActiveBitmap {
  Z5T8_CLASS(TSeSystemButton, TSeActiveBitmap)

public:
  explicit TSeSystemButton(framework::TComponent* owner);

  void AfterLoad() override;
  void SetSysButtons(theme::TteWindowButtons buttons) override;
  void SetState(TSeState state) override;
  void Draw(framework::TCanvas* canvas, const Rect& clip) override;
  void Assign(const framework::TPersistent* source) override;

  TSeAction Action() const { return FAction; }
  void SetAction(TSeAction v) { FAction = v; }
  render::TteBitmapLink* BitmapHot() const { return FBitmapHot.get(); }
  render::TteBitmapLink* BitmapPressed() const { return FBitmapPressed.get(); }
  // The button under the mouse, set by the theme.
  TSeButtonState ButtonState() const { return FButtonState; }
  void SetButtonState(TSeButtonState v) { FButtonState = v; }

protected:
  TSeKind NewObjectKind() const override { return skSysButton; }
  bool MatchesAction(TSeAction action) const override { return FAction == action; }

private:
  TSeAction FAction = sbaNone;
  std::unique_ptr<render::TteBitmapLink> FBitmapHot;
  std::unique_ptr<render::TteBitmapLink> FBitmapPressed;
  TSeButtonState FButtonState = sbsNormal;
};

// A picture object with a picture per state.
class TSeButtonObject : public TSeBitmapObject {
  Z5T8_CLASS(TSeButtonObject, TSeBitmapObject)

public:
  explicit TSeButtonObject(framework::TComponent* owner);

  void AfterLoad() override;
  void Draw(framework::TCanvas* canvas, const Rect& clip) override;
  void Assign(const framework::TPersistent* source) override;

  render::TteBitmapLink* BitmapHot() const { return FPictures.Hot.get(); }
  render::TteBitmapLink* BitmapFocused() const { return FPictures.Focused.get(); }
  render::TteBitmapLink* BitmapPressed() const { return FPictures.Pressed.get(); }
  render::TteBitmapLink* BitmapDisabled() const { return FPictures.Disabled.get(); }

private:
  TSeStatePictures FPictures;
};

}  // namespace z5t8::skin::se3
