#pragma once

#include <string>

#include "framework/Object.h"

namespace z5t8::framework {

class TFiler;

// An object that can be copied from another (Assign) and streamed (its published
// properties and the properties it defines itself).
class TPersistent : public TObject {
  Z5T8_CLASS(TPersistent, TObject)

public:
  ~TPersistent() override;

  // Copies from source; the default asks source->AssignTo, which refuses with
  // EConvertError "Cannot assign a %s to a %s".
  virtual void Assign(const TPersistent* source);
  // Properties that are not published: binary data, lists, design positions.
  virtual void DefineProperties(TFiler&) {}
  virtual std::string GetNamePath() const;
  virtual TPersistent* GetOwner() const { return nullptr; }

protected:
  virtual void AssignTo(TPersistent* dest) const;
  [[noreturn]] void AssignError(const TPersistent* source) const;
};

}  // namespace z5t8::framework
