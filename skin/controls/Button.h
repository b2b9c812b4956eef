#pragma once

#include <memory>
#include <string>

#include "framework/gui/Bitmap.h"
#include "framework/gui/Form.h"
#include "framework/gui/ImageList.h"
#include "framework/gui/Label.h"
#include "skin/controls/Control.h"
#include "skin/controls/FontOptions.h"
#include "skin/render/Bitmap.h"
#include "skin/theme/ThemeForward.h"

namespace z5t8::skin::controls {

enum TBitBtnKind {
  bkCustom,
  bkOK,
  bkCancel,
  bkHelp,
  bkYes,
  bkNo,
  bkClose,
  bkAbort,
  bkRetry,
  bkIgnore,
  bkAll
};
enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

inline constexpr std::string_view BitBtnKindNames[] = {"bkCustom", "bkOK",     "bkCancel", "bkHelp",
                                                       "bkYes",    "bkNo",     "bkClose",  "bkAbort",
                                                       "bkRetry",  "bkIgnore", "bkAll"};
inline constexpr framework::TEnumInfo BitBtnKindInfo{"TBitBtnKind", BitBtnKindNames};
inline constexpr std::string_view ButtonLayoutNames[] = {"blGlyphLeft", "blGlyphRight", "blGlyphTop",
                                                         "blGlyphBottom"};
inline constexpr framework::TEnumInfo ButtonLayoutInfo{"TButtonLayout", ButtonLayoutNames};

// A push button drawn by the theme's button family, or without a theme by a
// classic bevelled face: a caption, an optional glyph of up to four frames,
// default and cancel roles in its form, and font options over the theme's
// button font.
class TTeButton : public TTeControl {
  Z5T8_CLASS(TTeButton, TTeControl)

public:
  explicit TTeButton(TComponent* owner);
  ~TTeButton() override;

  const std::u16string& Caption() const { return FCaption; }
  void SetCaption(const std::u16string& value);
  framework::TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(framework::TAlignment value);
  bool Default() const { return FDefault; }
  void SetDefault(bool value);
  bool ActiveDefault() const { return FActiveDefault; }
  bool Cancel() const { return FCancel; }
  void SetCancel(bool value) { FCancel = value; }
  framework::TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(framework::TModalResult value) { FModalResult = value; }
  TBitBtnKind Kind() const { return FKind; }
  void SetKind(TBitBtnKind value);
  framework::TBitmap* Glyph() const { return FGlyph.get(); }
  void SetGlyph(const framework::TBitmap* value) { FGlyph->Assign(value); }
  int NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int value);
  framework::TImageList* Images() const { return FImages; }
  void SetImages(framework::TImageList* value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int value);
  TButtonLayout Layout() const { return FLayout; }
  void SetLayout(TButtonLayout value);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int value);
  bool BlackAndWhiteGlyph() const { return FBlackAndWhiteGlyph; }
  void SetBlackAndWhiteGlyph(bool value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool value);
  TTeFontOptions* FontOptions() const { return FFontOptions.get(); }
  void SetFontOptions(const TTeFontOptions* value) { FFontOptions->Assign(value); }
  const std::string& ThemeObject() const { return FThemeObject; }
  void SetThemeObject(const std::string& value);
  theme::TteCustomThemeLink* ThemeLink() const { return FThemeLink; }
  void SetThemeLink(theme::TteCustomThemeLink* value);
  bool Pressed() const { return FPressed; }

  virtual TRect GetLayoutRect();
  virtual TRect GetCaptionRect();
  virtual TRect GetGlyphRect();
  virtual void PaintFace();
  virtual void PaintGlyph();
  virtual void PaintText();

  void PaintBuffer() override;
  void Click() override;
  void Loaded() override;
  void Notification(TComponent* component, framework::TOperation operation) override;
  // The caption, state and handler of a custom action, and its picture as the
  // glyph when the button has none of its own.
  void ActionChange(TObject* sender, bool checkDefaults) override;
  // At design time the button's own values, not the theme's, are what gets written.
  void WriteState(framework::TWriter& writer) override;

protected:
  void KeyDown(uint16_t& key, framework::TShiftState shift) override;
  void KeyUp(uint16_t& key, framework::TShiftState shift) override;
  void MouseDown(framework::TMouseButton button, framework::TShiftState shift, int x, int y) override;
  void MouseMove(framework::TShiftState shift, int x, int y) override;
  void MouseUp(framework::TMouseButton button, framework::TShiftState shift, int x, int y) override;
  void MouseEnter() override;
  void MouseLeave() override;

  void CMEnabledChanged(TMessage& message);
  void CMDialogKey(TMessage& message);
  void CMDialogChar(TMessage& message);
  void CMFocusChanged(TMessage& message);
  void CMTextChanged(TMessage& message);
  void WMCancelMode(TMessage& message);
  void WMCaptureChanged(TMessage& message);
  void TMThemeNotify(TMessage& message);
  void TMThemeLinkChanged(TMessage& message);

private:
  // The theme drawing this button, or null for the own look.
  theme::TteTheme* Theme() const;
  void GlyphChanged();
  // The press ends without a click: the mouse was taken away.
  void CancelPress();
  // Fills the glyph copy from Glyph or the image list; false when there is none.
  bool PrepareGlyph();
  // Frame size of the glyph copy (0 x 0 without one).
  framework::TSize GlyphSize() const;

  std::u16string FCaption;
  framework::TAlignment FAlignment = framework::taCenter;
  bool FDefault = false;
  bool FActiveDefault = false;
  bool FCancel = false;
  framework::TModalResult FModalResult = framework::mrNone;
  TBitBtnKind FKind = bkCustom;
  std::unique_ptr<framework::TBitmap> FGlyph;
  int FNumGlyphs = 1;
  framework::TImageList* FImages = nullptr;
  int FImageIndex = -1;
  TButtonLayout FLayout = blGlyphLeft;
  int FSpacing = 4;
  bool FBlackAndWhiteGlyph = false;
  bool FTransparent = false;
  bool FWordWrap = false;
  std::unique_ptr<TTeFontOptions> FFontOptions;
  std::string FThemeObject = "default";
  theme::TteCustomThemeLink* FThemeLink = nullptr;
  bool FPressed = false;
  bool FMouseTracking = false;
  std::unique_ptr<framework::TBitmap> FGlyphCopy;
  bool FHasGlyph = false;
};

// The key colour of the glyphs a button draws itself (the stock kinds' and its
// copies of image-list pictures), drawn transparent.
inline constexpr uint32_t kGlyphKey = 0xFF00FF;

// The caption a button kind shows and its two-frame glyph (normal, disabled),
// drawn by this library.
std::u16string BitBtnKindCaption(TBitBtnKind kind);
void DrawBitBtnKindGlyph(TBitBtnKind kind, framework::TBitmap& glyph);

}  // namespace z5t8::skin::controls
