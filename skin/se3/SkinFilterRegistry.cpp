#include "skin/se3/SkinFilterRegistry.h"

#include <algorithm>

#include "skin/se3/SkinFilters.h"

namespace z5t8::skin::se3 {

using framework::TStream;

namespace {

struct TFilterList {
  std::vector<TSeSkinFilterClass> Classes;
  TSeSkinFilterClass Default = SkinFilterClass<TSeSkinFilterCompressed>();

  TFilterList() {
    for (TSeSkinFilterClass cls : StandardKinds()) Classes.push_back(cls);
  }
  ~TFilterList() {
    auto kinds = StandardKinds();
    for (auto it = kinds.rbegin(); it != kinds.rend(); ++it) Unregister(*it);
  }
  void Unregister(TSeSkinFilterClass cls) {
    auto it = std::find(Classes.begin(), Classes.end(), cls);
    if (it != Classes.end()) Classes.erase(it);
  }
  static std::array<TSeSkinFilterClass, 4> StandardKinds() {
    return {SkinFilterClass<TSeSkinFilterUncompressed>(), SkinFilterClass<TSeSkinFilterCompressed>(),
            SkinFilterClass<TSeSkinFilterUltraCompressed>(), SkinFilterClass<TSeSkinFilterMaxCompression>()};
  }
};

TFilterList& Filters() {
  static TFilterList list;
  return list;
}

std::string LowerAscii(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  return text;
}

// From the last dot of the last path element, the dot included; empty when there is none.
std::string ExtractFileExt(const std::string& fileName) {
  size_t at = fileName.find_last_of("./\\");
  if (at == std::string::npos || fileName[at] != '.') return {};
  return fileName.substr(at);
}

TSeSkinFilterClass FindBySign(const TTeFilterSign& sign) {
  for (TSeSkinFilterClass cls : Filters().Classes) {
    std::unique_ptr<TSeSkinFilter> filter = cls->Create();
    if (filter->Sign() == sign) return cls;
  }
  return nullptr;
}

}  // namespace

void RegisterSkinFilter(TSeSkinFilterClass filterClass) { Filters().Classes.push_back(filterClass); }

void UnregisterSkinFilter(TSeSkinFilterClass filterClass) { Filters().Unregister(filterClass); }

std::vector<TSeSkinFilterClass> RegisteredSkinFilters() { return Filters().Classes; }

TSeSkinFilterClass GetThemeFilterBySign(TStream& stream) {
  const int64_t start = stream.Position();
  TSeSkinFilterClass result = nullptr;
  try {
    TTeFilterSign sign{};
    if (stream.Read(sign.data(), int32_t(sign.size())) == int32_t(sign.size())) result = FindBySign(sign);
  } catch (...) {
    stream.SetPosition(start);
    throw;
  }
  stream.SetPosition(start);
  return result;
}

TSeSkinFilterClass GetThemeFilterByExt(const std::string& fileName) {
  const std::string ext = LowerAscii(ExtractFileExt(fileName));
  if (ext.empty()) return nullptr;
  for (TSeSkinFilterClass cls : Filters().Classes)
    if (ext == "." + LowerAscii(cls->GetFileExtension())) return cls;
  return nullptr;
}

std::string GetDialogFilter3() {
  std::string result;
  for (TSeSkinFilterClass cls : Filters().Classes) {
    const std::string pattern = "*." + cls->GetFileExtension();
    if (!result.empty()) result += '|';
    result += cls->GetFilterName() + " (" + pattern + ")|" + pattern;
  }
  return result;
}

TSeSkinFilterClass DefaultSkinFilterClass() { return Filters().Default; }

void SetDefaultSkinFilterClass(TSeSkinFilterClass filterClass) { Filters().Default = filterClass; }

}  // namespace z5t8::skin::se3
