#include <gtest/gtest.h>

#include <memory>

#include "framework/gui/Bitmap.h"
#include "framework/gui/Form.h"
#include "framework/gui/GroupBox.h"
#include "framework/gui/Label.h"
#include "framework/gui/tests/GuiFixture.h"
#include "framework/gui/FontRealizer.h"

namespace z5t8::framework {
namespace {

class GroupBoxIntegration : public GuiTest {};

TEST_F(GroupBoxIntegration, ParentsControlsInsideTheFrameAndPaintsItsCaptionOnTheTopLine) {
  std::unique_ptr<TForm> form(new TForm(nullptr));
  form->SetBounds(40, 40, 260, 200);
  auto* box = new TGroupBox(form.get());
  box->SetParent(form.get());
  box->SetBounds(10, 10, 200, 120);
  box->SetColor(clBtnFace);
  box->SetCaption(u"Options");
  auto* inside = new TLabel(form.get());
  inside->SetAutoSize(false);
  inside->SetParent(box);
  inside->SetColor(clYellow);
  inside->SetAlign(alClient);
  EXPECT_EQ(inside->Parent(), box);
  EXPECT_TRUE(box->ControlStyle().Contains(csAcceptsControls));

  pg::DeviceContext measure;
  measure.selectFont(RealizeFont(*box->Font()));
  int captionHeight = measure.textExtent(u"0").cy;
  int captionWidth = measure.textExtent(u"Options").cx;
  EXPECT_EQ(inside->BoundsRect(), Rect(2, captionHeight, 198, 118));

  form->Show();
  form->Repaint();
  TBitmap shot;
  shot.SetSize(box->Width(), box->Height());
  box->PaintTo(shot.DC(), 0, 0);
  TCanvas* c = shot.Canvas();
  const TColor shadow = ColorToRGB(clBtnShadow), highlight = ColorToRGB(clBtnHighlight);
  int line = captionHeight / 2 - 1;
  // The etched line: shadow, then highlight; broken where the caption sits.
  EXPECT_EQ(c->Pixel(4, line), shadow);
  EXPECT_EQ(c->Pixel(4, line + 1), highlight);
  EXPECT_EQ(c->Pixel(150, line), shadow);
  EXPECT_EQ(c->Pixel(0, 60), shadow);
  EXPECT_EQ(c->Pixel(199, 60), highlight);
  bool textInk = false, lineUnderCaption = false;
  for (int x = 10; x < 10 + captionWidth; ++x) {
    lineUnderCaption |= c->Pixel(x, line) == shadow && c->Pixel(x, line + 1) == highlight;
    for (int y = 0; y < captionHeight; ++y) textInk |= c->Pixel(x, y) == ColorToRGB(box->Font()->Color());
  }
  EXPECT_TRUE(textInk);
  EXPECT_FALSE(lineUnderCaption);
  EXPECT_EQ(c->Pixel(100, 60), ColorToRGB(clYellow));
}

}  // namespace
}  // namespace z5t8::framework
