#include "tools/skin-tool/Preview.h"

#include "framework/Exceptions.h"
#include "platform/gui/Png.h"
#include "skin/render/Bitmap.h"
#include "skin/render/CanvasDrawing.h"
#include "skin/se3/SkinBitmapSkinObjects.h"
#include "skin/theme/ThemeInfo.h"

namespace z5t8::skin_tool {

using framework::TCanvas;
using skin::render::Rect;
using skin::se3::TSeSkinObject;
using skin::se3::TSeSkinSource;
using skin::se3::TSeState;
using namespace skin::se3;

namespace {

const Rect kNoClip = skin::theme::NullRect;

class Sheet {
public:
  Sheet(TSeSkinSource& skin, int w, int h) : FSkin(skin) {
    FPicture.SetSize(w, h);
    FPicture.Clear(skin::render::teColor(0xFF7E93A8));
    FCanvas = FPicture.GetCanvas();
  }

  TSeSkinObject* Find(const char* path) { return FSkin.GetObjectByName(path); }

  // An object in a state at a place; nothing when the skin lacks it.
  void Draw(const char* path, Rect r, TSeState state = ssNormal, const std::u16string& text = {}) {
    TSeSkinObject* o = Find(path);
    if (!o) return;
    o->SetState(state);
    o->SetText(text);
    o->SetBoundsRect(r);
    o->Draw(FCanvas, kNoClip);
    o->SetText({});
  }

  // A window frame with its client, caption and caption buttons.
  void Window(const char* name, Rect r, bool active, const std::u16string& caption) {
    TSeSkinObject* frame = Find(name);
    if (!frame) return;
    skin::theme::TteWindowButtons buttons{skin::theme::kwbClose, skin::theme::kwbMin, skin::theme::kwbMax,
                                          skin::theme::kwbSysMenu};
    frame->SetState(ssNormal);
    frame->SetSysButtons(buttons);
    frame->SetActive(!active);
    frame->SetActive(active);
    frame->SetBoundsRect(r);
    frame->AligningAll();
    if (TSeSkinObject* title = frame->FindObjectByKind(skTitle)) title->SetText(caption);
    frame->Draw(FCanvas, kNoClip);
    if (TSeSkinObject* title = frame->FindObjectByKind(skTitle)) title->SetText({});
  }

  void Label(int x, int y, const std::u16string& text) {
    framework::TFont font;
    font.SetName("Tahoma");
    font.SetSize(8);
    font.SetColor(0x00FFFFFF);
    FCanvas->SetFont(font);
    FCanvas->Brush()->SetStyle(framework::bsClear);
    skin::render::DrawText(FCanvas, text, x, y);
  }

  bool Save(const std::string& path) {
    return platform::gui::writePngFile(*FPicture.DC()->surface(), path, false);
  }

private:
  TSeSkinSource& FSkin;
  skin::render::TteBitmap FPicture;
  TCanvas* FCanvas = nullptr;
};

}  // namespace

void RenderPreview(TSeSkinSource& skin, const std::string& pngPath) {
  Sheet s(skin, 1010, 640);
  // The main window's size, active; a tool window, inactive.
  s.Window("Form", {10, 10, 390, 450}, true, u"Aqua preview");
  s.Draw("Button\\Face", {30, 60, 208, 101}, ssNormal, u"Normal");
  s.Draw("Button\\Face", {30, 110, 208, 151}, ssHot, u"Hot");
  s.Draw("Button\\Face", {30, 160, 208, 201}, ssPressed, u"Pressed");
  s.Draw("Button\\Face", {30, 210, 208, 251}, ssFocused, u"Focused");
  s.Draw("Button\\Face", {30, 260, 208, 301}, ssDisabled, u"Disabled");
  const TSeState five[] = {ssNormal, ssHot, ssPressed, ssFocused, ssDisabled};
  for (int i = 0; i < 5; ++i) s.Draw("Button\\Face", {230, 68 + 50 * i, 305, 93 + 50 * i}, five[i], u"OK");
  // A memo with a vertical scroll bar, and a horizontal bar under it.
  s.Draw("Edit\\Frame", {30, 320, 370, 430});
  s.Draw("ScrollBar\\TopButton", {352, 322, 368, 338});
  s.Draw("ScrollBar\\VertFrame", {352, 338, 368, 412});
  s.Draw("ScrollBar\\VertSlider", {352, 350, 368, 390}, ssHot);
  s.Draw("ScrollBar\\BottomButton", {352, 412, 368, 428});
  s.Draw("ScrollBar\\LeftButton", {32, 412, 48, 428});
  s.Draw("ScrollBar\\HorzFrame", {48, 412, 336, 428});
  s.Draw("ScrollBar\\HorzSlider", {80, 412, 200, 428});
  s.Draw("ScrollBar\\RightButton", {336, 412, 352, 428});

  s.Window("ToolWindow", {410, 10, 700, 200}, false, u"Tool window");
  // Check boxes, radio buttons, each in normal, hot, pressed and disabled.
  const TSeState four[] = {ssNormal, ssHot, ssPressed, ssDisabled};
  const char* checks[] = {"CheckBox\\Unchecked", "CheckBox\\Checked", "CheckBox\\Mixed",
                          "RadioButton\\Unchecked", "RadioButton\\Checked"};
  for (int row = 0; row < 5; ++row)
    for (int i = 0; i < 4; ++i)
      s.Draw(checks[row], {720 + 20 * i, 20 + 20 * row, 733 + 20 * i, 33 + 20 * row}, four[i]);
  s.Draw("GroupBox\\Frame", {820, 14, 1000, 120});
  s.Draw("ProgressBar\\Frame", {720, 130, 1000, 148});
  s.Draw("ProgressBar\\Bar", {722, 132, 900, 146});
  s.Draw("TrackBar\\Track", {720, 160, 1000, 180});
  for (int i = 0; i < 4; ++i) s.Draw("TrackBar\\Thumb", {740 + 60 * i, 160, 752 + 60 * i, 180}, four[i]);
  // Tabs over their page; a header; a status bar with its gripper.
  s.Draw("Tabs\\Frame", {410, 239, 700, 330});
  s.Draw("Tabs\\Tab", {414, 220, 480, 240}, ssFocused);
  s.Draw("Tabs\\Tab", {480, 222, 546, 240}, ssNormal);
  s.Draw("Tabs\\Tab", {546, 222, 612, 240}, ssHot);
  s.Draw("Header\\Section", {410, 350, 500, 368});
  s.Draw("Header\\Section", {500, 350, 590, 368}, ssHot);
  s.Draw("Header\\Section", {590, 350, 700, 368}, ssPressed);
  s.Draw("StatusBar\\Frame", {410, 380, 700, 400});
  s.Draw("StatusBar\\Panel", {410, 380, 520, 400});
  s.Draw("StatusBar\\Gripper", {684, 384, 700, 400});
  // Menus: a bar with a hot and a selected item, and a popup with a separator.
  s.Draw("MenuBar\\Frame", {720, 200, 1000, 222});
  s.Draw("MenuBar\\Item", {724, 202, 780, 220}, ssHot);
  s.Draw("MenuBar\\Item", {782, 202, 840, 220}, ssFocused);
  s.Draw("PopupMenu\\Frame", {740, 222, 900, 330});
  s.Draw("PopupMenu\\Item", {742, 226, 898, 244}, ssHot);
  s.Draw("PopupMenu\\Item", {742, 246, 898, 264}, ssFocused);
  s.Draw("PopupMenu\\Separator", {746, 270, 894, 276});
  s.Draw("Hint", {720, 345, 880, 367});
  // Lists, grids, panels and the rest.
  s.Draw("ListBox\\Frame", {720, 380, 880, 480});
  s.Draw("ListBox\\Item", {722, 382, 878, 398}, ssFocused);
  s.Draw("ListBox\\Item", {722, 398, 878, 414}, ssHot);
  s.Draw("Grid\\Frame", {890, 380, 1000, 480});
  for (int i = 0; i < 3; ++i) {
    s.Draw("Grid\\Fixed", {892, 382 + 18 * i, 930, 400 + 18 * i});
    s.Draw("Grid\\Cell", {930, 382 + 18 * i, 998, 400 + 18 * i});
  }
  s.Draw("ComboBox\\Frame", {410, 420, 560, 441});
  s.Draw("ComboBox\\Button", {542, 422, 558, 439}, ssHot);
  s.Draw("SpinButton\\Face", {570, 420, 586, 430});
  s.Draw("SpinButton\\Face", {570, 431, 586, 441}, ssPressed);
  s.Draw("Panel\\Frame", {410, 460, 700, 620});
  s.Draw("Panel\\Caption", {411, 461, 699, 479});
  s.Draw("ControlBar\\Back", {720, 500, 1000, 526});
  s.Draw("ControlBar\\Grabber", {724, 503, 728, 523});
  s.Draw("ControlBar\\Face", {732, 502, 755, 524}, ssHot);
  s.Draw("ControlBar\\Separator", {760, 502, 762, 524});
  s.Draw("Container\\Panel", {720, 540, 1000, 620});
  s.Label(20, 470, u"Push buttons at 178 x 41 and 75 x 25: normal, hot, pressed, focused, disabled.");
  if (!s.Save(pngPath)) throw framework::Exception("cannot write " + pngPath);
}

}  // namespace z5t8::skin_tool
