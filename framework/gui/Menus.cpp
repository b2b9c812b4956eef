#include "framework/gui/Menus.h"

#include <algorithm>
#include <cwctype>
#include <optional>

#include "framework/Exceptions.h"
#include "framework/Properties.h"
#include "framework/gui/Application.h"
#include "framework/gui/Bitmap.h"
#include "framework/gui/Edges.h"
#include "framework/gui/ImageList.h"
#include "platform/gui/Backend.h"
#include "platform/gui/DefWindowProc.h"
#include "platform/gui/Input.h"
#include "platform/gui/MessageQueue.h"
#include "platform/gui/Paint.h"
#include "platform/gui/SystemMetrics.h"
#include "platform/gui/SystemParameters.h"
#include "platform/gui/VirtualKeys.h"
#include "platform/gui/Window.h"

namespace z5t8::framework {

namespace pg = platform::gui;

TShortCut ShortCut(uint16_t key, TShiftState shift) {
  TShortCut s = TShortCut(key & 0xFF);
  if (shift.Contains(ssShift)) s |= scShift;
  if (shift.Contains(ssCtrl)) s |= scCtrl;
  if (shift.Contains(ssAlt)) s |= scAlt;
  return s;
}

namespace {

std::u16string keyName(int vk) {
  if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) return std::u16string(1, char16_t(vk));
  if (vk >= pg::VK_F1 && vk <= pg::VK_F1 + 23) {
    std::string n = "F" + std::to_string(vk - pg::VK_F1 + 1);
    return std::u16string(n.begin(), n.end());
  }
  switch (vk) {
    case pg::VK_BACK:
      return u"BkSp";
    case pg::VK_TAB:
      return u"Tab";
    case pg::VK_ESCAPE:
      return u"Esc";
    case pg::VK_RETURN:
      return u"Enter";
    case pg::VK_SPACE:
      return u"Space";
    case pg::VK_PRIOR:
      return u"PgUp";
    case pg::VK_NEXT:
      return u"PgDn";
    case pg::VK_END:
      return u"End";
    case pg::VK_HOME:
      return u"Home";
    case pg::VK_LEFT:
      return u"Left";
    case pg::VK_UP:
      return u"Up";
    case pg::VK_RIGHT:
      return u"Right";
    case pg::VK_DOWN:
      return u"Down";
    case pg::VK_INSERT:
      return u"Ins";
    case pg::VK_DELETE:
      return u"Del";
    default:
      return {};
  }
}

char16_t lower(char16_t c) { return c < 0x80 ? char16_t(std::towlower(c)) : c; }

}  // namespace

std::u16string ShortCutToText(TShortCut shortCut) {
  std::u16string name = keyName(shortCut & 0xFF);
  if (name.empty()) return {};
  std::u16string out;
  if (shortCut & scShift) out += u"Shift+";
  if (shortCut & scCtrl) out += u"Ctrl+";
  if (shortCut & scAlt) out += u"Alt+";
  return out + name;
}

char16_t GetHotkey(std::u16string_view caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != u'&') continue;
    if (caption[i + 1] != u'&') return lower(caption[i + 1]);
    ++i;
  }
  return 0;
}

std::u16string StripHotkey(std::u16string_view caption) {
  std::u16string out;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == u'&') {
      if (i + 1 >= caption.size()) break;
      ++i;
    }
    out += caption[i];
  }
  return out;
}

// ---------------------------------------------------------------------------

Z5T8_IMPLEMENT_CLASS(TMenuItem, TComponent) {}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {}

TMenuItem::~TMenuItem() {
  Clear();
  if (FParent) FParent->Remove(this);
}

TMenuItem* TMenuItem::Items(int index) const {
  if (index < 0 || index >= Count())
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  return FItems[size_t(index)];
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
  auto it = std::find(FItems.begin(), FItems.end(), item);
  return it == FItems.end() ? -1 : int(it - FItems.begin());
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (!item || item == this) return;
  if (item->FParent) item->FParent->Remove(item);
  index = std::clamp(index, 0, Count());
  FItems.insert(FItems.begin() + index, item);
  item->FParent = this;
}

void TMenuItem::Remove(TMenuItem* item) {
  int i = IndexOf(item);
  if (i < 0) return;
  FItems.erase(FItems.begin() + i);
  item->FParent = nullptr;
}

void TMenuItem::Delete(int index) {
  TMenuItem* item = Items(index);
  Remove(item);
  delete item;
}

void TMenuItem::Clear() {
  while (!FItems.empty()) Delete(Count() - 1);
}

void TMenuItem::Click() { OnClick(this); }

// ---------------------------------------------------------------------------

namespace {

const char16_t* const MenuClass = u"z5t8.PopupMenu";
const char16_t* const MenuProp = u"z5t8.popupmenu";

// The classic menu's measures.
constexpr int kBorder = 3;     // two edge rings and a pixel of space
constexpr int kSeparator = 9;  // height of a separator line's item
constexpr int kTextGap = 6;    // image column to text
constexpr int kShortCutGap = 24;
constexpr int kRightMargin = 16;

pg::LogFont menuFont() {
  pg::NONCLIENTMETRICSW ncm;
  pg::SystemParametersInfoW(pg::SPI_GETNONCLIENTMETRICS, 0, &ncm, 0);
  pg::LogFont lf = ncm.lfMenuFont;
  if (lf.faceName.empty()) lf.faceName = "Tahoma";
  if (lf.height == 0) lf.height = -11;
  return lf;
}

void useMenuFont(TCanvas& canvas, bool bold) {
  pg::LogFont lf = menuFont();
  TFont* f = canvas.Font();
  f->SetName(lf.faceName);
  f->SetHeight(lf.height);
  f->SetStyle(bold ? TFontStyles{fsBold} : TFontStyles{});
}

}  // namespace

// The showing menu: its window, its layout and the loop that runs it.
class TPopupMenuWindow {
public:
  explicit TPopupMenuWindow(TPopupMenu& menu) : menu_(menu) {}

  ~TPopupMenuWindow() {
    if (hwnd_ && pg::IsWindow(hwnd_)) {
      pg::RemovePropW(hwnd_, MenuProp);
      if (pg::GetCapture() == hwnd_) pg::ReleaseCapture();
      pg::DestroyWindow(hwnd_);
    }
  }

  pg::HWND hwnd() const { return hwnd_; }

  // Returns the chosen item, or null.
  TMenuItem* run(int x, int y) {
    layout();
    place(x, y);
    if (!create()) return nullptr;
    while (!done_) {
      pg::MSG msg;
      if (!pg::PeekMessageW(&msg, nullptr, 0, 0, pg::PM_REMOVE)) {
        // Nothing will ever come to choose with.
        if (!pg::WaitMessage()) close(nullptr);
        continue;
      }
      if (msg.message == pg::WM_QUIT) {
        pg::PostQuitMessage(int(msg.wParam));
        close(nullptr);
        break;
      }
      try {
        if (msg.message >= pg::WM_KEYFIRST && msg.message <= pg::WM_KEYLAST) {
          // The keyboard belongs to the menu while it shows, wherever the focus is.
          pg::TranslateMessage(&msg);
          key(msg.message, msg.wParam);
        } else {
          pg::TranslateMessage(&msg);
          pg::DispatchMessageW(&msg);
        }
      } catch (const std::exception& e) {
        Application()->HandleException(menuGone_ ? nullptr : &menu_, e);
      }
      if (!done_ && (!pg::IsWindow(hwnd_) || pg::GetCapture() != hwnd_)) close(nullptr);
    }
    return chosen_;
  }

  void close(TMenuItem* chosen) {
    if (done_) return;
    done_ = true;
    chosen_ = chosen;
  }

  // The menu is being freed from a handler the loop called: the loop ends and
  // touches neither the menu nor its items again.
  void abandon() {
    close(nullptr);
    menuGone_ = true;
    if (hwnd_ && pg::IsWindow(hwnd_)) {
      pg::RemovePropW(hwnd_, MenuProp);
      pg::DestroyWindow(hwnd_);
    }
    hwnd_ = nullptr;
  }
  bool menuGone() const { return menuGone_; }

  static pg::LRESULT WndProc(pg::HWND h, pg::UINT msg, pg::WPARAM wp, pg::LPARAM lp) {
    auto* self = static_cast<TPopupMenuWindow*>(pg::GetPropW(h, MenuProp));
    if (self) {
      if (auto r = self->handle(msg, lp)) return *r;
    }
    return pg::DefWindowProcW(h, msg, wp, lp);
  }

private:
  struct Entry {
    TMenuItem* item;
    int index;  // in the menu's items
    TRect rect;
  };

  void layout() {
    entries_.clear();
    TMenuItem* root = menu_.Items();
    TImageList* images = menu_.Images();
    imageWidth_ = images ? images->Width() : 16;
    int imageHeight = images ? images->Height() : 16;
    TBitmap scratch;
    scratch.SetSize(1, 1);
    TCanvas* c = scratch.Canvas();
    useMenuFont(*c, false);
    int textHeight = c->TextHeight(u"Ag");
    itemHeight_ = std::max(textHeight + 6, imageHeight + 4);
    int textWidth = 0, shortCutWidth = 0;
    for (int i = 0; i < root->Count(); ++i) {
      TMenuItem* item = root->Items(i);
      if (!item->Visible() || item->IsLine()) continue;
      useMenuFont(*c, item->Default());
      TRect r{0, 0, 0, 0};
      c->DrawText(item->Caption(), r, pg::DT_CALCRECT | pg::DT_SINGLELINE);
      textWidth = std::max(textWidth, r.width());
      if (std::u16string s = ShortCutToText(item->ShortCut()); !s.empty())
        shortCutWidth = std::max(shortCutWidth, c->TextWidth(s));
    }
    textLeft_ = kBorder + imageWidth_ + 4 + kTextGap;
    int width =
        textLeft_ + textWidth + (shortCutWidth ? kShortCutGap + shortCutWidth : 0) + kRightMargin + kBorder;
    int y = kBorder;
    menu_.FItemRects.assign(size_t(root->Count()), TRect{});
    for (int i = 0; i < root->Count(); ++i) {
      TMenuItem* item = root->Items(i);
      if (!item->Visible()) continue;
      int h = item->IsLine() ? kSeparator : itemHeight_;
      TRect r{kBorder, y, width - kBorder, y + h};
      entries_.push_back({item, i, r});
      menu_.FItemRects[size_t(i)] = r;
      y += h;
    }
    size_ = {width, y + kBorder};
  }

  // Flipped to the other side of the point where it would leave the screen.
  void place(int x, int y) {
    int sw = pg::GetSystemMetrics(pg::SM_CXSCREEN), sh = pg::GetSystemMetrics(pg::SM_CYSCREEN);
    if (x + size_.cx > sw) x = x - size_.cx >= 0 ? x - size_.cx : std::max(0, sw - size_.cx);
    if (y + size_.cy > sh) y = y - size_.cy >= 0 ? y - size_.cy : std::max(0, sh - size_.cy);
    menu_.FBounds = Bounds(x, y, size_.cx, size_.cy);
  }

  bool create() {
    pg::WNDCLASSEXW wc;
    if (!pg::GetClassInfoExW(MenuClass, &wc)) {
      wc.style = pg::CS_DBLCLKS;
      wc.lpfnWndProc = &TPopupMenuWindow::WndProc;
      wc.hCursor = pg::LoadCursorW(pg::IDC_ARROW);
      wc.lpszClassName = MenuClass;
      pg::RegisterClassExW(wc);
    }
    const TRect& b = menu_.FBounds;
    hwnd_ = pg::CreateWindowExW(pg::WS_EX_TOOLWINDOW | pg::WS_EX_TOPMOST, MenuClass, u"", pg::WS_POPUP,
                                b.left, b.top, b.width(), b.height(), pg::GetActiveWindow(), 0, nullptr);
    if (!hwnd_) return false;
    pg::SetPropW(hwnd_, MenuProp, this);
    pg::ShowWindow(hwnd_, pg::SW_SHOWNOACTIVATE);
    pg::UpdateWindow(hwnd_);
    pg::SetCapture(hwnd_);
    return pg::GetCapture() == hwnd_;
  }

  std::optional<pg::LRESULT> handle(pg::UINT msg, pg::LPARAM lp) {
    switch (msg) {
      case pg::WM_PAINT:
        paint();
        return 0;
      case pg::WM_ERASEBKGND:
        return 1;
      case pg::WM_MOUSEACTIVATE:
        return pg::MA_NOACTIVATE;
      case pg::WM_MOUSEMOVE:
        setHot(entryAt(pg::lParamToPoint(lp)));
        return 0;
      case pg::WM_LBUTTONDOWN:
      case pg::WM_RBUTTONDOWN:
      case pg::WM_MBUTTONDOWN:
      case pg::WM_LBUTTONDBLCLK:
      case pg::WM_RBUTTONDBLCLK:
        // A press outside closes the menu and goes no further.
        if (!inside(pg::lParamToPoint(lp))) close(nullptr);
        return 0;
      case pg::WM_LBUTTONUP:
      case pg::WM_RBUTTONUP: {
        int i = entryAt(pg::lParamToPoint(lp));
        if (i >= 0) choose(i);
        return 0;
      }
      case pg::WM_CANCELMODE:
        close(nullptr);
        return 0;
      default:
        return std::nullopt;
    }
  }

  bool inside(pg::Point p) const { return p.x >= 0 && p.y >= 0 && p.x < size_.cx && p.y < size_.cy; }

  int entryAt(pg::Point p) const {
    for (size_t i = 0; i < entries_.size(); ++i) {
      const TRect& r = entries_[i].rect;
      if (p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom)
        return entries_[i].item->IsLine() ? -1 : int(i);
    }
    return -1;
  }

  void choose(int i) {
    TMenuItem* item = entries_[size_t(i)].item;
    if (!item->Enabled() || item->IsLine()) return;
    close(item);
  }

  void setHot(int i) {
    if (i == hot_) return;
    hot_ = i;
    pg::InvalidateRect(hwnd_, nullptr, pg::FALSE);
  }

  // The next item in the direction that is not a line, round the end.
  int step(int from, int dir) const {
    int n = int(entries_.size());
    if (n == 0) return -1;
    int i = from;
    for (int k = 0; k < n; ++k) {
      i = i < 0 ? (dir > 0 ? 0 : n - 1) : (i + dir + n) % n;
      if (!entries_[size_t(i)].item->IsLine()) return i;
    }
    return -1;
  }

  void key(pg::UINT msg, pg::WPARAM wp) {
    switch (msg) {
      case pg::WM_KEYDOWN:
      case pg::WM_SYSKEYDOWN:
        switch (int(wp)) {
          case pg::VK_DOWN:
            setHot(step(hot_, 1));
            break;
          case pg::VK_UP:
            setHot(step(hot_, -1));
            break;
          case pg::VK_HOME:
            setHot(step(-1, 1));
            break;
          case pg::VK_END:
            setHot(step(-1, -1));
            break;
          case pg::VK_RETURN:
            if (hot_ >= 0) choose(hot_);
            break;
          case pg::VK_ESCAPE:
          case pg::VK_MENU:
          case pg::VK_F10:
            close(nullptr);
            break;
          default:
            break;
        }
        break;
      case pg::WM_CHAR:
      case pg::WM_SYSCHAR:
        hotkey(lower(char16_t(wp)));
        break;
      default:
        break;
    }
  }

  // One item with the key is chosen; several take turns at being hot.
  void hotkey(char16_t c) {
    if (c == 0) return;
    std::vector<int> matches;
    for (size_t i = 0; i < entries_.size(); ++i) {
      if (GetHotkey(entries_[i].item->Caption()) == c) matches.push_back(int(i));
    }
    if (matches.empty()) return;
    if (matches.size() == 1) {
      setHot(matches[0]);
      choose(matches[0]);
      return;
    }
    auto next = std::upper_bound(matches.begin(), matches.end(), hot_);
    setHot(next == matches.end() ? matches[0] : *next);
  }

  void paint() {
    pg::PAINTSTRUCT ps;
    pg::DeviceContext* dc = pg::BeginPaint(hwnd_, &ps);
    if (dc) {
      TCanvas canvas;
      canvas.SetHandle(dc);
      draw(canvas, *dc);
      canvas.SetHandle(nullptr);
    }
    pg::EndPaint(hwnd_, &ps);
  }

  void draw(TCanvas& c, pg::DeviceContext& dc) {
    TRect all{0, 0, size_.cx, size_.cy};
    c.Brush()->SetColor(clMenu);
    c.FillRect(all);
    DrawEdgeRing(dc, all, ColorToRGB(cl3DLight), ColorToRGB(cl3DDkShadow));
    DrawEdgeRing(dc, all.inflate(-1, -1), ColorToRGB(clBtnHighlight), ColorToRGB(clBtnShadow));
    for (size_t i = 0; i < entries_.size(); ++i) drawEntry(c, dc, entries_[i], int(i) == hot_);
  }

  void drawEntry(TCanvas& c, pg::DeviceContext& dc, const Entry& e, bool hot) {
    const TRect& r = e.rect;
    TMenuItem* item = e.item;
    if (item->IsLine()) {
      int y = r.top + kSeparator / 2 - 1;
      c.Brush()->SetColor(clBtnShadow);
      c.FillRect({r.left + 1, y, r.right - 1, y + 1});
      c.Brush()->SetColor(clBtnHighlight);
      c.FillRect({r.left + 1, y + 1, r.right - 1, y + 2});
      return;
    }
    bool enabled = item->Enabled();
    TImageList* images = menu_.Images();
    bool hasImage = images && item->ImageIndex() >= 0 && item->ImageIndex() < images->Count();
    TRect imageCell{r.left, r.top, r.left + imageWidth_ + 4, r.bottom};
    TRect textBand{hasImage ? imageCell.right + 1 : r.left, r.top, r.right, r.bottom};
    if (hot) {
      c.Brush()->SetColor(clHighlight);
      c.FillRect(textBand);
      // The picture stands out as a raised button beside the highlight.
      if (hasImage && enabled)
        DrawEdgeRing(dc, imageCell, ColorToRGB(clBtnHighlight), ColorToRGB(clBtnShadow));
    }
    if (hasImage) {
      int ix = imageCell.left + 2, iy = r.top + (r.height() - images->Height()) / 2;
      images->Draw(&c, ix, iy, item->ImageIndex(), enabled);
    }
    useMenuFont(c, item->Default());
    c.Brush()->SetStyle(bsClear);
    TRect text{textLeft_, r.top, r.right - kRightMargin, r.bottom};
    std::u16string shortCut = ShortCutToText(item->ShortCut());
    auto write = [&](TRect box, TColor color) {
      c.Font()->SetColor(color);
      TRect t = box;
      c.DrawText(item->Caption(), t, pg::DT_SINGLELINE | pg::DT_VCENTER | pg::DT_LEFT);
      if (!shortCut.empty()) {
        TRect s = box;
        c.DrawText(shortCut, s, pg::DT_SINGLELINE | pg::DT_VCENTER | pg::DT_RIGHT | pg::DT_NOPREFIX);
      }
    };
    if (!enabled && !hot) write(text.offset(1, 1), clBtnHighlight);
    write(text, !enabled ? clGrayText : hot ? clHighlightText : clMenuText);
    c.Brush()->SetStyle(bsSolid);
  }

  TPopupMenu& menu_;
  pg::HWND hwnd_ = nullptr;
  std::vector<Entry> entries_;
  TSize size_{};
  int itemHeight_ = 0;
  int imageWidth_ = 16;
  int textLeft_ = 0;
  int hot_ = -1;
  bool done_ = false;
  bool menuGone_ = false;
  TMenuItem* chosen_ = nullptr;
};

// ---------------------------------------------------------------------------

Z5T8_IMPLEMENT_CLASS(TPopupMenu, TComponent) {}

TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner), FItems(std::make_unique<TMenuItem>(nullptr)) {}

TPopupMenu::~TPopupMenu() {
  if (FWindow) FWindow->abandon();
}

void TPopupMenu::SetImages(TImageList* value) {
  if (FImages) FImages->RemoveFreeNotification(this);
  FImages = value;
  if (FImages) FImages->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == FImages) FImages = nullptr;
}

pg::HWND TPopupMenu::WindowHandle() const { return FWindow ? FWindow->hwnd() : nullptr; }

TRect TPopupMenu::ItemRect(int index) const {
  if (index < 0 || index >= int(FItemRects.size())) return {};
  return FItemRects[size_t(index)];
}

void TPopupMenu::CloseMenu() {
  if (FWindow) FWindow->close(nullptr);
}

void TPopupMenu::Popup(int x, int y) {
  if (FWindow || !pg::HasBackend()) return;
  OnPopup(this);
  TMenuItem* chosen = nullptr;
  {
    TPopupMenuWindow window(*this);
    FWindow = &window;
    try {
      chosen = window.run(x, y);
    } catch (...) {
      if (!window.menuGone()) FWindow = nullptr;
      throw;
    }
    if (window.menuGone()) return;
    FWindow = nullptr;
  }
  if (chosen) chosen->Click();
}

}  // namespace z5t8::framework
