#include "skin/controls/Menus.h"

#include <cwctype>

#include "framework/Properties.h"
#include "platform/gui/MessageQueue.h"

namespace z5t8::skin::controls {

Z5T8_IMPLEMENT_CLASS(TTePopupMenu, fw::TPopupMenu) {}

TTePopupMenu::TTePopupMenu(fw::TComponent* owner)
    : fw::TPopupMenu(owner), FOptions(std::make_unique<TTePopupMenuOptions>()) {}

TTePopupMenu::~TTePopupMenu() = default;

Z5T8_IMPLEMENT_CLASS(TTeMenuBar, fw::TComponent) {}

TTeMenuBar::TTeMenuBar(fw::TComponent* owner)
    : fw::TComponent(owner), FItems(std::make_unique<fw::TMenuItem>(nullptr)) {}

TTeMenuBar::~TTeMenuBar() = default;

void TTeMenuBar::KeyboardLoop(pg::HWND window) {
  pg::MSG msg;
  if (!pg::PeekMessageW(&msg, window, pg::WM_CHAR, pg::WM_CHAR, pg::PM_REMOVE)) return;
  OpenItemOf(char16_t(msg.wParam));
}

bool TTeMenuBar::OpenItemOf(char16_t c) {
  char16_t key = char16_t(std::towlower(wint_t(c)));
  for (int i = 0; i < FItems->Count(); ++i) {
    fw::TMenuItem* item = FItems->Items(i);
    if (!item->Visible() || !item->Enabled() || fw::GetHotkey(item->Caption()) != key) continue;
    if (item->Count() == 0) {
      item->Click();
      return true;
    }
    // The sub-items show in a menu of their own; each runs its original.
    FMenu = std::make_unique<fw::TPopupMenu>(nullptr);
    for (int k = 0; k < item->Count(); ++k) {
      fw::TMenuItem* original = item->Items(k);
      auto* copy = new fw::TMenuItem(nullptr);
      copy->SetCaption(original->Caption());
      copy->SetShortCut(original->ShortCut());
      copy->SetEnabled(original->Enabled());
      copy->SetVisible(original->Visible());
      copy->SetImageIndex(original->ImageIndex());
      copy->OnClick = [original](fw::TObject*) { original->Click(); };
      FMenu->Items()->Add(copy);
    }
    FMenu->Popup(FPopupPoint.x, FPopupPoint.y);
    return true;
  }
  return false;
}

namespace {

fw::TMenuItem* FindShortCut(fw::TMenuItem* parent, fw::TShortCut shortCut) {
  for (int i = 0; i < parent->Count(); ++i) {
    fw::TMenuItem* item = parent->Items(i);
    if (!item->Visible() || !item->Enabled()) continue;
    if (item->ShortCut() == shortCut) return item;
    if (fw::TMenuItem* inner = FindShortCut(item, shortCut)) return inner;
  }
  return nullptr;
}

}  // namespace

bool TTeMenuBar::IsShortCut(fw::TShortCut shortCut) {
  if (shortCut == fw::scNone) return false;
  fw::TMenuItem* item = FindShortCut(FItems.get(), shortCut);
  if (!item) return false;
  item->Click();
  return true;
}

}  // namespace z5t8::skin::controls
