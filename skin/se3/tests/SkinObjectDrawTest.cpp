#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "skin/render/CanvasDrawing.h"
#include "skin/se3/SkinBitmapObjects.h"
#include "skin/se3/SkinBitmapSkinObjects.h"
#include "skin/se3/SkinStateObjects.h"
#include "skin/se3/tests/SkinObjectFixtures.h"

namespace z5t8::skin::se3 {
namespace {

using namespace fixtures;
namespace pg = platform::gui;

void SetMargins(TSeSkinObject& object, int margin) {
  object.SetMarginLeft(margin);
  object.SetMarginTop(margin);
  object.SetMarginRight(margin);
  object.SetMarginBottom(margin);
}

// Where a nine-slice draw takes pixel p (0 .. size - 1) of one axis from, with margins 3
// and a 12-pixel source whose middle is 6 pixels; stretchMap tells, for each pixel of
// the stretched middle, which of the 6 it shows.
int SourceOf(int p, int size, bool middleTiles, const std::vector<int>& stretchMap) {
  if (p < 3) return p;
  if (p >= size - 3) return 12 - (size - p);
  return middleTiles ? 3 + (p - 3) % 6 : 3 + stretchMap[size_t(p - 3)];
}

// How the picture's own stretch maps the 6 middle pixels onto n, read off a probe.
std::vector<int> StretchMap(const render::TteBitmap& probe, int n, bool across) {
  Target t(across ? n : 1, across ? 1 : n);
  probe.Draw(t.bitmap, Rect{0, 0, across ? n : 1, across ? 1 : n},
             across ? Rect{3, 0, 9, 1} : Rect{0, 3, 1, 9});
  std::vector<int> map;
  for (int i = 0; i < n; ++i) {
    uint32_t px = t.At(across ? i : 0, across ? 0 : i);
    map.push_back(int(across ? (px >> 16 & 0xFF) : (px >> 8 & 0xFF)) - 3);
  }
  return map;
}

TEST(SkinObjectDraw, NineSliceKeepsCornersAndTilesOrStretchesTheRest) {
  const struct {
    TscTileStyle centre, border;
  } cases[] = {{tsTile, tsTile}, {tsStretch, tsTile}, {tsTile, tsStretch}, {tsStretch, tsStretch}};
  render::TteBitmapList pictures;
  render::TteBitmap* probe = AddPicture(pictures, "frame", 12, 12, Probe);
  const std::vector<int> mapX = StretchMap(*probe, 12, true), mapY = StretchMap(*probe, 18, false);
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.centre) + "/" + std::to_string(c.border));
    // The box object and the picture object draw the same nine pieces for these styles.
    std::unique_ptr<TSeSkinObject> objects[] = {std::make_unique<TSeBitmapObject>(nullptr),
                                                std::make_unique<TSeBitmapBoxObject>(nullptr)};
    for (auto& object : objects) {
      SCOPED_TRACE(object->ClassName());
      if (auto* o = dynamic_cast<TSeBitmapObject*>(object.get())) {
        Link(*o->Bitmap(), "frame", {0, 0, 12, 12});
        o->SetTileStyle(c.centre);
        o->SetBorderTileStyle(c.border);
      } else {
        auto* b = static_cast<TSeBitmapBoxObject*>(object.get());
        Link(*b->Bitmap(), "frame", {0, 0, 12, 12});
        b->SetTileStyle(c.centre);
        b->SetBorderTileStyle(c.border);
      }
      SetMargins(*object, 3);
      object->SetBitmaps(&pictures);
      object->AfterLoad();
      object->SetBoundsRect({5, 4, 5 + 18, 4 + 24});
      Target target(30, 30);
      object->Draw(target.Canvas(), NoClip);
      for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x) {
          int i = x - 5, j = y - 4;
          if (i < 0 || j < 0 || i >= 18 || j >= 24) {
            ASSERT_EQ(target.At(x, y), 0xFF000000u) << x << "," << y;
            continue;
          }
          bool midX = i >= 3 && i < 15, midY = j >= 3 && j < 21;
          bool tileX = (midY ? c.centre : c.border) == tsTile;
          bool tileY = (midX ? c.centre : c.border) == tsTile;
          ASSERT_EQ(target.At(x, y), Probe(SourceOf(i, 18, tileX, mapX), SourceOf(j, 24, tileY, mapY)))
              << x << "," << y;
        }
    }
  }
}

TEST(SkinObjectDraw, SimpleFormsPlaceThePictureByTileStyle) {
  render::TteBitmapList pictures;
  AddPicture(pictures, "p", 4, 2, Probe);
  const struct {
    TscTileStyle style;
    Rect drawn;  // the rectangle the picture covers in a 10 x 6 object at (0, 0)
    bool tiles;
  } cases[] = {
      {tsTile, {0, 0, 10, 6}, true},
      {tsCenter, {3, 2, 7, 4}, true},
      {tsVertCenterTile, {3, 0, 7, 6}, true},
      {tsHorzCenterTile, {0, 2, 10, 4}, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(int(c.style));
    TSeBitmapObject object(nullptr);
    Link(*object.Bitmap(), "p", {0, 0, 4, 2});
    object.SetTileStyle(c.style);
    object.SetBitmaps(&pictures);
    object.AfterLoad();
    object.SetBoundsRect({0, 0, 10, 6});
    Target target(10, 6);
    object.Draw(target.Canvas(), NoClip);
    for (int y = 0; y < 6; ++y)
      for (int x = 0; x < 10; ++x) {
        bool inside = x >= c.drawn.left && x < c.drawn.right && y >= c.drawn.top && y < c.drawn.bottom;
        uint32_t expected = inside ? Probe((x - c.drawn.left) % 4, (y - c.drawn.top) % 2) : 0xFF000000u;
        ASSERT_EQ(target.At(x, y), expected) << x << "," << y;
      }
  }
  // TSeBitmapSkinObject draws no picture for the centred tiles and stretches.
  TSeBitmapSkinObject skin(nullptr);
  Link(*skin.Bitmap(), "p", {0, 0, 4, 2});
  skin.SetTileStyle(tsVertCenterTile);
  skin.SetBitmaps(&pictures);
  skin.AfterLoad();
  skin.SetBoundsRect({0, 0, 10, 6});
  Target target(10, 6);
  skin.Draw(target.Canvas(), NoClip);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 10; ++x) ASSERT_EQ(target.At(x, y), 0xFF000000u);
}

TEST(SkinObjectDraw, StretchedAndCentredFramesMatchThePicturesOwnDrawing) {
  render::TteBitmapList pictures;
  render::TteBitmap* p = AddPicture(pictures, "p", 12, 12, Probe);
  const Rect S{0, 0, 12, 12};
  using Ref = std::function<void(render::TteBitmap&)>;
  const struct {
    const char* name;
    bool box;
    bool margins;
    TscTileStyle style;
    Ref expected;  // drawn into a 20 x 30 target, the object at (0, 0)
  } cases[] = {
      {"simple stretch", false, false, tsStretch,
       [&](auto& t) {
         p->Draw(t, Rect{0, 0, 20, 30}, S);
       }},
      {"simple vertical stretch", false, false, tsVertCenterStretch,
       [&](auto& t) {
         p->Draw(t, Rect{4, 0, 16, 30}, S);
       }},
      {"simple horizontal stretch", false, false, tsHorzCenterStretch,
       [&](auto& t) {
         p->Draw(t, Rect{0, 9, 20, 21}, S);
       }},
      {"nine-slice centred", false, true, tsCenter, [&](auto& t) { p->Draw(t, 4, 9, S); }},
      {"box stretch", true, false, tsStretch,
       [&](auto& t) {
         p->Draw(t, Rect{0, 0, 20, 30}, S);
       }},
      {"box centred", true, false, tsCenter, [&](auto& t) { p->Draw(t, 4, 9, S); }},
      // The box draws no centre for the centred tiles; edges and corners tile as usual.
      {"box nine-slice, no centre", true, true, tsVertCenterTile,
       [&](auto& t) {
         render::TteBitmap& b = t;
         p->Tile(b, Rect{3, 0, 17, 3}, Rect{3, 0, 9, 3});
         p->Tile(b, Rect{3, 27, 17, 30}, Rect{3, 9, 9, 12});
         p->Tile(b, Rect{0, 3, 3, 27}, Rect{0, 3, 3, 9});
         p->Tile(b, Rect{17, 3, 20, 27}, Rect{9, 3, 12, 9});
         p->Draw(b, 0, 0, Rect{0, 0, 3, 3});
         p->Draw(b, 17, 0, Rect{9, 0, 12, 3});
         p->Draw(b, 0, 27, Rect{0, 9, 3, 12});
         p->Draw(b, 17, 27, Rect{9, 9, 12, 12});
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<TSeSkinObject> object;
    if (c.box) {
      auto* b = new TSeBitmapBoxObject(nullptr);
      Link(*b->Bitmap(), "p", S);
      b->SetTileStyle(c.style);
      object.reset(b);
    } else {
      auto* o = new TSeBitmapObject(nullptr);
      Link(*o->Bitmap(), "p", S);
      o->SetTileStyle(c.style);
      object.reset(o);
    }
    if (c.margins) {
      SetMargins(*object, 3);
    }
    object->SetBitmaps(&pictures);
    object->AfterLoad();
    object->SetBoundsRect({0, 0, 20, 30});
    Target got(20, 30), want(20, 30);
    object->Draw(got.Canvas(), NoClip);
    c.expected(want.bitmap);
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 20; ++x) ASSERT_EQ(got.At(x, y), want.At(x, y)) << x << "," << y;
  }
}

TEST(SkinObjectDraw, MaskedPiecesLeaveKeyPixelsOutAndPutTheSwitchBack) {
  render::TteBitmapList pictures;
  render::TteBitmap* picture = AddPicture(pictures, "holes", 4, 4, [](int x, int y) {
    return (x + y) % 2 ? uint32_t(render::teTransparentVar) : Solid(0x00FF00);
  });
  TSeBitmapObject object(nullptr);
  Link(*object.Bitmap(), "holes", {0, 0, 4, 4});
  object.SetBitmaps(&pictures);
  object.AfterLoad();
  EXPECT_TRUE(object.Bitmap()->MaskClient);
  object.SetBoundsRect({0, 0, 8, 8});
  Target target(8, 8, Solid(0x0000FF));
  ASSERT_FALSE(picture->Transparent);
  object.Draw(target.Canvas(), NoClip);
  EXPECT_FALSE(picture->Transparent);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      ASSERT_EQ(target.Rgb(x, y), (x + y) % 2 ? 0x0000FFu : 0x00FF00u) << x << "," << y;
}

TEST(SkinObjectDraw, CommonPartFillsLeavesDrawChildrenAndHonoursTheClip) {
  TSeSkinObject root(nullptr);
  root.SetColor(0x0000FF);
  auto* left = new TSeSkinObject(&root);
  left->SetColor(0x00FF00);
  left->SetBoundsRect({0, 0, 5, 10});
  auto* right = new TSeSkinObject(&root);
  right->SetColor(framework::clNone);
  right->SetBoundsRect({5, 0, 10, 10});
  auto* hidden = new TSeSkinObject(&root);
  hidden->SetColor(0xFFFFFF);
  hidden->SetVisible(false);
  hidden->SetBoundsRect({0, 0, 10, 10});
  root.SetBoundsRect({0, 0, 10, 10});

  Target target(10, 10);
  root.Draw(target.Canvas(), NoClip);
  // The owner does not fill itself, a clNone child leaves its area as it was.
  EXPECT_EQ(target.Rgb(2, 2), 0x00FF00u);
  EXPECT_EQ(target.Rgb(7, 7), 0x000000u);

  root.SetDrawIfOwner(true);
  Target clipped(10, 10);
  root.Draw(clipped.Canvas(), {6, 6, 9, 9});
  EXPECT_EQ(clipped.Rgb(7, 7), 0xFF0000u);  // the owner's colour, with DrawIfOwner
  EXPECT_EQ(clipped.Rgb(2, 2), 0xFF0000u);  // the left child is outside the clip
  Target outside(10, 10);
  root.Draw(outside.Canvas(), {20, 20, 30, 30});
  EXPECT_EQ(outside.Rgb(5, 5), 0x000000u);

  root.SetKind(skRoundMask);
  Target round(10, 10);
  root.Draw(round.Canvas(), NoClip);
  EXPECT_EQ(round.Rgb(2, 2), 0x000000u);
}

// Draws an object's text alone (no fill) on black.
void DrawText(TSeSkinObject& object, Target& target) {
  object.SetColor(framework::clNone);
  object.Draw(target.Canvas(), NoClip);
}

TEST(SkinObjectDraw, TextTakesTheFlagsOfItsAlignmentAndItsMargins) {
  const uint32_t expectedFlags[] = {32, 33, 34, 36, 37, 38, 40, 41, 42};
  for (int align = 0; align < 9; ++align) {
    SCOPED_TRACE(align);
    TSeSkinObject object(nullptr);
    object.SetTextAlign(TSeTextAlign(align));
    object.SetText(u"Ag-1");
    object.Font()->SetColor(0xFFFFFF);
    object.SetTextMarginLeft(4);
    object.SetTextMarginRight(6);
    object.SetTextMarginTop(3);
    object.SetBoundsRect({2, 1, 82, 31});
    Target got(90, 40);
    DrawText(object, got);

    Target want(90, 40);
    want.Canvas()->SetFont(*object.Font());
    Rect r{6, 4, 76, 31};
    render::DrawText(want.Canvas(), u"Ag-1", r, expectedFlags[align] | pg::DT_NOPREFIX);
    bool any = false;
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 90; ++x) {
        ASSERT_EQ(got.At(x, y), want.At(x, y)) << x << "," << y;
        any |= got.Rgb(x, y) != 0;
      }
    EXPECT_TRUE(any);
  }
}

TEST(SkinObjectDraw, SeparatorShadowAndShortenedTitle) {
  TSeSkinObject separator(nullptr);
  separator.SetText(u"-");
  separator.Font()->SetColor(0x0000FF);
  separator.SetBoundsRect({0, 0, 40, 11});
  Target line(40, 11);
  DrawText(separator, line);
  for (int y = 0; y < 11; ++y)
    for (int x = 0; x < 40; ++x)
      ASSERT_EQ(line.Rgb(x, y), y == 4 && x >= 3 && x < 37 ? 0xFF0000u : 0u) << x << "," << y;

  TSeSkinObject shadowed(nullptr);
  shadowed.SetText(u"Shadow");
  shadowed.SetTextAlign(taCenter);
  shadowed.SetTextEffect(teShadow);
  shadowed.Font()->SetColor(0xFFFFFF);
  shadowed.SetBoundsRect({0, 0, 80, 20});
  Target got(80, 20);
  DrawText(shadowed, got);
  Target want(80, 20);
  const uint32_t flags = pg::DT_SINGLELINE | pg::DT_VCENTER | pg::DT_CENTER | pg::DT_NOPREFIX;
  framework::TFont font;
  font.Assign(shadowed.Font());
  font.SetColor(0x808080);
  want.Canvas()->SetFont(font);
  Rect moved{1, 1, 81, 21};
  render::DrawText(want.Canvas(), u"Shadow", moved, flags);
  want.Canvas()->SetFont(*shadowed.Font());
  Rect at{0, 0, 80, 20};
  render::DrawText(want.Canvas(), u"Shadow", at, flags);
  std::set<uint32_t> colours;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 80; ++x) {
      ASSERT_EQ(got.At(x, y), want.At(x, y)) << x << "," << y;
      colours.insert(got.Rgb(x, y));
    }
  EXPECT_TRUE(colours.count(0x808080u));
  EXPECT_TRUE(colours.count(0xFFFFFFu));

  TSeSkinObject title(nullptr);
  title.SetKind(skTitle);
  title.SetText(u"A rather long caption for a small window");
  title.Font()->SetColor(0xFFFFFF);
  title.SetTextMarginLeft(5);
  title.SetTextMarginRight(10);
  title.SetBoundsRect({0, 0, 90, 16});
  Target shortened(120, 16);
  DrawText(title, shortened);
  Target expected(120, 16);
  expected.Canvas()->SetFont(*title.Font());
  std::u16string text = render::FormatStr(*expected.Canvas()->Prepared(), title.Text(), 75);
  ASSERT_NE(text, title.Text());
  Rect tr{5, 0, 80, 16};
  render::DrawText(expected.Canvas(), text, tr, pg::DT_SINGLELINE | pg::DT_VCENTER | pg::DT_NOPREFIX);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 120; ++x) ASSERT_EQ(shortened.At(x, y), expected.At(x, y)) << x << "," << y;
}

// A child that fails while it is drawn.
class TThrowingObject : public TSeSkinObject {
public:
  using TSeSkinObject::TSeSkinObject;
  void Draw(framework::TCanvas*, const Rect&) override { throw std::runtime_error("draw failed"); }
};

TEST(SkinObjectDraw, StatePicturesFollowTheStateAndArePutBackWhenDrawingFails) {
  render::TteBitmapList pictures;
  const uint32_t normal = 0x101010, hot = 0x202020, focused = 0x303030, pressed = 0x404040;
  AddPicture(pictures, "normal", 2, 2, [&](int, int) { return Solid(normal); });
  AddPicture(pictures, "hot", 2, 2, [&](int, int) { return Solid(hot); });
  AddPicture(pictures, "focused", 2, 2, [&](int, int) { return Solid(focused); });
  AddPicture(pictures, "pressed", 2, 2, [&](int, int) { return Solid(pressed); });
  TSeButtonObject button(nullptr);
  Link(*button.Bitmap(), "normal", {0, 0, 2, 2});
  Link(*button.BitmapHot(), "hot", {0, 0, 2, 2});
  Link(*button.BitmapFocused(), "focused", {0, 0, 2, 2});
  Link(*button.BitmapPressed(), "pressed", {0, 0, 2, 2});
  Link(*button.BitmapDisabled(), "missing", {0, 0, 2, 2});
  button.SetBitmaps(&pictures);
  button.AfterLoad();
  button.SetBoundsRect({0, 0, 4, 4});
  const struct {
    TSeState state;
    uint32_t colour;
  } cases[] = {{ssNormal, normal},   {ssHot, hot},         {ssFocused, focused},
               {ssPressed, pressed}, {ssDisabled, normal}, {ssMaximized, normal}};
  for (const auto& c : cases) {
    SCOPED_TRACE(int(c.state));
    button.SetState(c.state);
    Target target(4, 4);
    button.Draw(target.Canvas(), NoClip);
    EXPECT_EQ(target.Rgb(3, 3), c.colour);
  }

  auto* failing = new TThrowingObject(&button);
  failing->SetBoundsRect({0, 0, 1, 1});
  button.SetState(ssHot);
  Target target(4, 4);
  EXPECT_THROW(button.Draw(target.Canvas(), NoClip), std::runtime_error);
  delete failing;
  button.SetState(ssNormal);
  button.Draw(target.Canvas(), NoClip);
  EXPECT_EQ(target.Rgb(3, 3), normal);

  // Colour and font of the active object come back the same way.
  TSeActiveObject active(nullptr);
  active.SetColor(0x112233);
  active.SetActiveColor(0x445566);
  active.ActiveFont()->SetColor(0x778899);
  framework::TFont* own = active.Font();
  (new TThrowingObject(&active))->SetBoundsRect({0, 0, 1, 1});
  active.SetDrawIfOwner(true);
  active.SetBoundsRect({0, 0, 4, 4});
  active.SetState(ssHot);
  EXPECT_THROW(active.Draw(target.Canvas(), NoClip), std::runtime_error);
  EXPECT_EQ(active.Color(), 0x112233u);
  EXPECT_EQ(active.Font(), own);
  EXPECT_EQ(target.Rgb(0, 0), 0x665544u);  // drawn in the active colour before the child failed
}

TEST(SkinObjectDraw, StateColoursAndFontsOfThePlainClasses) {
  const struct {
    TSeState state;
    bool active;
    uint32_t activeObject, activeSkin, colorButton;
  } cases[] = {
      {ssNormal, false, 0x000001, 0x000001, 0x000001},  {ssNormal, true, 0x000002, 0x000001, 0x000001},
      {ssHot, false, 0x000002, 0x000002, 0x000003},     {ssFocused, false, 0x000002, 0x000002, 0x000004},
      {ssPressed, false, 0x000002, 0x000001, 0x000005}, {ssDisabled, false, 0x000001, 0x000001, 0x000006},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(int(c.state) * 2 + c.active);
    TSeActiveObject a(nullptr);
    TSeActiveSkinObject s(nullptr);
    TSeColorButtonObject b(nullptr);
    a.SetActiveColor(0x000002);
    s.SetActiveColor(0x000002);
    b.SetHotColor(0x000003);
    b.SetFocusedColor(0x000004);
    b.SetPressedColor(0x000005);
    b.SetDisabledColor(0x000006);
    const struct {
      TSeSkinObject* object;
      uint32_t expected;
    } objects[] = {{&a, c.activeObject}, {&s, c.activeSkin}, {&b, c.colorButton}};
    for (const auto& o : objects) {
      o.object->SetColor(0x000001);
      o.object->SetState(c.state);
      o.object->SetActive(c.active);
      o.object->SetBoundsRect({0, 0, 2, 2});
      Target target(2, 2);
      o.object->Draw(target.Canvas(), NoClip);
      EXPECT_EQ(target.Rgb(1, 1), (o.expected & 0xFF) << 16) << o.object->ClassName();
    }
  }
  // The font each state asks for.
  TSeTextObject text(nullptr);
  TSeActiveObject active(nullptr);
  TSeActiveBitmap bitmap(nullptr);
  const struct {
    TSeState state;
    framework::TFont *text, *active, *bitmap;
  } fonts[] = {
      {ssNormal, text.Font(), active.Font(), bitmap.Font()},
      {ssHot, text.FontHot(), active.ActiveFont(), bitmap.ActiveFont()},
      {ssPressed, text.FontPressed(), active.ActiveFont(), bitmap.Font()},
      {ssFocused, text.FontFocused(), active.ActiveFont(), bitmap.ActiveFont()},
      {ssDisabled, text.FontDisabled(), active.Font(), bitmap.Font()},
  };
  for (const auto& f : fonts) {
    text.SetState(f.state);
    active.SetState(f.state);
    bitmap.SetState(f.state);
    EXPECT_EQ(text.GetFont(), f.text) << int(f.state);
    EXPECT_EQ(active.GetFont(), f.active) << int(f.state);
    EXPECT_EQ(bitmap.GetFont(), f.bitmap) << int(f.state);
  }
}

TEST(SkinObjectDraw, ADisabledActiveObjectDrawsItsTextInTheDisabledFontOverTheActiveColour) {
  const uint32_t own = 0x0000A0, lit = 0x00A000, disabled = 0xA00000;
  const struct {
    bool active;
    TSeState state;
    uint32_t fill, text;
  } cases[] = {
      {false, ssNormal, 0x111111, own},       {true, ssNormal, 0x222222, lit},
      {false, ssHot, 0x222222, lit},          {false, ssDisabled, 0x111111, disabled},
      {true, ssDisabled, 0x222222, disabled},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(int(c.state) * 2 + c.active);
    TSeActiveObject object(nullptr);
    object.SetColor(0x111111);
    object.SetActiveColor(0x222222);
    object.Font()->SetColor(own);
    object.ActiveFont()->SetColor(lit);
    object.DisabledFont()->SetColor(disabled);
    for (framework::TFont* f : {object.Font(), object.ActiveFont(), object.DisabledFont()}) {
      f->SetName("Tahoma");
      f->SetSize(20);
      f->SetStyle({framework::fsBold});
    }
    object.SetText(u"WWW");
    object.SetTextAlign(taCenter);
    object.SetActive(c.active);
    object.SetState(c.state);
    object.SetBoundsRect({0, 0, 80, 40});
    Target target(80, 40);
    object.Draw(target.Canvas(), NoClip);
    std::set<uint32_t> seen;
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 80; ++x) seen.insert(target.Rgb(x, y));
    // Colours are 0xBBGGRR in the object, 0xRRGGBB in the target.
    auto rgb = [](uint32_t bgr) { return (bgr & 0xFF) << 16 | (bgr & 0xFF00) | bgr >> 16; };
    EXPECT_EQ(target.Rgb(0, 0), rgb(c.fill));
    EXPECT_TRUE(seen.count(rgb(c.text))) << "the text is drawn in its state's font";
    for (uint32_t other : {own, lit, disabled})
      if (other != c.text) EXPECT_FALSE(seen.count(rgb(other))) << std::hex << other;
  }
}

TEST(SkinObjectDraw, WithoutTheMainPictureNoStatePictureIsDrawn) {
  render::TteBitmapList pictures;
  AddPicture(pictures, "state", 2, 2, [](int, int) { return Solid(0x00C0C0); });
  AddPicture(pictures, "main", 2, 2, [](int, int) { return Solid(0x400040); });
  TSeActiveBitmap activeBitmap(nullptr);
  TSeSystemButton systemButton(nullptr);
  TSeButtonObject button(nullptr);
  TSeFormBitmapSkinObject form(nullptr);
  TSeSysButtonSkinObject sysButton(nullptr);
  TSeActiveBitmapBoxObject activeBox(nullptr);
  TSeButtonBitmapBoxObject buttonBox(nullptr);
  systemButton.SetAction(sbaClose);
  sysButton.SetAction(sbaClose);
  systemButton.SetButtonState(sbsHover);
  sysButton.SetButtonState(sbsHover);
  const struct {
    TSeSkinObject* object;
    render::TteBitmapLink* main;
    render::TteBitmapLink* state;
    bool active;
    TSeState selecting;
  } cases[] = {
      {&activeBitmap, activeBitmap.Bitmap(), activeBitmap.ActiveBitmap(), true, ssNormal},
      {&systemButton, systemButton.Bitmap(), systemButton.BitmapHot(), true, ssNormal},
      {&button, button.Bitmap(), button.BitmapHot(), false, ssHot},
      {&form, form.Bitmap(), form.InactiveBitmap(), false, ssNormal},
      {&sysButton, sysButton.Bitmap(), sysButton.BitmapHover(), false, ssNormal},
      {&activeBox, activeBox.Bitmap(), activeBox.FocusedBitmap(), false, ssFocused},
      {&buttonBox, buttonBox.Bitmap(), buttonBox.HotBitmap(), false, ssHot},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.object->ClassName());
    Link(*c.state, "state", {0, 0, 2, 2});
    Link(*c.main, "missing", {0, 0, 2, 2});
    c.object->SetBitmaps(&pictures);
    c.object->AfterLoad();
    c.object->SetActive(c.active);
    c.object->SetState(c.selecting);
    c.object->SetVisible(true);
    c.object->SetBoundsRect({0, 0, 4, 4});
    Target without(4, 4);
    c.object->Draw(without.Canvas(), NoClip);
    EXPECT_EQ(without.Rgb(2, 2), 0u) << "an unassigned main picture draws nothing";

    // With the main picture there, the same state shows its own picture.
    Link(*c.main, "main", {0, 0, 2, 2});
    c.object->AfterLoad();
    Target with(4, 4);
    c.object->Draw(with.Canvas(), NoClip);
    EXPECT_EQ(with.Rgb(2, 2), 0x00C0C0u);
  }
}

TEST(SkinObjectDraw, LinkObjectShowsAPlaceholderOnlyAtDesignTime) {
  TSeLinkSkinObject link(nullptr);
  link.SetLinkControl("Memo1");
  link.SetBoundsRect({0, 0, 60, 20});
  Target normal(60, 20);
  link.Draw(normal.Canvas(), NoClip);
  EXPECT_EQ(normal.Rgb(30, 1), 0u);
  link.SetState(ssDesign);
  Target design(60, 20);
  link.Draw(design.Canvas(), NoClip);
  EXPECT_EQ(design.Rgb(0, 0), 0u);         // black outline
  EXPECT_EQ(design.Rgb(2, 2), 0xFFFFFFu);  // white box
  int dark = 0;
  for (int x = 2; x < 58; ++x)
    for (int y = 2; y < 18; ++y) dark += design.Rgb(x, y) != 0xFFFFFFu;
  EXPECT_GT(dark, 10);  // the text
}

}  // namespace
}  // namespace z5t8::skin::se3
