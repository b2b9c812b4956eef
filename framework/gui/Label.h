#pragma once

#include "framework/gui/GraphicControl.h"

namespace z5t8::framework {

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TTextLayout { tlTop, tlCenter, tlBottom };

extern const TEnumInfo AlignmentInfo;

// Static text drawn in its parent's window; with AutoSize it takes the size
// of its text.
class TLabel : public TGraphicControl {
  Z5T8_CLASS(TLabel, TGraphicControl)
public:
  explicit TLabel(TComponent* owner);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);
  TTextLayout Layout() const { return FLayout; }
  void SetLayout(TTextLayout value);
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool value);
  bool ShowAccelChar() const { return FShowAccelChar; }
  void SetShowAccelChar(bool value);
  void Loaded() override;

protected:
  void Paint() override;
  // The text's extent for AutoSize and its place in Paint.
  void DoDrawText(pg::DeviceContext& dc, TRect& rect, uint32_t flags);
  uint32_t TextFlags() const;
  void AdjustBounds();
  void CMTextChanged(TMessage& message);
  void CMFontChanged(TMessage& message);

private:
  TAlignment FAlignment = taLeftJustify;
  TTextLayout FLayout = tlTop;
  bool FAutoSize = true;
  bool FTransparent = false;
  bool FWordWrap = false;
  bool FShowAccelChar = true;
};

}  // namespace z5t8::framework
