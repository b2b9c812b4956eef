#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/Exceptions.h"
#include "framework/MemoryStream.h"
#include "skin/render/StreamStrings.h"
#include "skin/se3/SkinFilterRegistry.h"
#include "skin/se3/SkinFilters.h"
#include "skin/se3/SkinObjectRecords.h"
#include "skin/se3/tests/TestSkins.h"

namespace z5t8::skin::se3 {
namespace {

using framework::TMemoryStream;
using namespace testing;
using namespace theme;

// Builds store bodies byte by byte.
struct Body {
  TMemoryStream s;
  Body& Str(const std::string& v) {
    render::WriteString(s, v);
    return *this;
  }
  Body& U32(uint32_t v) {
    s.WriteUInt32(v);
    return *this;
  }
  Body& Raw(const std::vector<uint8_t>& v) {
    s.WriteBuffer(v.data(), int64_t(v.size()));
    return *this;
  }
  Body& Header() { return Str("Hand").Str("0.1").Str("").Str("").Str(""); }
  // A bitmap record.
  Body& Picture(const std::string& name, int w, int h, const std::vector<uint32_t>& pixels) {
    Str(name).U32(uint32_t(w)).U32(uint32_t(h));
    for (uint32_t p : pixels) U32(p);
    return *this;
  }
  TMemoryStream& Stream() {
    s.SetPosition(0);
    return s;
  }
};

// A 24-bit Windows bitmap file, bottom row first; pixels given top row first as 0xRRGGBB.
std::vector<uint8_t> BmpFile(int w, int h, const std::vector<uint32_t>& pixels) {
  const int stride = (w * 3 + 3) / 4 * 4;
  std::vector<uint8_t> out;
  auto put16 = [&](uint32_t v) { out.insert(out.end(), {uint8_t(v), uint8_t(v >> 8)}); };
  auto put32 = [&](uint32_t v) {
    out.insert(out.end(), {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)});
  };
  out.insert(out.end(), {'B', 'M'});
  put32(uint32_t(54 + stride * h));
  put32(0);
  put32(54);
  put32(40);
  put32(uint32_t(w));
  put32(uint32_t(h));
  put16(1);
  put16(24);
  put32(0);
  put32(uint32_t(stride * h));
  put32(2835);
  put32(2835);
  put32(0);
  put32(0);
  for (int y = h - 1; y >= 0; --y) {
    for (int x = 0; x < w; ++x) {
      uint32_t p = pixels[size_t(y * w + x)];
      out.insert(out.end(), {uint8_t(p), uint8_t(p >> 8), uint8_t(p >> 16)});
    }
    out.resize(out.size() + size_t(stride - w * 3), 0);
  }
  return out;
}

TEST(SkinSource, BothLayoutsRoundTripEverything) {
  for (TSeSkinStoreLayout layout : {sslExtended, sslBase}) {
    SCOPED_TRACE(layout == sslExtended ? "extended" : "base");
    auto skin = SmallSkin();
    std::vector<uint8_t> body = StoreBody(*skin, layout);
    TMemoryStream in;
    in.WriteBuffer(body.data(), int64_t(body.size()));
    in.SetPosition(0);
    TSeSkinSource back;
    back.ReadStore(in, layout);
    EXPECT_EQ(in.Position(), in.Size());

    EXPECT_EQ(back.SkinName(), "Tiny");
    EXPECT_EQ(back.SkinVersion(), "1.2");
    EXPECT_EQ(back.Author(), "Tests");
    ASSERT_EQ(back.Images()->Count(), 2);
    EXPECT_EQ(back.Images()->GetImage(0)->Name, "frame.png");
    EXPECT_TRUE(back.Images()->GetImage(0)->Transparent);
    EXPECT_FALSE(back.Images()->GetImage(0)->AlphaBlend);
    EXPECT_FALSE(back.Images()->GetImage(1)->Transparent);
    EXPECT_TRUE(back.Images()->GetImage(1)->AlphaBlend);
    EXPECT_EQ(Outline(back.GetObject(0)), Outline(skin->GetObject(0)));
    EXPECT_EQ(Outline(back.GetObject(1)), Outline(skin->GetObject(1)));
    // Picture references are bound to the new source's pictures.
    auto* face = dynamic_cast<TSeButtonObject*>(back.GetObjectByName("Button\\Face"));
    ASSERT_NE(face, nullptr);
    EXPECT_TRUE(face->Bitmap()->GetAssigned());
    EXPECT_EQ(back.Colors()->GetColor(ktcWindow), 0x00F2EDE8u);
    EXPECT_EQ(back.SysColors()->GetColor(framework::clBtnFace), 0x00E8DDD3u);
    EXPECT_EQ(back.Fonts()->GetFont(ktfListItemTextHot)->Style(),
              framework::TFontStyles{framework::fsItalic});
    EXPECT_EQ(FontToDescription(*back.Fonts()->GetFont(ktfCaptionTextNormal)), "Arial,9,1,31,45,58,bold");
    // Written again, the same bytes.
    EXPECT_EQ(StoreBody(back, layout), body);
  }
}

TEST(SkinSource, EveryContainerKindLoadsByItsSignature) {
  auto skin = SmallSkin();
  const std::vector<uint8_t> body = StoreBody(*skin, sslExtended);
  // Loading makes the client a plain rectangle again.
  skin->GetObjectByName("Form\\Client")->SetMasked(true);
  const TSeSkinFilterClass previous = DefaultSkinFilterClass();
  for (TSeSkinFilterClass kind : RegisteredSkinFilters()) {
    SCOPED_TRACE(kind->GetFilterName());
    SetDefaultSkinFilterClass(kind);
    TMemoryStream container;
    skin->SaveToStream(container);
    // Another default must not matter: the signature decides.
    SetDefaultSkinFilterClass(SkinFilterClass<TSeSkinFilterUncompressed>());
    container.SetPosition(0);
    TSeSkinSource back;
    back.LoadFromStream(container);
    EXPECT_EQ(StoreBody(back, sslExtended), body);
  }
  SetDefaultSkinFilterClass(previous);
}

TEST(SkinSource, ImageFormsBAndCWorkOutTheFlags) {
  // Form B: pure magenta becomes the key colour and sets the transparency flag.
  Body b;
  b.Header().U32(2 | 0x000F0000);
  b.Picture("b1", 2, 1, {0xFFFF00FFu, 0xFF123456u}).Picture("b2", 1, 1, {0x80123456u});
  b.U32(0);
  TSeSkinSource formB;
  formB.ReadStore(b.Stream(), sslExtended);
  ASSERT_EQ(formB.Images()->Count(), 2);
  const render::TteBitmap* b1 = formB.Images()->GetImage(0);
  EXPECT_TRUE(b1->Transparent);
  EXPECT_FALSE(b1->AlphaBlend);
  EXPECT_EQ(uint32_t(b1->GetPixel(0, 0)), render::teTransparentRgb);
  EXPECT_FALSE(formB.Images()->GetImage(1)->Transparent);
  EXPECT_TRUE(formB.Images()->GetImage(1)->AlphaBlend);

  // Form C: Windows bitmap files; only the key colour counts there, not magenta.
  Body c;
  c.Header().U32(2);
  std::vector<uint8_t> keyed = BmpFile(2, 2, {0x7F007F, 0x102030, 0x405060, 0x708090});
  std::vector<uint8_t> magenta = BmpFile(1, 1, {0xFF00FF});
  c.Str("c1.bmp").U32(uint32_t(keyed.size())).Raw(keyed);
  c.Str("c2.bmp").U32(uint32_t(magenta.size())).Raw(magenta);
  c.U32(0);
  TSeSkinSource formC;
  formC.ReadStore(c.Stream(), sslExtended);
  ASSERT_EQ(formC.Images()->Count(), 2);
  const render::TteBitmap* c1 = formC.Images()->GetImage(0);
  EXPECT_EQ(c1->Name, "c1.bmp");
  ASSERT_EQ(c1->Width(), 2);
  EXPECT_TRUE(c1->Transparent);
  EXPECT_EQ(c1->GetPixel(1, 1).Rgb(), 0x708090u);
  EXPECT_FALSE(formC.Images()->GetImage(1)->Transparent);
}

TEST(SkinSource, ObjectCountWordDecidesTheTables) {
  auto skin = SmallSkin();
  std::vector<uint8_t> form, button;
  {
    TMemoryStream s;
    SaveSkinObjectBinary(s, skin->GetObject(0));
    form = s.Bytes();
    TMemoryStream t;
    SaveSkinObjectBinary(t, skin->GetObject(1));
    button = t.Bytes();
  }

  // No flag bits: no tables, they are derived from the objects.
  Body none;
  none.Header().U32(0x00FFF000).U32(2).Raw(form).Raw(button).Str("after");
  TSeSkinSource derived;
  TMemoryStream& in = none.Stream();
  derived.ReadStore(in, sslExtended);
  EXPECT_EQ(render::ReadString(in), "after");
  EXPECT_EQ(derived.Colors()->GetColor(ktcBorder), framework::clBlack);
  EXPECT_EQ(derived.Colors()->GetColor(ktcWindow), 0x00F2EDE8u);
  EXPECT_EQ(derived.Colors()->GetColor(ktcCaptionInactive), 0x00E8DDD3u);
  EXPECT_EQ(derived.Colors()->GetColor(ktcButtonHot), 0x00F0E5DCu);
  EXPECT_EQ(derived.Colors()->GetColor(ktcHint), framework::clInfoBk);
  EXPECT_EQ(FontToDescription(*derived.Fonts()->GetFont(ktfWindowTextNormal)), "Tahoma,8,1,0,0,0");
  EXPECT_TRUE(derived.Fonts()->GetFont(ktfCaptionTextNormal)->Style().Contains(framework::fsBold));

  // Bits 16 to 19: the colour and font tables, no system colours.
  TteThemeColors colors(nullptr);
  colors.SetColor(ktcGrid, 0x00123456);
  TteThemeFonts fonts(nullptr);
  DescriptionToFont("Verdana,11,1,1,2,3", *fonts.GetFont(ktfHeaderSectionTextHot));
  TMemoryStream tables;
  colors.SaveToStream(tables);
  fonts.SaveToStream(tables);
  Body two;
  two.Header().U32(0x00FFF000).U32(1 | 0x000F0000).Raw(form).Raw(tables.Bytes()).Str("after");
  TSeSkinSource withTwo;
  TMemoryStream& in2 = two.Stream();
  withTwo.ReadStore(in2, sslExtended);
  EXPECT_EQ(render::ReadString(in2), "after");
  EXPECT_EQ(withTwo.GetCount(), 1);
  EXPECT_EQ(withTwo.Colors()->GetColor(ktcGrid), 0x00123456u);
  EXPECT_EQ(withTwo.Fonts()->GetFont(ktfHeaderSectionTextHot)->Name(), "Verdana");
}

TEST(SkinSource, RecordOfAnUnknownClassIsSkippedWhole) {
  auto skin = SmallSkin();
  TMemoryStream real;
  SaveSkinObjectBinary(real, skin->GetObject(1));
  Body body;
  body.Header().U32(0x00FFF000).U32(2).Str("TQxNothing").U32(5).Raw({1, 2, 3, 4, 5}).Raw(real.Bytes());
  body.Str("after");
  TSeSkinSource back;
  TMemoryStream& in = body.Stream();
  back.ReadStore(in, sslExtended);
  ASSERT_EQ(back.GetCount(), 1);
  EXPECT_EQ(back.GetObject(0)->Name(), "Button");
  EXPECT_EQ(render::ReadString(in), "after");
}

TEST(SkinSource, CutStoresFailWithAReadError) {
  auto skin = SmallSkin();
  const std::vector<uint8_t> body = StoreBody(*skin, sslExtended);
  for (size_t cut :
       {size_t(3), size_t(30), size_t(90), body.size() / 2, body.size() - 200, body.size() - 1}) {
    TMemoryStream in;
    in.WriteBuffer(body.data(), int64_t(cut));
    in.SetPosition(0);
    TSeSkinSource back;
    EXPECT_THROW(back.ReadStore(in, sslExtended), framework::Exception) << cut;
  }
}

TEST(SkinSource, ObjectsByNameAndKind) {
  auto skin = SmallSkin();
  TSeSkinObject* form = skin->GetObject(0);
  struct Case {
    const char* name;
    const char* found;  // null: none
  } cases[] = {
      {"form", "Form"},
      {"BUTTON", "Button"},
      {"Button\\Face", "Face"},
      {"button\\FACE", "Face"},
      {"Form\\Close", "Close"},
      {"Nowhere\\Face", nullptr},
      {"Button\\Nowhere", nullptr},
      {"Face", nullptr},
      {"", nullptr},
  };
  for (const Case& c : cases) {
    TSeSkinObject* got = skin->GetObjectByName(c.name);
    if (!c.found)
      EXPECT_EQ(got, nullptr) << c.name;
    else
      EXPECT_TRUE(got && got->Name() == c.found) << c.name;
  }
  EXPECT_EQ(skin->GetObjectByKind(skForm), form);
  // Only the top level is searched.
  EXPECT_EQ(skin->GetObjectByKind(skClient), nullptr);
  EXPECT_EQ(skin->GetObject(2), nullptr);
  EXPECT_EQ(skin->GetObject(-1), nullptr);
}

TEST(SkinSource, AssignMakesADeepCopyBoundToItsOwnPictures) {
  auto skin = SmallSkin();
  TSeSkinSource copy;
  copy.Assign(skin.get());
  EXPECT_EQ(StoreBody(copy, sslExtended), StoreBody(*skin, sslExtended));
  ASSERT_EQ(copy.Images()->Count(), 2);
  EXPECT_NE(copy.Images()->GetImage(0), skin->Images()->GetImage(0));
  EXPECT_NE(copy.GetObject(0), skin->GetObject(0));
  auto* face = dynamic_cast<TSeButtonObject*>(copy.GetObjectByName("Button\\Face"));
  ASSERT_NE(face, nullptr);
  EXPECT_EQ(face->Bitmaps(), copy.Images());
  // Shifting the copy leaves the original alone.
  copy.ChangeSkinSourceHue(90);
  EXPECT_NE(copy.GetObject(0)->Color(), skin->GetObject(0)->Color());
  EXPECT_NE(uint32_t(copy.Images()->GetImage(0)->GetPixel(1, 1)),
            uint32_t(skin->Images()->GetImage(0)->GetPixel(1, 1)));
}

TEST(SkinSource, FilesByExtensionAndNothingForWhatCannotBeRead) {
  auto skin = SmallSkin();
  const std::string dir = ::testing::TempDir();
  const std::string path = dir + "/small-skin-test.zqkn";
  skin->SaveToFile(path);
  TSeSkinSource back;
  back.LoadFromFile(path);
  EXPECT_EQ(StoreBody(back, sslExtended), StoreBody(*skin, sslExtended));
  // Missing, empty or of an unknown extension: the source stays as it was.
  for (std::string name : {std::string(), dir + "/missing.mskn", std::string("no-such-skin.uskn")}) {
    back.LoadFromFile(name);
    EXPECT_EQ(back.GetCount(), 2) << name;
  }
  const std::string unknown = dir + "/small-skin-test.bin";
  std::rename(path.c_str(), unknown.c_str());
  back.LoadFromFile(unknown);
  EXPECT_EQ(back.GetCount(), 2);
  std::remove(unknown.c_str());
}

}  // namespace
}  // namespace z5t8::skin::se3
