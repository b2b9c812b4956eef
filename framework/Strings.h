#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "framework/Event.h"
#include "framework/Persistent.h"

namespace z5t8::framework {

// A list of 8-bit strings; streamed as the defined property "Strings", a list of strings.
class TStrings : public TPersistent {
  Z5T8_CLASS(TStrings, TPersistent)

public:
  virtual int Count() const = 0;
  // EListError "List index out of bounds (%d)" outside 0 .. Count - 1.
  virtual std::string Get(int index) const = 0;
  virtual void Put(int index, const std::string& text);
  virtual void Insert(int index, const std::string& text) = 0;
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;

  int Add(const std::string& text);
  void AddStrings(const TStrings& strings);
  // Case-insensitive; -1 when absent.
  int IndexOf(std::string_view text) const;
  std::string operator[](int index) const { return Get(index); }

  // Every line followed by CR LF.
  std::string Text() const;
  // Splits at CR LF, CR or LF; a last line without a break counts.
  virtual void SetText(std::string_view text);

  // Between BeginUpdate and the matching EndUpdate change notifications are held back.
  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }

  void Assign(const TPersistent* source) override;
  void DefineProperties(TFiler& filer) override;

protected:
  virtual void SetUpdateState(bool) {}

private:
  int FUpdateCount = 0;
};

// The plain list of strings, with change events.
class TStringList : public TStrings {
  Z5T8_CLASS(TStringList, TStrings)

public:
  int Count() const override { return int(FItems.size()); }
  std::string Get(int index) const override;
  void Put(int index, const std::string& text) override;
  void Insert(int index, const std::string& text) override;
  void Delete(int index) override;
  void Clear() override;

  TNotifyEvent OnChanging;
  TNotifyEvent OnChange;

protected:
  virtual void Changing();
  virtual void Changed();
  void SetUpdateState(bool updating) override;

private:
  void CheckIndex(int index, int limit) const;
  std::vector<std::string> FItems;
};

}  // namespace z5t8::framework
