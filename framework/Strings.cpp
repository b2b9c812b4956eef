#include "framework/Strings.h"

#include "framework/Exceptions.h"
#include "framework/Properties.h"
#include "framework/Reader.h"
#include "framework/TextUtils.h"
#include "framework/Writer.h"

namespace z5t8::framework {

Z5T8_IMPLEMENT_CLASS(TStrings, TPersistent) {}
Z5T8_IMPLEMENT_CLASS(TStringList, TStrings) {}

void TStrings::Put(int index, const std::string& text) {
  BeginUpdate();
  try {
    Delete(index);
    Insert(index, text);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

int TStrings::Add(const std::string& text) {
  int index = Count();
  Insert(index, text);
  return index;
}

void TStrings::AddStrings(const TStrings& strings) {
  BeginUpdate();
  for (int i = 0; i < strings.Count(); ++i) Add(strings.Get(i));
  EndUpdate();
}

int TStrings::IndexOf(std::string_view text) const {
  for (int i = 0; i < Count(); ++i)
    if (SameText(Get(i), text)) return i;
  return -1;
}

std::string TStrings::Text() const {
  std::string text;
  for (int i = 0; i < Count(); ++i) {
    text += Get(i);
    text += "\r\n";
  }
  return text;
}

void TStrings::SetText(std::string_view text) {
  BeginUpdate();
  Clear();
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    Add(std::string(text.substr(start, end - start)));
    start = end;
    if (start < text.size() && text[start] == '\r') ++start;
    if (start < text.size() && text[start] == '\n') ++start;
  }
  EndUpdate();
}

void TStrings::BeginUpdate() {
  if (FUpdateCount++ == 0) SetUpdateState(true);
}

void TStrings::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0) SetUpdateState(false);
}

void TStrings::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TStrings*>(source);
  if (!other) return TPersistent::Assign(source);
  BeginUpdate();
  Clear();
  AddStrings(*other);
  EndUpdate();
}

void TStrings::DefineProperties(TFiler& filer) {
  filer.DefineProperty(
      "Strings",
      [this](TReader& reader) {
        reader.ReadListBegin();
        BeginUpdate();
        try {
          Clear();
          while (!reader.EndOfList()) Add(reader.ReadString());
        } catch (...) {
          EndUpdate();
          throw;
        }
        EndUpdate();
        reader.ReadListEnd();
      },
      [this](TWriter& writer) {
        writer.WriteListBegin();
        for (int i = 0; i < Count(); ++i) writer.WriteString(Get(i));
        writer.WriteListEnd();
      },
      Count() > 0);
}

void TStringList::CheckIndex(int index, int limit) const {
  if (index < 0 || index > limit)
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

std::string TStringList::Get(int index) const {
  CheckIndex(index, Count() - 1);
  return FItems[size_t(index)];
}

void TStringList::Put(int index, const std::string& text) {
  CheckIndex(index, Count() - 1);
  Changing();
  FItems[size_t(index)] = text;
  Changed();
}

void TStringList::Insert(int index, const std::string& text) {
  CheckIndex(index, Count());
  Changing();
  FItems.insert(FItems.begin() + index, text);
  Changed();
}

void TStringList::Delete(int index) {
  CheckIndex(index, Count() - 1);
  Changing();
  FItems.erase(FItems.begin() + index);
  Changed();
}

void TStringList::Clear() {
  if (FItems.empty()) return;
  Changing();
  FItems.clear();
  Changed();
}

void TStringList::Changing() {
  if (UpdateCount() == 0) OnChanging(this);
}

void TStringList::Changed() {
  if (UpdateCount() == 0) OnChange(this);
}

void TStringList::SetUpdateState(bool updating) {
  if (updating)
    Changing();
  else
    Changed();
}

}  // namespace z5t8::framework
