#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "TestComponents.h"
#include "framework/Exceptions.h"
#include "framework/MemoryStream.h"
#include "framework/Reader.h"
#include "framework/Resources.h"
#include "framework/TextForm.h"
#include "framework/TextUtils.h"
#include "framework/Writer.h"

using namespace z5t8::framework;
using namespace z5t8::framework::testing;

namespace {
std::string ReadSource(const std::string& path) {
  std::ifstream in(std::string(Z5T8_SOURCE_DIR) + "/" + path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}
}  // namespace

// The window layout is compiled at build time; its dump is the source again, with the
// included theme data (here a one-byte stand-in) in place of the include.
TEST(LayoutResource, MainWindowLayoutSurvivesCompileAndDump) {
  std::span<const uint8_t> resource = FindResource("tform1");
  ASSERT_NE(resource.data(), nullptr);
  std::string binary(reinterpret_cast<const char*>(resource.data()), resource.size());
  std::string source = ReadSource("resources/TFORM1.txt");
  std::string expected = source;
  size_t at = expected.find("{@AquaThemeStream}");
  ASSERT_NE(at, std::string::npos);
  expected.replace(at, 18, "{\n          00}");
  EXPECT_EQ(ObjectBinaryToText(binary), expected);

  // The Chinese captions are wide strings with the characters as written.
  std::u16string caption = u"QUEX Z5T8  \u8edf\u9ad4\u66f4\u65b0\u7a0b\u5f0f";
  std::string wide;
  for (char16_t c : caption) wide += {char(c & 0xFF), char(c >> 8)};
  EXPECT_NE(binary.find("\x07"
                        "Caption\x12\x11" +
                        std::string(3, '\0') + wide),
            std::string::npos);
  std::string download =
      "\x07"
      "Caption\x12\x04" +
      std::string(3, '\0');
  for (char16_t c : std::u16string(u"\u66f4\u65b0\u97cc\u9ad4")) download += {char(c & 0xFF), char(c >> 8)};
  EXPECT_NE(binary.find(download), std::string::npos);

  // Ten components in stored order, each a direct child of the window.
  TCustomMemoryStream stream(binary.data(), int64_t(binary.size()));
  TReader reader(stream);
  reader.ReadSignature();
  EXPECT_EQ(reader.ReadStr(), "TForm1");
  EXPECT_EQ(reader.ReadStr(), "Form1");
  while (!reader.EndOfList()) {
    reader.ReadStr();
    reader.SkipValue();
  }
  reader.ReadListEnd();
  std::vector<std::string> names;
  while (!reader.EndOfList()) {
    reader.ReadStr();
    names.push_back(reader.ReadStr());
    while (!reader.EndOfList()) {
      reader.ReadStr();
      reader.SkipValue();
    }
    reader.ReadListEnd();
    EXPECT_TRUE(reader.EndOfList());
    reader.ReadListEnd();
  }
  EXPECT_EQ(names, (std::vector<std::string>{"Label1", "Label4", "ProgressBar1", "mReceive",
                                             "Button_Download", "Button_Exit_System", "TeThemeEngine1",
                                             "TeThemeList1", "TeThemeLink1", "TeForm1"}));
}

TEST(Resources, FoundByNameAndReadIntoComponents) {
  RegisterTestClasses();
  TTestRoot source(nullptr);
  source.SetName("Layout");
  source.Number = 42;
  static TMemoryStream stored;  // resources live as long as the program
  WriteComponent(stored, &source);
  RegisterResource("TTestRoot", stored.Memory(), size_t(stored.Size()));

  TTestRoot root(nullptr);
  EXPECT_TRUE(InitInheritedComponent(&root, TComponent::StaticClass()));
  EXPECT_EQ(root.Name(), "Layout");
  EXPECT_EQ(root.Number, 42);
  TTestThing plain(nullptr);
  EXPECT_FALSE(InitInheritedComponent(&plain, TComponent::StaticClass()));

  try {
    TResourceStream missing("NOSUCH");
    FAIL();
  } catch (const EResNotFound& e) {
    EXPECT_EQ(e.Message(), "Resource NOSUCH not found");
  }
}
