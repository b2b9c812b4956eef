#include "framework/gui/EditControl.h"

#include <algorithm>

#include "framework/gui/Clipboard.h"
#include "platform/gui/Caret.h"
#include "platform/gui/DefWindowProc.h"
#include "platform/gui/Input.h"
#include "platform/gui/MessageQueue.h"
#include "platform/gui/Paint.h"
#include "platform/gui/ScrollBar.h"
#include "platform/gui/SystemMetrics.h"
#include "platform/gui/SystemParameters.h"
#include "platform/gui/VirtualKeys.h"
#include "platform/gui/Window.h"

namespace z5t8::framework {

const char16_t* const EditClassName = u"EDIT";

namespace {

const char16_t* const StateProp = u"z5t8.edit";
constexpr int Margin = 2;

bool KeyDownNow(int vk) { return pg::GetKeyState(vk) < 0; }

}  // namespace

void RegisterEditClass() {
  pg::WNDCLASSEXW wc;
  if (pg::GetClassInfoExW(EditClassName, &wc)) return;
  wc.style = pg::CS_DBLCLKS;
  wc.lpfnWndProc = EditWndProc;
  wc.lpszClassName = EditClassName;
  pg::RegisterClassExW(wc);
}

pg::LRESULT EditWndProc(pg::HWND hwnd, pg::UINT msg, pg::WPARAM wParam, pg::LPARAM lParam) {
  TEditControl* edit = TEditControl::Of(hwnd);
  if (msg == pg::WM_NCCREATE && !edit) {
    auto* cs = reinterpret_cast<const pg::CREATESTRUCTW*>(lParam);
    edit = new TEditControl(hwnd, cs ? cs->style : 0);
    pg::SetPropW(hwnd, StateProp, edit);
    if (cs && cs->lpszName) edit->Process(pg::WM_SETTEXT, 0, reinterpret_cast<pg::LPARAM>(cs->lpszName));
    return pg::DefWindowProcW(hwnd, msg, wParam, lParam);
  }
  if (!edit) return pg::DefWindowProcW(hwnd, msg, wParam, lParam);
  if (msg == pg::WM_NCDESTROY) {
    pg::RemovePropW(hwnd, StateProp);
    delete edit;
    return pg::DefWindowProcW(hwnd, msg, wParam, lParam);
  }
  return edit->Process(msg, wParam, lParam);
}

TEditControl::TEditControl(pg::HWND hwnd, pg::DWORD style)
    : FHwnd(hwnd),
      FStyle(style),
      FMeasure(std::make_unique<TFontMeasure>(pg::Font())),
      FText(FMeasure.get()) {}

TEditControl* TEditControl::Of(pg::HWND hwnd) {
  return static_cast<TEditControl*>(pg::GetPropW(hwnd, StateProp));
}

int TEditControl::LineHeight() const { return std::max(1, FMeasure->LineHeight()); }

pg::Rect TEditControl::FormatRect() const {
  pg::Rect client;
  pg::GetClientRect(FHwnd, &client);
  return {client.left + Margin, client.top, std::max(client.left + Margin, client.right - Margin),
          client.bottom};
}

int TEditControl::VisibleRows() const { return std::max(1, FormatRect().height() / LineHeight()); }

void TEditControl::Relayout() {
  FText.SetWrapWidth(WordWrap() ? std::max(1, FormatRect().width()) : 0);
  UpdateScrollBars();
}

void TEditControl::UpdateScrollBars() {
  int rows = FText.RowCount();
  int visible = VisibleRows();
  FTopRow = std::clamp(FTopRow, 0, std::max(0, rows - visible));
  pg::DWORD style = static_cast<pg::DWORD>(pg::GetWindowLongPtrW(FHwnd, pg::GWL_STYLE));
  if (style & pg::WS_VSCROLL) {
    pg::SCROLLINFO si;
    si.fMask = pg::SIF_ALL | pg::SIF_DISABLENOSCROLL;
    si.nMin = 0;
    si.nMax = rows - 1;
    si.nPage = static_cast<pg::UINT>(visible);
    si.nPos = FTopRow;
    pg::SetScrollInfo(FHwnd, pg::SB_VERT, &si, pg::TRUE);
  }
  if (style & pg::WS_HSCROLL) {
    int width = FormatRect().width();
    pg::SCROLLINFO si;
    si.fMask = pg::SIF_ALL | pg::SIF_DISABLENOSCROLL;
    si.nMin = 0;
    si.nMax = WordWrap() ? 0 : FText.MaxRowWidth() + Margin;
    si.nPage = static_cast<pg::UINT>(std::max(1, width));
    si.nPos = FScrollX;
    pg::SetScrollInfo(FHwnd, pg::SB_HORZ, &si, pg::TRUE);
  }
}

void TEditControl::ScrollTo(int row, int x) {
  int maxTop = std::max(0, FText.RowCount() - VisibleRows());
  row = std::clamp(row, 0, maxTop);
  x = WordWrap() ? 0 : std::clamp(x, 0, std::max(0, FText.MaxRowWidth() + Margin - FormatRect().width()));
  if (row == FTopRow && x == FScrollX) return;
  FTopRow = row;
  FScrollX = x;
  UpdateScrollBars();
  pg::InvalidateRect(FHwnd, nullptr, pg::TRUE);
  PlaceCaret();
}

void TEditControl::ScrollCaretIntoView() {
  int row = FText.RowOfOffset(FText.Caret());
  int top = FTopRow;
  if (row < top)
    top = row;
  else if (row >= top + VisibleRows())
    top = row - VisibleRows() + 1;
  int x = FScrollX;
  if (!WordWrap()) {
    int caretX = FText.XOfOffset(FText.Caret());
    int width = FormatRect().width();
    if (caretX < x)
      x = std::max(0, caretX - width / 3);
    else if (caretX >= x + width)
      x = caretX - width + width / 3;
  }
  ScrollTo(top, x);
}

void TEditControl::PlaceCaret() {
  if (!FFocused) return;
  int row = FText.RowOfOffset(FText.Caret());
  pg::Rect fr = FormatRect();
  pg::SetCaretPos(fr.left + FText.XOfOffset(FText.Caret()) - FScrollX,
                  fr.top + (row - FTopRow) * LineHeight());
}

void TEditControl::Changed() {
  FModified = true;
  UpdateScrollBars();
  pg::InvalidateRect(FHwnd, nullptr, pg::TRUE);
  pg::HWND parent = pg::GetParent(FHwnd);
  if (parent) {
    auto id = static_cast<pg::UINT>(pg::GetWindowLongPtrW(FHwnd, pg::GWLP_ID));
    pg::SendMessageW(parent, pg::WM_COMMAND, pg::MAKEWPARAM(id, EN_CHANGE),
                     reinterpret_cast<pg::LPARAM>(FHwnd));
  }
}

void TEditControl::SetText(std::u16string_view text) {
  if (FLimit > 0 && static_cast<int>(text.size()) > FLimit) text = text.substr(0, FLimit);
  FText.SetText(text);
  FTopRow = 0;
  FScrollX = 0;
  PlaceCaret();
  Changed();
  FModified = false;
}

void TEditControl::Insert(std::u16string_view text) {
  if (FLimit > 0) {
    int room = FLimit - (static_cast<int>(FText.Text().size()) - (FText.SelEnd() - FText.SelStart()));
    if (room <= 0) return;
    if (static_cast<int>(text.size()) > room) text = text.substr(0, room);
  }
  FText.ReplaceSelection(text);
  Changed();
  ScrollCaretIntoView();
  PlaceCaret();
}

void TEditControl::Copy() {
  if (FText.SelEnd() > FText.SelStart()) Clipboard().SetAsText(FText.SelText());
}

pg::Brush TEditControl::Background(pg::DeviceContext* dc) {
  dc->setTextColor(pg::GetSysColor(pg::COLOR_WINDOWTEXT));
  dc->setBkColor(pg::GetSysColor(pg::COLOR_WINDOW));
  pg::HWND parent = pg::GetParent(FHwnd);
  pg::UINT ask = (ReadOnly() || !pg::IsWindowEnabled(FHwnd)) ? pg::WM_CTLCOLORSTATIC : pg::WM_CTLCOLOREDIT;
  pg::LRESULT answer = parent ? pg::SendMessageW(parent, ask, reinterpret_cast<pg::WPARAM>(dc),
                                                 reinterpret_cast<pg::LPARAM>(FHwnd))
                              : 0;
  if (answer) return *reinterpret_cast<const pg::Brush*>(answer);
  return pg::Brush::solid(pg::GetSysColor(pg::COLOR_WINDOW));
}

void TEditControl::Paint(pg::DeviceContext* dc) {
  dc->saveDC();
  Background(dc);
  if (!pg::IsWindowEnabled(FHwnd)) dc->setTextColor(pg::GetSysColor(pg::COLOR_GRAYTEXT));
  dc->selectFont(FMeasure->Font());
  pg::Rect fr = FormatRect();
  pg::Rect client;
  pg::GetClientRect(FHwnd, &client);
  dc->intersectClipRect(client.left, client.top, client.right, client.bottom);
  int lh = LineHeight();
  int selStart = FText.SelStart();
  int selEnd = FText.SelEnd();
  bool showSelection = selEnd > selStart && (FFocused || (FStyle & ES_NOHIDESEL));
  pg::ColorRef highlight = pg::GetSysColor(pg::COLOR_HIGHLIGHT);
  pg::ColorRef highlightText = pg::GetSysColor(pg::COLOR_HIGHLIGHTTEXT);
  int last = std::min(FText.RowCount(), FTopRow + VisibleRows() + 1);
  const std::u16string& text = FText.Text();
  for (int r = FTopRow; r < last; ++r) {
    const TEditRow& row = FText.Row(r);
    int y = fr.top + (r - FTopRow) * lh;
    int x = fr.left - FScrollX;
    std::u16string_view rowText(text.data() + row.Start, static_cast<size_t>(row.Length));
    if (dc->bkMode() == pg::OPAQUE)
      dc->fillRect({client.left, y, client.right, y + lh}, pg::Brush::solid(dc->bkColor()));
    int a = std::clamp(selStart, row.Start, row.Start + row.Length);
    int b = std::clamp(selEnd, row.Start, row.Start + row.Length);
    if (!showSelection || a >= b) {
      dc->textOut(x, y, rowText);
      continue;
    }
    int xa = x + FText.XOfOffset(a);
    int xb = x + FText.XOfOffset(b);
    dc->textOut(x, y, rowText.substr(0, a - row.Start));
    dc->fillRect({xa, y, xb, y + lh}, pg::Brush::solid(highlight));
    pg::ColorRef normal = dc->setTextColor(highlightText);
    int mode = dc->setBkMode(pg::TRANSPARENT);
    dc->textOut(xa, y, rowText.substr(a - row.Start, b - a));
    dc->setBkMode(mode);
    dc->setTextColor(normal);
    dc->textOut(xb, y, rowText.substr(b - row.Start));
  }
  dc->restoreDC(-1);
}

int TEditControl::OffsetAtPoint(pg::Point p) const {
  pg::Rect fr = FormatRect();
  int row = FTopRow + (p.y - fr.top) / LineHeight() - (p.y < fr.top ? 1 : 0);
  return FText.OffsetAtX(std::clamp(row, 0, FText.RowCount() - 1), p.x - fr.left + FScrollX);
}

void TEditControl::Scroll(bool vertical, int code, int thumb) {
  if (vertical) {
    int top = FTopRow;
    int page = VisibleRows();
    switch (code) {
      case pg::SB_LINEUP:
        --top;
        break;
      case pg::SB_LINEDOWN:
        ++top;
        break;
      case pg::SB_PAGEUP:
        top -= page;
        break;
      case pg::SB_PAGEDOWN:
        top += page;
        break;
      case pg::SB_THUMBTRACK:
      case pg::SB_THUMBPOSITION:
        top = thumb;
        break;
      case pg::SB_TOP:
        top = 0;
        break;
      case pg::SB_BOTTOM:
        top = FText.RowCount();
        break;
      default:
        return;
    }
    ScrollTo(top, FScrollX);
    return;
  }
  int x = FScrollX;
  int step = std::max(1, FMeasure->CharWidth(U'x'));
  int page = std::max(1, FormatRect().width());
  switch (code) {
    case pg::SB_LINELEFT:
      x -= step;
      break;
    case pg::SB_LINERIGHT:
      x += step;
      break;
    case pg::SB_PAGELEFT:
      x -= page;
      break;
    case pg::SB_PAGERIGHT:
      x += page;
      break;
    case pg::SB_THUMBTRACK:
    case pg::SB_THUMBPOSITION:
      x = thumb;
      break;
    case pg::SB_LEFT:
      x = 0;
      break;
    case pg::SB_RIGHT:
      x = FText.MaxRowWidth();
      break;
    default:
      return;
  }
  ScrollTo(FTopRow, x);
}

void TEditControl::KeyDown(int vk) {
  bool shift = KeyDownNow(pg::VK_SHIFT);
  bool ctrl = KeyDownNow(pg::VK_CONTROL);
  int page = std::max(1, VisibleRows() - 1);
  switch (vk) {
    case pg::VK_LEFT:
      FText.MoveCaret(ctrl ? TCaretMove::WordLeft : TCaretMove::Left, shift);
      break;
    case pg::VK_RIGHT:
      FText.MoveCaret(ctrl ? TCaretMove::WordRight : TCaretMove::Right, shift);
      break;
    case pg::VK_UP:
      if (ctrl) return Scroll(true, pg::SB_LINEUP, 0);
      FText.MoveCaret(TCaretMove::Up, shift);
      break;
    case pg::VK_DOWN:
      if (ctrl) return Scroll(true, pg::SB_LINEDOWN, 0);
      FText.MoveCaret(TCaretMove::Down, shift);
      break;
    case pg::VK_PRIOR:
      FText.MoveCaret(TCaretMove::Up, shift, page);
      ScrollTo(FTopRow - page, FScrollX);
      break;
    case pg::VK_NEXT:
      FText.MoveCaret(TCaretMove::Down, shift, page);
      ScrollTo(FTopRow + page, FScrollX);
      break;
    case pg::VK_HOME:
      FText.MoveCaret(ctrl ? TCaretMove::TextHome : TCaretMove::RowHome, shift);
      break;
    case pg::VK_END:
      FText.MoveCaret(ctrl ? TCaretMove::TextEnd : TCaretMove::RowEnd, shift);
      break;
    case pg::VK_DELETE:
      if (ReadOnly()) return;
      if (shift) {
        Copy();
        FText.ReplaceSelection(u"");
      } else {
        FText.DeleteForward();
      }
      Changed();
      break;
    case pg::VK_INSERT:
      if (ctrl)
        Copy();
      else if (shift && !ReadOnly())
        Insert(Clipboard().AsText());
      return;
    default:
      return;
  }
  ScrollCaretIntoView();
  PlaceCaret();
  pg::InvalidateRect(FHwnd, nullptr, pg::FALSE);
}

void TEditControl::Char(char16_t c) {
  switch (c) {
    case 1:
      FText.SelectAll();
      pg::InvalidateRect(FHwnd, nullptr, pg::FALSE);
      return;
    case 3:
      Copy();
      return;
    case 22:
      if (!ReadOnly()) Insert(Clipboard().AsText());
      return;
    case 24:
      if (ReadOnly()) return;
      Copy();
      Insert(u"");
      return;
    case 8:
      if (ReadOnly()) return;
      FText.DeleteBackward();
      Changed();
      ScrollCaretIntoView();
      PlaceCaret();
      return;
    case 13:
      if (!ReadOnly() && (FStyle & ES_MULTILINE)) Insert(u"\r\n");
      return;
    default:
      if (ReadOnly() || (c < 0x20 && c != u'\t')) return;
      Insert(std::u16string_view(&c, 1));
  }
}

pg::LRESULT TEditControl::Process(pg::UINT msg, pg::WPARAM wParam, pg::LPARAM lParam) {
  switch (msg) {
    case pg::WM_CREATE:
      Relayout();
      return 0;
    case pg::WM_SETTEXT:
      SetText(lParam ? std::u16string_view(reinterpret_cast<const char16_t*>(lParam))
                     : std::u16string_view());
      return pg::TRUE;
    case pg::WM_GETTEXT: {
      if (wParam == 0 || !lParam) return 0;
      auto* out = reinterpret_cast<char16_t*>(lParam);
      size_t n = std::min(FText.Text().size(), static_cast<size_t>(wParam) - 1);
      std::copy_n(FText.Text().data(), n, out);
      out[n] = 0;
      return static_cast<pg::LRESULT>(n);
    }
    case pg::WM_GETTEXTLENGTH:
      return static_cast<pg::LRESULT>(FText.Text().size());
    case pg::WM_SETFONT:
      if (wParam) {
        FMeasure = std::make_unique<TFontMeasure>(*reinterpret_cast<const pg::Font*>(wParam));
        FText.SetMeasure(FMeasure.get());
        if (FFocused) {
          pg::CreateCaret(FHwnd, 1, LineHeight());
          pg::ShowCaret(FHwnd);
        }
        Relayout();
        PlaceCaret();
        if (lParam) pg::InvalidateRect(FHwnd, nullptr, pg::TRUE);
      }
      return 0;
    case pg::WM_SIZE:
      Relayout();
      PlaceCaret();
      pg::InvalidateRect(FHwnd, nullptr, pg::TRUE);
      return 0;
    case pg::WM_ERASEBKGND: {
      auto* dc = reinterpret_cast<pg::DeviceContext*>(wParam);
      if (!dc) return 0;
      dc->saveDC();
      pg::Brush brush = Background(dc);
      pg::Rect client;
      pg::GetClientRect(FHwnd, &client);
      dc->fillRect(client, brush);
      dc->restoreDC(-1);
      return 1;
    }
    case pg::WM_PAINT: {
      if (wParam) {
        Paint(reinterpret_cast<pg::DeviceContext*>(wParam));
        return 0;
      }
      pg::PAINTSTRUCT ps;
      pg::DeviceContext* dc = pg::BeginPaint(FHwnd, &ps);
      if (dc) Paint(dc);
      pg::EndPaint(FHwnd, &ps);
      return 0;
    }
    case pg::WM_SETFOCUS:
      FFocused = true;
      pg::CreateCaret(FHwnd, 1, LineHeight());
      PlaceCaret();
      pg::ShowCaret(FHwnd);
      pg::InvalidateRect(FHwnd, nullptr, pg::FALSE);
      return 0;
    case pg::WM_KILLFOCUS:
      FFocused = false;
      pg::DestroyCaret();
      pg::InvalidateRect(FHwnd, nullptr, pg::FALSE);
      return 0;
    case pg::WM_GETDLGCODE:
      return DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL |
             ((FStyle & ES_MULTILINE) ? DLGC_WANTALLKEYS : 0);
    case pg::WM_LBUTTONDOWN: {
      if (pg::GetFocus() != FHwnd) pg::SetFocus(FHwnd);
      FText.SetCaret(OffsetAtPoint(pg::lParamToPoint(lParam)), (wParam & pg::MK_SHIFT) != 0);
      FSelecting = true;
      pg::SetCapture(FHwnd);
      ScrollCaretIntoView();
      PlaceCaret();
      pg::InvalidateRect(FHwnd, nullptr, pg::FALSE);
      return 0;
    }
    case pg::WM_LBUTTONDBLCLK:
      FText.SelectWordAt(OffsetAtPoint(pg::lParamToPoint(lParam)));
      PlaceCaret();
      pg::InvalidateRect(FHwnd, nullptr, pg::FALSE);
      return 0;
    case pg::WM_MOUSEMOVE:
      if (FSelecting && (wParam & pg::MK_LBUTTON)) {
        FText.SetCaret(OffsetAtPoint(pg::lParamToPoint(lParam)), true);
        ScrollCaretIntoView();
        PlaceCaret();
        pg::InvalidateRect(FHwnd, nullptr, pg::FALSE);
      }
      return 0;
    case pg::WM_LBUTTONUP:
      if (FSelecting) {
        FSelecting = false;
        if (pg::GetCapture() == FHwnd) pg::ReleaseCapture();
      }
      return 0;
    case pg::WM_CAPTURECHANGED:
      FSelecting = false;
      return 0;
    case pg::WM_MOUSEWHEEL: {
      int lines = 3;
      pg::SystemParametersInfoW(pg::SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
      int notches = pg::GET_WHEEL_DELTA_WPARAM(wParam) / pg::WHEEL_DELTA;
      ScrollTo(FTopRow - notches * lines, FScrollX);
      return 0;
    }
    case pg::WM_VSCROLL:
    case pg::WM_HSCROLL:
      Scroll(msg == pg::WM_VSCROLL, pg::LOWORD(wParam), static_cast<int16_t>(pg::HIWORD(wParam)));
      return 0;
    case pg::WM_KEYDOWN:
      KeyDown(static_cast<int>(wParam));
      return 0;
    case pg::WM_CHAR:
      Char(static_cast<char16_t>(wParam));
      return 0;
    case WM_COPY:
      Copy();
      return 0;
    case WM_CUT:
      if (!ReadOnly()) {
        Copy();
        Insert(u"");
      }
      return 0;
    case WM_PASTE:
      if (!ReadOnly()) Insert(Clipboard().AsText());
      return 0;
    case WM_CLEAR:
      if (!ReadOnly()) Insert(u"");
      return 0;
    case EM_GETSEL: {
      auto start = static_cast<pg::DWORD>(FText.SelStart());
      auto end = static_cast<pg::DWORD>(FText.SelEnd());
      if (wParam) *reinterpret_cast<pg::DWORD*>(wParam) = start;
      if (lParam) *reinterpret_cast<pg::DWORD*>(lParam) = end;
      return static_cast<pg::LRESULT>(
          pg::MAKELONG(std::min<pg::DWORD>(start, 0xFFFF), std::min<pg::DWORD>(end, 0xFFFF)));
    }
    case EM_SETSEL: {
      int size = static_cast<int>(FText.Text().size());
      int start = static_cast<int>(static_cast<intptr_t>(wParam));
      int end = static_cast<int>(lParam);
      if (start < 0) {
        FText.SetCaret(FText.Caret(), false);
      } else {
        if (end < 0 || end > size) end = size;
        FText.SetSelection(std::min(start, size), end);
      }
      PlaceCaret();
      pg::InvalidateRect(FHwnd, nullptr, pg::FALSE);
      return 0;
    }
    case EM_REPLACESEL:
      Insert(lParam ? std::u16string_view(reinterpret_cast<const char16_t*>(lParam)) : std::u16string_view());
      return 0;
    case EM_SCROLLCARET:
      ScrollCaretIntoView();
      return 0;
    case EM_LINESCROLL:
      ScrollTo(FTopRow + static_cast<int>(lParam),
               FScrollX +
                   static_cast<int>(static_cast<intptr_t>(wParam)) * std::max(1, FMeasure->CharWidth(U'x')));
      return pg::TRUE;
    case EM_GETLINECOUNT:
      return FText.LineCount();
    case EM_LINEINDEX: {
      int line = static_cast<int>(static_cast<intptr_t>(wParam));
      if (line < 0) line = FText.LineOfOffset(FText.Caret());
      return line < FText.LineCount() ? FText.LineStart(line) : -1;
    }
    case EM_LINELENGTH: {
      int offset = static_cast<int>(static_cast<intptr_t>(wParam));
      if (offset < 0 || offset > static_cast<int>(FText.Text().size())) return 0;
      return FText.LineLength(FText.LineOfOffset(offset));
    }
    case EM_LINEFROMCHAR: {
      int offset = static_cast<int>(static_cast<intptr_t>(wParam));
      return FText.LineOfOffset(offset < 0 ? FText.Caret() : offset);
    }
    case EM_GETFIRSTVISIBLELINE:
      return FTopRow;
    case EM_GETMODIFY:
      return FModified;
    case EM_SETMODIFY:
      FModified = wParam != 0;
      return 0;
    case EM_LIMITTEXT:
      FLimit = static_cast<int>(wParam);
      return 0;
    case EM_SETREADONLY:
      FStyle = wParam ? (FStyle | ES_READONLY) : (FStyle & ~ES_READONLY);
      pg::InvalidateRect(FHwnd, nullptr, pg::TRUE);
      return pg::TRUE;
    default:
      return pg::DefWindowProcW(FHwnd, msg, wParam, lParam);
  }
}

}  // namespace z5t8::framework
