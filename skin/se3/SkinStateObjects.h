#pragma once

#include <memory>
#include <string>

#include "skin/se3/SkinObject.h"

namespace z5t8::skin::se3 {

// A plain object with a colour and fonts for the active window, the hot states and the
// disabled state.
class TSeActiveObject : public TSeSkinObject {
  Z5T8_CLASS(TSeActiveObject, TSeSkinObject)

public:
  explicit TSeActiveObject(framework::TComponent* owner);

  framework::TFont* GetFont() override;
  void Draw(framework::TCanvas* canvas, const Rect& clip) override;
  void ChangeHue(int delta) override;
  void ChangeBrightness(int delta) override;
  void SetCharset(framework::TFontCharset charset) override;
  void Assign(const framework::TPersistent* source) override;

  framework::TColor ActiveColor() const { return FActiveColor; }
  void SetActiveColor(framework::TColor v) { FActiveColor = v; }
  framework::TFont* ActiveFont() const { return FActiveFont.get(); }
  framework::TFont* DisabledFont() const { return FDisabledFont.get(); }

private:
  framework::TColor FActiveColor = 0;
  std::unique_ptr<framework::TFont> FActiveFont;
  std::unique_ptr<framework::TFont> FDisabledFont;
};

// A plain object with a font per state.
class TSeTextObject : public TSeSkinObject {
  Z5T8_CLASS(TSeTextObject, TSeSkinObject)

public:
  explicit TSeTextObject(framework::TComponent* owner);

  framework::TFont* GetFont() override;
  void Draw(framework::TCanvas* canvas, const Rect& clip) override;
  void ChangeHue(int delta) override;
  void ChangeBrightness(int delta) override;
  void SetCharset(framework::TFontCharset charset) override;
  void Assign(const framework::TPersistent* source) override;

  framework::TFont* FontHot() const { return FFontHot.get(); }
  framework::TFont* FontFocused() const { return FFontFocused.get(); }
  framework::TFont* FontPressed() const { return FFontPressed.get(); }
  framework::TFont* FontDisabled() const { return FFontDisabled.get(); }

private:
  // The state's font, or none for a state without one.
  framework::TFont* StateFont() const;

  std::unique_ptr<framework::TFont> FFontHot;
  std::unique_ptr<framework::TFont> FFontFocused;
  std::unique_ptr<framework::TFont> FFontPressed;
  std::unique_ptr<framework::TFont> FFontDisabled;
};

// A place held for another control; drawn only at design time.
class TSeLinkSkinObject : public TSeSkinObject {
  Z5T8_CLASS(TSeLinkSkinObject, TSeSkinObject)

public:
  explicit TSeLinkSkinObject(framework::TComponent* owner);

  void Draw(framework::TCanvas* canvas, const Rect& clip) override;
  void Assign(const framework::TPersistent* source) override;

  const std::string& LinkControl() const { return FLinkControl; }
  void SetLinkControl(const std::string& v) { FLinkControl = v; }

private:
  std::string FLinkControl;
};

// A plain object with a colour and a font for the focused and hot states.
class TSeActiveSkinObject : public TSeSkinObject {
  Z5T8_CLASS(TSeActiveSkinObject, TSeSkinObject)

public:
  explicit TSeActiveSkinObject(framework::TComponent* owner);

  void Draw(framework::TCanvas* canvas, const Rect& clip) override;
  void ChangeHue(int delta) override;
  void ChangeBrightness(int delta) override;
  void Assign(const framework::TPersistent* source) override;

  framework::TColor ActiveColor() const { return FActiveColor; }
  void SetActiveColor(framework::TColor v) { FActiveColor = v; }
  framework::TFont* ActiveFont() const { return FActiveFont.get(); }

private:
  framework::TColor FActiveColor = 0;
  std::unique_ptr<framework::TFont> FActiveFont;
};

// A plain object with a colour and a font per state.
class TSeColorButtonObject : public TSeSkinObject {
  Z5T8_CLASS(TSeColorButtonObject, TSeSkinObject)

public:
  explicit TSeColorButtonObject(framework::TComponent* owner);

  void Draw(framework::TCanvas* canvas, const Rect& clip) override;
  void Assign(const framework::TPersistent* source) override;

  framework::TColor HotColor() const { return FHotColor; }
  void SetHotColor(framework::TColor v) { FHotColor = v; }
  framework::TFont* HotFont() const { return FHotFont.get(); }
  framework::TColor PressedColor() const { return FPressedColor; }
  void SetPressedColor(framework::TColor v) { FPressedColor = v; }
  framework::TFont* PressedFont() const { return FPressedFont.get(); }
  framework::TColor FocusedColor() const { return FFocusedColor; }
  void SetFocusedColor(framework::TColor v) { FFocusedColor = v; }
  framework::TFont* FocusedFont() const { return FFocusedFont.get(); }
  framework::TColor DisabledColor() const { return FDisabledColor; }
  void SetDisabledColor(framework::TColor v) { FDisabledColor = v; }
  framework::TFont* DisabledFont() const { return FDisabledFont.get(); }

private:
  framework::TColor FHotColor = 0, FPressedColor = 0, FFocusedColor = 0, FDisabledColor = 0;
  std::unique_ptr<framework::TFont> FHotFont;
  std::unique_ptr<framework::TFont> FPressedFont;
  std::unique_ptr<framework::TFont> FFocusedFont;
  std::unique_ptr<framework::TFont> FDisabledFont;
};

// A panel that may be rolled; it stores how and draws as a plain object.
class TSeRollPanelObject : public TSeSkinObject {
  Z5T8_CLASS(TSeRollPanelObject, TSeSkinObject)

public:
  explicit TSeRollPanelObject(framework::TComponent* owner);

  void Assign(const framework::TPersistent* source) override;

  TSeRollKind RollKind() const { return FRollKind; }
  void SetRollKind(TSeRollKind v) { FRollKind = v; }
  int RollValue() const { return FRollValue; }
  void SetRollValue(int v) { FRollValue = v; }

private:
  TSeRollKind FRollKind = rkLeft;
  int FRollValue = 0;
};

}  // namespace z5t8::skin::se3
