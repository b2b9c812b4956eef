#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "framework/Exceptions.h"
#include "framework/MemoryStream.h"
#include "framework/TextForm.h"

using namespace z5t8::framework;

namespace {
std::string Bytes(std::initializer_list<int> bytes) {
  std::string s;
  for (int b : bytes) s += char(b);
  return s;
}
}  // namespace

// The text as the converter writes it: converting it to binary and back gives it again.
TEST(TextForm, EveryValueKindBothWays) {
  const std::string text =
      "object Form1: TForm1\n"
      "  Small = 127\n"
      "  Medium = 128\n"
      "  Large = -32769\n"
      "  Huge = 1099511627776\n"
      "  Ratio = 1.5\n"
      "  Third = 0.33333333333333333334\n"
      "  Scale = 0.25s\n"
      "  Price = 12.5c\n"
      "  Cents = -0.0001c\n"
      "  When = 36526.5d\n"
      "  Name = 'It''s'\n"
      "  Caption = 'QUEX Z5T8  '#36575#39636\n"
      "  Latin = W'caf'#233\n"
      "  Bytes = 'caf'#233#0\n"
      "  Utf8 = U'caf'#195#169\n"
      "  Empty = ''\n"
      "  Align = alClient\n"
      "  Buddy = Form2.Button1\n"
      "  Yes = True\n"
      "  No = False\n"
      "  Nothing = nil\n"
      "  Style = [fsBold, fsItalic]\n"
      "  Anchors = []\n"
      "  Data = {\n"
      "    000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F\n"
      "    FF}\n"
      "  NoData = {}\n"
      "  Lines.Strings = (\n"
      "    'one'\n"
      "    (\n"
      "      2\n"
      "      'three'))\n"
      "  Themes = <\n"
      "    item\n"
      "      ThemeStore = 'Aqua'\n"
      "      Tag = 0\n"
      "    end\n"
      "    item [3]\n"
      "    end>\n"
      "  NoItems = <>\n"
      "  object Label1: TLabel\n"
      "    Left = 0\n"
      "  end\n"
      "  object TUnnamed\n"
      "  end\n"
      "end\n";
  std::string binary = ObjectTextToBinary(text);
  EXPECT_EQ(ObjectBinaryToText(binary), text);
  EXPECT_EQ(binary.substr(0, 4), "TPF0");
  auto has = [&](const std::string& bytes) { return binary.find(bytes) != std::string::npos; };
  EXPECT_TRUE(has(Bytes({5}) + "Small" + Bytes({2, 0x7F})));
  EXPECT_TRUE(has(Bytes({6}) + "Medium" + Bytes({3, 0x80, 0})));
  EXPECT_TRUE(has(Bytes({5}) + "Large" + Bytes({4, 0xFF, 0x7F, 0xFF, 0xFF})));
  EXPECT_TRUE(has(Bytes({4}) + "Huge" + Bytes({19, 0, 0, 0, 0, 0, 1, 0, 0})));
  EXPECT_TRUE(has(Bytes({5}) + "Price" + Bytes({16, 0x48, 0xE8, 1, 0, 0, 0, 0, 0})));
  EXPECT_TRUE(has(Bytes({7}) + "Caption" + Bytes({18, 13, 0, 0, 0, 'Q', 0})));
  EXPECT_TRUE(has(Bytes({5}) + "Latin" + Bytes({18, 4, 0, 0, 0, 'c', 0, 'a', 0, 'f', 0, 0xE9, 0})));
  EXPECT_TRUE(has(Bytes({5}) + "Bytes" + Bytes({6, 5}) + "caf" + Bytes({0xE9, 0})));
  EXPECT_TRUE(has(Bytes({4}) + "Utf8" + Bytes({20, 5, 0, 0, 0}) + "caf" + Bytes({0xC3, 0xA9})));
  EXPECT_TRUE(has(Bytes({3}) + "Yes" + Bytes({9}) + Bytes({2}) + "No" + Bytes({8}) + Bytes({7}) + "Nothing" +
                  Bytes({13})));
  EXPECT_TRUE(has(Bytes({5}) + "Style" + Bytes({11, 6}) + "fsBold" + Bytes({8}) + "fsItalic" + Bytes({0})));
  EXPECT_TRUE(has(Bytes({7}) + "Anchors" + Bytes({11, 0})));
  EXPECT_TRUE(has(Bytes({6}) + "NoData" + Bytes({10, 0, 0, 0, 0})));
  EXPECT_TRUE(has(Bytes({14, 1, 10}) + "ThemeStore" + Bytes({6, 4}) + "Aqua" + Bytes({3}) + "Tag" +
                  Bytes({2, 0, 0, 2, 3, 1, 0, 0})));
  EXPECT_TRUE(has(Bytes({7}) + "NoItems" + Bytes({14, 0})));
  EXPECT_TRUE(has(Bytes({6}) + "TLabel" + Bytes({6}) + "Label1"));
  EXPECT_TRUE(has(Bytes({8}) + "TUnnamed" + Bytes({0, 0, 0})));
}

TEST(TextForm, LongValuesWrapAndComeBack) {
  std::string binary = "TPF0" + Bytes({1}) + "T" + Bytes({0});
  binary += Bytes({1}) + "S" + Bytes({12, 44, 1, 0, 0}) + std::string(300, 'a');
  binary += Bytes({1}) + "B" + Bytes({10, 0x00, 0x01, 0, 0}) + std::string(256, '\x5A');
  binary += Bytes({0, 0});
  std::string text = ObjectBinaryToText(binary);
  EXPECT_NE(text.find("' +\n    '"), std::string::npos) << text;
  EXPECT_EQ(ObjectTextToBinary(text), binary);
}

TEST(TextForm, ValuesWithoutAnExactDecimalKeepTheirBytes) {
  long double nan = NAN;
  std::string extended(10, '\0');
  std::memcpy(extended.data(), &nan, 10);
  float inf = INFINITY;
  std::string single(4, '\0');
  std::memcpy(single.data(), &inf, 4);
  std::string binary = "TPF0" + Bytes({1}) + "T" + Bytes({0}) + Bytes({1}) + "E" + Bytes({5}) + extended +
                       Bytes({1}) + "F" + Bytes({15}) + single + Bytes({1}) + "Z" + Bytes({5}) +
                       std::string(9, '\0') + Bytes({0x80}) + Bytes({0, 0});
  std::string text = ObjectBinaryToText(binary);
  EXPECT_NE(text.find("E = Extended{"), std::string::npos) << text;
  EXPECT_NE(text.find("F = Single{0000807F}"), std::string::npos) << text;
  EXPECT_NE(text.find("Z = -0.0"), std::string::npos) << text;
  EXPECT_EQ(ObjectTextToBinary(text), binary);
}

TEST(TextForm, HexadecimalNumbersMayEndInAnyDigit) {
  const std::string text = ObjectBinaryToText(
      ObjectTextToBinary("object X: T\n  Colour = $00F0E5DC\n  Date = $0D\n  Plain = $FF\nend\n"));
  EXPECT_NE(text.find("Colour = 15787484\n"), std::string::npos) << text;
  EXPECT_NE(text.find("Date = 13\n"), std::string::npos) << text;
  EXPECT_NE(text.find("Plain = 255\n"), std::string::npos) << text;
}

TEST(TextForm, MalformedTextNamesTheLine) {
  struct Case {
    const char* text;
    const char* message;
  } cases[] = {
      {"thing X: T\nend\n", "'object' expected on line 1"},
      {"object X: T\n  A = )\nend\n", "Value expected on line 2"},
      {"object X: T\n  A 5\nend\n", "'=' expected on line 2"},
      {"object X: T\n  A = 'open\nend\n", "Unterminated string on line 2"},
      {"object X: T\n  A = {0A1}\nend\n", "Invalid binary value on line 2"},
      {"object X: T\n  A = 99999999999999999999\nend\n",
       "Integer out of range 99999999999999999999 on line 2"},
      {"object X: T\n  A = 1e99999\nend\n", "Invalid floating point number 1e99999 on line 2"},
      {"object X: T\n  A = [a b]\nend\n", "',' expected on line 2"},
      {"object X: T\n  A = <\n  thing\n  end>\nend\n", "'item' expected on line 3"},
      {"object X: T\n  A = #1114112\nend\n", "Character value out of range on line 2"},
      {"object X: T\n", "Identifier expected on line 2"},
  };
  for (const auto& c : cases) {
    try {
      ObjectTextToBinary(c.text);
      ADD_FAILURE() << c.text;
    } catch (const EParserError& e) {
      EXPECT_EQ(e.Message(), c.message);
    }
  }
}

TEST(TextForm, BinaryThatTextCannotCarryIsRefused) {
  auto root = [](const std::string& properties) {
    return "TPF0" + Bytes({1}) + "T" + Bytes({0}) + properties + Bytes({0, 0});
  };
  EXPECT_THROW(ObjectBinaryToText(root(Bytes({3}) + "a b" + Bytes({9}))), EReadError);
  EXPECT_THROW(ObjectBinaryToText(root(Bytes({1}) + "A" + Bytes({7, 4}) + "True")), EReadError);
  EXPECT_THROW(ObjectBinaryToText(root(Bytes({1}) + "A" + Bytes({21}))), EReadError);
  EXPECT_THROW(ObjectBinaryToText("TPF0" + Bytes({1}) + "T" + Bytes({0, 1}) + "A"), EReadError);
}

TEST(TextForm, StreamsConvertFromTheirPosition) {
  std::string text = "object A: T\nend\n";
  TMemoryStream input;
  input.WriteBuffer("skip", 4);
  input.WriteBuffer(text.data(), int64_t(text.size()));
  input.SetPosition(4);
  TMemoryStream binary;
  ObjectTextToBinary(input, binary);
  EXPECT_EQ(binary.Size(), 4 + 2 + 2 + 2);
  binary.SetPosition(0);
  TMemoryStream back;
  ObjectBinaryToText(binary, back);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(back.Memory()), size_t(back.Size())), text);

  TMemoryStream empty, out;
  EXPECT_THROW(ObjectTextToBinary(empty, out), EParserError);
}
