#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "skin/render/Bitmap.h"
#include "skin/se3/SkinFile.h"
#include "skin/se3/SkinStateObjects.h"
#include "skin/se3/tests/TestSkins.h"

namespace z5t8::skin::se3 {
namespace {

using namespace testing;
using namespace theme;
using render::teColor;
using render::TteBitmap;

constexpr TRect kWindow{0, 0, 370, 400};

void AddPicture(TSeSkinSource& skin, const std::string& name, uint32_t argb) {
  auto picture = std::make_unique<TteBitmap>();
  picture->Name = name;
  picture->SetSize(4, 4);
  picture->Clear(teColor(argb));
  skin.Images()->Add(std::move(picture));
}

TSeSkinObject* Child(TSeSkinObject* owner, const std::string& name, TSeKind kind = skNone,
                     TSeAlign align = saNone, TRect bounds = {}) {
  auto* o = new TSeSkinObject(owner);
  o->SetName(name);
  o->SetKind(kind);
  o->SetAlign(align);
  o->SetBoundsRect(bounds);
  return o;
}

// A top-level object whose parts draw in colours of their own per state.
std::unique_ptr<TSeSkinObject> Family(const std::string& name, std::initializer_list<const char*> parts) {
  auto family = std::make_unique<TSeSkinObject>(nullptr);
  family->SetName(name);
  for (const char* part : parts) {
    auto* p = new TSeColorButtonObject(family.get());
    p->SetName(part);
    p->SetColor(0x000001);
    p->SetHotColor(0x000002);
    p->SetPressedColor(0x000003);
    p->SetFocusedColor(0x000004);
    p->SetDisabledColor(0x000005);
  }
  return family;
}

// The tests' small skin with what the dispatch reads besides: frame borders, a caption
// that stretches and shifts, a tool window whose caption buttons are of the picture-with-
// active-state class, and the memo, scroll, status and colour objects.
std::unique_ptr<TSeSkinSource> DispatchSkin() {
  auto skin = SmallSkin();
  AddPicture(*skin, "down.png", 0xFFC00000);
  AddPicture(*skin, "hover.png", 0xFF00C000);
  AddPicture(*skin, "active.png", 0xFF0000C0);

  TSeSkinObject* form = skin->GetObjectByName("Form");
  form->SetBoundsRect({0, 0, 300, 250});
  Child(form, "Left", skLeft, saLeft, {0, 26, 4, 250})->SetColor(0x102030);
  Child(form, "Right", skRight, saRight, {296, 26, 300, 250});
  Child(form, "Bottom", skBottom, saBottom, {0, 246, 300, 250});
  TSeSkinObject* title = skin->GetObjectByName("Form\\TopCenter");
  title->SetTextMarginRightStretch(true);
  title->SetTextShiftSysIton(true);
  title->SetTextMarginLeft(30);
  testing::Link(static_cast<TSeSysButtonSkinObject*>(skin->GetObjectByName("Form\\Close"))->BitmapDown(),
                "down.png", {0, 0, 4, 4});
  testing::Link(static_cast<TSeSysButtonSkinObject*>(skin->GetObjectByName("Form\\Close"))->BitmapHover(),
                "hover.png", {0, 0, 4, 4});

  auto tool = std::make_unique<TSeSkinObject>(nullptr);
  tool->SetName("ToolWindow");
  tool->SetBoundsRect({0, 0, 200, 150});
  TSeSkinObject* toolTop = Child(tool.get(), "Top", skTop, saTop, {0, 0, 200, 18});
  auto* toolClose = new TSeSystemButton(toolTop);
  toolClose->SetName("Close");
  toolClose->SetAction(sbaClose);
  toolClose->SetAlign(saTopRight);
  toolClose->SetBoundsRect({182, 2, 196, 16});
  testing::Link(toolClose->Bitmap(), "face.png", {0, 0, 4, 4});
  testing::Link(toolClose->ActiveBitmap(), "active.png", {0, 0, 4, 4});
  testing::Link(toolClose->BitmapPressed(), "down.png", {0, 0, 4, 4});
  Child(tool.get(), "Client", skClient, saClient);
  skin->AddObject(std::move(tool));

  skin->AddObject(Family("Edit", {"Frame"}));
  skin->AddObject(Family("ScrollBar", {"TopButton", "BottomButton", "LeftButton", "RightButton", "HorzSlider",
                                       "VertSlider", "VertFrame", "HorzFrame"}));
  skin->AddObject(Family("ScrollBox", {"Frame"}));
  skin->AddObject(Family("StatusBar", {"Frame", "Panel", "Gripper"}));
  skin->AddObject(Family("SpinButton", {"Face"}));
  auto colours = std::make_unique<TSeSkinObject>(nullptr);
  colours->SetName("CustomColors");
  Child(colours.get(), "Accent")->SetColor(0x00D97B3D);
  skin->AddObject(std::move(colours));
  auto named = Family("Wide", {"Face", "VertSlider"});
  Child(named.get(), "Bounds", skNone, saNone, {3, 4, 50, 60});
  skin->AddObject(std::move(named));
  return skin;
}

class SkinDispatch : public ::testing::Test {
protected:
  SkinDispatch() {
    theme.LoadedSource()->Assign(DispatchSkin().get());
    theme.ResetTheme();
    sheet.SetSize(400, 420);
    sheet.Clear(teColor(0xFF808080));
  }

  TSeSkinObject* Part(const char* path) { return theme.WorkingSource()->GetObjectByName(path); }
  uint32_t Rgb(int x, int y) const { return sheet.GetPixel(x, y).Rgb(); }
  bool Untouched() const {
    for (int y = 0; y < sheet.Height(); ++y)
      for (int x = 0; x < sheet.Width(); ++x)
        if (Rgb(x, y) != 0x808080) return false;
    return true;
  }
  TteWindowInfo Window(TteWindowButtons buttons, bool active = true) const {
    TteWindowInfo info;
    info.Rect = kWindow;
    info.Buttons = buttons;
    if (active) info.States.Include(kwdsActive);
    return info;
  }

  TTeSkinFile theme;
  TteBitmap sheet;
  framework::TCanvas* canvas = sheet.GetCanvas();
};

const TteWindowButtons kFrameButtons{kwbSysMenu, kwbClose, kwbMin, kwbMax};

TEST_F(SkinDispatch, ButtonRectanglesComeFromTheButtonFrameLaidOutInTheWindow) {
  TRect close = theme.WindowGetButtonRect(kwscStandard, Window(kFrameButtons), kwbClose, "default");
  // Anchored to the top right: 22 pixels in from the right edge in a 300 pixel frame.
  EXPECT_EQ(close, (TRect{348, 6, 362, 20}));
  EXPECT_EQ(close, theme.CachedObject(kseFormButtonFrame)->FindObjectByName("Close")->GetBoundsRect());

  EXPECT_EQ(theme.WindowGetButtonRect(kwscStandard, Window({kwbMin, kwbMax}), kwbClose, "default"), NullRect);
  EXPECT_EQ(theme.WindowGetButtonRect(kwscStandard, Window(kFrameButtons + TteWindowButtons{kwbHelp}),
                                      kwbHelp, "default"),
            NullRect);
  for (TteWindowButtonClass c : {kwbTopmost, kwbTopmostRestore, kwbCustom})
    EXPECT_EQ(theme.WindowGetButtonRect(kwscStandard, Window({c, kwbClose}), c, "default"), NullRect)
        << int(c);
  EXPECT_EQ(theme.WindowGetButtonRect(kwscMessage, Window(kFrameButtons), kwbClose, "default"), NullRect);
  // The restore button shows only while its bit is there.
  EXPECT_FALSE(render::IsRectEmpty(
      theme.WindowGetButtonRect(kwscStandard, Window({kwbClose, kwbMaxRestore}), kwbMaxRestore, "default")));
  EXPECT_EQ(theme.WindowGetButtonRect(kwscToolWindow, Window({kwbClose}), kwbClose, "default"),
            (TRect{352, 2, 366, 16}));
}

TEST_F(SkinDispatch, NamingTheFormLeavesItsCaptionButtonsHidden) {
  TteWindowInfo info = Window(kFrameButtons);
  EXPECT_EQ(theme.WindowGetButtonRect(kwscStandard, info, kwbClose, "Form"),
            theme.WindowGetButtonRect(kwscStandard, info, kwbClose, "default"));
  EXPECT_EQ(theme.WindowGetHitTest(kwscStandard, info, 354, 12, "form"), kwhtCloseButton);
  EXPECT_FALSE(theme.CachedObject(kseForm)->FindObjectByAction(sbaClose)->Visible());
  theme.WindowDrawButton(kwscStandard, canvas,
                         TteWindowButtonInfo{{10, 10, 24, 24}, kwbClose, kwbdsPressed, nullptr}, "Form");
  EXPECT_EQ(Rgb(17, 17), 0xC00000u);
}

TEST_F(SkinDispatch, HitTests) {
  TteWindowInfo info = Window(kFrameButtons);
  struct Case {
    TteWindowSubclass subclass;
    int x, y;
    bool disabledNC;
    TteWindowHitTest expected;
  } cases[] = {
      {kwscStandard, 100, 12, false, kwhtCaption},      // the title
      {kwscStandard, 354, 12, false, kwhtCloseButton},  // a caption button found by the base test
      {kwscStandard, 354, 12, true, kwhtCaption},       // ... which has no buttons then
      {kwscStandard, 1, 200, true, kwhtLeft},           // the border strip by its kind
      {kwscStandard, 200, 398, true, kwhtBottom},       {kwscStandard, 200, 200, false, kwhtClient},
      {kwscToolWindow, 358, 8, false, kwhtCloseButton},  // a TSeSystemButton answers by its action
      {kwscToolWindow, 358, 8, true, kwhtCloseButton},  {kwscToolWindow, 100, 8, false, kwhtTop},
      {kwscMessage, 1, 1, false, kwhtClient},
  };
  for (const Case& c : cases) {
    info.DisabledNCArea = c.disabledNC;
    EXPECT_EQ(theme.WindowGetHitTest(c.subclass, info, c.x, c.y, "default"), c.expected)
        << int(c.subclass) << " at " << c.x << "," << c.y << (c.disabledNC ? " disabled" : "");
  }
}

TEST_F(SkinDispatch, WindowGeometryFallsBackToTheBaseWithoutAFrame) {
  EXPECT_EQ(theme.WindowGetClientRect(kwscStandard, kWindow, "default"), (TRect{4, 26, 366, 396}));
  EXPECT_EQ(theme.WindowGetClientRect(kwscMessage, kWindow, "default"), (TRect{4, 22, 366, 396}));
  EXPECT_EQ(theme.WindowGetClientRect(kwscStandard, kWindow, "Form"), (TRect{4, 26, 366, 396}));
  EXPECT_EQ(theme.WindowGetTitleRect(kwscStandard, Window(kFrameButtons), "default"), (TRect{0, 0, 370, 26}));
  EXPECT_TRUE(theme.WindowGetRegion(kwscStandard, kWindow, "default").has_value());
  EXPECT_FALSE(theme.WindowGetRegion(kwscTextured, kWindow, "default").has_value());

  EXPECT_TRUE(theme.IsWindowDefined(kwscStandard, "default"));
  EXPECT_TRUE(theme.IsWindowDefined(kwscToolWindow, "default"));
  EXPECT_FALSE(theme.IsWindowDefined(kwscBorder, "default"));
  EXPECT_TRUE(theme.IsWindowDefined(kwscBorder, "form"));
  EXPECT_FALSE(theme.IsWindowDefined(kwscMessage, "Default"));
}

TEST_F(SkinDispatch, CaptionButtonStates) {
  const TRect r{10, 10, 24, 24};
  struct Case {
    TteWindowSubclass subclass;
    TteWindowButtonDrawState state;
    uint32_t rgb;
  } cases[] = {
      {kwscStandard, kwbdsPressed, 0xC00000},  // sbsDown: the down picture
      {kwscStandard, kwbdsHot, 0x00C000},        {kwscStandard, kwbdsNormal, 0xE0E8F0},
      {kwscToolWindow, kwbdsNormal, 0x0000C0},  // active: the active picture
      {kwscToolWindow, kwbdsInactive, 0xE0E8F0}, {kwscToolWindow, kwbdsPressed, 0xC00000},
  };
  for (const Case& c : cases) {
    sheet.Clear(teColor(0xFF808080));
    theme.WindowDrawButton(c.subclass, canvas, TteWindowButtonInfo{r, kwbClose, c.state, nullptr}, "default");
    EXPECT_EQ(Rgb(17, 17), c.rgb) << int(c.subclass) << " " << int(c.state);
  }
  sheet.Clear(teColor(0xFF808080));
  theme.WindowDrawButton(kwscStandard, canvas,
                         TteWindowButtonInfo{{10, 10, 10, 24}, kwbClose, kwbdsPressed, nullptr}, "default");
  theme.WindowDrawButton(kwscStandard, canvas, TteWindowButtonInfo{r, kwbCustom, kwbdsPressed, nullptr},
                         "default");
  EXPECT_TRUE(Untouched());

  // The window's icon goes over the system-menu button.
  TteBitmap icon;
  icon.SetSize(6, 6);
  icon.Clear(teColor(0xFF123456));
  theme.WindowDrawButton(kwscStandard, canvas, TteWindowButtonInfo{r, kwbSysMenu, kwbdsNormal, &icon},
                         "default");
  EXPECT_EQ(Rgb(17, 17), 0x123456u);
}

// The columns where a caption drawn over the empty title differs from it.
std::pair<int, int> CaptionColumns(const TteBitmap& empty, const TteBitmap& drawn, const TRect& r) {
  int first = -1, last = -1;
  for (int x = r.left; x < r.right; ++x)
    for (int y = r.top; y < r.bottom; ++y)
      if (empty.GetPixel(x, y) != drawn.GetPixel(x, y)) {
        if (first < 0) first = x;
        last = x;
        break;
      }
  return {first, last};
}

TEST_F(SkinDispatch, CaptionStopsBeforeTheButtonsAndShiftsForTheIcon) {
  TteWindowInfo info = Window({kwbClose, kwbMin, kwbMax});
  info.Caption = u"MMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMM";
  TRect title = theme.WindowGetTitleRect(kwscStandard, info, "default");
  TRect leftmost = theme.WindowGetButtonRect(kwscStandard, info, kwbMin, "default");
  ASSERT_FALSE(render::IsRectEmpty(leftmost));

  TteWindowInfo none = info;
  none.Caption.clear();
  theme.WindowDrawText(kwscStandard, canvas, none, title, "default");
  TteBitmap empty;
  empty.Assign(&sheet);
  theme.WindowDrawText(kwscStandard, canvas, info, title, "default");
  auto [first, last] = CaptionColumns(empty, sheet, title);
  ASSERT_GE(first, 0);
  EXPECT_LT(last, leftmost.left);
  EXPECT_GT(last, leftmost.left - 20);

  info.Buttons.Include(kwbSysMenu);
  sheet.Assign(&empty);
  theme.WindowDrawText(kwscStandard, canvas, info, title, "default");
  EXPECT_EQ(CaptionColumns(empty, sheet, title).first, first + 20);

  // Nothing stays behind on the title.
  TSeSkinObject* t = theme.CachedObject(kseForm)->FindObjectByKind(skTitle);
  EXPECT_TRUE(t->Text().empty());
  EXPECT_EQ(t->TextMarginLeft(), 30);
  EXPECT_EQ(t->TextMarginRight(), 0);
}

// A part whose drawing fails.
class TThrowingObject : public TSeSkinObject {
public:
  using TSeSkinObject::TSeSkinObject;
  void Draw(framework::TCanvas*, const Rect&) override { throw std::runtime_error("draw"); }
};

TEST_F(SkinDispatch, TemporaryChangesAreUndoneWhenDrawingThrows) {
  auto frame = std::make_unique<TSeSkinObject>(nullptr);
  frame->SetName("Broken");
  TSeSkinObject* title = Child(frame.get(), "Title", skTitle, saTop, {0, 0, 10, 20});
  title->SetTextShiftSysIton(true);
  (new TThrowingObject(title))->SetAlign(saClient);
  TSeSkinObject* client = Child(frame.get(), "Client", skClient, saClient);
  theme.WorkingSource()->AddObject(std::move(frame));

  TteWindowInfo info = Window({kwbSysMenu, kwbClose});
  info.Caption = u"Caption";
  EXPECT_THROW(theme.WindowDraw(kwscStandard, canvas, info, "Broken"), std::runtime_error);
  EXPECT_TRUE(client->Visible());
  EXPECT_THROW(theme.WindowDrawText(kwscStandard, canvas, info, {0, 0, 100, 20}, "Broken"),
               std::runtime_error);
  EXPECT_TRUE(title->Text().empty());
  EXPECT_EQ(title->TextMarginLeft(), 0);
  EXPECT_EQ(title->State(), ssNormal);
}

TEST_F(SkinDispatch, ButtonDrawStates) {
  TSeSkinObject* face = Part("Button\\Face");
  const TSeState expected[] = {ssNormal,  ssHot, ssPressed, ssDisabled, ssFocused, ssHot,
                               ssFocused, ssHot, ssPressed, ssNormal,   ssNormal,  ssNormal};
  for (int s = kbdsNormal; s <= kbdsCheckedFocused; ++s) {
    face->SetState(ssDesign);
    theme.ButtonDraw(kbscButton, canvas, TteButtonInfo{{0, 0, 178, 41}, TteButtonDrawState(s)}, "default");
    EXPECT_EQ(face->State(), expected[s]) << s;
  }
  EXPECT_EQ(face->GetBoundsRect(), (TRect{0, 0, 178, 41}));

  sheet.Clear(teColor(0xFF808080));
  for (TteButtonSubclass s : {kbscComboButton, kbscComboDropDown, kbscDropDown, kbscSpinPlus, kbscSpinMinus})
    theme.ButtonDraw(s, canvas, TteButtonInfo{{0, 0, 40, 40}, kbdsNormal}, "default");
  EXPECT_TRUE(Untouched());

  // A named object's own face; spin buttons get an arrow over theirs.
  theme.ButtonDraw(kbscButton, canvas, TteButtonInfo{{0, 0, 10, 10}, kbdsHot}, "wide");
  EXPECT_EQ(Rgb(5, 5), 0x020000u);
  theme.ButtonDraw(kbscSpinUp, canvas, TteButtonInfo{{20, 0, 36, 16}, kbdsNormal}, "default");
  EXPECT_EQ(Part("SpinButton\\Face")->State(), ssNormal);
  bool arrow = false;
  const uint32_t border = teColor(theme.Colors()->GetColor(ktcBorder), 255).Rgb();
  for (int y = 0; y < 16; ++y)
    for (int x = 20; x < 36; ++x) arrow |= Rgb(x, y) == border;
  EXPECT_TRUE(arrow);

  EXPECT_TRUE(theme.IsButtonDefined(kbscButton, "default"));
  EXPECT_TRUE(theme.IsButtonDefined(kbscSpinDown, "default"));
  EXPECT_FALSE(theme.IsButtonDefined(kbscComboButton, "default"));
  EXPECT_TRUE(theme.IsButtonDefined(kbscComboButton, "Wide"));
  EXPECT_TRUE(theme.IsButtonTransparent(kbscButton, "default"));
  face->SetMasked(false);
  EXPECT_FALSE(theme.IsButtonTransparent(kbscButton, "default"));
}

TEST_F(SkinDispatch, MemoAndScrollParts) {
  EXPECT_EQ(theme.MemoGetClientRect(kmscMemo, canvas, TteMemoInfo{{0, 0, 368, 273}, kmdsNormal}, "default"),
            (TRect{4, 4, 364, 269}));
  theme.MemoDraw(kmscMemo, canvas, TteMemoInfo{{0, 0, 50, 50}, kmdsDisabled}, "anything");
  EXPECT_EQ(Part("Edit\\Frame")->State(), ssDisabled);
  EXPECT_EQ(Rgb(25, 25), 0x050000u);
  theme.MemoDraw(kmscMemo, canvas, TteMemoInfo{{0, 0, 50, 50}, kmdsFocused}, "default");
  EXPECT_EQ(Part("Edit\\Frame")->State(), ssNormal);

  sheet.Clear(teColor(0xFF808080));
  for (TteScrollButtonClass c : {zqbcPageUp, zqbcPageDown, zqbcPageLeft, zqbcPageRight, zqbcPlus, zqbcCustom})
    theme.ScrollDrawButton(zqscScrollBar, canvas, ScrollButtonInfo({0, 0, 16, 16}, zqbdsHot, c), "default");
  EXPECT_TRUE(Untouched());

  theme.ScrollDrawButton(zqscScrollBar, canvas, ScrollButtonInfo({0, 20, 16, 60}, zqbdsHot, zqbcVertSlider),
                         "default");
  EXPECT_EQ(Part("ScrollBar\\VertSlider")->State(), ssHot);
  EXPECT_EQ(Rgb(8, 40), 0x020000u);
  // A named object's part first, the ScrollBar's for the parts it lacks.
  theme.ScrollDrawButton(zqscScrollBar, canvas,
                         ScrollButtonInfo({0, 20, 16, 60}, zqbdsPressed, zqbcVertSlider), "Wide");
  EXPECT_EQ(Part("Wide\\VertSlider")->State(), ssPressed);
  EXPECT_EQ(Part("ScrollBar\\VertSlider")->State(), ssHot);
  theme.ScrollDrawButton(zqscScrollBar, canvas, ScrollButtonInfo({0, 0, 16, 16}, zqbdsDisabled, zqbcUp),
                         "Wide");
  EXPECT_EQ(Part("ScrollBar\\TopButton")->State(), ssDisabled);
  theme.ScrollDrawArea(zqscScrollBar, canvas, ScrollAreaInfo({20, 0, 36, 90}, zqadsPressed, zqacHorizontal),
                       "default");
  EXPECT_EQ(Part("ScrollBar\\HorzFrame")->State(), ssPressed);
  theme.ScrollDraw(zqscScrollBar, canvas, TteScrollInfo{{40, 0, 60, 20}}, "default");
  EXPECT_EQ(Rgb(50, 10), 0x010000u);
}

TEST_F(SkinDispatch, NamedValuesAndColours) {
  EXPECT_EQ(theme.CustomColor("Accent"), 0x00D97B3Du);
  EXPECT_EQ(theme.CustomColor("CustomColors\\Accent"), 0x00D97B3Du);
  EXPECT_EQ(theme.CustomColor("NoSuchColour"), framework::clNone);
  EXPECT_EQ(theme.GetBounds("wide"), (TRect{3, 4, 50, 60}));
  EXPECT_EQ(theme.GetBounds("Button"), NullRect);
  EXPECT_EQ(theme.GetBounds("Nothing"), NullRect);
}

TEST_F(SkinDispatch, GripperShowsOnlyWhenTheWindowSizes) {
  theme.WindowDrawGripper(kwscStandard, canvas, TteWindowGripperInfo{{0, 0, 20, 20}, false}, "default");
  EXPECT_EQ(Rgb(10, 10), 0xE8EDF2u);  // the client's colour
  theme.WindowDrawGripper(kwscStandard, canvas, TteWindowGripperInfo{{0, 0, 20, 20}, true}, "default");
  EXPECT_EQ(Rgb(10, 10), 0x010000u);
}

}  // namespace
}  // namespace z5t8::skin::se3
