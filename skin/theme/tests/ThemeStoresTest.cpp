#include <gtest/gtest.h>

#include "framework/Font.h"
#include "framework/Strings.h"
#include "skin/theme/ThemeStores.h"

namespace z5t8::skin::theme {
namespace {

using namespace framework;

TEST(ThemeStores, AFontIsKeptAsItWasAndGivenBack) {
  TFont font;
  font.SetName("Arial");
  font.SetSize(9);
  AddObjectToStore(&font);
  font.SetName("Tahoma");
  font.SetSize(14);
  AssignFromStoredObject(&font);
  EXPECT_EQ(font.Name(), "Arial");
  EXPECT_EQ(font.Size(), 9);

  // Storing again refreshes the copy; after removal nothing comes back.
  font.SetColor(0x102030);
  AddObjectToStore(&font);
  font.SetColor(0);
  AssignFromStoredObject(&font);
  EXPECT_EQ(font.Color(), 0x102030u);
  RemoveObjectFromStore(&font);
  font.SetSize(20);
  AssignFromStoredObject(&font);
  EXPECT_EQ(font.Size(), 20);
}

TEST(ThemeStores, OtherObjectsAreCopiedIntoAnInstanceOfTheirClass) {
  TStringList list;
  list.Add("one");
  AddObjectToStore(&list);
  list.Clear();
  list.Add("two");
  list.Add("three");
  AssignFromStoredObject(&list);
  ASSERT_EQ(list.Count(), 1);
  EXPECT_EQ(list[0], "one");
  // Each object has its own entry.
  TStringList other;
  AssignFromStoredObject(&other);
  EXPECT_EQ(other.Count(), 0);
  RemoveObjectFromStore(&list);
  RemoveObjectFromStore(&other);
}

TEST(ThemeStores, PropertiesAreKeptPerObjectAndNameIgnoringCase) {
  TStringList a, b;
  AddPropToStore(&a, "Color", 7);
  AddPropToStore(&b, "color", 9);
  EXPECT_EQ(GetPropFromStore(&a, "COLOR"), 7);
  EXPECT_EQ(GetPropFromStore(&b, "Color"), 9);
  EXPECT_EQ(GetPropFromStore(&a, "Width"), 0);
  AddPropToStore(&a, "cOLOR", -3);
  EXPECT_EQ(GetPropFromStore(&a, "color"), -3);
  RemovePropFromStore(&a, "Color");
  EXPECT_EQ(GetPropFromStore(&a, "color"), 0);
  EXPECT_EQ(GetPropFromStore(&b, "color"), 9);
  RemovePropFromStore(&b, "COLOR");
}

}  // namespace
}  // namespace z5t8::skin::theme
