#pragma once

#include <memory>
#include <optional>

#include "framework/gui/EditText.h"
#include "framework/gui/FontRealizer.h"
#include "platform/gui/Brush.h"
#include "platform/gui/DeviceContext.h"
#include "platform/gui/Messages.h"

namespace z5t8::framework {

namespace pg = platform::gui;

// Edit window styles.
constexpr pg::DWORD ES_LEFT = 0x0000;
constexpr pg::DWORD ES_CENTER = 0x0001;
constexpr pg::DWORD ES_RIGHT = 0x0002;
constexpr pg::DWORD ES_MULTILINE = 0x0004;
constexpr pg::DWORD ES_AUTOVSCROLL = 0x0040;
constexpr pg::DWORD ES_AUTOHSCROLL = 0x0080;
constexpr pg::DWORD ES_NOHIDESEL = 0x0100;
constexpr pg::DWORD ES_READONLY = 0x0800;
constexpr pg::DWORD ES_WANTRETURN = 0x1000;

// Edit messages and notifications, with the platform's numbers.
constexpr pg::UINT EM_GETSEL = 0x00B0;
constexpr pg::UINT EM_SETSEL = 0x00B1;
constexpr pg::UINT EM_LINESCROLL = 0x00B6;
constexpr pg::UINT EM_SCROLLCARET = 0x00B7;
constexpr pg::UINT EM_GETMODIFY = 0x00B8;
constexpr pg::UINT EM_SETMODIFY = 0x00B9;
constexpr pg::UINT EM_GETLINECOUNT = 0x00BA;
constexpr pg::UINT EM_LINEINDEX = 0x00BB;
constexpr pg::UINT EM_LINELENGTH = 0x00C1;
constexpr pg::UINT EM_REPLACESEL = 0x00C2;
constexpr pg::UINT EM_LIMITTEXT = 0x00C5;
constexpr pg::UINT EM_LINEFROMCHAR = 0x00C9;
constexpr pg::UINT EM_GETFIRSTVISIBLELINE = 0x00CE;
constexpr pg::UINT EM_SETREADONLY = 0x00CF;
constexpr pg::UINT WM_CUT = 0x0300;
constexpr pg::UINT WM_COPY = 0x0301;
constexpr pg::UINT WM_PASTE = 0x0302;
constexpr pg::UINT WM_CLEAR = 0x0303;
constexpr pg::WORD EN_CHANGE = 0x0300;

// WM_GETDLGCODE answers.
constexpr pg::LRESULT DLGC_WANTARROWS = 0x0001;
constexpr pg::LRESULT DLGC_WANTTAB = 0x0002;
constexpr pg::LRESULT DLGC_WANTALLKEYS = 0x0004;
constexpr pg::LRESULT DLGC_WANTMESSAGE = 0x0004;
constexpr pg::LRESULT DLGC_HASSETSEL = 0x0008;
constexpr pg::LRESULT DLGC_DEFPUSHBUTTON = 0x0010;
constexpr pg::LRESULT DLGC_UNDEFPUSHBUTTON = 0x0020;
constexpr pg::LRESULT DLGC_BUTTON = 0x2000;
constexpr pg::LRESULT DLGC_WANTCHARS = 0x0080;

// The edit window class: a single- or multi-line text editor with selection,
// caret, clipboard and its window's standard scroll bars. WM_SETFONT takes a
// pointer to a platform font in wParam. Before painting it asks its parent for
// colours with WM_CTLCOLOREDIT (WM_CTLCOLORSTATIC when read-only); an answer is
// a pointer to a platform brush, 0 keeps the window colour.
extern const char16_t* const EditClassName;
void RegisterEditClass();
pg::LRESULT EditWndProc(pg::HWND hwnd, pg::UINT msg, pg::WPARAM wParam, pg::LPARAM lParam);

// The state of one edit window; reachable for tests and the memo's fast paths.
class TEditControl {
public:
  explicit TEditControl(pg::HWND hwnd, pg::DWORD style);
  static TEditControl* Of(pg::HWND hwnd);

  pg::LRESULT Process(pg::UINT msg, pg::WPARAM wParam, pg::LPARAM lParam);

  TEditText& Text() { return FText; }
  int TopRow() const { return FTopRow; }
  int VisibleRows() const;
  int LineHeight() const;
  bool ReadOnly() const { return (FStyle & ES_READONLY) != 0; }
  bool WordWrap() const { return (FStyle & ES_AUTOHSCROLL) == 0; }
  pg::Rect FormatRect() const;

private:
  void SetText(std::u16string_view text);
  void Paint(pg::DeviceContext* dc);
  pg::Brush Background(pg::DeviceContext* dc);
  void Relayout();
  void UpdateScrollBars();
  void ScrollTo(int row, int x);
  void ScrollCaretIntoView();
  void PlaceCaret();
  void Changed();
  void KeyDown(int vk);
  void Char(char16_t c);
  void Insert(std::u16string_view text);
  void Copy();
  int OffsetAtPoint(pg::Point p) const;
  void Scroll(bool vertical, int code, int thumb);

  pg::HWND FHwnd;
  pg::DWORD FStyle;
  std::unique_ptr<TFontMeasure> FMeasure;
  TEditText FText;
  int FTopRow = 0;
  int FScrollX = 0;
  bool FFocused = false;
  bool FModified = false;
  bool FSelecting = false;
  int FLimit = 0;
};

}  // namespace z5t8::framework
