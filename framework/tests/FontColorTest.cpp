#include <gtest/gtest.h>

#include "framework/Color.h"
#include "framework/Exceptions.h"
#include "framework/Font.h"

using namespace z5t8::framework;

TEST(Color, IdentifiersBothWays) {
  struct Case {
    const char* ident;
    TColor value;
  } cases[] = {{"clWhite", 0x00FFFFFF},   {"clBtnFace", 0x8000000F},   {"clNone", 0x1FFFFFFF},
               {"clDefault", 0x20000000}, {"clMenuBar", 0x8000001E},   {"cl3DDkShadow", 0x80000015},
               {"clSkyBlue", 0x00F0CAA6}, {"clWindowText", 0x80000008}};
  for (const auto& c : cases) {
    TColor value = 0;
    EXPECT_TRUE(IdentToColor(c.ident, value)) << c.ident;
    EXPECT_EQ(value, c.value) << c.ident;
    std::string ident;
    EXPECT_TRUE(ColorToIdent(c.value, ident));
    EXPECT_EQ(ident, c.ident);
  }
  TColor value;
  EXPECT_TRUE(IdentToColor("CLBTNFACE", value));
  EXPECT_FALSE(IdentToColor("clNoSuchColour", value));
  EXPECT_EQ(ColorToString(0x00E8E8E8), "$00E8E8E8");
  EXPECT_EQ(StringToColor("$00E8E8E8"), 0x00E8E8E8u);
  EXPECT_EQ(StringToColor("0x80000005"), clWindow);
  EXPECT_EQ(StringToColor("clbtnface"), clBtnFace);
  try {
    StringToColor("blue-ish");
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'blue-ish' is not a valid integer value");
  }
}

TEST(Font, SizeFollowsHeightThroughPixelsPerInch) {
  TFont font;
  struct Case {
    int height, size;
  } cases[] = {{-11, 8}, {-12, 9}, {-10, 8}, {-14, 10}, {-13, 10}, {-16, 12}, {0, 0}, {13, -10}};
  for (const auto& c : cases) {
    font.SetHeight(c.height);
    EXPECT_EQ(font.Size(), c.size) << "height " << c.height;
  }
  font.SetSize(8);
  EXPECT_EQ(font.Height(), -11);
  font.SetSize(19);
  EXPECT_EQ(font.Height(), -25);
  font.SetPixelsPerInch(120);
  font.SetSize(9);
  EXPECT_EQ(font.Height(), -15);
}

TEST(Font, ChangesNotifyAndDropTheRealisedHandle) {
  TFont font;
  int changes = 0;
  font.OnChange = [&](TObject* sender) {
    EXPECT_EQ(sender, &font);
    ++changes;
  };
  font.SetHandleCache(std::make_shared<int>(1));
  font.SetColor(clRed);
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(font.HandleCache());  // colour is not part of the realised font
  font.SetStyle({fsBold, fsItalic});
  EXPECT_EQ(changes, 2);
  EXPECT_FALSE(font.HandleCache());
  font.SetStyle({fsItalic, fsBold});
  font.SetName("");  // an empty face name is ignored
  EXPECT_EQ(changes, 2);

  TFont other;
  other.SetPixelsPerInch(120);
  other.Assign(&font);
  EXPECT_EQ(other.Name(), "MS Sans Serif");
  EXPECT_EQ(other.Size(), 8);
  EXPECT_EQ(other.Height(), -13);
  EXPECT_EQ(other.Color(), clRed);
  EXPECT_TRUE(other.Style().Contains(fsItalic));

  try {
    font.Assign(nullptr);
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "Cannot assign a nil to a TFont");
  }
}
