#pragma once

#include <memory>
#include <string>
#include <vector>

#include "skin/render/Bitmap.h"
#include "skin/render/BitmapLink.h"

namespace z5t8::skin::render {

// The owning list of a skin's images.
class TteBitmapList {
public:
  TteBitmapList() = default;
  virtual ~TteBitmapList() { Clear(); }
  TteBitmapList(const TteBitmapList&) = delete;
  TteBitmapList& operator=(const TteBitmapList&) = delete;

  // Takes ownership; returns the bitmap's index.
  int Add(std::unique_ptr<TteBitmap> bitmap);
  int Count() const { return int(items_.size()); }
  virtual void Clear();

  // None when the index is out of range.
  TteBitmap* GetImage(int index) const;
  // The first bitmap of that name, ignoring ASCII letter case.
  TteBitmap* GetBitmapByName(const std::string& name) const;
  int IndexOf(const TteBitmap* bitmap) const;

  // New links (owned by the caller); none when the bitmap is not in the list.
  std::unique_ptr<TteBitmapLink> GetBitmapLink(TteBitmap* bitmap, const Rect& rect) const;
  std::unique_ptr<TteBitmapLink> GetBitmapLink(const std::string& name, const Rect& rect) const;
  std::unique_ptr<TteBitmapLink> GetBitmapLink(const std::string& name, const std::string& rectText) const;

private:
  std::vector<std::unique_ptr<TteBitmap>> items_;
};

}  // namespace z5t8::skin::render
