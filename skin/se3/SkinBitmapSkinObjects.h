#pragma once

#include <memory>

#include "skin/se3/SkinObject.h"
#include "skin/se3/SkinPictureDrawing.h"

namespace z5t8::skin::se3 {

// An object drawn from a picture alone: tiled, stretched or centred, then its text. Its
// children are neither laid out nor drawn by its Draw.
class TSeBitmapSkinObject : public TSeSkinObject {
  Z5T8_CLASS(TSeBitmapSkinObject, TSeSkinObject)

public:
  explicit TSeBitmapSkinObject(framework::TComponent* owner);

  void AfterLoad() override;
  void Draw(framework::TCanvas* canvas, const Rect& clip) override;
  std::optional<Region> CreateRegion() override;
  void Assign(const framework::TPersistent* source) override;

  render::TteBitmapLink* Bitmap() const { return FBitmapStore.get(); }
  TscTileStyle TileStyle() const { return FTileStyle; }
  void SetTileStyle(TscTileStyle v) { FTileStyle = v; }

protected:
  // The picture drawn: Bitmap, or a state's picture while a draw swaps it in.
  render::TteBitmapLink* FBitmap;

private:
  std::unique_ptr<render::TteBitmapLink> FBitmapStore;
  TscTileStyle FTileStyle = tsTile;
};

// A window part with a second picture for the inactive window.
class TSeFormBitmapSkinObject : public TSeBitmapSkinObject {
  Z5T8_CLASS(TSeFormBitmapSkinObject, TSeBitmapSkinObject)

public:
  explicit TSeFormBitmapSkinObject(framework::TComponent* owner);

  void AfterLoad() override;
  void Draw(framework::TCanvas* canvas, const Rect& clip) override;
  void Assign(const framework::TPersistent* source) override;

  render::TteBitmapLink* InactiveBitmap() const { return FInactiveBitmap.get(); }

private:
  std::unique_ptr<render::TteBitmapLink> FInactiveBitmap;
};

// A caption button with a picture for each button state; its action decides when it is
// shown. With the action sbaSysMenu it draws the window's icon.
class TSeSysButtonSkinObject : public TSeBitmapSkinObject {
  Z5T8_CLASS(TSeSysButtonSkinObject, TSeBitmapSkinObject)

public:
  explicit TSeSysButtonSkinObject(framework::TComponent* owner);

  void AfterLoad() override;
  void SetSysButtons(theme::TteWindowButtons buttons) override;
  void SetState(TSeState state) override;
  void Draw(framework::TCanvas* canvas, const Rect& clip) override;
  void Assign(const framework::TPersistent* source) override;

  TSeAction Action() const { return FAction; }
  void SetAction(TSeAction v) { FAction = v; }
  render::TteBitmapLink* BitmapHover() const { return FBitmapHover.get(); }
  render::TteBitmapLink* BitmapDown() const { return FBitmapDown.get(); }
  const std::string& RollPanel() const { return FRollPanel; }
  void SetRollPanel(const std::string& v) { FRollPanel = v; }
  // The button under the mouse, set by the theme.
  TSeButtonState ButtonState() const { return FButtonState; }
  void SetButtonState(TSeButtonState v) { FButtonState = v; }

protected:
  TSeKind NewObjectKind() const override { return skSysButton; }
  bool MatchesAction(TSeAction action) const override { return FAction == action; }

private:
  TSeAction FAction = sbaNone;
  std::unique_ptr<render::TteBitmapLink> FBitmapHover;
  std::unique_ptr<render::TteBitmapLink> FBitmapDown;
  std::string FRollPanel;
  TSeButtonState FButtonState = sbsNormal;
};

// A picture object drawn as a nine-slice box when any margin is set.
class TSeBitmapBoxObject : public TSeBitmapSkinObject {
  Z5T8_CLASS(TSeBitmapBoxObject, TSeBitmapSkinObject)

public:
  explicit TSeBitmapBoxObject(framework::TComponent* owner);

  void Draw(framework::TCanvas* canvas, const Rect& clip) override;
  void Assign(const framework::TPersistent* source) override;

  TscTileStyle BorderTileStyle() const { return FBorderTileStyle; }
  void SetBorderTileStyle(TscTileStyle v) { FBorderTileStyle = v; }

private:
  TscTileStyle FBorderTileStyle = tsTile;
};

// A box with a second picture for the focused and hot states.
class TSeActiveBitmapBoxObject : public TSeBitmapBoxObject {
  Z5T8_CLASS(TSeActiveBitmapBoxObject, TSeBitmapBoxObject)

public:
  explicit TSeActiveBitmapBoxObject(framework::TComponent* owner);

  void AfterLoad() override;
  void Draw(framework::TCanvas* canvas, const Rect& clip) override;
  void Assign(const framework::TPersistent* source) override;

  render::TteBitmapLink* FocusedBitmap() const { return FFocusedBitmap.get(); }

private:
  std::unique_ptr<render::TteBitmapLink> FFocusedBitmap;
};

// A box with a picture per state.
class TSeButtonBitmapBoxObject : public TSeBitmapBoxObject {
  Z5T8_CLASS(TSeButtonBitmapBoxObject, TSeBitmapBoxObject)

public:
  explicit TSeButtonBitmapBoxObject(framework::TComponent* owner);

  void AfterLoad() override;
  void Draw(framework::TCanvas* canvas, const Rect& clip) override;
  void Assign(const framework::TPersistent* source) override;

  render::TteBitmapLink* HotBitmap() const { return FPictures.Hot.get(); }
  render::TteBitmapLink* FocusedBitmap() const { return FPictures.Focused.get(); }
  render::TteBitmapLink* PressedBitmap() const { return FPictures.Pressed.get(); }
  render::TteBitmapLink* DisabledBitmap() const { return FPictures.Disabled.get(); }

private:
  TSeStatePictures FPictures;
};

}  // namespace z5t8::skin::se3
