#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/MemoryStream.h"
#include "skin/render/Bitmap.h"
#include "skin/se3/SkinBitmapObjects.h"
#include "skin/se3/SkinBitmapSkinObjects.h"
#include "skin/se3/SkinSource.h"
#include "skin/theme/ThemeValueText.h"

namespace z5t8::skin::se3::testing {

inline std::vector<uint8_t> Bytes(framework::TMemoryStream& s) { return s.Bytes(); }

inline void Link(render::TteBitmapLink* link, const std::string& name, Rect r) {
  link->Name = name;
  link->SetRect(r);
}

// A small skin of the tests' own: a keyed and an alpha picture; a Form with a title bar
// holding every caption button and a client; a Button with a Face; and tables with a few
// values of their own (an italic-only font among them).
inline std::unique_ptr<TSeSkinSource> SmallSkin() {
  auto skin = std::make_unique<TSeSkinSource>();
  skin->SetSkinName("Tiny");
  skin->SetSkinVersion("1.2");
  skin->SetAuthor("Tests");
  skin->SetAuthorEMail("");
  skin->SetAuthorURL("");

  auto frame = std::make_unique<render::TteBitmap>();
  frame->Name = "frame.png";
  frame->SetSize(6, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 6; ++x)
      frame->SetPixel(x, y, render::teColor(uint32_t(0xFF102030 + x * 0x10 + y * 0x1000)));
  frame->SetPixel(0, 0, render::teTransparentVar);
  frame->Transparent = true;
  skin->Images()->Add(std::move(frame));
  auto face = std::make_unique<render::TteBitmap>();
  face->Name = "face.png";
  face->SetSize(4, 4);
  face->Clear(render::teColor(0xFFE0E8F0u));
  face->SetPixel(1, 1, render::teColor(0x80FFFFFFu));
  face->AlphaBlend = true;
  skin->Images()->Add(std::move(face));

  auto form = std::make_unique<TSeSkinObject>(nullptr);
  form->SetName("Form");
  form->SetKind(skForm);
  form->SetBoundsRect({0, 0, 300, 250});
  form->SetColor(0x00F2EDE8);
  auto* top = new TSeSkinObject(form.get());
  top->SetName("Top");
  top->SetAlign(saTop);
  top->SetBoundsRect({0, 0, 300, 26});
  auto* title = new TSeFormBitmapSkinObject(top);
  title->SetName("TopCenter");
  title->SetAlign(saClient);
  title->SetKind(skTitle);
  title->SetColor(0x00E8DDD3);
  title->Font()->SetStyle({framework::fsBold});
  Link(title->Bitmap(), "frame.png", {1, 0, 5, 4});
  const struct {
    const char* name;
    TSeAction action;
  } buttons[] = {{"Close", sbaClose},     {"Max", sbaMaximize},  {"Min", sbaMinimize},
                 {"Restore", sbaRestore}, {"RollUp", sbaRollUp}, {"RollDown", sbaRollDown}};
  int left = 278;
  for (const auto& b : buttons) {
    auto* button = new TSeSysButtonSkinObject(top);
    button->SetName(b.name);
    button->SetAction(b.action);
    button->SetAlign(saTopRight);
    button->SetBoundsRect({left, 6, left + 14, 20});
    Link(button->Bitmap(), "face.png", {0, 0, 4, 4});
    left -= 20;
  }
  auto* sysMenu = new TSeSystemButton(top);
  sysMenu->SetName("SysMenu");
  sysMenu->SetAction(sbaSysMenu);
  sysMenu->SetBoundsRect({6, 5, 22, 21});
  auto* client = new TSeSkinObject(form.get());
  client->SetName("Client");
  client->SetAlign(saClient);
  client->SetKind(skClient);
  client->SetColor(0x00F2EDE8);
  client->SetMasked(false);
  skin->AddObject(std::move(form));

  auto button = std::make_unique<TSeSkinObject>(nullptr);
  button->SetName("Button");
  button->SetColor(0x00F0E5DC);
  auto* faceObject = new TSeButtonObject(button.get());
  faceObject->SetName("Face");
  faceObject->SetAlign(saClient);
  faceObject->SetMarginLeft(1);
  faceObject->SetMarginTop(1);
  faceObject->SetMarginRight(1);
  faceObject->SetMarginBottom(1);
  Link(faceObject->Bitmap(), "face.png", {0, 0, 4, 4});
  skin->AddObject(std::move(button));

  skin->Colors()->SetColor(theme::ktcWindow, 0x00F2EDE8);
  skin->SysColors()->SetColor(framework::clBtnFace, 0x00E8DDD3);
  theme::DescriptionToFont("Tahoma,8,1,0,0,128,italic", *skin->Fonts()->GetFont(theme::ktfListItemTextHot));
  theme::DescriptionToFont("Arial,9,1,31,45,58,bold", *skin->Fonts()->GetFont(theme::ktfCaptionTextNormal));
  return skin;
}

// The store body of a source in a layout.
inline std::vector<uint8_t> StoreBody(TSeSkinSource& skin, TSeSkinStoreLayout layout) {
  framework::TMemoryStream s;
  skin.WriteStore(s, layout);
  return s.Bytes();
}

// One line per object, indented by depth: class, name, kind, bounds and visibility.
inline void Outline(TSeSkinObject* o, int depth, std::string& out) {
  Rect r = o->GetBoundsRect();
  out += std::string(size_t(depth) * 2, ' ') + o->ClassName() + " " + o->Name() + " k" +
         std::to_string(int(o->Kind())) + " (" + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
         std::to_string(r.right) + "," + std::to_string(r.bottom) + ")" + (o->Visible() ? "" : " hidden") +
         "\n";
  for (int i = 0; i < o->GetCount(); ++i) Outline(o->GetObject(i), depth + 1, out);
}

inline std::string Outline(TSeSkinObject* o) {
  std::string out;
  if (o) Outline(o, 0, out);
  return out;
}

}  // namespace z5t8::skin::se3::testing
