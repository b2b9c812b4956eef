#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Component.h"
#include "framework/Event.h"
#include "framework/gui/Canvas.h"
#include "framework/gui/Control.h"
#include "platform/gui/WindowTypes.h"

namespace z5t8::framework {

class TImageList;

// A key with its modifiers, as menus show and match them.
using TShortCut = uint16_t;
inline constexpr TShortCut scShift = 0x2000;
inline constexpr TShortCut scCtrl = 0x4000;
inline constexpr TShortCut scAlt = 0x8000;
inline constexpr TShortCut scNone = 0;

TShortCut ShortCut(uint16_t key, TShiftState shift);
// "Alt+F4", "Ctrl+Shift+A", "Del"; empty for scNone.
std::u16string ShortCutToText(TShortCut shortCut);
// The character a caption marks with "&", in lower case; 0 when none ("&&" is a
// plain "&").
char16_t GetHotkey(std::u16string_view caption);
std::u16string StripHotkey(std::u16string_view caption);

// One entry of a menu; the caption "-" makes it a separator line. An item frees
// the items it holds.
class TMenuItem : public TComponent {
  Z5T8_CLASS(TMenuItem, TComponent)
public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;

  const std::u16string& Caption() const { return FCaption; }
  void SetCaption(std::u16string value) { FCaption = std::move(value); }
  TShortCut ShortCut() const { return FShortCut; }
  void SetShortCut(TShortCut value) { FShortCut = value; }
  // Into the menu's image list; -1 for none.
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int value) { FImageIndex = value; }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value) { FEnabled = value; }
  bool Visible() const { return FVisible; }
  void SetVisible(bool value) { FVisible = value; }
  // Drawn in bold: what a double-click on the menu's owner would do.
  bool Default() const { return FDefault; }
  void SetDefault(bool value) { FDefault = value; }
  bool IsLine() const { return FCaption == u"-"; }

  int Count() const { return int(FItems.size()); }
  // EListError outside the list.
  TMenuItem* Items(int index) const;
  TMenuItem* Parent() const { return FParent; }
  int IndexOf(const TMenuItem* item) const;
  // Takes the item out of any other menu first.
  void Add(TMenuItem* item);
  void Insert(int index, TMenuItem* item);
  // Takes the item out without freeing it.
  void Remove(TMenuItem* item);
  void Delete(int index);
  void Clear();

  virtual void Click();
  TNotifyEvent OnClick;

private:
  std::u16string FCaption;
  TShortCut FShortCut = scNone;
  int FImageIndex = -1;
  bool FEnabled = true;
  bool FVisible = true;
  bool FDefault = false;
  TMenuItem* FParent = nullptr;
  std::vector<TMenuItem*> FItems;
};

class TPopupMenuWindow;

// A menu that opens at a point of the screen, in a window of its own that the
// window manager leaves alone, and closes on a choice, a click outside it,
// Escape or Alt. Items are chosen with the mouse, the arrow keys and Enter, or
// the key of their "&" character.
class TPopupMenu : public TComponent {
  Z5T8_CLASS(TPopupMenu, TComponent)
public:
  explicit TPopupMenu(TComponent* owner);
  ~TPopupMenu() override;

  TMenuItem* Items() const { return FItems.get(); }
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* value);

  // Shows the menu with its top-left corner at the screen point (or its other
  // corners there, to stay on the screen) and handles the program's messages
  // until it closes. The chosen item's Click runs after the menu has gone.
  virtual void Popup(int x, int y);
  // Closes the showing menu with no choice.
  void CloseMenu();
  bool Showing() const { return FWindow != nullptr; }
  // The menu's window while it shows.
  platform::gui::HWND WindowHandle() const;
  // Where the menu showing now, or last, was on the screen, and the place of an
  // item of Items() in it (window coordinates; empty for hidden items).
  TRect MenuBounds() const { return FBounds; }
  TRect ItemRect(int index) const;

  // Before the menu shows, when its items may still change.
  TNotifyEvent OnPopup;

protected:
  void Notification(TComponent* component, TOperation operation) override;

private:
  friend class TPopupMenuWindow;
  std::unique_ptr<TMenuItem> FItems;
  TImageList* FImages = nullptr;
  TPopupMenuWindow* FWindow = nullptr;
  TRect FBounds{};
  std::vector<TRect> FItemRects;
};

}  // namespace z5t8::framework
