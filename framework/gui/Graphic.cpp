#include "framework/gui/Graphic.h"

#include "framework/FileStream.h"
#include "framework/Properties.h"

namespace z5t8::framework {

Z5T8_IMPLEMENT_CLASS(TGraphic, TPersistent) {}

void TGraphic::LoadFromFile(const std::string& fileName) {
  TFileStream stream(fileName, fmOpenRead);
  LoadFromStream(stream);
}

void TGraphic::SaveToFile(const std::string& fileName) {
  TFileStream stream(fileName, fmCreate);
  SaveToStream(stream);
}

void TGraphic::SetTransparent(bool value) {
  if (value == FTransparent) return;
  FTransparent = value;
  Changed();
}

void TGraphic::Changed() {
  if (OnChange) OnChange();
}

}  // namespace z5t8::framework
