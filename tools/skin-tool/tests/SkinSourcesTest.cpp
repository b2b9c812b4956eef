#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "framework/Exceptions.h"
#include "skin/se3/tests/TestSkins.h"
#include "tools/skin-tool/SkinSources.h"

namespace z5t8::skin_tool {
namespace {

namespace fs = std::filesystem;
using skin::se3::sslExtended;
using skin::se3::testing::SmallSkin;
using skin::se3::testing::StoreBody;

fs::path Scratch(const std::string& name) {
  fs::path dir = fs::path(::testing::TempDir()) / ("skin-sources-" + name);
  fs::remove_all(dir);
  return dir;
}

void Put(const fs::path& file, const std::string& text) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << text;
}

std::string Get(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(SkinSources, WrittenSourcesReadBackToTheSameStore) {
  auto skin = SmallSkin();
  // A name that is no file name, and one that needs quoting.
  skin->Images()->GetImage(1)->Name = "face/hot.bmp";
  skin->SetAuthor("O'Neil\tand co");
  const fs::path dir = Scratch("round-trip");
  WriteSkinSources(*skin, dir.string());
  auto back = ReadSkinSources(dir.string());
  EXPECT_EQ(StoreBody(*back, sslExtended), StoreBody(*skin, sslExtended));
  EXPECT_EQ(back->Author(), "O'Neil\tand co");

  // The children are nested blocks, not a binary value.
  const std::string form = Get(dir / "Form.txt");
  EXPECT_EQ(form.find("Objects"), std::string::npos);
  EXPECT_NE(form.find("  object Top: TSeSkinObject\n"), std::string::npos);
  EXPECT_NE(form.find("    object Close: TSeSysButtonSkinObject\n"), std::string::npos);
  EXPECT_NE(Get(dir / "Skin.txt").find("Image = 'face/hot.bmp' face_hot.bmp.png 0 1\n"), std::string::npos);
  EXPECT_NE(Get(dir / "Fonts.txt").find("ListItemTextHot = Tahoma,8,1,0,0,128,italic\n"), std::string::npos);

  // Written again from what was read: the same files.
  const fs::path again = Scratch("round-trip-again");
  WriteSkinSources(*back, again.string());
  for (const auto& entry : fs::directory_iterator(dir))
    EXPECT_EQ(Get(again / entry.path().filename()), Get(entry.path())) << entry.path().filename();
}

TEST(SkinSources, PictureFlagsFollowThePixelsWhenLeftOut) {
  auto skin = SmallSkin();
  const fs::path dir = Scratch("flags");
  WriteSkinSources(*skin, dir.string());
  std::string header = Get(dir / "Skin.txt");
  for (const char* flags : {" 1 0\n", " 0 1\n"}) header.replace(header.find(flags), 5, "\n");
  Put(dir / "Skin.txt", header);
  auto back = ReadSkinSources(dir.string());
  EXPECT_TRUE(back->Images()->GetImage(0)->Transparent);
  EXPECT_FALSE(back->Images()->GetImage(0)->AlphaBlend);
  EXPECT_FALSE(back->Images()->GetImage(1)->Transparent);
  EXPECT_TRUE(back->Images()->GetImage(1)->AlphaBlend);
}

TEST(SkinSources, MistakesAreReportedWithTheirPlace) {
  auto skin = SmallSkin();
  const fs::path base = Scratch("base");
  WriteSkinSources(*skin, base.string());
  struct Case {
    const char* what;
    const char* file;
    std::string from, to;
    const char* message;
  } cases[] = {
      {"unknown header key", "Skin.txt", "SkinName", "SkinNom", "Skin.txt:1: unknown key SkinNom"},
      {"unquoted string", "Skin.txt", "'Tiny'", "Tiny", "Skin.txt:1: expected a quoted string"},
      {"missing picture", "Skin.txt", "frame.png 1 0", "gone.png 1 0", "cannot read gone.png"},
      {"bad flags", "Skin.txt", "frame.png 1 0", "frame.png 1 7", "Skin.txt:7: picture flags are 0 or 1"},
      {"unknown class", "Button.txt", "TSeButtonObject", "TNoSuchThing",
       "Button.txt:8: no skin object class TNoSuchThing"},
      {"unknown property", "Button.txt", "MarginLeft", "MarginLeftish",
       "Button.txt:8: object Face: TSeButtonObject: Property MarginLeftish does not exist"},
      {"missing end", "Button.txt", "  end\nend\n", "  end\n", "Button.txt:1: object without its end"},
      {"table line", "Colors.txt", "CaptionNormal =", "CaptionNormal", "Colors.txt:1: expected Name = value"},
      {"table value", "Fonts.txt", "Tahoma,8,1,0,0,128,italic", "Tahoma,x", "Fonts.txt: 'x' is not a valid"},
  };
  for (const Case& c : cases) {
    const fs::path dir = Scratch("mistake");
    fs::copy(base, dir);
    std::string text = Get(dir / c.file);
    size_t at = text.find(c.from);
    ASSERT_NE(at, std::string::npos) << c.what;
    text.replace(at, c.from.size(), c.to);
    Put(dir / c.file, text);
    try {
      ReadSkinSources(dir.string());
      ADD_FAILURE() << c.what << ": no error";
    } catch (const framework::Exception& e) {
      EXPECT_NE(e.Message().find(c.message), std::string::npos) << c.what << ": " << e.Message();
    }
  }
  try {
    ReadSkinSources((base / "nowhere").string());
    ADD_FAILURE() << "no error for a missing directory";
  } catch (const framework::Exception& e) {
    EXPECT_NE(e.Message().find("no Skin.txt"), std::string::npos);
  }
}

}  // namespace
}  // namespace z5t8::skin_tool
