#pragma once

// The main window as far as it exists below the skinned controls, for the test programs
// that read its stored layout. Include from one source file per test program: it defines
// the window's class.

#include <memory>
#include <optional>
#include <span>
#include <sstream>
#include <string>

#include "framework/Properties.h"
#include "framework/Resources.h"
#include "framework/TextForm.h"
#include "framework/gui/Form.h"
#include "skin/theme/ThemeEngine.h"
#include "skin/theme/ThemeLink.h"
#include "skin/theme/ThemeList.h"

namespace z5t8::skin::theme::testing {

// The resource a layout for TThemedWindow is read from.
inline constexpr const char* TThemedWindowResource = "TTHEMEDWINDOW";

class TThemedWindow : public framework::TForm {
  Z5T8_CLASS(TThemedWindow, framework::TForm)

public:
  using TForm::TForm;
  TTeThemeEngine* TeThemeEngine1 = nullptr;
  TTeThemeList* TeThemeList1 = nullptr;
  TTeThemeLink* TeThemeLink1 = nullptr;
  void FormCreate(framework::TObject*) {}
  void FormClose(framework::TObject*, framework::TCloseAction&) {}

  // A window read from the resource TThemedWindowResource.
  static std::unique_ptr<TThemedWindow> Create() {
    framework::RegisterClass(StaticClass());
    return std::unique_ptr<TThemedWindow>(framework::TCustomForm::CreateForm<TThemedWindow>(nullptr));
  }
};

Z5T8_IMPLEMENT_CLASS(TThemedWindow, framework::TForm) {
  p.Field("TeThemeEngine1", &TThemedWindow::TeThemeEngine1);
  p.Field("TeThemeList1", &TThemedWindow::TeThemeList1);
  p.Field("TeThemeLink1", &TThemedWindow::TeThemeLink1);
  p.Method("FormCreate", &TThemedWindow::FormCreate);
  p.Method("FormClose", &TThemedWindow::FormClose);
}

// The embedded layout in text form with the skinned controls left out and the root named
// after the test window; value, when given, replaces the theme list item's data.
inline std::string MainLayout(const std::optional<std::string>& value) {
  std::span<const uint8_t> resource = framework::FindResource("TFORM1");
  std::string text = framework::ObjectBinaryToText(std::string(resource.begin(), resource.end()));
  std::istringstream in(text);
  std::string line, out;
  bool skipping = false;
  while (std::getline(in, line)) {
    if (line.rfind("  object ", 0) == 0 && line.find(": TTe") != std::string::npos &&
        line.find(": TTeTheme") == std::string::npos)
      skipping = true;
    if (!skipping) out += (line == "object Form1: TForm1" ? "object Form1: TThemedWindow" : line) + "\n";
    if (skipping && line == "  end") skipping = false;
  }
  if (value) {
    size_t open = out.find("ThemeStream = {");
    size_t close = out.find('}', open);
    std::string hex;
    for (unsigned char c : *value) {
      static const char digits[] = "0123456789ABCDEF";
      hex += {digits[c >> 4], digits[c & 15]};
    }
    out.replace(open, close + 1 - open, "ThemeStream = {" + hex + "}");
  }
  // Through the binary form once, so the text reads as a written layout does.
  return framework::ObjectBinaryToText(framework::ObjectTextToBinary(out));
}

// The lines of one component, "  object NAME: ..." to its "  end".
inline std::string Block(const std::string& text, const std::string& name) {
  size_t start = text.find("  object " + name + ":");
  if (start == std::string::npos) return {};
  size_t end = text.find("\n  end\n", start);
  return text.substr(start, end + 7 - start);
}

}  // namespace z5t8::skin::theme::testing
