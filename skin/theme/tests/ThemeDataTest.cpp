#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/Exceptions.h"
#include "framework/MemoryStream.h"
#include "platform/gui/SystemMetrics.h"
#include "skin/theme/ThemeColorShift.h"
#include "skin/theme/ThemeColors.h"
#include "skin/theme/ThemeDrawing.h"
#include "skin/theme/ThemeFonts.h"
#include "skin/theme/ThemeMetrics.h"
#include "skin/theme/ThemeNames.h"
#include "skin/theme/ThemeOptions.h"
#include "skin/theme/ThemeSysColors.h"
#include "skin/theme/ThemeValueText.h"

namespace z5t8::skin::theme {
namespace {

using namespace framework;

// Writes a stored block the way an outside skin may have it: any count, any entries.
class TBlockBuilder {
public:
  TBlockBuilder& Entry(const std::string& value, const std::string& name = "Any") {
    WriteCountedString(FStream, name);
    WriteCountedString(FStream, ":");
    WriteCountedString(FStream, value);
    return *this;
  }
  TMemoryStream& ByteCounted(int entries) { return Finish(uint8_t(entries - 1), 1); }
  TMemoryStream& WordCounted(uint32_t entries) { return Finish(entries, 4); }

private:
  TMemoryStream& Finish(uint32_t count, int width) {
    FOut.Clear();
    for (int i = 0; i < width; ++i) FOut.WriteByte(uint8_t(count >> (8 * i)));
    FOut.WriteBuffer(FStream.Memory(), FStream.Size());
    FOut.WriteBuffer("END", 3);  // whatever follows the block must be left unread
    FOut.SetPosition(0);
    return FOut;
  }
  TMemoryStream FStream, FOut;
};

std::string Rest(TMemoryStream& s) {
  std::string rest(size_t(s.Size() - s.Position()), '\0');
  s.ReadBuffer(rest.data(), int64_t(rest.size()));
  return rest;
}

TEST(ThemeValueText, ColorsBothWays) {
  struct Case {
    TColor color;
    const char* text;
  } cases[] = {{clWhite, "clWhite"},       {0x00E8E8E8, "0x00E8E8E8"}, {clBtnFace, "clBtnFace"},
               {0x00C8D0D4, "0x00C8D0D4"}, {clNone, "clNone"},         {0x12345678, "0x12345678"}};
  for (const Case& c : cases) {
    EXPECT_EQ(ColorToValueText(c.color), c.text);
    EXPECT_EQ(ValueTextToColor(c.text), c.color) << c.text;
  }
  EXPECT_EQ(ValueTextToColor("CLWHITE"), clWhite);
  EXPECT_EQ(ValueTextToColor("255"), 0xFFu);
  EXPECT_EQ(ValueTextToColor("0x80000005"), clWindow);
  try {
    ValueTextToColor("bogus");
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'bogus' is not a valid integer value");
  }
}

TEST(ThemeValueText, FontDescriptionsAreRead) {
  struct Case {
    const char* text;
    const char* name;
    int size;
    TColor color;
    TFontStyles style;
  } cases[] = {
      {"Arial,8,1,0,0,128,bold", "Arial", 8, 0x800000, {fsBold}},
      {"Tahoma,8,1,8,0,0", "Tahoma", 8, 0x000008, {}},
      {"Arial,9,1,0,0,0,italic", "Arial", 9, 0, {fsItalic}},
      {"Verdana,10,0,255,0,0,strikeout,bold,underline",
       "Verdana",
       10,
       0x0000FF,
       {fsBold, fsUnderline, fsStrikeOut}},
      // Both separators, blanks around items, and channels that are not cut to a byte.
      {"Arial, 8, 1, 0, 0, 128, bold", "Arial", 8, 0x800000, {fsBold}},
      {"Arial;8;1;0;0;128", "Arial", 8, 0x800000, {}},
      {" MS Sans Serif ;\t9 ,1; 0,0 ,0 ; italic ", "MS Sans Serif", 9, 0, {fsItalic}},
      {"Arial,8,1,300,0,0", "Arial", 8, 300, {}},
      {"Arial,8,1,0,0,256", "Arial", 8, 0x1000000, {}},
      {"Arial,8,1,0,0,128,heavy,Bold", "Arial", 8, 0x800000, {}},
      {",12,1,1,2,3", "Tahoma", 12, 0x030201, {}},
  };
  for (const Case& c : cases) {
    TFont font;
    font.SetName("Tahoma");
    font.SetStyle({fsBold, fsItalic});
    DescriptionToFont(c.text, font);
    EXPECT_EQ(font.Name(), c.name) << c.text;
    EXPECT_EQ(font.Size(), c.size) << c.text;
    EXPECT_EQ(font.Color(), c.color) << c.text;
    EXPECT_EQ(font.Style(), c.style) << c.text;
  }
  for (const char* bad : {"Arial", "Arial,", "Arial,x,1,0,0,0", "Arial,8,1,0,0", "Arial,8,x,0,0,0",
                          "Verdana;Arial,10,0,255,0,0"}) {
    TFont font;
    EXPECT_THROW(DescriptionToFont(bad, font), EConvertError) << bad;
  }
}

TEST(ThemeValueText, FontDescriptionsAreWritten) {
  TFont font;
  font.SetName("Arial");
  font.SetSize(8);
  font.SetColor(0x00800000);
  font.SetStyle({fsItalic, fsBold});
  EXPECT_EQ(FontToDescription(font), "Arial,8,1,0,0,128,bold,italic");
  font.SetCharset(CHINESEBIG5_CHARSET);
  font.SetColor(clWindowText);  // a system colour is written as its low bytes
  font.SetStyle({fsStrikeOut, fsUnderline});
  EXPECT_EQ(FontToDescription(font), "Arial,8,136,8,0,0,underline,strikeout");
  TFont back;
  DescriptionToFont(FontToDescription(font), back);
  EXPECT_EQ(back.Color(), 0x000008u);
  EXPECT_EQ(back.Charset(), DEFAULT_CHARSET);
  EXPECT_EQ(back.Style(), font.Style());
}

TEST(ThemeColors, BlockRoundTrip) {
  TteThemeColors colors(nullptr);
  colors.SetDefaultColors();
  colors.SetColor(ktcWindow, 0x00E8E8E8);
  TMemoryStream s;
  colors.SaveToStream(s);
  s.SetPosition(0);
  EXPECT_EQ(s.ReadByte(), 21);
  EXPECT_EQ(ReadCountedString(s), "CaptionNormal");
  EXPECT_EQ(ReadCountedString(s), ":");
  EXPECT_EQ(ReadCountedString(s), "clBlue");

  s.SetPosition(0);
  TteThemeColors back(nullptr);
  back.LoadFromStream(s);
  EXPECT_EQ(s.Position(), s.Size());
  for (int i = 0; i < int(ThemeColorCount); ++i)
    EXPECT_EQ(back.GetColor(TteThemeColor(i)), colors.GetColor(TteThemeColor(i)))
        << ThemeColorNames[size_t(i)];
}

TEST(ThemeColors, FewerAndMoreEntriesThanTheTable) {
  TteThemeColors colors(nullptr);
  colors.SetColor(ktcBarDock, 0x123456);
  TBlockBuilder few;
  colors.LoadFromStream(few.Entry("clRed").Entry("0x00010203").ByteCounted(2));
  EXPECT_EQ(colors.GetColor(ktcCaptionNormal), clRed);
  EXPECT_EQ(colors.GetColor(ktcCaptionInactive), 0x010203u);
  EXPECT_EQ(colors.GetColor(ktcWindowBorder), 0u);
  EXPECT_EQ(colors.GetColor(ktcBarDock), 0x123456u);

  TBlockBuilder many;
  for (int i = 0; i < 22; ++i) many.Entry(std::to_string(i));
  many.Entry("not a colour").Entry("clWhite");  // surplus: read, never parsed or stored
  TMemoryStream& s = many.ByteCounted(24);
  colors.LoadFromStream(s);
  EXPECT_EQ(Rest(s), "END");
  EXPECT_EQ(colors.GetColor(ktcBarDock), 21u);
  EXPECT_EQ(colors.GetColor(TteThemeColor(22)), clNone);
}

TEST(ThemeColors, DefaultsAndShifts) {
  TteThemeColors colors(nullptr);
  colors.SetColor(ktcBorder, 0x00102030);
  colors.SetDefaultColors();
  EXPECT_EQ(colors.GetColor(ktcCaptionNormal), 0xFF0000u);
  EXPECT_EQ(colors.GetColor(ktcWindow), 0xC0C0C0u);
  EXPECT_EQ(colors.GetColor(ktcButtonHot), clBtnFace);
  EXPECT_EQ(colors.GetColor(ktcGrid), clWindow);
  EXPECT_EQ(colors.GetColor(ktcEditSelection), clHighlight);
  EXPECT_EQ(colors.GetColor(ktcHint), clInfoBk);
  EXPECT_EQ(colors.GetColor(ktcBorder), 0x00102030u);

  colors.ChangeColorsHue(0);
  colors.ChangeColorsBrightness(0);
  EXPECT_EQ(colors.GetColor(ktcButtonHot), clBtnFace);

  colors.ChangeColorsBrightness(10);
  EXPECT_EQ(colors.GetColor(ktcBorder), 0x001A2A3Au);
  EXPECT_EQ(colors.GetColor(ktcButtonHot), BrightnessShifted(ResolvedColor(clBtnFace), 10));
  EXPECT_FALSE(IsSystemColor(colors.GetColor(ktcButtonHot)));

  colors.ChangeColorsHue(30);
  EXPECT_EQ(colors.GetColor(ktcCaptionNormal), HueShifted(0xFF0A0Au, 30));
  EXPECT_NE(colors.GetColor(ktcCaptionNormal), 0xFF0A0Au);
}

TEST(ThemeSysColors, StartFromThePlatformAndAnswerByIdentifier) {
  TteThemeSysColors sys(nullptr);
  EXPECT_EQ(sys.GetColor(clBtnFace), platform::gui::GetSysColor(15));
  EXPECT_EQ(sys.GetColor(clWindowText), clNone);
  sys.SetColor(clWindowText, 0x123);
  EXPECT_EQ(sys.GetColor(clWindowText), clNone);
  sys.SetColor(clBtnFace, 0x00C8D0D4);
  EXPECT_EQ(sys.GetColor(clBtnFace), 0x00C8D0D4u);
}

TEST(ThemeSysColors, EleventhEntryRepeatsTheSecondIdentifier) {
  TBlockBuilder block;
  for (int i = 0; i < 26; ++i) block.Entry(i == 1 ? "0x00000111" : i == 10 ? "0x00000222" : "clBlack");
  TteThemeSysColors sys(nullptr);
  sys.LoadFromStream(block.WordCounted(26));
  EXPECT_EQ(sys.GetColor(clActiveCaption), 0x111u);

  TMemoryStream out;
  sys.SaveToStream(out);
  out.SetPosition(0);
  EXPECT_EQ(out.ReadUInt32(), 26u);
  std::vector<std::string> names, values;
  for (int i = 0; i < 26; ++i) {
    names.push_back(ReadCountedString(out));
    ReadCountedString(out);
    values.push_back(ReadCountedString(out));
  }
  EXPECT_EQ(names[1], "clActiveCaption");
  EXPECT_EQ(names[10], "clActiveCaption");
  EXPECT_EQ(names[25], "clWindowFrame");
  EXPECT_EQ(values[10], "0x00000222");
}

TEST(ThemeSysColors, FewerAndMoreEntriesThanTheTable) {
  TteThemeSysColors sys(nullptr);
  const TColor frame = sys.GetColor(clWindowFrame);
  TBlockBuilder few;
  sys.LoadFromStream(few.Entry("clRed").WordCounted(1));
  EXPECT_EQ(sys.GetColor(clActiveBorder), clRed);
  EXPECT_EQ(sys.GetColor(clWindowFrame), frame);

  TBlockBuilder many;
  for (int i = 0; i < 30; ++i) many.Entry(i < 26 ? "clLime" : "junk");
  TMemoryStream& s = many.WordCounted(30);
  sys.LoadFromStream(s);
  EXPECT_EQ(Rest(s), "END");
  EXPECT_EQ(sys.GetColor(clWindowFrame), clLime);

  // A count far beyond what the stream holds ends with a read error, not a long loop.
  TBlockBuilder huge;
  EXPECT_THROW(sys.LoadFromStream(huge.Entry("clRed").WordCounted(0xFFFFFFFF)), EReadError);
}

// An owner that makes every object's font bigger, as a skin with per-object fonts would.
class TSizingOwner : public IteThemeOwner {
public:
  void SetFontForObject(TFont& font, TteThemeFont, const std::string& objectName) override {
    font.SetSize(int(objectName.size()) + 10);
    ++Calls;
  }
  int Calls = 0;
};

TEST(ThemeFonts, CreatedAsTahomaWithDefaults) {
  TteThemeFonts fonts(nullptr);
  for (int i = 0; i < int(ThemeFontCount); ++i) EXPECT_EQ(fonts.GetFont(TteThemeFont(i))->Name(), "Tahoma");
  const TFont untouched = [] {
    TFont f;
    f.SetName("Tahoma");
    return f;
  }();
  fonts.GetFont(ktfPanelTextNormal)->SetSize(30);
  fonts.SetDefaultFonts();
  struct Case {
    TteThemeFont font;
    int size;
    TColor color;
    TFontStyles style;
  } cases[] = {
      {ktfCaptionTextNormal, 10, 0xFFFFFF, {fsBold}},
      {ktfSmCaptionTextInactive, 8, 0xC0C0C0, {fsBold}},
      {ktfGroupBoxTextNormal, 8, 0, {}},
      {ktfHeaderSectionTextHot, 8, 0, {}},
      {ktfPopupMenuItemTextDisabled, 8, clBtnShadow, {}},
      {ktfEditBoxTextSelected, 8, 0xFFFFFF, {}},
      {ktfTabTextActiveHot, untouched.Size(), untouched.Color(), {}},
  };
  for (const Case& c : cases) {
    const TFont* f = fonts.GetFont(c.font);
    EXPECT_EQ(f->Size(), c.size) << ThemeFontNames[c.font];
    EXPECT_EQ(f->Color(), c.color) << ThemeFontNames[c.font];
    EXPECT_EQ(f->Style(), c.style) << ThemeFontNames[c.font];
  }
  EXPECT_EQ(fonts.GetFont(ktfPanelTextNormal)->Size(), 30);
  EXPECT_EQ(fonts.GetFont(TteThemeFont(66)), nullptr);
}

TEST(ThemeFonts, FontForObjectUsesOneScratchFont) {
  TSizingOwner owner;
  TteThemeFonts fonts(&owner);
  fonts.GetFont(ktfButtonTextNormal)->SetSize(8);
  EXPECT_EQ(fonts.GetFontForObject(ktfButtonTextNormal, "default"), fonts.GetFont(ktfButtonTextNormal));
  TFont* a = fonts.GetFontForObject(ktfButtonTextNormal, "exit");
  EXPECT_NE(a, fonts.GetFont(ktfButtonTextNormal));
  EXPECT_EQ(a->Size(), 14);
  TFont* b = fonts.GetFontForObject(ktfButtonTextNormal, "download");
  EXPECT_EQ(a, b);
  EXPECT_EQ(b->Size(), 18);
  EXPECT_EQ(owner.Calls, 2);
  EXPECT_EQ(fonts.GetFont(ktfButtonTextNormal)->Size(), 8);

  TteThemeFonts orphan(nullptr);
  EXPECT_EQ(orphan.GetFontForObject(ktfButtonTextNormal, "exit"), orphan.GetFont(ktfButtonTextNormal));
}

TEST(ThemeFonts, HueZeroStillResolvesFontColoursButNotThemeColours) {
  TteThemeFonts fonts(nullptr);
  fonts.SetDefaultFonts();
  TteThemeColors colors(nullptr);
  colors.SetDefaultColors();
  colors.ChangeColorsHue(0);
  fonts.ChangeFontsHue(0);
  EXPECT_EQ(colors.GetColor(ktcButtonNormal), clBtnFace);
  EXPECT_EQ(fonts.GetFont(ktfButtonTextDisabled)->Color(), HueShifted(ResolvedColor(clBtnShadow), 0));
  EXPECT_FALSE(IsSystemColor(fonts.GetFont(ktfButtonTextDisabled)->Color()));
  fonts.ChangeFontsBrightness(-8);
  EXPECT_EQ(fonts.GetFont(ktfCaptionTextNormal)->Color(), 0xF7F7F7u);
}

TEST(ThemeFonts, BlockRoundTripWithFewerAndMoreEntries) {
  TteThemeFonts fonts(nullptr);
  fonts.SetDefaultFonts();
  fonts.GetFont(ktfCaptionTextNormal)->SetName("Arial");
  fonts.GetFont(ktfListItemTextHot)->SetStyle({fsItalic});
  TMemoryStream s;
  fonts.SaveToStream(s);
  s.SetPosition(0);
  EXPECT_EQ(s.ReadByte(), 65);
  EXPECT_EQ(ReadCountedString(s), "CaptionTextNormal");
  EXPECT_EQ(ReadCountedString(s), ":");
  EXPECT_EQ(ReadCountedString(s), "Arial,10,1,255,255,255,bold");
  s.SetPosition(0);
  TteThemeFonts back(nullptr);
  back.LoadFromStream(s);
  for (int i = 0; i < int(ThemeFontCount); ++i)
    EXPECT_EQ(FontToDescription(*back.GetFont(TteThemeFont(i))),
              FontToDescription(*fonts.GetFont(TteThemeFont(i))))
        << ThemeFontNames[size_t(i)];
  EXPECT_EQ(back.GetFont(ktfListItemTextHot)->Style(), TFontStyles{fsItalic});

  TBlockBuilder few;
  back.LoadFromStream(few.Entry("Courier,12,1,0,0,0").ByteCounted(1));
  EXPECT_EQ(back.GetFont(ktfCaptionTextNormal)->Name(), "Courier");
  EXPECT_EQ(back.GetFont(ktfCaptionTextInactive)->Size(), 10);

  TBlockBuilder many;
  for (int i = 0; i < 70; ++i) many.Entry(i < 66 ? "Courier,9,1,0,0,0" : "");
  TMemoryStream& m = many.ByteCounted(70);
  back.LoadFromStream(m);
  EXPECT_EQ(Rest(m), "END");
  EXPECT_EQ(back.GetFont(ktfPopupMenuItemTextDisabled)->Size(), 9);
}

TEST(ThemeOptions, BlockWithFewerAndMoreFlags) {
  TteThemeOptions options(nullptr);
  options.SetOptions(ktoptOneComboBox, true);
  TMemoryStream s;
  options.SaveToStream(s);
  EXPECT_EQ(s.Bytes(), (std::vector<uint8_t>{1, 0, 1}));

  struct Case {
    std::vector<uint8_t> block;
    bool edit, combo;
  } cases[] = {
      {{0, 1, 'E', 'N', 'D'}, true, true},
      {{4, 0, 0, 1, 1, 1, 'E', 'N', 'D'}, false, false},
      {{1, 7, 0, 'E', 'N', 'D'}, true, false},
  };
  for (const Case& c : cases) {
    TteThemeOptions o(nullptr);
    o.SetOptions(ktoptOneComboBox, true);
    TMemoryStream in;
    in.WriteBuffer(c.block.data(), int64_t(c.block.size()));
    in.SetPosition(0);
    o.LoadFromStream(in);
    EXPECT_EQ(o.GetOptions(ktoptOneEdit), c.edit);
    EXPECT_EQ(o.GetOptions(ktoptOneComboBox), c.combo);
    EXPECT_EQ(Rest(in), "END");
  }
  EXPECT_FALSE(options.GetOptions(TteThemeOption(2)));
}

TEST(ThemeData, AssignCopiesTheSameClassOnly) {
  TteThemeColors c1(nullptr), c2(nullptr);
  c1.SetColor(ktcHint, 0x42);
  c2.Assign(&c1);
  EXPECT_EQ(c2.GetColor(ktcHint), 0x42u);

  TteThemeFonts f1(nullptr), f2(nullptr);
  f1.GetFont(ktfHeaderSectionTextHot)->SetName("Courier");
  f2.Assign(&f1);
  EXPECT_EQ(f2.GetFont(ktfHeaderSectionTextHot)->Name(), "Courier");

  TteThemeSysColors s1(nullptr), s2(nullptr);
  s1.SetColor(clMenu, 0x77);
  s2.Assign(&s1);
  EXPECT_EQ(s2.GetColor(clMenu), 0x77u);

  TteThemeOptions o1(nullptr), o2(nullptr);
  o1.SetOptions(ktoptOneEdit, true);
  o2.Assign(&o1);
  EXPECT_TRUE(o2.GetOptions(ktoptOneEdit));

  TteThemeMetrics m1(nullptr), m2(nullptr);
  TteThemeDrawing d1(nullptr);
  m2.Assign(&m1);
  try {
    c2.Assign(&f1);
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "Cannot assign a TteThemeFonts to a TteThemeColors");
  }
  EXPECT_THROW(m1.Assign(&d1), EConvertError);
}

}  // namespace
}  // namespace z5t8::skin::theme
