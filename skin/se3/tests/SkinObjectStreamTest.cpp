#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "framework/Exceptions.h"
#include "framework/Font.h"
#include "framework/MemoryStream.h"
#include "framework/Properties.h"
#include "skin/render/StreamStrings.h"
#include "skin/se3/SkinBitmapObjects.h"
#include "skin/se3/SkinBitmapSkinObjects.h"
#include "skin/se3/SkinObjectRecords.h"
#include "skin/se3/SkinObjectRegistry.h"
#include "skin/se3/SkinStateObjects.h"

namespace z5t8::skin::se3 {
namespace {

using framework::TMemoryStream;
using framework::TPersistent;
using framework::TPropInfo;
using framework::TPropKind;

std::string Bytes(TMemoryStream& s) {
  return std::string(reinterpret_cast<const char*>(s.Memory()), size_t(s.Size()));
}

// Gives every stored published property (nested ones included) a value that is not the
// one a new object has, different for each property and each object.
void FillProperties(TPersistent& object, int& seed) {
  for (const TPropInfo* info : object.ClassType().Properties()) {
    if (!info->IsStored(object) && info->Kind != TPropKind::Enumeration) continue;
    ++seed;
    switch (info->Kind) {
      case TPropKind::Integer:
        // Loading sets every font to the default character set.
        if (info->Name == "Charset") break;
        info->SetOrd(object, dynamic_cast<framework::TFont*>(&object) && info->Name == "Height"
                                 ? -(12 + seed % 7)
                                 : 1000 + seed * 7);
        break;
      case TPropKind::Enumeration: {
        int64_t current = info->GetOrd(object);
        int64_t count = int64_t(info->Enum->Names.size());
        info->SetOrd(object, (current + 1 + seed % (count - 1)) % count);
        break;
      }
      case TPropKind::Boolean:
        info->SetOrd(object, info->GetOrd(object) ? 0 : 1);
        break;
      case TPropKind::Set:
        info->SetOrd(object, 0b1011);
        break;
      case TPropKind::String:
        info->SetStr(object, (info->Name == "Name" ? "Face" : "Text") + std::to_string(seed));
        break;
      case TPropKind::Object:
        if (TPersistent* nested = info->GetObj(object)) FillProperties(*nested, seed);
        break;
      default:
        break;
    }
  }
}

// Compares every published property, nested ones included, by name.
void ExpectSameProperties(const TPersistent& a, const TPersistent& b, const std::string& path) {
  ASSERT_EQ(&a.ClassType(), &b.ClassType()) << path;
  for (const TPropInfo* info : a.ClassType().Properties()) {
    std::string where = path + "." + info->Name;
    switch (info->Kind) {
      case TPropKind::Integer:
      case TPropKind::Enumeration:
      case TPropKind::Boolean:
      case TPropKind::Set:
        EXPECT_EQ(info->GetOrd(a), info->GetOrd(b)) << where;
        break;
      case TPropKind::String:
        EXPECT_EQ(info->GetStr(a), info->GetStr(b)) << where;
        break;
      case TPropKind::Object:
        ExpectSameProperties(*info->GetObj(a), *info->GetObj(b), where);
        break;
      default:
        break;
    }
  }
}

void ExpectSameTree(const TSeSkinObject& a, const TSeSkinObject& b) {
  EXPECT_EQ(a.Name(), b.Name());
  ExpectSameProperties(a, b, a.Name());
  ASSERT_EQ(a.GetCount(), b.GetCount()) << a.Name();
  for (int i = 0; i < a.GetCount(); ++i) ExpectSameTree(*a.GetObject(i), *b.GetObject(i));
}

// A root holding one object of every registered class, each with a child of its own.
std::unique_ptr<TSeSkinObject> EveryClassTree() {
  auto root = std::make_unique<TSeSkinObject>(nullptr);
  int seed = 0;
  root->SetName("Root");
  FillProperties(*root, seed);
  int n = 0;
  for (TSeSkinObjectClass cls : RegisteredSkinObjects()) {
    TSeSkinObject* object = CreateSkinObject(cls, root.get());
    object->SetName("Object" + std::to_string(n++));
    FillProperties(*object, seed);
    TSeSkinObject* grandchild = CreateSkinObject(cls, object);
    grandchild->SetName("Inner");
    FillProperties(*grandchild, seed);
  }
  return root;
}

TEST(SkinObjectStream, EveryClassAndPropertyRoundTripsInBothForms) {
  std::unique_ptr<TSeSkinObject> tree = EveryClassTree();
  ASSERT_EQ(tree->GetCount(), 17);
  using Save = void (*)(framework::TStream&, TSeSkinObject*);
  using Load = TSeSkinObject* (*)(framework::TStream&, framework::TComponent*);
  const struct {
    const char* form;
    Save save;
    Load load;
  } forms[] = {{"binary", SaveSkinObjectBinary, LoadSkinObjectBinary},
               {"text", SaveSkinObject, LoadSkinObject}};
  for (const auto& f : forms) {
    SCOPED_TRACE(f.form);
    TMemoryStream first;
    f.save(first, tree.get());
    first.SetPosition(0);
    std::unique_ptr<TSeSkinObject> loaded(f.load(first, nullptr));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(first.Position(), first.Size());
    ExpectSameTree(*tree, *loaded);
    TMemoryStream second;
    f.save(second, loaded.get());
    EXPECT_EQ(Bytes(first), Bytes(second));
  }
}

TEST(SkinObjectStream, RecordsHoldTheClassNameAndAComponentStream) {
  TSeSystemButton button(nullptr);
  button.SetName("Close");
  button.SetAction(sbaClose);
  button.Bitmap()->Name = "close.png";
  button.Bitmap()->Right = 13;
  new TSeSkinObject(&button);
  TMemoryStream s;
  SaveSkinObjectBinary(s, &button);
  s.SetPosition(0);
  EXPECT_EQ(render::ReadString(s), "TSeSystemButton");
  uint32_t count = s.ReadUInt32();
  EXPECT_EQ(int64_t(count), s.Size() - 4 - 15 - 4);
  std::string body = Bytes(s).substr(size_t(s.Position()));
  EXPECT_EQ(body.substr(0, 4), "TPF0");
  EXPECT_NE(body.find("\x0b"
                      "Bitmap.Name"),
            std::string::npos);
  EXPECT_NE(body.find("\x0b"
                      "Bitmap.Left"),
            std::string::npos);
  // A new caption button's kind is skSysButton, so it is not written.
  EXPECT_EQ(body.find("\x04"
                      "Kind"),
            std::string::npos);
  // "Objects": the count word with bits 16 to 19 set, then binary records.
  size_t objects = body.find(
      "\x07"
      "Objects");
  ASSERT_NE(objects, std::string::npos);
  EXPECT_EQ(body.substr(objects + 8 + 5, 4), std::string("\x01\x00\x0f\x00", 4));
  EXPECT_EQ(body.substr(body.size() - 2), std::string(2, '\0'));
}

TEST(SkinObjectStream, UnknownClassesAreSkippedAndTheRestStaysReadable) {
  TSeSkinObject parent(nullptr);
  auto* first = new TSeSkinObject(&parent);
  first->SetName("First");
  auto* second = new TSeTextObject(&parent);
  second->SetName("Second");
  for (bool binary : {true, false}) {
    SCOPED_TRACE(binary ? "binary" : "text");
    TMemoryStream s;
    auto save = binary ? SaveSkinObjectBinary : SaveSkinObject;
    save(s, first);
    save(s, second);
    std::string bytes = Bytes(s);
    // Rename the first record's class to one no fall-back resolves.
    bytes.replace(4, 13, "TXxUnknownObj");
    TMemoryStream in;
    in.WriteBuffer(bytes.data(), int64_t(bytes.size()));
    in.SetPosition(0);
    auto load = binary ? LoadSkinObjectBinary : LoadSkinObject;
    EXPECT_EQ(load(in, nullptr), nullptr);
    std::unique_ptr<TSeSkinObject> next(load(in, nullptr));
    ASSERT_TRUE(next);
    EXPECT_EQ(next->Name(), "Second");
    EXPECT_EQ(next->ClassName(), "TSeTextObject");
    EXPECT_EQ(in.Position(), in.Size());
  }
}

TEST(SkinObjectStream, ChildrenInTextFormNestedChildrenAndBrokenRecords) {
  // An "Objects" value whose count word has no flag bits holds text-form records.
  TSeSkinObject child(nullptr);
  child.SetName("Child");
  child.SetKind(skClient);
  TMemoryStream objects;
  objects.WriteUInt32(1);
  SaveSkinObject(objects, &child);
  TSeSkinObject parent(nullptr);
  objects.SetPosition(0);
  ReadSkinObjects(objects, &parent);
  ASSERT_EQ(parent.GetCount(), 1);
  EXPECT_EQ(parent.GetObject(0)->Kind(), skClient);
  EXPECT_EQ(parent.GetObject(0)->Owner(), &parent);

  // A byte count beyond the stream, a body that is no component stream, and a framework
  // child list that is not empty.
  TMemoryStream shortRecord;
  render::WriteString(shortRecord, "TSeSkinObject");
  shortRecord.WriteUInt32(100);
  shortRecord.WriteBuffer("TPF0", 4);
  shortRecord.SetPosition(0);
  EXPECT_THROW(LoadSkinObjectBinary(shortRecord, &parent), framework::EReadError);

  TMemoryStream notAStream;
  render::WriteString(notAStream, "TSeSkinObject");
  notAStream.WriteUInt32(6);
  notAStream.WriteBuffer("XPF0\0\0", 6);
  notAStream.SetPosition(0);
  EXPECT_THROW(LoadSkinObjectBinary(notAStream, &parent), framework::EReadError);

  // Nested components are children when they are skin objects and refused otherwise.
  auto record = [](std::string body) {
    auto s = std::make_unique<TMemoryStream>();
    render::WriteString(*s, "TSeSkinObject");
    s->WriteUInt32(uint32_t(body.size()));
    s->WriteBuffer(body.data(), int64_t(body.size()));
    s->SetPosition(0);
    return s;
  };
  const char nestedBytes[] =
      "TPF0\x0dTSeSkinObject\x01"
      "A\x00\x0dTSeTextObject\x01"
      "B\x00\x00\x00";
  const std::string nested(nestedBytes, sizeof nestedBytes - 1);
  std::unique_ptr<TSeSkinObject> withChild(LoadSkinObjectBinary(*record(nested), nullptr));
  ASSERT_TRUE(withChild);
  ASSERT_EQ(withChild->GetCount(), 1);
  EXPECT_EQ(withChild->GetObject(0)->ClassName(), "TSeTextObject");
  const char foreignBytes[] =
      "TPF0\x0dTSeSkinObject\x01"
      "A\x00\x0aTComponent\x01"
      "B\x00\x00\x00";
  const std::string foreign(foreignBytes, sizeof foreignBytes - 1);
  EXPECT_THROW(LoadSkinObjectBinary(*record(foreign), &parent), framework::Exception);
  EXPECT_EQ(parent.GetCount(), 1);
}

TEST(SkinObjectStream, LoadingSetsTheDefaultCharacterSet) {
  TSeActiveObject object(nullptr);
  object.Font()->SetCharset(framework::CHINESEBIG5_CHARSET);
  object.ActiveFont()->SetCharset(framework::CHINESEBIG5_CHARSET);
  TMemoryStream s;
  SaveSkinObjectBinary(s, &object);
  s.SetPosition(0);
  std::unique_ptr<TSeSkinObject> loaded(LoadSkinObjectBinary(s, nullptr));
  ASSERT_TRUE(loaded);
  EXPECT_EQ(loaded->Font()->Charset(), framework::DEFAULT_CHARSET);
  EXPECT_EQ(static_cast<TSeActiveObject*>(loaded.get())->ActiveFont()->Charset(), framework::DEFAULT_CHARSET);
}

TEST(SkinObjectStream, SourceFormNestsChildrenAndReadsBackTheSameTree) {
  std::unique_ptr<TSeSkinObject> tree = EveryClassTree();
  std::string text = SaveSkinObjectSource(tree.get());
  EXPECT_EQ(text.find("Objects"), std::string::npos);
  EXPECT_NE(text.find("    object Inner: TSeSystemButton"), std::string::npos);
  std::unique_ptr<TSeSkinObject> loaded(LoadSkinObjectSource(text, nullptr));
  ASSERT_TRUE(loaded);
  ExpectSameTree(*tree, *loaded);
  EXPECT_EQ(SaveSkinObjectSource(loaded.get()), text);
  // Written as a record, the nested children go into "Objects" again.
  TMemoryStream a, b;
  SaveSkinObjectBinary(a, tree.get());
  SaveSkinObjectBinary(b, loaded.get());
  EXPECT_EQ(Bytes(a), Bytes(b));

  // Nested components of other classes are refused; unknown skin classes give none.
  EXPECT_THROW(LoadSkinObjectSource("object A: TSeSkinObject\n  object B: TComponent\n  end\nend\n", nullptr),
               framework::Exception);
  EXPECT_EQ(LoadSkinObjectSource("object A: TQqUnknown\nend\n", nullptr), nullptr);
  std::unique_ptr<TSeSkinObject> fallBack(LoadSkinObjectSource("object A: TXxTextObject\nend\n", nullptr));
  ASSERT_TRUE(fallBack);
  EXPECT_EQ(fallBack->ClassName(), "TSeTextObject");
}

TEST(SkinObjectRegistry, SeventeenClassesInOrderAndTheNameFallBacks) {
  const char* names[] = {"TSeSkinObject",
                         "TSeActiveObject",
                         "TSeBitmapObject",
                         "TSeActiveBitmap",
                         "TSeSystemButton",
                         "TSeButtonObject",
                         "TSeTextObject",
                         "TSeLinkSkinObject",
                         "TSeBitmapSkinObject",
                         "TSeFormBitmapSkinObject",
                         "TSeSysButtonSkinObject",
                         "TSeActiveSkinObject",
                         "TSeColorButtonObject",
                         "TSeBitmapBoxObject",
                         "TSeActiveBitmapBoxObject",
                         "TSeButtonBitmapBoxObject",
                         "TSeRollPanelObject"};
  const auto& registered = RegisteredSkinObjects();
  ASSERT_GE(registered.size(), 17u);
  for (size_t i = 0; i < 17; ++i) EXPECT_EQ(registered[i]->ClassName(), names[i]);

  const struct {
    const char* name;
    const char* resolved;  // nullptr: none
  } cases[] = {
      {"TSeTextObject", "TSeTextObject"},
      {"TXySkinObject", "TSeSkinObject"},  // second and third characters replaced by "Se"
      {"TTwBitmapObject", "TSeBitmapObject"},
      {"tseskinobject", nullptr},  // case matters
      {"TSe", nullptr},
      {"", nullptr},
      {"TSeUnknown", nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TSeSkinObjectClass cls = ResolveSkinObjectClass(c.name);
    if (!c.resolved) {
      EXPECT_EQ(cls, nullptr);
    } else {
      ASSERT_TRUE(cls);
      EXPECT_EQ(cls->ClassName(), c.resolved);
    }
  }
  EXPECT_EQ(GetSkinObjectClass("TXySkinObject"), nullptr);
}

}  // namespace
}  // namespace z5t8::skin::se3
