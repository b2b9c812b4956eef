#include "framework/gui/Picture.h"

#include <algorithm>

#include "framework/Filer.h"
#include "framework/MemoryStream.h"
#include "framework/Properties.h"
#include "framework/TextUtils.h"

namespace z5t8::framework {

namespace {

std::unique_ptr<TGraphic> NewGraphic(std::string_view className) {
  if (SameText(className, "TBitmap")) return std::make_unique<TBitmap>();
  if (SameText(className, "TIcon")) return std::make_unique<TIcon>();
  throw EInvalidGraphic("Unknown picture file extension (" + std::string(className) + ")");
}

}  // namespace

Z5T8_IMPLEMENT_CLASS(TPicture, TPersistent) {}

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::Take(std::unique_ptr<TGraphic> graphic) {
  FGraphic = std::move(graphic);
  if (FGraphic)
    FGraphic->OnChange = [this] {
      if (OnChange) OnChange();
    };
  if (OnChange) OnChange();
}

void TPicture::SetGraphic(const TGraphic* graphic) {
  if (!graphic) {
    Take(nullptr);
    return;
  }
  auto copy = NewGraphic(graphic->ClassName());
  copy->Assign(graphic);
  Take(std::move(copy));
}

TBitmap* TPicture::Bitmap() {
  if (!dynamic_cast<TBitmap*>(FGraphic.get())) Take(std::make_unique<TBitmap>());
  return static_cast<TBitmap*>(FGraphic.get());
}

TIcon* TPicture::Icon() {
  if (!dynamic_cast<TIcon*>(FGraphic.get())) Take(std::make_unique<TIcon>());
  return static_cast<TIcon*>(FGraphic.get());
}

void TPicture::LoadFromFile(const std::string& fileName) {
  auto dot = fileName.rfind('.');
  std::string ext = dot == std::string::npos ? std::string() : UpperCase(fileName.substr(dot));
  std::unique_ptr<TGraphic> graphic;
  if (ext == ".BMP")
    graphic = std::make_unique<TBitmap>();
  else if (ext == ".ICO")
    graphic = std::make_unique<TIcon>();
  else
    throw EInvalidGraphic("Unknown picture file extension (" + ext + ")");
  graphic->LoadFromFile(fileName);
  Take(std::move(graphic));
}

void TPicture::Assign(const TPersistent* source) {
  if (!source) {
    Take(nullptr);
  } else if (const auto* picture = dynamic_cast<const TPicture*>(source)) {
    SetGraphic(picture->FGraphic.get());
  } else if (const auto* graphic = dynamic_cast<const TGraphic*>(source)) {
    SetGraphic(graphic);
  } else {
    TPersistent::Assign(source);
  }
}

void TPicture::ReadData(TStream& stream) {
  uint8_t length = stream.ReadByte();
  std::string className(length, '\0');
  stream.ReadBuffer(className.data(), length);
  auto graphic = NewGraphic(className);
  if (dynamic_cast<TBitmap*>(graphic.get())) {
    uint32_t size = stream.ReadUInt32();
    if (size > stream.Remaining()) throw EInvalidGraphic("Bitmap image is not valid");
  }
  graphic->LoadFromStream(stream);
  Take(std::move(graphic));
}

void TPicture::WriteData(TStream& stream) {
  if (!FGraphic) return;
  std::string className = FGraphic->ClassName();
  stream.WriteByte(static_cast<uint8_t>(className.size()));
  stream.WriteBuffer(className.data(), static_cast<int64_t>(className.size()));
  if (dynamic_cast<TBitmap*>(FGraphic.get())) {
    TMemoryStream data;
    FGraphic->SaveToStream(data);
    stream.WriteUInt32(static_cast<uint32_t>(data.Size()));
    stream.WriteBuffer(data.Memory(), data.Size());
  } else {
    FGraphic->SaveToStream(stream);
  }
}

void TPicture::DefineProperties(TFiler& filer) {
  filer.DefineBinaryProperty(
      "Data", [this](TStream& s) { ReadData(s); }, [this](TStream& s) { WriteData(s); },
      FGraphic && !FGraphic->Empty());
}

}  // namespace z5t8::framework
