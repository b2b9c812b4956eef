#include "skin/render/BitmapList.h"

#include <algorithm>

namespace z5t8::skin::render {

namespace {

bool SameTextAscii(const std::string& a, const std::string& b) {
  auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) {
           return lower(static_cast<unsigned char>(x)) == lower(static_cast<unsigned char>(y));
         });
}

}  // namespace

int TteBitmapList::Add(std::unique_ptr<TteBitmap> bitmap) {
  items_.push_back(std::move(bitmap));
  return Count() - 1;
}

void TteBitmapList::Clear() { items_.clear(); }

TteBitmap* TteBitmapList::GetImage(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return items_[size_t(index)].get();
}

TteBitmap* TteBitmapList::GetBitmapByName(const std::string& name) const {
  for (const auto& b : items_)
    if (b && SameTextAscii(b->Name, name)) return b.get();
  return nullptr;
}

int TteBitmapList::IndexOf(const TteBitmap* bitmap) const {
  for (size_t i = 0; i < items_.size(); ++i)
    if (items_[i].get() == bitmap) return int(i);
  return -1;
}

std::unique_ptr<TteBitmapLink> TteBitmapList::GetBitmapLink(TteBitmap* bitmap, const Rect& rect) const {
  if (!bitmap || IndexOf(bitmap) < 0) return nullptr;
  return bitmap->GetBitmapLink(rect);
}

std::unique_ptr<TteBitmapLink> TteBitmapList::GetBitmapLink(const std::string& name, const Rect& rect) const {
  TteBitmap* b = GetBitmapByName(name);
  return b ? b->GetBitmapLink(rect) : nullptr;
}

std::unique_ptr<TteBitmapLink> TteBitmapList::GetBitmapLink(const std::string& name,
                                                            const std::string& rectText) const {
  return GetBitmapLink(name, StringToRect(rectText));
}

}  // namespace z5t8::skin::render
