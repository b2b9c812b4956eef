#include "skin/theme/Theme.h"

#include <filesystem>

#include "framework/Exceptions.h"
#include "framework/FileStream.h"
#include "framework/Properties.h"
#include "platform/gui/DeviceContext.h"
#include "skin/render/BitmapDrawing.h"
#include "skin/render/CanvasDrawing.h"

namespace z5t8::skin::theme {

using namespace framework;
namespace gui = platform::gui;

Z5T8_IMPLEMENT_CLASS(TteTheme, TPersistent) {}

TteWindowHitTest WindowButtonToHitTest(TteWindowButtonClass button) {
  switch (button) {
    case kwbSysMenu: return kwhtSysMenu;
    case kwbClose: return kwhtCloseButton;
    case kwbHelp: return kwhtHelpButton;
    case kwbMin:
    case kwbMinRestore: return kwhtMinButton;
    case kwbMax:
    case kwbMaxRestore: return kwhtMaxButton;
    case kwbRoll:
    case kwbRollRestore: return kwhtRollButton;
    case kwbTray: return kwhtTrayButton;
    default: return kwhtClient;
  }
}

TteTheme::TteTheme()
    : FColors(std::make_unique<TteThemeColors>(this)),
      FSystemColors(std::make_unique<TteThemeSysColors>(this)),
      FFonts(std::make_unique<TteThemeFonts>(this)),
      FMetrics(std::make_unique<TteThemeMetrics>(this)),
      FDrawing(std::make_unique<TteThemeDrawing>(this)),
      FOptions(std::make_unique<TteThemeOptions>(this)) {
  ResetTheme();
}

TteTheme::~TteTheme() {
  FOptions.reset();
  FMetrics.reset();
  FDrawing.reset();
  FFonts.reset();
  FSystemColors.reset();
  FColors.reset();
}

TteThemeClass TteTheme::ThemeClassType() const { return ThemeClass<TteTheme>(); }

void TteTheme::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TteTheme*>(source);
  if (!other) return TPersistent::Assign(source);
  if (other == this) return;
  ThemeName = other->ThemeName;
  FColors->Assign(other->FColors.get());
  FSystemColors->Assign(other->FSystemColors.get());
  FFonts->Assign(other->FFonts.get());
  FOptions->Assign(other->FOptions.get());
}

void TteTheme::ChangeThemeHue(int deltaHue) { ChangeThemeHueAndBrightness(deltaHue, FDeltaBrightness); }

void TteTheme::ChangeThemeBrightness(int deltaBrightness) {
  ChangeThemeHueAndBrightness(FDeltaHue, deltaBrightness);
}

void TteTheme::ChangeThemeHueAndBrightness(int deltaHue, int deltaBrightness) {
  if (deltaHue == FDeltaHue && deltaBrightness == FDeltaBrightness) return;
  FDeltaHue = deltaHue;
  FDeltaBrightness = deltaBrightness;
  ResetTheme();
}

void TteTheme::ResetThemeColors() {
  FColors->SetDefaultColors();
  FColors->ChangeColorsHue(FDeltaHue);
  FColors->ChangeColorsBrightness(FDeltaBrightness);
}

void TteTheme::ResetThemeSysColors() {
  // From the platform's colours each time, as the colours and fonts start from their
  // defaults: shifting what the last reset left would add every delta up.
  FSystemColors->SetPlatformColors();
  FSystemColors->ChangeColorsHue(FDeltaHue);
  FSystemColors->ChangeColorsBrightness(FDeltaBrightness);
}

void TteTheme::ResetThemeFonts() {
  FFonts->SetDefaultFonts();
  FFonts->ChangeFontsHue(FDeltaHue);
  FFonts->ChangeFontsBrightness(FDeltaBrightness);
}

void TteTheme::SetFontForObject(TFont& font, TteThemeFont fontId, const std::string&) {
  if (const TFont* own = FFonts->GetFont(fontId)) font.Assign(own);
}

std::string TteTheme::GetThemeName() { return "Default theme"; }

TteThemeConfig TteTheme::GetThemeConfig() { return {}; }

bool TteTheme::CheckStream(TStream&) { return false; }

bool TteTheme::LoadFromStream(TStream&) { return false; }

bool TteTheme::SaveToStream(TStream&) { return false; }

bool TteTheme::LoadFromFile(const std::string& fileName) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(fileName, error)) return false;
  std::unique_ptr<TFileStream> stream;
  try {
    stream = std::make_unique<TFileStream>(fileName, fmOpenRead | fmShareDenyWrite);
  } catch (const EFOpenError&) {
    return false;
  }
  return LoadFromStream(*stream);
}

bool TteTheme::SaveToFile(const std::string& fileName) {
  std::unique_ptr<TFileStream> stream;
  try {
    stream = std::make_unique<TFileStream>(fileName, fmCreate);
  } catch (const EFCreateError&) {
    return false;
  }
  return SaveToStream(*stream);
}

void TteTheme::ResetTheme() {
  ResetThemeColors();
  ResetThemeSysColors();
  ResetThemeFonts();
}

namespace {

// Offsets are halved toward zero, as C++ division does.
struct TAlignOffset {
  int Dx;
  int Dy;
};

TAlignOffset OffsetFor(TteTextAlign align, int freeWidth, int freeHeight) {
  int column = align / 3;  // left, centre, right
  int row = align % 3;     // top, middle, bottom
  int dx = column == 0 ? 0 : column == 1 ? freeWidth / 2 : freeWidth;
  int dy = row == 0 ? 0 : row == 1 ? freeHeight / 2 : freeHeight;
  return {dx, dy};
}

}  // namespace

void TteTheme::DrawThemeText(TCanvas* canvas, const TteTextInfo& info) {
  if (!canvas) return;
  uint32_t flags = 0;
  TteTextAlign align = info.Align > ktxaBottomRight ? ktxaTopLeft : info.Align;
  if (info.Style.Contains(ktxsRTLReading)) {
    flags |= gui::DT_RTLREADING;
    if (align == ktxaTopLeft) align = ktxaTopRight;
    else if (align == ktxaMiddleLeft) align = ktxaMiddleRight;
    else if (align == ktxaBottomLeft) align = ktxaBottomRight;
  }
  if (info.Style.Contains(ktxsNoPrefix)) flags |= gui::DT_NOPREFIX;
  if (info.Style.Contains(ktxsWordBreak)) flags |= gui::DT_WORDBREAK;
  if (info.Style.Contains(ktxsSingleLine)) flags |= gui::DT_SINGLELINE;

  const TRect& r = info.Rect;
  int width = render::RectWidth(r);
  int height = render::RectHeight(r);

  if (info.Orientation == ktxoHorizontal) {
    TRect box = r;
    if (align != ktxaTopLeft) {
      render::DrawText(canvas, info.Text, box, flags | gui::DT_CALCRECT);
      TAlignOffset d = OffsetFor(align, render::SatDiff(width, render::RectWidth(box)),
                                  render::SatDiff(height, render::RectHeight(box)));
      box = box.offset(d.Dx, d.Dy);
    }
    render::DrawText(canvas, info.Text, box, flags);
    return;
  }

  bool topToBottom = info.Orientation == ktxoVerticalTop;
  TRect box = r;
  if (align != ktxaTopLeft) {
    TRect measured = r;
    render::DrawText(canvas, info.Text, measured, flags | gui::DT_CALCRECT);
    int textWidth = render::RectWidth(measured);
    int textHeight = render::RectHeight(measured);
    // Turned a quarter, the text's height runs across and its width down.
    TAlignOffset d = OffsetFor(align, render::SatDiff(width, textHeight), render::SatDiff(height, textWidth));
    box = gui::rectFromSize(r.left, r.top, textHeight, textWidth).offset(d.Dx, d.Dy).inflate(0, 2);
  }
  render::DrawVerticalText(canvas, info.Text, box, flags, topToBottom);
}

TRect TteTheme::GetBounds(const std::string&) { return NullRect; }

TColor TteTheme::CustomColor(const std::string&) { return clNone; }

}  // namespace z5t8::skin::theme
