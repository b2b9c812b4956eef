#pragma once

#include <string>

namespace z5t8::framework {

// The program's clipboard: text copied from one control and pasted into
// another within this program.
class TClipboard {
public:
  const std::u16string& AsText() const { return FText; }
  void SetAsText(std::u16string text) { FText = std::move(text); }
  void Clear() { FText.clear(); }
  bool HasText() const { return !FText.empty(); }

private:
  std::u16string FText;
};

TClipboard& Clipboard();

}  // namespace z5t8::framework
