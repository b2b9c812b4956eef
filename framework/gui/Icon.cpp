#include "framework/gui/Icon.h"

#include "framework/Filer.h"
#include "framework/Properties.h"
#include "framework/gui/Canvas.h"

namespace z5t8::framework {

namespace {
// Icons are small; a larger stream is not one.
constexpr int64_t MaxIconBytes = 4 * 1024 * 1024;
}  // namespace

Z5T8_IMPLEMENT_CLASS(TIcon, TGraphic) {}

void TIcon::Draw(TCanvas* canvas, const platform::gui::Rect& r) {
  auto* dc = canvas ? canvas->Handle() : nullptr;
  if (!dc || !FIcon) return;
  dc->drawIconEx(r.left, r.top, *FIcon, r.width(), r.height());
}

void TIcon::LoadFromStream(TStream& stream) {
  int64_t size = stream.Remaining();
  if (size <= 0 || size > MaxIconBytes) throw EInvalidGraphic("Icon image is not valid");
  std::vector<uint8_t> bytes(static_cast<size_t>(size));
  stream.ReadBuffer(bytes.data(), size);
  LoadFromBytes(std::move(bytes));
}

void TIcon::LoadFromBytes(std::vector<uint8_t> bytes) {
  auto icon = platform::gui::Icon::fromIco(bytes, 32, 32);
  if (!icon) throw EInvalidGraphic("Icon image is not valid");
  FData = std::move(bytes);
  FIcon = std::move(icon);
  Changed();
}

void TIcon::SaveToStream(TStream& stream) {
  if (!FData.empty()) stream.WriteBuffer(FData.data(), static_cast<int64_t>(FData.size()));
}

void TIcon::Assign(const TPersistent* source) {
  if (const auto* other = dynamic_cast<const TIcon*>(source)) {
    FData = other->FData;
    FIcon = other->FIcon;
    Changed();
    return;
  }
  if (!source) {
    FData.clear();
    FIcon.reset();
    Changed();
    return;
  }
  TGraphic::Assign(source);
}

void TIcon::DefineProperties(TFiler& filer) {
  filer.DefineBinaryProperty(
      "Data", [this](TStream& s) { LoadFromStream(s); }, [this](TStream& s) { SaveToStream(s); },
      !FData.empty());
}

std::optional<platform::gui::Icon> TIcon::ImageAt(int cx, int cy) const {
  if (FData.empty()) return std::nullopt;
  return platform::gui::Icon::fromIco(FData, cx, cy);
}

}  // namespace z5t8::framework
