#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "framework/Exceptions.h"
#include "framework/Properties.h"
#include "framework/gui/Form.h"
#include "skin/render/Color.h"
#include "skin/se3/SkinBitmapObjects.h"
#include "skin/se3/SkinBitmapSkinObjects.h"
#include "skin/se3/SkinObjectRegistry.h"
#include "skin/se3/SkinStateObjects.h"
#include "skin/se3/tests/SkinObjectFixtures.h"

namespace z5t8::skin::se3 {
namespace {

using namespace fixtures;
using theme::TteWindowButtons;

TSeSkinObject* Child(TSeSkinObject* parent, const Rect& r, const char* name = "") {
  auto* c = new TSeSkinObject(parent);
  c->SetName(name);
  c->SetBoundsRect(r);
  return c;
}

TEST(SkinObjectHitTest, LaterChildrenWinAndTransparentKindsStepAside) {
  TSeSkinObject root(nullptr);
  root.SetBoundsRect({0, 0, 100, 100});
  TSeSkinObject* a = Child(&root, {0, 0, 60, 60});
  TSeSkinObject* b = Child(&root, {40, 40, 100, 100});
  TSeSkinObject* glass = Child(&root, {0, 70, 30, 100});
  glass->SetKind(skTranparent);
  TSeSkinObject* inner = Child(b, {80, 80, 90, 90});

  const struct {
    Point p;
    TSeSkinObject* byPoint;
  } cases[] = {{{10, 10}, a}, {{50, 50}, b},        {{85, 85}, inner}, {{10, 80}, &root},
               {{99, 99}, b}, {{100, 50}, nullptr}, {{-1, 5}, nullptr}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.p.x) + "," + std::to_string(c.p.y));
    EXPECT_EQ(root.FindObjectByPoint(c.p), c.byPoint);
    EXPECT_EQ(root.FindObjectByPointAll(c.p), c.byPoint);
  }

  // Hidden objects are passed over by FindObjectByPoint only.
  b->SetVisible(false);
  EXPECT_EQ(root.FindObjectByPoint({50, 50}), a);
  EXPECT_EQ(root.FindObjectByPointAll({50, 50}), b);
  EXPECT_EQ(root.FindObjectByPointAll({85, 85}), inner);

  // Round masks and transparent-only objects answer only through their children.
  for (TSeKind kind : {skTranparentOnly, skRoundMask}) {
    root.SetKind(kind);
    EXPECT_EQ(root.FindObjectByPointAll({10, 80}), nullptr);
    EXPECT_EQ(root.FindObjectByPointAll({10, 10}), a);
    EXPECT_EQ(root.FindObjectByPoint({10, 80}), &root);
  }
}

TEST(SkinObjectRegion, MaskedPictureGivesItsOpaquePixelsAtItsPlace) {
  render::TteBitmapList pictures;
  AddPicture(pictures, "shape", 9, 7, [](int x, int y) {
    bool hole = (x * x + y * 3) % 5 == 0 || x == 8;
    return hole ? uint32_t(render::teTransparentVar) : Solid(0x336699);
  });
  auto check = [&](TSeSkinObject& object, render::TteBitmapLink& link) {
    Link(link, "shape", {0, 0, 9, 7});
    object.SetBitmaps(&pictures);
    object.AfterLoad();
    object.SetBoundsRect({20, 30, 29, 37});
    std::optional<Region> region = object.GetRegion();
    ASSERT_TRUE(region);
    render::TteBitmap* picture = pictures.GetBitmapByName("shape");
    for (int y = 25; y < 45; ++y)
      for (int x = 15; x < 35; ++x) {
        bool inside = x >= 20 && x < 29 && y >= 30 && y < 37;
        bool opaque = inside && uint32_t(picture->GetPixel(x - 20, y - 30)) != render::teTransparentVar;
        ASSERT_EQ(region->contains({x, y}), opaque) << x << "," << y;
      }
    EXPECT_EQ(object.GetBoundsRect(), (Rect{20, 30, 29, 37}));

    object.SetKind(skClient);
    EXPECT_EQ(object.GetRegion(), Region(Rect{20, 30, 29, 37}));
  };
  TSeBitmapObject bitmapObject(nullptr);
  check(bitmapObject, *bitmapObject.Bitmap());
  TSeBitmapSkinObject skinObject(nullptr);
  check(skinObject, *skinObject.Bitmap());

  // Masked off: the picture object gives its bounds, the skin object still its pixels.
  TSeBitmapObject plain(nullptr);
  plain.SetMasked(false);
  Link(*plain.Bitmap(), "shape", {0, 0, 9, 7});
  plain.SetBitmaps(&pictures);
  plain.AfterLoad();
  plain.SetBoundsRect({0, 0, 9, 7});
  EXPECT_EQ(plain.GetRegion(), Region(Rect{0, 0, 9, 7}));
  // No picture, no region.
  TSeBitmapObject unassigned(nullptr);
  unassigned.SetBoundsRect({0, 0, 9, 7});
  EXPECT_FALSE(unassigned.GetRegion());
}

TEST(SkinObjectRegion, ObjectsTooLongForAPictureGiveTheirBounds) {
  render::TteBitmapList pictures;
  AddPicture(pictures, "dot", 1, 1, [](int, int) { return Solid(0x336699); });
  // Few pixels, but one side longer than any picture can be; and one far too large.
  for (Rect bounds : {Rect{0, 0, 40000, 1}, Rect{0, 0, 1, 40000}, Rect{-5, -5, 20000, 20000}}) {
    TSeBitmapObject object(nullptr);
    Link(*object.Bitmap(), "dot", {0, 0, 1, 1});
    object.SetBitmaps(&pictures);
    object.AfterLoad();
    object.SetBoundsRect(bounds);
    EXPECT_EQ(object.GetRegion(), Region(bounds));
  }
}

TEST(SkinObjectRegion, OwnersUniteTheirVisibleChildren) {
  TSeSkinObject root(nullptr);
  root.SetBoundsRect({0, 0, 50, 50});
  Child(&root, {0, 0, 10, 10});
  TSeSkinObject* hidden = Child(&root, {20, 20, 30, 30});
  hidden->SetVisible(false);
  TSeSkinObject* glass = Child(&root, {40, 40, 50, 50});
  glass->SetKind(skNoMask);
  Child(&root, {10, 0, 0, 10});  // no size, no region

  Region expected(Rect{0, 0, 10, 10});
  EXPECT_EQ(root.GetRegion(), expected);
  root.SetDrawIfOwner(true);
  EXPECT_EQ(root.GetRegion(), Region(Rect{0, 0, 50, 50}));
  root.SetDrawIfOwner(false);
  root.SetMasked(false);
  EXPECT_EQ(root.GetRegion(), Region(Rect{0, 0, 50, 50}));
  for (TSeKind kind : {skTranparent, skTranparentOnly, skNoMask}) {
    root.SetKind(kind);
    EXPECT_FALSE(root.GetRegion());
  }

  TSeSkinObject round(nullptr);
  round.SetKind(skRoundMask);
  round.SetMarginLeft(6);
  round.SetMarginTop(4);
  round.SetBoundsRect({2, 3, 22, 13});
  EXPECT_EQ(round.GetRegion(), Region::roundRect({2, 3, 23, 14}, 6, 4));
  EXPECT_FALSE(round.GetRegion()->contains({2, 3}));
  EXPECT_TRUE(round.GetRegion()->contains({12, 8}));
}

// The visibility a caption button should end with, from the frame state's rule and then
// the button set, for the actions the rules name.
bool ExpectedVisible(TSeAction action, TSeState state, TteWindowButtons buttons) {
  using namespace theme;
  switch (action) {
    case sbaClose:
      return buttons.Contains(kwbClose);
    case sbaHelp:
      return buttons.Contains(kwbHelp);
    case sbaMinimize:
      return buttons.Contains(kwbMin);
    case sbaMaximize:
      return buttons.Contains(kwbMax);
    case sbaRestore:
      return buttons.Contains(state == ssMaximized ? kwbMaxRestore : kwbMinRestore);
    case sbaRollUp:
      return buttons.Contains(kwbRoll);
    case sbaRollDown:
      return buttons.Contains(kwbRollRestore);
    case sbaTray:
      return buttons.Contains(kwbTray);
    case sbaSysMenu:
      return buttons.Contains(kwbSysMenu);
    default:
      return true;
  }
}

TEST(SkinObjectCaptionButtons, FrameStateThenButtonSetDecideVisibility) {
  using namespace theme;
  // What each frame state hides before the button set is applied.
  const struct {
    TSeState state;
    std::vector<TSeAction> hidden;
  } model[] = {
      {ssNormal, {sbaRestore, sbaRollDown}},
      {ssMaximized, {sbaMaximize, sbaRollDown}},
      {ssMinimized, {sbaMinimize, sbaMaximize, sbaRollUp, sbaRollDown}},
      {ssRollup, {sbaRestore, sbaRollUp}},
  };
  const TteWindowButtons sets[] = {
      {},
      {kwbSysMenu, kwbClose, kwbHelp, kwbMin, kwbMinRestore, kwbMax, kwbMaxRestore, kwbRoll, kwbRollRestore,
       kwbTray},
      {kwbMaxRestore},
      {kwbMinRestore, kwbClose},
      {kwbClose, kwbMin, kwbMax, kwbSysMenu},
      {kwbRoll, kwbRollRestore, kwbTray, kwbHelp},
  };
  for (int a = sbaNone; a <= sbaCustom; ++a) {
    TSeAction action = TSeAction(a);
    TSeSystemButton system(nullptr);
    TSeSysButtonSkinObject skin(nullptr);
    system.SetAction(action);
    skin.SetAction(action);
    for (TSeSkinObject* button : {static_cast<TSeSkinObject*>(&system), static_cast<TSeSkinObject*>(&skin)}) {
      SCOPED_TRACE(std::string(button->ClassName()) + " action " + std::to_string(a));
      for (const auto& m : model) {
        button->SetVisible(!button->Visible());
        button->SetState(m.state);
        bool hidden = std::find(m.hidden.begin(), m.hidden.end(), action) != m.hidden.end();
        EXPECT_EQ(button->Visible(), !hidden) << "state " << int(m.state);
        for (TteWindowButtons set : sets) {
          button->SetState(m.state);
          button->SetSysButtons(set);
          EXPECT_EQ(button->Visible(), ExpectedVisible(action, m.state, set))
              << "state " << int(m.state) << " set " << set.ToBits();
        }
      }
      // Other states leave the flag alone.
      button->SetVisible(false);
      button->SetState(ssHot);
      EXPECT_FALSE(button->Visible());
    }
  }
}

TEST(SkinObjectCaptionButtons, SystemButtonDrawsItsStatePicturesAndTheSystemMenuOnlyForAForm) {
  render::TteBitmapList pictures;
  AddPicture(pictures, "n", 2, 2, [](int, int) { return Solid(0x000001); });
  AddPicture(pictures, "a", 2, 2, [](int, int) { return Solid(0x000002); });
  AddPicture(pictures, "h", 2, 2, [](int, int) { return Solid(0x000003); });
  AddPicture(pictures, "p", 2, 2, [](int, int) { return Solid(0x000004); });
  TSeSystemButton button(nullptr);
  button.SetAction(sbaClose);
  Link(*button.Bitmap(), "n", {0, 0, 2, 2});
  Link(*button.ActiveBitmap(), "a", {0, 0, 2, 2});
  Link(*button.BitmapHot(), "h", {0, 0, 2, 2});
  Link(*button.BitmapPressed(), "p", {0, 0, 2, 2});
  auto* child = new TSeSkinObject(&button);
  button.SetBitmaps(&pictures);
  button.AfterLoad();
  button.SetBoundsRect({0, 0, 2, 2});
  const struct {
    bool active;
    TSeButtonState state;
    uint32_t colour;
  } cases[] = {{false, sbsNormal, 1},
               {false, sbsHover, 1},
               {true, sbsNormal, 2},
               {true, sbsHover, 3},
               {true, sbsDown, 4}};
  for (const auto& c : cases) {
    button.SetActive(c.active);
    button.SetButtonState(c.state);
    Target t(2, 2);
    button.Draw(t.Canvas(), NoClip);
    EXPECT_EQ(t.Rgb(1, 1), c.colour) << c.active << int(c.state);
    EXPECT_EQ(button.Active(), c.active);
    EXPECT_EQ(child->State(), ssNormal);
  }

  // The sys-menu button draws the icon only for a form.
  TSeSysButtonSkinObject menu(nullptr);
  menu.SetAction(sbaSysMenu);
  Link(*menu.Bitmap(), "n", {0, 0, 2, 2});
  menu.SetBitmaps(&pictures);
  menu.AfterLoad();
  menu.SetBoundsRect({2, 2, 20, 20});
  Target none(24, 24);
  menu.Draw(none.Canvas(), NoClip);
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 24; ++x) ASSERT_EQ(none.Rgb(x, y), 0u);
  framework::TForm form(nullptr);
  menu.SetParentControl(&form);
  Target drawn(24, 24);
  menu.Draw(drawn.Canvas(), NoClip);
  int painted = 0;
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 24; ++x) {
      bool inIcon = x >= 2 && x < 18 && y >= 2 && y < 18;
      if (!inIcon) ASSERT_EQ(drawn.Rgb(x, y), 0u) << x << "," << y;
      painted += inIcon && drawn.Rgb(x, y) != 0;
    }
  EXPECT_GT(painted, 50);
}

TEST(SkinObjectState, StatesAndSetsReachTheWholeSubtreeActiveOnlyOnAChange) {
  TSeSkinObject root(nullptr);
  TSeSkinObject* a = Child(&root, {});
  TSeSkinObject* b = Child(a, {});
  root.SetState(ssMaximized);
  EXPECT_EQ(b->State(), ssMaximized);
  root.SetSysButtons({theme::kwbClose});
  EXPECT_TRUE(b->SysButtons().Contains(theme::kwbClose));
  render::TteBitmapList list;
  root.SetBitmaps(&list);
  EXPECT_EQ(b->Bitmaps(), &list);
  root.SetBiDiMode(bdRightToLeft);
  EXPECT_EQ(b->BiDiMode(), bdRightToLeft);

  root.SetActive(true);
  EXPECT_TRUE(b->Active());
  b->SetActive(false);
  root.SetActive(true);  // unchanged: the children are not visited
  EXPECT_FALSE(b->Active());
  root.SetActive(false);
  root.SetActive(true);
  EXPECT_TRUE(b->Active());
}

// The locale comes from the environment on Linux; Windows keeps its own.
#ifndef _WIN32
TEST(SkinObjectState, BidirectionalFlagsFollowTheLocaleAndTheMode) {
  namespace pg = platform::gui;
  const char* saved = std::getenv("LC_ALL");
  std::string keep = saved ? saved : "";
  TSeSkinObject o(nullptr);
  const struct {
    const char* locale;
    TBiDiMode mode;
    uint32_t in, out;
  } cases[] = {
      {"C.UTF-8", bdRightToLeft, pg::DT_RIGHT, pg::DT_RIGHT},
      {"ar_EG.UTF-8", bdLeftToRight, pg::DT_RIGHT, pg::DT_RIGHT},
      {"ar_EG.UTF-8", bdRightToLeft, pg::DT_RIGHT, pg::DT_RTLREADING},
      {"he_IL.UTF-8", bdRightToLeft, 0, pg::DT_RIGHT | pg::DT_RTLREADING},
      {"he_IL.UTF-8", bdRightToLeftNoAlign, pg::DT_CENTER, pg::DT_CENTER},
      {"fa_IR", bdRightToLeftReadingOnly, pg::DT_VCENTER, pg::DT_VCENTER | pg::DT_RIGHT},
  };
  for (const auto& c : cases) {
    setenv("LC_ALL", c.locale, 1);
    o.SetBiDiMode(c.mode);
    EXPECT_EQ(o.DrawTextBiDiModeFlags(c.in), c.out) << c.locale << " " << int(c.mode);
  }
  if (saved)
    setenv("LC_ALL", keep.c_str(), 1);
  else
    unsetenv("LC_ALL");
}
#endif

TEST(SkinObjectState, SearchesGoDepthFirstWithTheObjectFirst) {
  TSeSkinObject root(nullptr);
  root.SetName("Form");
  TSeSkinObject* top = Child(&root, {}, "Top");
  TSeSkinObject* title = Child(top, {}, "Title");
  title->SetKind(skTitle);
  auto* close = new TSeSysButtonSkinObject(top);
  close->SetName("Close");
  close->SetAction(sbaClose);
  TSeSkinObject* client = Child(&root, {}, "Client");
  client->SetKind(skTitle);
  auto* close2 = new TSeSystemButton(&root);
  close2->SetAction(sbaClose);

  EXPECT_EQ(root.FindObjectByKind(skTitle), title);
  EXPECT_EQ(root.FindObjectByKind(skSysButton), close);
  EXPECT_EQ(root.FindObjectByKind(skForm), nullptr);
  EXPECT_EQ(root.FindObjectByAction(sbaClose), close);
  EXPECT_EQ(root.FindObjectByAction(sbaMinimize), nullptr);
  EXPECT_EQ(root.FindObjectByName("form"), &root);
  EXPECT_EQ(root.FindObjectByName("TITLE"), title);
  EXPECT_EQ(root.FindObjectByName("client\\whatever\\more"), client);
  EXPECT_EQ(root.FindObjectByName("Nothing"), nullptr);
  root.SetKind(skTitle);
  EXPECT_EQ(root.FindObjectByKind(skTitle), &root);
}

TEST(SkinObjectState, ColourShiftsReachTheirClassesColoursOnly) {
  TSeSkinObject root(nullptr);
  root.SetColor(0x0000FF);
  root.Font()->SetColor(0x00FF00);
  auto* active = new TSeActiveObject(&root);
  active->SetColor(framework::clNone);
  active->SetActiveColor(0x0000FF);
  active->ActiveFont()->SetColor(0x0000FF);
  active->DisabledFont()->SetColor(0x0000FF);
  auto* button = new TSeColorButtonObject(&root);
  button->SetHotColor(0x0000FF);
  auto* text = new TSeTextObject(&root);
  text->FontHot()->SetColor(0x0000FF);

  auto shifted = [](framework::TColor c) {
    return render::teColorToColor(render::ChangeHue(render::teColor(c, 255), 120));
  };
  root.ChangeHue(120);
  EXPECT_EQ(root.Color(), shifted(0x0000FF));
  EXPECT_NE(root.Color(), 0x0000FFu);
  EXPECT_EQ(root.Font()->Color(), shifted(0x00FF00));
  EXPECT_EQ(active->Color(), framework::clNone);
  EXPECT_EQ(active->ActiveColor(), shifted(0x0000FF));
  EXPECT_EQ(active->ActiveFont()->Color(), shifted(0x0000FF));
  EXPECT_EQ(active->DisabledFont()->Color(), shifted(0x0000FF));
  EXPECT_EQ(button->HotColor(), 0x0000FFu);
  EXPECT_EQ(text->FontHot()->Color(), shifted(0x0000FF));

  TSeSkinObject dark(nullptr);
  dark.SetColor(0x808080);
  dark.ChangeBrightness(-40);
  EXPECT_EQ(dark.Color(),
            render::teColorToColor(render::ChangeBrightness(render::teColor(0x808080u, 255), -40)));
  EXPECT_NE(dark.Color(), 0x808080u);
}

TEST(SkinObjectState, AfterLoadResolvesPicturesWithOrWithoutMargins) {
  render::TteBitmapList pictures;
  // Key pixels only in the top-left 2 x 2 corner.
  AddPicture(pictures, "corner", 10, 10, [](int x, int y) {
    return x < 2 && y < 2 ? uint32_t(render::teTransparentVar) : Solid(0x808080);
  });
  TSeSkinObject root(nullptr);
  auto* framed = new TSeButtonObject(&root);
  framed->SetMarginLeft(3);
  framed->SetMarginTop(3);
  framed->SetMarginRight(3);
  framed->SetMarginBottom(3);
  Link(*framed->Bitmap(), "CORNER", {0, 0, 10, 10});
  Link(*framed->BitmapHot(), "corner", {4, 4, 10, 10});
  Link(*framed->BitmapPressed(), "absent", {0, 0, 10, 10});
  auto* whole = new TSeButtonBitmapBoxObject(&root);
  whole->SetMarginLeft(3);
  whole->SetMarginTop(3);
  Link(*whole->Bitmap(), "corner", {0, 0, 10, 10});
  root.SetBitmaps(&pictures);
  root.AfterLoad();

  render::TteBitmapLink* link = framed->Bitmap();
  EXPECT_TRUE(link->GetAssigned());
  EXPECT_EQ(link->Bitmap, pictures.GetBitmapByName("corner"));
  EXPECT_TRUE(link->MaskAngles);
  EXPECT_FALSE(link->MaskBorder);
  EXPECT_FALSE(link->MaskClient);
  EXPECT_TRUE(framed->BitmapHot()->GetAssigned());
  EXPECT_FALSE(framed->BitmapHot()->MaskAngles);
  EXPECT_FALSE(framed->BitmapPressed()->GetAssigned());
  // The box family looks at the whole rectangle.
  EXPECT_TRUE(whole->Bitmap()->MaskClient);
  EXPECT_FALSE(whole->Bitmap()->MaskAngles);
}

// A skin object class that is not registered.
class TUnregisteredObject : public TSeSkinObject {
  Z5T8_CLASS(TUnregisteredObject, TSeSkinObject)

public:
  using TSeSkinObject::TSeSkinObject;
};
Z5T8_IMPLEMENT_CLASS(TUnregisteredObject, TSeSkinObject) {}

TEST(SkinObjectTree, AddKeepsTheTreeATreeAndEveryChildWithOneOwner) {
  auto root = std::make_unique<TSeSkinObject>(nullptr);
  auto* middle = new TSeSkinObject(root.get());
  middle->SetName("Middle");
  auto* leaf = new TSeSkinObject(middle);
  leaf->SetName("Leaf");
  // Neither the object itself nor an ancestor can become a child: the tree stays as it was.
  for (TSeSkinObject* ancestor : {leaf, middle, root.get()}) {
    leaf->Add(ancestor);
    EXPECT_EQ(leaf->GetCount(), 0);
    EXPECT_EQ(middle->Owner(), root.get());
    EXPECT_EQ(leaf->Owner(), middle);
  }
  // A name the new owner's children have already is refused while the child stays where it is.
  auto other = std::make_unique<TSeSkinObject>(nullptr);
  auto* twin = new TSeSkinObject(other.get());
  twin->SetName("leaf");
  EXPECT_THROW(middle->Add(twin), framework::EComponentError);
  EXPECT_EQ(twin->Owner(), other.get());
  EXPECT_EQ(middle->GetCount(), 1);
  // A child moves whole to its new owner.
  root->Add(leaf);
  EXPECT_EQ(leaf->Owner(), root.get());
  EXPECT_EQ(middle->GetCount(), 0);
  EXPECT_EQ(root->GetObject(1), leaf);
}

TEST(SkinObjectTree, AssignFromAnObjectThatHoldsTheTargetCopiesTheTreeAsItWas) {
  TSeSkinObject root(nullptr);
  root.SetName("Root");
  auto* child = new TSeSkinObject(&root);
  child->SetName("Child");
  auto* grandchild = new TSeSkinObject(child);
  grandchild->SetName("Grandchild");
  grandchild->Assign(&root);
  // The grandchild took Root's name first, then one copy of Root's child as it stood then:
  // holding the grandchild, already renamed, without the copy being made.
  EXPECT_EQ(grandchild->Name(), "Root");
  ASSERT_EQ(grandchild->GetCount(), 1);
  TSeSkinObject* copy = grandchild->GetObject(0);
  EXPECT_EQ(copy->Name(), "Child");
  ASSERT_EQ(copy->GetCount(), 1);
  EXPECT_EQ(copy->GetObject(0)->Name(), "Root");
  EXPECT_EQ(copy->GetObject(0)->GetCount(), 0);
  EXPECT_EQ(child->GetCount(), 1);
}

TEST(SkinObjectState, CopiesAreDeepLeaveRunTimeStateAndSkipUnregisteredClasses) {
  TSeSkinObject source(nullptr);
  source.SetName("Form");
  source.SetKind(skForm);
  source.SetColor(0x123456);
  source.SetTextMarginRightStretch(true);
  source.SetMarginBottom(7);
  auto* button = new TSeSysButtonSkinObject(&source);
  button->SetName("Close");
  button->SetAction(sbaClose);
  button->SetRollPanel("Panel");
  button->SetAlign(saTopRight);
  button->SetBoundsRect({272, 2, 292, 20});
  new TUnregisteredObject(&source);
  source.SetBoundsRect({0, 0, 300, 250});
  source.SetState(ssMaximized);
  source.SetActive(true);
  source.SetVisible(false);
  source.SetText(u"caption");

  std::unique_ptr<TSeSkinObject> copy(CreateCopy(&source, nullptr));
  ASSERT_TRUE(copy);
  EXPECT_EQ(copy->ClassName(), "TSeSkinObject");
  EXPECT_EQ(copy->Name(), "Form");
  EXPECT_EQ(copy->Kind(), skForm);
  EXPECT_EQ(copy->Color(), 0x123456u);
  EXPECT_TRUE(copy->TextMarginRightStretch());
  EXPECT_EQ(copy->MarginBottom(), 7);
  EXPECT_EQ(copy->GetBoundsRect(), (Rect{0, 0, 300, 250}));
  EXPECT_EQ(copy->State(), ssNormal);
  EXPECT_FALSE(copy->Active());
  EXPECT_TRUE(copy->Visible());
  EXPECT_TRUE(copy->Text().empty());
  ASSERT_EQ(copy->GetCount(), 1);
  auto* copied = dynamic_cast<TSeSysButtonSkinObject*>(copy->GetObject(0));
  ASSERT_TRUE(copied);
  EXPECT_NE(copied, button);
  EXPECT_EQ(copied->Action(), sbaClose);
  EXPECT_EQ(copied->RollPanel(), "Panel");
  EXPECT_EQ(copied->GetBoundsRect(), (Rect{272, 2, 292, 20}));
  // The copy lays out like the source: no phantom change of bounds.
  copy->AligningAll();
  EXPECT_EQ(copied->GetBoundsRect(), (Rect{272, 2, 292, 20}));
  copy->SetBoundsRect({0, 0, 400, 250});
  EXPECT_EQ(copied->Left(), 372);

  // Assign appends after the children already there.
  TSeSkinObject target(nullptr);
  Child(&target, {}, "Own");
  target.Assign(&source);
  ASSERT_EQ(target.GetCount(), 2);
  EXPECT_EQ(target.GetObject(0)->Name(), "Own");
  EXPECT_EQ(target.GetObject(1)->Name(), "Close");

  TUnregisteredObject odd(nullptr);
  EXPECT_EQ(odd.CreateCopy(nullptr), nullptr);
}

}  // namespace
}  // namespace z5t8::skin::se3
