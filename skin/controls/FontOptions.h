#pragma once

#include <functional>
#include <string>

#include "framework/Color.h"
#include "framework/Font.h"
#include "framework/Persistent.h"

namespace z5t8::skin::controls {

// Changes a control makes to the font it was given (a theme's font, usually):
// styles are only ever added, the size moves by SizeDelta points.
class TTeFontOptions : public framework::TPersistent {
  Z5T8_CLASS(TTeFontOptions, framework::TPersistent)

public:
  TTeFontOptions() = default;

  bool Bold() const { return FBold; }
  void SetBold(bool value) { Store(FBold, value); }
  bool Italic() const { return FItalic; }
  void SetItalic(bool value) { Store(FItalic, value); }
  int SizeDelta() const { return FSizeDelta; }
  void SetSizeDelta(int value) { Store(FSizeDelta, value); }
  const std::string& FontName() const { return FFontName; }
  void SetFontName(const std::string& value) { Store(FFontName, value); }
  framework::TColor FontColor() const { return FFontColor; }
  void SetFontColor(framework::TColor value) { Store(FFontColor, value); }
  bool StrikeOut() const { return FStrikeOut; }
  void SetStrikeOut(bool value) { Store(FStrikeOut, value); }
  bool Underline() const { return FUnderline; }
  void SetUnderline(bool value) { Store(FUnderline, value); }

  void Assign(const framework::TPersistent* source) override;
  void ApplyOptions(framework::TFont* font) const;

  // Set by the owning control.
  std::function<void()> OnChange;

protected:
  void Change();

private:
  template <class T, class V>
  void Store(T& field, const V& value) {
    if (field == value) return;
    field = value;
    Change();
  }

  bool FBold = false;
  bool FItalic = false;
  int FSizeDelta = 0;
  std::string FFontName;
  framework::TColor FFontColor = framework::clNone;
  bool FStrikeOut = false;
  bool FUnderline = false;
};

}  // namespace z5t8::skin::controls
