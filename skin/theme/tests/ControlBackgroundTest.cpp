#include <gtest/gtest.h>

#include <memory>

#include "framework/Properties.h"
#include "framework/gui/Bitmap.h"
#include "framework/gui/CustomControl.h"
#include "framework/gui/Form.h"
#include "framework/gui/GraphicControl.h"
#include "framework/gui/GroupBox.h"
#include "framework/gui/Label.h"
#include "framework/gui/tests/GuiFixture.h"
#include "skin/theme/ControlBackground.h"

namespace z5t8::skin::theme {
namespace {

using namespace framework;

constexpr TColor Red = 0x0000FF, Blue = 0xFF0000, Green = 0x00FF00, Olive = 0x008080;

// Paints its left half red and its right half blue, with a green line across at y = 50.
class TPatternPanel : public TCustomControl {
  Z5T8_CLASS(TPatternPanel, TCustomControl)

public:
  explicit TPatternPanel(TComponent* owner) : TCustomControl(owner) {}
  void Paint() override {
    TCanvas* c = Canvas();
    c->Brush()->SetColor(Red);
    c->FillRect(Rect(0, 0, 100, Height()));
    c->Brush()->SetColor(Blue);
    c->FillRect(Rect(100, 0, Width(), Height()));
    c->Brush()->SetColor(Green);
    c->FillRect(Rect(0, 50, Width(), 51));
  }
};
Z5T8_IMPLEMENT_CLASS(TPatternPanel, TCustomControl) {}

// Classes only the procedure test registers for.
class TProcPanel : public TPatternPanel {
  Z5T8_CLASS(TProcPanel, TPatternPanel)

public:
  using TPatternPanel::TPatternPanel;
};
Z5T8_IMPLEMENT_CLASS(TProcPanel, TPatternPanel) {}

class TDerivedProcPanel : public TProcPanel {
  Z5T8_CLASS(TDerivedProcPanel, TProcPanel)

public:
  using TProcPanel::TProcPanel;
};
Z5T8_IMPLEMENT_CLASS(TDerivedProcPanel, TProcPanel) {}

// A windowless control that fills itself olive; its background must never show it.
class TSpot : public TGraphicControl {
  Z5T8_CLASS(TSpot, TGraphicControl)

public:
  explicit TSpot(TComponent* owner) : TGraphicControl(owner) {}
  void Paint() override {
    Canvas()->Brush()->SetColor(Olive);
    Canvas()->FillRect(ClientRect());
  }
};
Z5T8_IMPLEMENT_CLASS(TSpot, TGraphicControl) {}

class ControlBackgroundIntegration : public GuiTest {
protected:
  void SetUp() override {
    GuiTest::SetUp();
    form.reset(new TForm(nullptr));
    form->SetBounds(10, 10, 400, 300);
    form->SetColor(clWhite);
    form->Show();
  }
  void TearDown() override {
    form.reset();
    GuiTest::TearDown();
  }

  // The background drawn for the control, in a bitmap of its size cleared to black.
  std::unique_ptr<TBitmap> Background(TControl* control) {
    auto bmp = std::make_unique<TBitmap>();
    bmp->SetSize(control->Width(), control->Height());
    bmp->Canvas()->Brush()->SetColor(clBlack);
    bmp->Canvas()->FillRect(Rect(0, 0, control->Width(), control->Height()));
    DrawControlBackground(control, bmp->Canvas());
    EXPECT_FALSE(control->ControlState().Contains(csPaintCopy));
    return bmp;
  }

  template <class T>
  T* Add(TWinControl* parent, int left, int top, int width, int height) {
    T* c = new T(form.get());
    c->SetParent(parent);
    c->SetBounds(left, top, width, height);
    return c;
  }

  std::unique_ptr<TForm> form;
};

TEST_F(ControlBackgroundIntegration, UnderAGroupBoxTheControlsAreaTakesTheBoxColour) {
  auto* box = Add<TGroupBox>(form.get(), 20, 20, 300, 200);
  box->SetColor(Olive);
  for (TControl* child : {static_cast<TControl*>(Add<TSpot>(box, 30, 40, 50, 20)),
                          static_cast<TControl*>(Add<TPatternPanel>(box, 100, 40, 60, 30))}) {
    std::unique_ptr<TBitmap> bmp = Background(child);
    for (TPoint p : {TPoint{0, 0}, TPoint{child->Width() - 1, child->Height() - 1}})
      EXPECT_EQ(bmp->Canvas()->Pixel(p.x, p.y), Olive) << child->ClassName();
  }
}

TEST_F(ControlBackgroundIntegration, UnderACustomControlTheParentPaintsItselfAtTheControlsPlace) {
  auto* panel = Add<TPatternPanel>(form.get(), 5, 5, 200, 100);
  TControl* windowless = Add<TSpot>(panel, 90, 40, 20, 20);
  TControl* windowed = Add<TPatternPanel>(panel, 90, 40, 20, 20);
  windowed->SetVisible(false);
  for (TControl* child : {windowless, windowed}) {
    std::unique_ptr<TBitmap> bmp = Background(child);
    TCanvas* c = bmp->Canvas();
    EXPECT_EQ(c->Pixel(5, 5), Red) << child->ClassName();
    EXPECT_EQ(c->Pixel(15, 5), Blue) << child->ClassName();
    EXPECT_EQ(c->Pixel(5, 10), Green) << child->ClassName();
    EXPECT_EQ(c->Pixel(15, 11), Blue) << child->ClassName();
  }
}

TEST_F(ControlBackgroundIntegration, OtherParentsEraseAndPaintWithoutTheControlItself) {
  auto* spot = Add<TSpot>(form.get(), 50, 50, 40, 30);
  auto* label = new TLabel(form.get());
  label->SetAutoSize(false);
  label->SetParent(form.get());
  label->SetColor(clYellow);
  label->SetBounds(70, 60, 40, 40);
  std::unique_ptr<TBitmap> bmp = Background(spot);
  TCanvas* c = bmp->Canvas();
  EXPECT_EQ(c->Pixel(5, 5), ColorToRGB(clWhite));
  EXPECT_EQ(c->Pixel(25, 15), ColorToRGB(clYellow));
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) ASSERT_NE(c->Pixel(x, y), Olive) << x << "," << y;
}

bool FillBlue(TCanvas* canvas, const TteBackground& b) {
  EXPECT_TRUE(b.Control->ControlState().Contains(csPaintCopy));
  EXPECT_EQ(b.Rect, b.Control->BoundsRect());
  EXPECT_EQ(b.ClipRect, b.Rect);
  canvas->Brush()->SetColor(Blue);
  canvas->FillRect(b.Rect);
  return true;
}
bool FillGreen(TCanvas* canvas, const TteBackground& b) {
  canvas->Brush()->SetColor(Green);
  canvas->FillRect(b.Rect);
  return true;
}

TEST_F(ControlBackgroundIntegration, TheMostDerivedRegisteredClassWins) {
  RegisterDrawControlBackground(TDerivedProcPanel::StaticClass(), FillGreen);
  RegisterDrawControlBackground(TProcPanel::StaticClass(), FillBlue);
  auto* base = Add<TProcPanel>(form.get(), 0, 0, 100, 100);
  auto* derived = Add<TDerivedProcPanel>(form.get(), 100, 0, 100, 100);
  std::unique_ptr<TBitmap> onBase = Background(Add<TSpot>(base, 10, 60, 10, 10));
  std::unique_ptr<TBitmap> onDerived = Background(Add<TSpot>(derived, 10, 60, 10, 10));
  EXPECT_EQ(onBase->Canvas()->Pixel(9, 9), Blue);
  EXPECT_EQ(onDerived->Canvas()->Pixel(0, 0), Green);
}

TEST_F(ControlBackgroundIntegration, NothingForAControlWithoutParentOrAreaOrAlreadyACopy) {
  auto* box = Add<TGroupBox>(form.get(), 20, 20, 300, 200);
  box->SetColor(Olive);
  auto* copying = Add<TSpot>(box, 10, 30, 10, 10);
  copying->ControlState().Include(csPaintCopy);
  auto* empty = Add<TSpot>(box, 10, 30, 0, 10);
  TSpot orphan(nullptr);
  orphan.SetBounds(0, 0, 10, 10);
  TBitmap bmp;
  bmp.SetSize(10, 10);
  bmp.Canvas()->Brush()->SetColor(clBlack);
  bmp.Canvas()->FillRect(Rect(0, 0, 10, 10));
  for (TControl* c : {static_cast<TControl*>(copying), static_cast<TControl*>(empty),
                      static_cast<TControl*>(&orphan), static_cast<TControl*>(nullptr)})
    DrawControlBackground(c, bmp.Canvas());
  EXPECT_EQ(bmp.Canvas()->Pixel(5, 5), clBlack);
  EXPECT_TRUE(copying->ControlState().Contains(csPaintCopy));
}

}  // namespace
}  // namespace z5t8::skin::theme
