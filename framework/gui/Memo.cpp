#include "framework/gui/Memo.h"

#include "framework/Exceptions.h"
#include "framework/Properties.h"
#include "framework/TextUtils.h"
#include "framework/gui/EditControl.h"
#include "platform/gui/MessageQueue.h"

namespace z5t8::framework {

namespace {
const std::string_view ScrollStyleNames[] = {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"};
const std::string_view BorderNames[] = {"bsNone", "bsSingle"};
const TEnumInfo BorderInfo{"TBorderStyle", BorderNames};

[[noreturn]] void IndexError(int index) {
  throw EListError("List index out of bounds (" + IntToStr(index) + ")");
}
}  // namespace

const TEnumInfo ScrollStyleInfo{"TScrollStyle", ScrollStyleNames};

Z5T8_IMPLEMENT_CLASS(TMemoStrings, TStrings) {}

std::vector<std::pair<size_t, size_t>> TMemoStrings::Split(const std::u16string& text) const {
  std::vector<std::pair<size_t, size_t>> lines;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != u'\r' && text[i] != u'\n') continue;
    lines.emplace_back(start, i - start);
    if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.emplace_back(start, text.size() - start);
  return lines;
}

int TMemoStrings::Count() const { return static_cast<int>(Split(FMemo->GetText()).size()); }

std::string TMemoStrings::Get(int index) const {
  std::u16string text = FMemo->GetText();
  auto lines = Split(text);
  if (index < 0 || index >= static_cast<int>(lines.size())) IndexError(index);
  auto [start, length] = lines[static_cast<size_t>(index)];
  return Utf16ToUtf8(std::u16string_view(text).substr(start, length));
}

void TMemoStrings::Put(int index, const std::string& value) {
  std::u16string text = FMemo->GetText();
  auto lines = Split(text);
  if (index < 0 || index >= static_cast<int>(lines.size())) IndexError(index);
  auto [start, length] = lines[static_cast<size_t>(index)];
  text.replace(start, length, Utf8ToUtf16(value));
  FMemo->SetText(text);
}

void TMemoStrings::Insert(int index, const std::string& value) {
  std::u16string text = FMemo->GetText();
  auto lines = Split(text);
  if (index < 0 || index > static_cast<int>(lines.size())) IndexError(index);
  std::u16string line = Utf8ToUtf16(value) + u"\r\n";
  if (index == static_cast<int>(lines.size())) {
    if (!text.empty() && text.back() != u'\n' && text.back() != u'\r') text += u"\r\n";
    text += line;
  } else {
    text.insert(lines[static_cast<size_t>(index)].first, line);
  }
  FMemo->SetText(text);
}

void TMemoStrings::Delete(int index) {
  std::u16string text = FMemo->GetText();
  auto lines = Split(text);
  if (index < 0 || index >= static_cast<int>(lines.size())) IndexError(index);
  size_t start = lines[static_cast<size_t>(index)].first;
  size_t end =
      index + 1 < static_cast<int>(lines.size()) ? lines[static_cast<size_t>(index) + 1].first : text.size();
  text.erase(start, end - start);
  FMemo->SetText(text);
}

void TMemoStrings::Clear() { FMemo->SetText(u""); }

void TMemoStrings::SetText(std::string_view text) { FMemo->SetText(Utf8ToUtf16(text)); }

void TMemoStrings::SetUpdateState(bool updating) {
  if (FMemo->HandleAllocated()) pg::SendMessageW(FMemo->Handle(), pg::WM_SETREDRAW, !updating, 0);
  if (!updating) FMemo->Invalidate();
}

Z5T8_IMPLEMENT_CLASS(TCustomMemo, TWinControl) {
  p.Object("Lines", &TCustomMemo::Lines);
  p.Boolean("ReadOnly", &TCustomMemo::ReadOnly, &TCustomMemo::SetReadOnly).Default(0);
  p.Boolean("WordWrap", &TCustomMemo::WordWrap, &TCustomMemo::SetWordWrap).Default(1);
  p.Enum("ScrollBars", ScrollStyleInfo, &TCustomMemo::ScrollBars, &TCustomMemo::SetScrollBars)
      .Default(ssNone);
  p.Enum("Alignment", AlignmentInfo, &TCustomMemo::Alignment, &TCustomMemo::SetAlignment)
      .Default(taLeftJustify);
  p.Enum("BorderStyle", BorderInfo, &TCustomMemo::BorderStyle, &TCustomMemo::SetBorderStyle)
      .Default(bsSingle);
  p.Integer("MaxLength", &TCustomMemo::MaxLength, &TCustomMemo::SetMaxLength).Default(0);
  p.Boolean("WantReturns", &TCustomMemo::WantReturns, &TCustomMemo::SetWantReturns).Default(1);
  p.Boolean("WantTabs", &TCustomMemo::WantTabs, &TCustomMemo::SetWantTabs).Default(0);
  p.Event("OnChange", &TCustomMemo::OnChange);
  p.Message(CN_COMMAND, &TCustomMemo::CNCommand);
  p.Message(pg::WM_GETDLGCODE, &TCustomMemo::WMGetDlgCode);
}

Z5T8_IMPLEMENT_CLASS(TMemo, TCustomMemo) {}

TCustomMemo::TCustomMemo(TComponent* owner)
    : TWinControl(owner), FLines(std::make_unique<TMemoStrings>(this)) {
  ControlStyle() = {csCaptureMouse, csDoubleClicks};
  SetBounds(0, 0, 185, 89);
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
}

TCustomMemo::~TCustomMemo() {
  Destroying();
  DestroyHandle();
}

void TCustomMemo::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SubClassOf = EditClassName;
  params.Style |= ES_MULTILINE | ES_AUTOVSCROLL;
  if (!FWordWrap) params.Style |= ES_AUTOHSCROLL;
  if (FReadOnly) params.Style |= ES_READONLY;
  static constexpr pg::DWORD align[] = {ES_LEFT, ES_RIGHT, ES_CENTER};
  params.Style |= align[FAlignment];
  if (FScrollBars == ssVertical || FScrollBars == ssBoth) params.Style |= pg::WS_VSCROLL;
  if ((FScrollBars == ssHorizontal || FScrollBars == ssBoth) && !FWordWrap) params.Style |= pg::WS_HSCROLL;
  if (FBorderStyle == bsSingle) params.ExStyle |= pg::WS_EX_CLIENTEDGE;
}

void TCustomMemo::CreateWnd() {
  TWinControl::CreateWnd();
  if (FMaxLength > 0) pg::SendMessageW(FHandle, EM_LIMITTEXT, static_cast<pg::WPARAM>(FMaxLength), 0);
}

TEditControl* TCustomMemo::Edit() { return HandleAllocated() ? TEditControl::Of(FHandle) : nullptr; }

void TCustomMemo::SetReadOnly(bool value) {
  if (value == FReadOnly) return;
  FReadOnly = value;
  if (HandleAllocated()) pg::SendMessageW(FHandle, EM_SETREADONLY, value, 0);
}

void TCustomMemo::SetWordWrap(bool value) {
  if (value == FWordWrap) return;
  FWordWrap = value;
  RecreateWnd();
}

void TCustomMemo::SetScrollBars(TScrollStyle value) {
  if (value == FScrollBars) return;
  FScrollBars = value;
  RecreateWnd();
}

void TCustomMemo::SetAlignment(TAlignment value) {
  if (value == FAlignment) return;
  FAlignment = value;
  RecreateWnd();
}

void TCustomMemo::SetBorderStyle(TBorderStyle value) {
  if (value == FBorderStyle) return;
  FBorderStyle = value;
  RecreateWnd();
}

void TCustomMemo::SetMaxLength(int value) {
  FMaxLength = std::max(0, value);
  if (HandleAllocated()) pg::SendMessageW(FHandle, EM_LIMITTEXT, static_cast<pg::WPARAM>(FMaxLength), 0);
}

int TCustomMemo::SelStart() {
  pg::DWORD start = 0, end = 0;
  Perform(EM_GETSEL, reinterpret_cast<uintptr_t>(&start), reinterpret_cast<intptr_t>(&end));
  return static_cast<int>(start);
}

int TCustomMemo::SelLength() {
  pg::DWORD start = 0, end = 0;
  Perform(EM_GETSEL, reinterpret_cast<uintptr_t>(&start), reinterpret_cast<intptr_t>(&end));
  return static_cast<int>(end - start);
}

void TCustomMemo::SetSelStart(int value) { Perform(EM_SETSEL, static_cast<uintptr_t>(value), value); }

void TCustomMemo::SetSelLength(int value) {
  int start = SelStart();
  Perform(EM_SETSEL, static_cast<uintptr_t>(start), start + value);
}

std::u16string TCustomMemo::SelText() {
  std::u16string text = GetText();
  int start = std::clamp(SelStart(), 0, static_cast<int>(text.size()));
  int length = std::clamp(SelLength(), 0, static_cast<int>(text.size()) - start);
  return text.substr(static_cast<size_t>(start), static_cast<size_t>(length));
}

void TCustomMemo::SetSelText(std::u16string_view text) {
  std::u16string copy(text);
  Perform(EM_REPLACESEL, 0, reinterpret_cast<intptr_t>(copy.c_str()));
}

void TCustomMemo::SelectAll() { Perform(EM_SETSEL, 0, -1); }
void TCustomMemo::CopyToClipboard() { Perform(WM_COPY, 0, 0); }
void TCustomMemo::CutToClipboard() { Perform(WM_CUT, 0, 0); }
void TCustomMemo::PasteFromClipboard() { Perform(WM_PASTE, 0, 0); }

void TCustomMemo::Change() { OnChange(this); }

void TCustomMemo::CNCommand(TMessage& message) {
  if (pg::HIWORD(message.WParam) == EN_CHANGE) Change();
}

void TCustomMemo::WMGetDlgCode(TMessage& message) {
  DefaultHandler(message);
  if (FWantTabs)
    message.Result |= DLGC_WANTTAB;
  else
    message.Result &= ~DLGC_WANTTAB;
  if (!FWantReturns) message.Result &= ~DLGC_WANTALLKEYS;
}

}  // namespace z5t8::framework
