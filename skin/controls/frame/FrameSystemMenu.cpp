// The frame's system menu (its own items, or a linked popup menu), the menu
// bar and window menu it hosts, and the shortcuts that reach them.

#include "skin/controls/frame/DefaultForm.h"

#include <algorithm>

#include "framework/gui/SystemMenuImages.h"
#include "platform/gui/VirtualKeys.h"

namespace z5t8::skin::controls {

using namespace theme;

std::vector<TTeSysMenuItem> TTeDefaultForm::CreateSysMenu() const {
  std::vector<TTeSysMenuItem> items;
  TTeWindowState s = FWindowState;
  auto in = [&](std::initializer_list<TTeWindowState> states) {
    return std::find(states.begin(), states.end(), s) != states.end();
  };
  if (s != kwsNormal) items.push_back({u"&Restore", 3, {}});
  if (FBorderIcons.Contains(kbiMinimize) && in({kwsNormal, kwsMaximized, kwsRollup}))
    items.push_back({u"Mi&nimize", 1, {}});
  if (FBorderIcons.Contains(kbiMaximize) && in({kwsNormal, kwsRollup}))
    items.push_back({u"Ma&ximize", 2, {}});
  if (FBorderIcons.Contains(kbiRollup) && in({kwsNormal, kwsMaximized})) items.push_back({u"Ro&llup", 4, {}});
  if (FBorderIcons.Contains(kbiTray) && in({kwsNormal, kwsMaximized, kwsRollup}))
    items.push_back({u"Minimize to &Tray", 5, {}});
  if (FBorderIcons.Contains(kbiClose)) {
    if (!items.empty()) items.push_back({u"-", -1, {}});
    items.push_back({u"&Close", 0, u"Alt+F4"});
  }
  return items;
}

void TTeDefaultForm::SysMenuItemClick(const std::u16string& caption) {
  if (caption == u"&Close")
    Close();
  else if (caption == u"Ma&ximize")
    Maximize();
  else if (caption == u"Mi&nimize")
    Minimize();
  else if (caption == u"Ro&llup")
    Rollup();
  else if (caption == u"Minimize to &Tray")
    MinToTray();
  else if (caption == u"&Restore")
    Restore();
}

void TTeDefaultForm::SysMenu() {
  if (InState(fw::csDesigning)) return;
  TPoint at;
  if (FWindowState == kwsTray) {
    pg::GetCursorPos(&at);
  } else if (FSysMenuPos.x != 0 || FSysMenuPos.y != 0) {
    at = FSysMenuPos;
  } else if (fw::TWinControl* control = GetWinControl()) {
    at = control->ClientOrigin();
  }
  if (FWindowState == kwsTray && FTrayMenuLink) {
    PopupMenuAt(FTrayMenuLink, at);
    return;
  }
  if (FWindowState != kwsTray && FSystemMenuLink && !FSystemMenuLinkMerge) {
    PopupMenuAt(FSystemMenuLink, at);
    return;
  }
  ShowBuiltInSystemMenu(at);
}

void TTeDefaultForm::PopupMenuAt(fw::TPopupMenu* menu, TPoint at) {
  FLastSysMenuPoint = at;
  if (auto* skinned = dynamic_cast<TTePopupMenu*>(menu)) {
    bool tray = FWindowState == kwsTray;
    skinned->SetOptions(tray ? FTrayMenuOptions.get() : FSystemMenuOptions.get());
    skinned->SetTray(tray);
  }
  menu->Popup(at.x, at.y);
}

void TTeDefaultForm::ShowBuiltInSystemMenu(TPoint at) {
  FLastSysMenu = CreateSysMenu();
  if (!FMenuImages) {
    FMenuImages = std::make_unique<fw::TImageList>(nullptr);
    fw::AddSystemMenuImages(*FMenuImages);
  }
  if (FSysMenu && FSysMenu->Showing()) return;
  FSysMenu = std::make_unique<TTePopupMenu>(nullptr);
  FSysMenu->SetImages(FMenuImages.get());
  fw::TMenuItem* root = FSysMenu->Items();
  for (const TTeSysMenuItem& def : FLastSysMenu) {
    auto* item = new fw::TMenuItem(nullptr);
    item->SetCaption(def.Caption);
    item->SetImageIndex(def.ImageIndex);
    if (!def.ShortCut.empty()) item->SetShortCut(fw::ShortCut(pg::VK_F4, {fw::ssAlt}));
    std::u16string caption = def.Caption;
    item->OnClick = [this, caption](fw::TObject*) {
      FMenuChose = true;
      SysMenuItemClick(caption);
    };
    root->Add(item);
  }
  if (FWindowState != kwsTray && FSystemMenuLink && FSystemMenuLinkMerge) {
    int at0 = FSystemMenuLinkMergeAtFirst ? 0 : root->Count();
    fw::TMenuItem* source = FSystemMenuLink->Items();
    for (int i = 0; i < source->Count(); ++i) {
      fw::TMenuItem* original = source->Items(i);
      auto* copy = new fw::TMenuItem(nullptr);
      copy->SetCaption(original->Caption());
      copy->SetShortCut(original->ShortCut());
      copy->SetEnabled(original->Enabled());
      copy->SetVisible(original->Visible());
      copy->OnClick = [this, original](fw::TObject*) {
        FMenuChose = true;
        original->Click();
      };
      root->Insert(at0 + i, copy);
    }
  }
  PopupMenuAt(FSysMenu.get(), at);
}

void TTeDefaultForm::SetSystemMenuLink(fw::TPopupMenu* menu) {
  if (FSystemMenuLink) FSystemMenuLink->RemoveFreeNotification(this);
  FSystemMenuLink = menu;
  if (menu) menu->FreeNotification(this);
}

void TTeDefaultForm::SetMenuBar(TTeMenuBar* value) {
  if (FMenuBar) FMenuBar->RemoveFreeNotification(this);
  FMenuBar = value;
  if (value) value->FreeNotification(this);
}

void TTeDefaultForm::SetWindowMenu(fw::TMenuItem* value) {
  if (FWindowMenu) FWindowMenu->RemoveFreeNotification(this);
  FWindowMenu = value;
  if (value) value->FreeNotification(this);
}

void TTeDefaultForm::ShortCut(fw::TObject* sender, fw::TShortCut shortCut, bool& handled) {
  if (FMenuBar && FMenuBar->IsShortCut(shortCut)) {
    handled = true;
    return;
  }
  FPrevShortCut(sender, shortCut, handled);
}

}  // namespace z5t8::skin::controls
