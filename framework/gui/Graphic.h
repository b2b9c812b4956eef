#pragma once

#include <functional>
#include <string>

#include "framework/Exceptions.h"
#include "framework/Persistent.h"
#include "framework/Stream.h"
#include "platform/gui/Geometry.h"

namespace z5t8::framework {

class TCanvas;

// A picture's bytes are not of a form it reads.
class EInvalidGraphic : public Exception {
public:
  using Exception::Exception;
};

// A picture that can draw itself into a rectangle of a canvas.
class TGraphic : public TPersistent {
  Z5T8_CLASS(TGraphic, TPersistent)
public:
  virtual bool Empty() const = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual void SetWidth(int value) = 0;
  virtual void SetHeight(int value) = 0;
  // Stretches the picture into r.
  virtual void Draw(TCanvas* canvas, const platform::gui::Rect& r) = 0;
  virtual void LoadFromStream(TStream& stream) = 0;
  virtual void SaveToStream(TStream& stream) = 0;
  void LoadFromFile(const std::string& fileName);
  void SaveToFile(const std::string& fileName);
  bool Transparent() const { return FTransparent; }
  virtual void SetTransparent(bool value);

  std::function<void()> OnChange;

protected:
  virtual void Changed();
  bool FTransparent = false;
};

}  // namespace z5t8::framework
