#pragma once

#include <memory>

#include "framework/gui/Menus.h"
#include "platform/gui/WindowTypes.h"
#include "skin/controls/FormOptions.h"

namespace z5t8::skin::controls {

namespace fw = framework;
namespace pg = platform::gui;
using fw::TPoint;

// A popup menu that takes the looks a skinned frame gives it: the frame's
// system-menu or tray-menu options, and whether it opens from the tray.
class TTePopupMenu : public fw::TPopupMenu {
  Z5T8_CLASS(TTePopupMenu, fw::TPopupMenu)
public:
  explicit TTePopupMenu(fw::TComponent* owner);
  ~TTePopupMenu() override;
  TTePopupMenuOptions* Options() const { return FOptions.get(); }
  void SetOptions(const TTePopupMenuOptions* value) { FOptions->Assign(value); }
  bool Tray() const { return FTray; }
  void SetTray(bool value) { FTray = value; }

private:
  std::unique_ptr<TTePopupMenuOptions> FOptions;
  bool FTray = false;
};

// A form's menu bar as the keyboard reaches it: Alt with an item's "&"
// character opens that item (its sub-items as a menu under the bar, or its
// click), and shortcuts run the item that carries them.
class TTeMenuBar : public fw::TComponent {
  Z5T8_CLASS(TTeMenuBar, fw::TComponent)
public:
  explicit TTeMenuBar(fw::TComponent* owner);
  ~TTeMenuBar() override;
  fw::TMenuItem* Items() const { return FItems.get(); }
  // Where the bar's sub-menus open (a screen point), when they open.
  TPoint PopupPoint() const { return FPopupPoint; }
  void SetPopupPoint(TPoint value) { FPopupPoint = value; }

  // Takes the character waiting for `window` (WM_CHAR) and opens the top
  // item it marks; nothing when none does.
  virtual void KeyboardLoop(pg::HWND window);
  // Opens the top item marked by `c`; false when none is.
  bool OpenItemOf(char16_t c);
  // Runs the enabled, visible item with that shortcut; false when none has it.
  bool IsShortCut(fw::TShortCut shortCut);
  // The menu the last opened item showed (null before, or for an item without sub-items).
  fw::TPopupMenu* OpenedMenu() const { return FMenu.get(); }

private:
  std::unique_ptr<fw::TMenuItem> FItems;
  std::unique_ptr<fw::TPopupMenu> FMenu;
  TPoint FPopupPoint{0, 0};
};

}  // namespace z5t8::skin::controls
