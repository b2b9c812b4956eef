#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "TestComponents.h"
#include "framework/Exceptions.h"
#include "framework/MemoryStream.h"
#include "framework/Reader.h"
#include "framework/TextForm.h"
#include "framework/Writer.h"

using namespace z5t8::framework;
using namespace z5t8::framework::testing;

namespace {

std::string Bytes(std::initializer_list<int> bytes) {
  std::string s;
  for (int b : bytes) s += char(b);
  return s;
}

std::string Contents(TMemoryStream& s) {
  return std::string(reinterpret_cast<const char*>(s.Memory()), size_t(s.Size()));
}

std::string Write(TComponent* root) {
  TMemoryStream s;
  WriteComponent(s, root);
  return Contents(s);
}

std::string WriteWith(const std::function<void(TWriter&)>& write) {
  TMemoryStream s;
  TWriter writer(s);
  write(writer);
  return Contents(s);
}

void ReadInto(const std::string& bytes, TComponent* root) {
  TCustomMemoryStream s(bytes.data(), int64_t(bytes.size()));
  ReadComponent(s, root);
}

std::string ReadError(const std::string& bytes) {
  TTestRoot root(nullptr);
  int before = gLiveThings;
  try {
    ReadInto(bytes, &root);
  } catch (const Exception& e) {
    EXPECT_EQ(gLiveThings, before) << "components made while reading were not freed";
    EXPECT_EQ(root.ComponentCount(), 0);
    EXPECT_FALSE(root.InState(csLoading));
    return e.Message();
  }
  return "no error";
}

// A header and a root of class TTestRoot named R, then the given property bytes.
std::string RootWith(const std::string& properties, const std::string& children = "") {
  return "TPF0" + Bytes({9}) + "TTestRoot" + Bytes({1}) + "R" + properties + Bytes({0}) + children +
         Bytes({0});
}

std::string Prop(const std::string& name, const std::string& value) {
  return char(name.size()) + name + value;
}

class ComponentStream : public ::testing::Test {
protected:
  void SetUp() override {
    RegisterTestClasses();
    gLoadedLog.clear();
  }
};

}  // namespace

TEST_F(ComponentStream, IntegersTakeTheSmallestTag) {
  struct Case {
    int64_t value;
    std::string bytes;
  } cases[] = {
      {0, Bytes({2, 0})},
      {127, Bytes({2, 0x7F})},
      {-128, Bytes({2, 0x80})},
      {128, Bytes({3, 0x80, 0})},
      {-129, Bytes({3, 0x7F, 0xFF})},
      {32767, Bytes({3, 0xFF, 0x7F})},
      {-32768, Bytes({3, 0x00, 0x80})},
      {32768, Bytes({4, 0, 0x80, 0, 0})},
      {-32769, Bytes({4, 0xFF, 0x7F, 0xFF, 0xFF})},
      {INT32_MIN, Bytes({4, 0, 0, 0, 0x80})},
      {int64_t(INT32_MAX) + 1, Bytes({19, 0, 0, 0, 0x80, 0, 0, 0, 0})},
      {-(int64_t(1) << 40), Bytes({19, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF})},
  };
  for (const auto& c : cases) {
    std::string written = WriteWith([&](TWriter& w) { w.WriteInteger(c.value); });
    EXPECT_EQ(written, c.bytes) << c.value;
    TCustomMemoryStream s(written.data(), int64_t(written.size()));
    TReader reader(s);
    EXPECT_EQ(reader.ReadInt64(), c.value);
  }
  // A 32-bit reader refuses the 64-bit tag.
  std::string big = Bytes({19, 1, 0, 0, 0, 0, 0, 0, 0});
  TCustomMemoryStream s(big.data(), int64_t(big.size()));
  TReader reader(s);
  EXPECT_THROW(reader.ReadInteger(), EReadError);
}

TEST_F(ComponentStream, EveryPropertyKindRoundTrips) {
  TTestRoot root(nullptr);
  root.SetName("Form1");
  root.Number = -32769;
  root.Big = int64_t(1) << 40;
  root.Kind = tkGamma;
  root.Kinds = {tkAlpha, tkGamma};
  root.Flag = true;
  root.Text = std::string(300, 'x');
  root.Caption = u"QUEX Z5T8  \u8edf\u9ad4\u66f4\u65b0\u7a0b\u5f0f";
  root.Color = clBtnFace;
  root.Charset = CHINESEBIG5_CHARSET;
  root.Font.SetName("\xe8\x8f\xaf\xe5\xba\xb7");  // 8-bit UTF-8 beyond ASCII
  root.Font.SetHeight(-12);
  root.Font.SetStyle({fsBold, fsUnderline});
  root.Font.SetColor(0x00E8E8E8);
  auto* item = static_cast<TTestItem*>(root.Items.Add());
  item->Label = "Aqua";
  item->Number = 7;
  item->Blob = std::string("\x02\x00\xff", 3);
  root.Items.Add();
  root.Lines.SetText("one\r\n\r\nthree");
  root.OnPing.Bind(TMethodRef{&root, TTestRoot::StaticClass().FindMethod("Ping")});
  auto* child = new TTestThing(&root);
  child->SetName("First");
  child->ParentThing = &root;
  child->Color = 0x00123456;
  child->Kinds = {};
  auto* grandchild = new TTestThing(&root);
  grandchild->SetName("Second");
  grandchild->ParentThing = child;
  grandchild->SetBuddy(child);
  child->SetBuddy(&root);

  std::string bytes = Write(&root);

  TTestRoot copy(nullptr);
  ReadInto(bytes, &copy);
  EXPECT_EQ(copy.Name(), "Form1");
  EXPECT_EQ(copy.Number, -32769);
  EXPECT_EQ(copy.Big, int64_t(1) << 40);
  EXPECT_EQ(copy.Kind, tkGamma);
  EXPECT_EQ(copy.Kinds, (TTestKinds{tkAlpha, tkGamma}));
  EXPECT_TRUE(copy.Flag);
  EXPECT_EQ(copy.Text, root.Text);
  EXPECT_EQ(copy.Caption, root.Caption);
  EXPECT_EQ(copy.Color, clBtnFace);
  EXPECT_EQ(copy.Charset, CHINESEBIG5_CHARSET);
  EXPECT_EQ(copy.Font.Data(), root.Font.Data());
  EXPECT_EQ(copy.Font.Color(), 0x00E8E8E8u);
  ASSERT_EQ(copy.Items.Count(), 2);
  auto* copiedItem = static_cast<TTestItem*>(copy.Items.Items(0));
  EXPECT_EQ(copiedItem->Label, "Aqua");
  EXPECT_EQ(copiedItem->Number, 7);
  EXPECT_EQ(copiedItem->Blob, item->Blob);
  EXPECT_EQ(copy.Lines.Text(), "one\r\n\r\nthree\r\n");
  copy.OnPing(&copy);
  EXPECT_EQ(copy.Pings, 1);
  ASSERT_EQ(copy.ComponentCount(), 2);
  auto* first = static_cast<TTestThing*>(copy.Components(0));
  auto* second = static_cast<TTestThing*>(copy.Components(1));
  EXPECT_EQ(copy.First, first);  // the published field is bound by name
  EXPECT_EQ(first->ParentThing, &copy);
  EXPECT_EQ(second->ParentThing, first);
  EXPECT_EQ(first->Buddy, &copy);
  EXPECT_EQ(second->Buddy, first);
  EXPECT_EQ(first->Color, 0x00123456u);

  // Writing what was read gives the same bytes, and so does the trip through text.
  EXPECT_EQ(Write(&copy), bytes);
  std::string text = ObjectBinaryToText(bytes);
  EXPECT_EQ(ObjectTextToBinary(text), bytes);
  EXPECT_NE(text.find("Caption = 'QUEX Z5T8  '#36575#39636#26356#26032#31243#24335"), std::string::npos)
      << text;
  EXPECT_NE(text.find("Color = clBtnFace"), std::string::npos);
  EXPECT_NE(text.find("Charset = CHINESEBIG5_CHARSET"), std::string::npos);
  EXPECT_NE(text.find("OnPing = Ping"), std::string::npos);
  EXPECT_NE(text.find("Kinds = []"), std::string::npos);
  EXPECT_NE(text.find("Buddy = Form1"), std::string::npos);
}

TEST_F(ComponentStream, DefaultsAreLeftOutAndEmptySetIsOneZeroByte) {
  TTestRoot root(nullptr);
  root.SetName("R");
  std::string bytes = Write(&root);
  // Only what has no default: the set, the font's always-written properties, the collection.
  std::string expected =
      RootWith(Prop("Kinds", Bytes({11, 0})) + Prop("Font.Charset", Bytes({7, 15}) + "DEFAULT_CHARSET") +
               Prop("Font.Color", Bytes({7, 12}) + "clWindowText") + Prop("Font.Height", Bytes({2, 0xF5})) +
               Prop("Font.Name", Bytes({6, 13}) + "MS Sans Serif") + Prop("Font.Style", Bytes({11, 0})) +
               Prop("Items", Bytes({14, 0})));
  EXPECT_EQ(bytes, expected);
}

TEST_F(ComponentStream, ReadErrorsFreeWhatWasMade) {
  std::string child = Bytes({10}) + "TTestThing" + Bytes({1}) + "C";
  struct Case {
    std::string stream;
    std::string message;
  } cases[] = {
      {"TPF1" + RootWith("").substr(4), "Invalid stream format"},
      {RootWith(Prop("Nope", Bytes({2, 1}))), "Property Nope does not exist"},
      {RootWith(Prop("Font.Nope", Bytes({2, 1}))), "Property Font.Nope does not exist"},
      {RootWith(Prop("Number.Nope", Bytes({2, 1}))), "Property Number.Nope does not exist"},
      {RootWith(Prop("Number", Bytes({6, 1, 'a'}))), "Invalid property value"},
      {RootWith(Prop("Number", Bytes({19, 0, 0, 0, 0, 0, 0, 0, 0}))), "Invalid property value"},
      {RootWith(Prop("Kind", Bytes({7, 5}) + "tkXyz")), "Invalid property value"},
      {RootWith(Prop("Kinds", Bytes({11, 5}) + "tkXyz" + Bytes({0}))), "Invalid property value"},
      {RootWith(Prop("Flag", Bytes({2, 1}))), "Invalid property value"},
      {RootWith(Prop("Color", Bytes({7, 6}) + "clBlue") + Prop("Color", Bytes({7, 5}) + "clFoo")),
       "Invalid property value"},
      {RootWith(Prop("OnPing", Bytes({7, 5}) + "Wrong")), "Invalid property value"},
      {RootWith(Prop("OnPing", Bytes({7, 4}) + "Gone")), "Invalid property value"},
      {RootWith("", child + Prop("Number", Bytes({2, 1})) + Bytes({0, 0}) + Bytes({10}) + "TTestThing" +
                        Bytes({1}) + "D" + Prop("Buddy", Bytes({7, 1}) + "C") + Prop("Zap", Bytes({9})) +
                        Bytes({0, 0})),
       "Property Zap does not exist"},
      {RootWith("", Bytes({5}) + "TNope" + Bytes({0, 0, 0})), "Class TNope not found"},
      {RootWith("", child + Bytes({0, 0}) + child + Bytes({0, 0})), "A component named C already exists"},
      {RootWith("", child + Prop("Number", Bytes({4, 1}))), "Stream read error"},
      {RootWith("", Bytes({0xF1}) + child + Bytes({0, 0})), "Ancestor for 'C' not found"},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadError(c.stream), c.message);

  // A root made by the reader itself is freed too.
  int before = gLiveThings;
  std::string broken = RootWith(Prop("Nope", Bytes({2, 1})));
  TCustomMemoryStream s(broken.data(), int64_t(broken.size()));
  EXPECT_THROW(ReadComponent(s, nullptr), EReadError);
  EXPECT_EQ(gLiveThings, before);
}

TEST_F(ComponentStream, ReferencesAreFixedUpThenLoadedRunsInCreationOrder) {
  // A refers to B, which is read after it; C sits under B and refers to the root.
  auto thing = [](const std::string& name, const std::string& props, const std::string& children = "") {
    return Bytes({10}) + "TTestThing" + char(name.size()) + name + props + Bytes({0}) + children + Bytes({0});
  };
  std::string stream = RootWith("", thing("A", Prop("Buddy", Bytes({7, 1}) + "b")) +
                                        thing("B", "", thing("C", Prop("Buddy", Bytes({7, 1}) + "R"))) +
                                        thing("D", Prop("Buddy", Bytes({13}))));
  TTestRoot root(nullptr);
  ReadInto(stream, &root);
  EXPECT_EQ(gLoadedLog, (std::vector<std::string>{"R", "A->B", "B", "C->R", "D"}));
  for (int i = 0; i < root.ComponentCount(); ++i) EXPECT_FALSE(root.Components(i)->InState(csLoading));
  auto* b = root.FindComponent("B");
  auto* c = static_cast<TTestThing*>(root.FindComponent("C"));
  EXPECT_EQ(c->ParentThing, b);
  // Freeing B tells A, which watches it.
  delete b;
  EXPECT_EQ(static_cast<TTestThing*>(root.FindComponent("A"))->Buddy, nullptr);

  // A name that is no component of the stream stays unset.
  TTestRoot other(nullptr);
  ReadInto(RootWith("", thing("A", Prop("Buddy", Bytes({7, 4}) + "Nobo"))), &other);
  EXPECT_EQ(static_cast<TTestThing*>(other.FindComponent("A"))->Buddy, nullptr);
}

TEST_F(ComponentStream, PrefixFlags) {
  TTestRoot root(nullptr);
  auto* existing = new TTestThing(&root);
  existing->SetName("Old");
  std::string stream =
      RootWith("", Bytes({0xF2, 2, 5, 10}) + "TTestThing" + Bytes({3}) + "New" + Bytes({0, 0}) +
                       Bytes({0xF1, 10}) + "TTestThing" + Bytes({3}) + "Old" + Prop("Number", Bytes({2, 9})) +
                       Bytes({0, 0}) + Bytes({0xF4, 10}) + "TTestThing" + Bytes({3}) + "Frm" + Bytes({0, 0}));
  ReadInto(stream, &root);
  ASSERT_EQ(root.ComponentCount(), 3);
  EXPECT_EQ(existing->Number, 9);  // the inherited component was read into, not made again
  EXPECT_EQ(root.ChildOrders, (std::vector<std::pair<std::string, int>>{{"New", 5}}));
  EXPECT_TRUE(root.FindComponent("Frm")->InState(csInline));
  std::string text = ObjectBinaryToText(stream);
  EXPECT_NE(text.find("object New: TTestThing [5]"), std::string::npos) << text;
  EXPECT_NE(text.find("inherited Old: TTestThing"), std::string::npos);
  EXPECT_NE(text.find("inline Frm: TTestThing"), std::string::npos);
  EXPECT_EQ(ObjectTextToBinary(text), stream);
}

TEST_F(ComponentStream, SkipsEveryValueKind) {
  std::string values = Bytes({1, 2, 5, 6, 1, 'a', 0}) + Bytes({3, 1, 2}) + Bytes({4, 1, 2, 3, 4}) +
                       Bytes({5, 0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}) + Bytes({7, 2, 'i', 'd'}) +
                       Bytes({8, 9, 13}) + Bytes({10, 2, 0, 0, 0, 0xAA, 0xBB}) +
                       Bytes({11, 1, 'x', 1, 'y', 0}) + Bytes({12, 1, 0, 0, 0, 'L'}) +
                       Bytes({14, 1, 1, 'N', 2, 1, 0, 2, 4, 1, 0, 0}) + Bytes({15, 0, 0, 0x80, 0x3F}) +
                       Bytes({16, 1, 2, 3, 4, 5, 6, 7, 8}) + Bytes({17, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F}) +
                       Bytes({18, 1, 0, 0, 0, 0x4E, 0x8F}) + Bytes({19, 1, 2, 3, 4, 5, 6, 7, 8}) +
                       Bytes({20, 2, 0, 0, 0, 0xC3, 0xA9});
  std::string stream = values + Bytes({0x42});
  TCustomMemoryStream s(stream.data(), int64_t(stream.size()));
  TReader reader(s);
  int skipped = 0;
  while (reader.NextValue() != 0x42) {
    reader.SkipValue();
    ++skipped;
  }
  EXPECT_EQ(skipped, 18);
  std::string unknown = Bytes({21});
  TCustomMemoryStream u(unknown.data(), 1);
  TReader bad(u);
  EXPECT_THROW(bad.SkipValue(), EReadError);
}
