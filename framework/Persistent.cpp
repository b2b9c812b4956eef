#include "framework/Persistent.h"

#include "framework/Exceptions.h"
#include "framework/Properties.h"
#include "framework/Reader.h"

namespace z5t8::framework {

Z5T8_IMPLEMENT_CLASS(TPersistent, TObject) {}

TPersistent::~TPersistent() { TReader::ObjectDestroyed(this); }

void TPersistent::Assign(const TPersistent* source) {
  if (source)
    source->AssignTo(this);
  else
    AssignError(nullptr);
}

void TPersistent::AssignTo(TPersistent* dest) const { dest->AssignError(this); }

void TPersistent::AssignError(const TPersistent* source) const {
  std::string from = source ? source->ClassName() : "nil";
  throw EConvertError("Cannot assign a " + from + " to a " + ClassName());
}

std::string TPersistent::GetNamePath() const {
  std::string result = ClassName();
  if (TPersistent* owner = GetOwner()) {
    std::string path = owner->GetNamePath();
    if (!path.empty()) result = path + "." + result;
  }
  return result;
}

}  // namespace z5t8::framework
