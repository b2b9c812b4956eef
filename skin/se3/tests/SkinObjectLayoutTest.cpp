#include <gtest/gtest.h>

#include <climits>

#include <memory>
#include <vector>

#include "platform/gui/Surface.h"
#include "skin/render/CanvasDrawing.h"
#include "skin/se3/SkinObject.h"

namespace z5t8::skin::se3 {
namespace {

struct Child {
  TSeAlign align;
  Rect bounds;
  bool visible = true;
};

// A parent with children placed as given, then laid out into `parent`.
struct Tree {
  std::unique_ptr<TSeSkinObject> root = std::make_unique<TSeSkinObject>(nullptr);
  std::vector<TSeSkinObject*> kids;

  explicit Tree(const std::vector<Child>& children, const Rect& parent) {
    for (const Child& c : children) {
      auto* k = new TSeSkinObject(root.get());
      k->SetBoundsRect(c.bounds);
      k->SetAlign(c.align);
      k->SetVisible(c.visible);
      kids.push_back(k);
    }
    root->SetBoundsRect(parent);
  }
};

struct LayoutCase {
  const char* name;
  std::vector<Child> children;
  Rect parent;
  std::vector<Rect> expected;
};

TEST(SkinObjectLayout, PassesPlaceChildrenInTheirOrder) {
  const Rect form{0, 0, 300, 250};
  const LayoutCase cases[] = {
      {"two saTop strips, then saClient",
       {{saTop, {0, 0, 50, 24}}, {saTop, {0, 0, 50, 10}}, {saClient, {0, 0, 5, 5}}},
       form,
       {{0, 0, 300, 24}, {0, 24, 300, 34}, {0, 34, 300, 250}}},
      {"saMostTop claims its strip before an earlier saLeft",
       {{saLeft, {0, 0, 4, 10}}, {saMostTop, {0, 0, 10, 24}}},
       form,
       {{0, 24, 4, 250}, {0, 0, 300, 24}}},
      {"saMostLeft before saTop, saBottom and saRight from the far edges",
       {{saTop, {0, 0, 1, 20}},
        {saMostLeft, {0, 0, 6, 1}},
        {saBottom, {0, 0, 1, 4}},
        {saRight, {0, 0, 8, 1}}},
       form,
       {{6, 0, 300, 20}, {0, 0, 6, 250}, {6, 246, 300, 250}, {292, 20, 300, 246}}},
      {"saMostBottom and saMostRight",
       {{saMostRight, {0, 0, 7, 1}}, {saMostBottom, {0, 0, 1, 9}}, {saClient, {}}},
       form,
       {{293, 0, 300, 241}, {0, 241, 300, 250}, {0, 0, 293, 241}}},
      {"an invisible strip claims nothing",
       {{saTop, {0, 0, 1, 24}, false}, {saClient, {}}},
       form,
       {{0, 0, 1, 24}, {0, 0, 300, 250}}},
      {"saCenter truncates halves toward zero",
       {{saCenter, {0, 0, 16, 16}}},
       {0, 0, 21, 21},
       {{2, 2, 18, 18}}},
      {"saCenter in what the strips leave",
       {{saTop, {0, 0, 1, 10}}, {saCenter, {0, 0, 16, 16}}},
       {0, 0, 21, 31},
       {{0, 0, 21, 10}, {2, 12, 18, 28}}},
      {"saAll and saTopRightAngle from (0, 0)",
       {{saTop, {0, 0, 1, 10}}, {saAll, {}}, {saTopRightAngle, {3, 3, 23, 13}}},
       form,
       {{0, 0, 300, 10}, {0, 0, 300, 250}, {280, 0, 300, 10}}},
      {"saNone is left alone", {{saNone, {5, 6, 7, 8}}}, form, {{5, 6, 7, 8}}},
  };
  for (const LayoutCase& c : cases) {
    SCOPED_TRACE(c.name);
    Tree t(c.children, c.parent);
    for (size_t i = 0; i < c.expected.size(); ++i) EXPECT_EQ(t.kids[i]->GetBoundsRect(), c.expected[i]) << i;
  }
}

TEST(SkinObjectLayout, CornerAnchorsFollowAChangeOfBoundsOnlyOnce) {
  Tree t({{saTopRight, {272, 2, 292, 20}},
          {saBottomRight, {280, 230, 290, 240}},
          {saBottomLeft, {3, 230, 13, 240}},
          {saTopLeft, {5, 5, 10, 10}}},
         {0, 0, 300, 250});
  TSeSkinObject* topRight = t.kids[0];
  TSeSkinObject* bottomRight = t.kids[1];
  TSeSkinObject* bottomLeft = t.kids[2];
  TSeSkinObject* topLeft = t.kids[3];
  // The first bounds ever set: OldWidth was 0, the right-hand anchors stay.
  EXPECT_EQ(topRight->Left(), 272);
  EXPECT_EQ(bottomRight->GetBoundsRect(), (Rect{280, 230, 290, 240}));

  t.root->SetBoundsRect({0, 0, 400, 300});
  EXPECT_EQ(topRight->GetBoundsRect(), (Rect{372, 2, 392, 20}));
  EXPECT_EQ(bottomRight->GetBoundsRect(), (Rect{380, 280, 390, 290}));
  EXPECT_EQ(bottomLeft->GetBoundsRect(), (Rect{3, 280, 13, 290}));
  EXPECT_EQ(topLeft->GetBoundsRect(), (Rect{5, 5, 10, 10}));

  // Moving keeps every anchor's offset from its corner.
  t.root->SetBoundsRect({10, 20, 410, 320});
  EXPECT_EQ(topRight->GetBoundsRect(), (Rect{382, 22, 402, 40}));
  EXPECT_EQ(topLeft->GetBoundsRect(), (Rect{15, 25, 20, 30}));
  EXPECT_EQ(bottomRight->GetBoundsRect(), (Rect{390, 300, 400, 310}));

  // A second layout at the same bounds changes nothing.
  t.root->Aligning();
  t.root->AligningAll();
  t.root->SetBoundsRect({10, 20, 410, 320});
  EXPECT_EQ(topRight->GetBoundsRect(), (Rect{382, 22, 402, 40}));
  EXPECT_EQ(bottomRight->GetBoundsRect(), (Rect{390, 300, 400, 310}));
  EXPECT_EQ(bottomLeft->GetBoundsRect(), (Rect{3, 280, 13, 290}));
  EXPECT_EQ(topLeft->GetBoundsRect(), (Rect{15, 25, 20, 30}));
}

TEST(SkinObjectLayout, BoundsNearTheEndsOfIntSaturate) {
  // A stored bottom-left anchor far down, pushed further when its parent grows.
  Tree t({{saBottomLeft, {3, INT_MAX - 20, 13, INT_MAX - 10}}}, {0, 0, 300, 250});
  t.root->SetBoundsRect({0, 0, 300, 1000});
  TSeSkinObject* anchor = t.kids[0];
  EXPECT_EQ(anchor->Top(), INT_MAX);
  EXPECT_EQ(anchor->GetBoundsRect(), (Rect{3, INT_MAX, 13, INT_MAX}));
  // Stored positions alone can reach the end too.
  TSeSkinObject far(nullptr);
  far.SetLeft(INT_MAX - 2);
  far.SetWidth(50);
  EXPECT_EQ(far.GetBoundsRect().right, INT_MAX);
}

TEST(SkinObjectLayout, BoundsKeepTheOldOnesAndLayOutOnlyOnAChange) {
  TSeSkinObject root(nullptr);
  auto* strip = new TSeSkinObject(&root);
  strip->SetAlign(saTop);
  strip->SetHeight(10);
  root.SetBoundsRect({0, 0, 50, 40});
  EXPECT_EQ(strip->GetBoundsRect(), (Rect{0, 0, 50, 10}));
  EXPECT_EQ(root.OldWidth(), 50);
  EXPECT_EQ(root.OldHeight(), 40);

  // The same bounds again do not lay out: a strip changed by hand stays.
  strip->SetBoundsRect({1, 1, 2, 2});
  root.SetBoundsRect({0, 0, 50, 40});
  EXPECT_EQ(strip->GetBoundsRect(), (Rect{1, 1, 2, 2}));

  // Negative sizes become 0; each setter changes one value.
  root.SetBoundsRect({10, 10, 5, 0});
  EXPECT_EQ(root.GetBoundsRect(), (Rect{10, 10, 10, 10}));
  root.SetWidth(30);
  root.SetHeight(20);
  root.SetLeft(2);
  root.SetTop(3);
  EXPECT_EQ(root.GetBoundsRect(), (Rect{2, 3, 32, 23}));
  EXPECT_EQ(strip->GetBoundsRect(), (Rect{2, 3, 32, 4}));
}

TEST(SkinObjectLayout, TextChildIsAsWideAsItsTextAndMargins) {
  TSeSkinObject root(nullptr);
  auto* text = new TSeSkinObject(&root);
  text->SetAlign(saText);
  text->SetText(u"Firmware");
  text->SetTextMarginLeft(5);
  text->SetTextMarginRight(7);
  text->SetBoundsRect({4, 3, 5, 13});
  root.SetBoundsRect({0, 0, 200, 20});

  platform::gui::Surface surface(1, 1);
  platform::gui::DeviceContext dc(&surface);
  framework::TCanvas canvas;
  canvas.SetHandle(&dc);
  canvas.SetFont(*text->GetFont());
  int width = render::TextWidth(&canvas, u"Firmware");
  canvas.SetHandle(nullptr);
  ASSERT_GT(width, 10);
  EXPECT_EQ(text->GetBoundsRect(), (Rect{4, 3, 4 + width + 12, 13}));
}

}  // namespace
}  // namespace z5t8::skin::se3
