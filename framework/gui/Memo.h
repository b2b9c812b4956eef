#pragma once

#include <memory>

#include "framework/Strings.h"
#include "framework/gui/Form.h"
#include "framework/gui/Label.h"
#include "framework/gui/WinControl.h"

namespace z5t8::framework {

class TCustomMemo;
class TEditControl;

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
extern const TEnumInfo ScrollStyleInfo;

// The lines of a memo, kept in its text (CR LF between lines); a last empty
// line after a final break does not count.
class TMemoStrings : public TStrings {
  Z5T8_CLASS(TMemoStrings, TStrings)
public:
  explicit TMemoStrings(TCustomMemo* memo) : FMemo(memo) {}
  int Count() const override;
  std::string Get(int index) const override;
  void Put(int index, const std::string& text) override;
  void Insert(int index, const std::string& text) override;
  void Delete(int index) override;
  void Clear() override;
  void SetText(std::string_view text) override;

protected:
  void SetUpdateState(bool updating) override;

private:
  // Start of each line and its length without the break.
  std::vector<std::pair<size_t, size_t>> Split(const std::u16string& text) const;
  TCustomMemo* FMemo = nullptr;
};

// A multi-line edit: the framework's edit window with its standard scroll
// bars, subclassed, so hooks see every message the edit sees.
class TCustomMemo : public TWinControl {
  Z5T8_CLASS(TCustomMemo, TWinControl)
public:
  explicit TCustomMemo(TComponent* owner);
  ~TCustomMemo() override;

  TStrings* Lines() const { return FLines.get(); }
  void SetLines(const TStrings* lines) { FLines->Assign(lines); }
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool value);
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle value);
  int MaxLength() const { return FMaxLength; }
  void SetMaxLength(int value);
  bool WantReturns() const { return FWantReturns; }
  void SetWantReturns(bool value) { FWantReturns = value; }
  bool WantTabs() const { return FWantTabs; }
  void SetWantTabs(bool value) { FWantTabs = value; }

  int SelStart();
  int SelLength();
  void SetSelStart(int value);
  void SetSelLength(int value);
  std::u16string SelText();
  void SetSelText(std::u16string_view text);
  void SelectAll();
  void CopyToClipboard();
  void CutToClipboard();
  void PasteFromClipboard();
  void Clear() { SetText(u""); }
  // The edit window's state, once the window exists.
  TEditControl* Edit();

  TNotifyEvent OnChange;

protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  virtual void Change();
  void CNCommand(TMessage& message);
  void WMGetDlgCode(TMessage& message);

private:
  std::unique_ptr<TMemoStrings> FLines;
  bool FReadOnly = false;
  bool FWordWrap = true;
  TScrollStyle FScrollBars = ssNone;
  TAlignment FAlignment = taLeftJustify;
  TBorderStyle FBorderStyle = bsSingle;
  int FMaxLength = 0;
  bool FWantReturns = true;
  bool FWantTabs = false;
};

class TMemo : public TCustomMemo {
  Z5T8_CLASS(TMemo, TCustomMemo)
public:
  using TCustomMemo::TCustomMemo;
};

}  // namespace z5t8::framework
