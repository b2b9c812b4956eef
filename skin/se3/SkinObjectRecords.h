#pragma once

#include <string>
#include <string_view>

#include "framework/Component.h"
#include "framework/Stream.h"

namespace z5t8::skin::se3 {

class TSeSkinObject;

// One skin object record. Binary form: the class name as a counted string, a 32-bit byte
// count and the object as a component stream. Text form: the class name and the
// component stream's text form, both counted strings.
//
// A load gives the new object, owned by owner, with its fonts set to the default
// character set; or none when the class name resolves to no registered class, in which
// case the record is skipped whole so the records after it stay readable. Stream and
// component errors pass on after the object made is freed.
void SaveSkinObjectBinary(framework::TStream& stream, TSeSkinObject* object);
TSeSkinObject* LoadSkinObjectBinary(framework::TStream& stream, framework::TComponent* owner);
void SaveSkinObject(framework::TStream& stream, TSeSkinObject* object);
TSeSkinObject* LoadSkinObject(framework::TStream& stream, framework::TComponent* owner);

// The skin objects one store may make, nested ones included, while a budget is in scope
// (the store reader opens one): making one more raises "Stream read error". Objects cost
// far more memory than their records take bytes, so the store's size alone cannot bound them.
class TSeObjectBudget {
public:
  explicit TSeObjectBudget(int limit);
  ~TSeObjectBudget();
  TSeObjectBudget(const TSeObjectBudget&) = delete;
  TSeObjectBudget& operator=(const TSeObjectBudget&) = delete;

  // Counts one object against the innermost budget in scope, if any.
  static void Charge();

private:
  int FLeft;
  TSeObjectBudget* FOuter;
};

// The readable source form of one object: the text form of its component stream with the
// children as nested objects. Loading takes children nested or in "Objects" and gives none
// when the class resolves to no registered class.
std::string SaveSkinObjectSource(TSeSkinObject* object);
TSeSkinObject* LoadSkinObjectSource(std::string_view text, framework::TComponent* owner);

// The value of the "Objects" property: a count word, then the children. Bits 16 to 19
// set in the word mark binary records, clear text-form ones; the writer always writes
// binary records.
void ReadSkinObjects(framework::TStream& stream, TSeSkinObject* owner);
void WriteSkinObjects(framework::TStream& stream, const TSeSkinObject* owner);

}  // namespace z5t8::skin::se3
