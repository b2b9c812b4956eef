#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "framework/Filer.h"

namespace z5t8::framework {

// Reads the component stream format: a signature, a root component with its properties
// by name and its children, recursively. References to components are fixed up once the
// whole stream is read; then every component read is told Loaded, in creation order.
// Errors abandon the read and pass on as EReadError ("Invalid stream format", "Property %s
// does not exist", "Invalid property value", "Stream read error") or EClassNotFound; the
// components made on the way are freed first.
class TReader : public TFiler {
public:
  explicit TReader(TStream& stream);
  ~TReader() override;
  TReader(const TReader&) = delete;
  TReader& operator=(const TReader&) = delete;

  // Reads a whole stream into root, or, when root is nullptr, into a new component of the
  // stream's class (created with ownerIfCreated) which is returned.
  TComponent* ReadRootComponent(TComponent* root, TComponent* ownerIfCreated = nullptr);

  // The parts, for components and persistent objects that stream themselves.
  void ReadSignature();
  TValueType ReadValue();
  TValueType NextValue();
  bool EndOfList();
  void ReadListBegin();
  void ReadListEnd();
  // Tags 2, 3 and 4, sign-extended.
  int32_t ReadInteger();
  // Tag 19 and the 32-bit integer tags.
  int64_t ReadInt64();
  bool ReadBoolean();
  // Tags 6, 12, 18 and 20; wide strings become UTF-8.
  std::string ReadString();
  // The same tags; 8-bit strings are taken as UTF-8.
  std::u16string ReadWideString();
  // Tag 7, and False, True, nil for tags 8, 9, 13.
  std::string ReadIdent();
  // A short string without a tag.
  std::string ReadStr();
  // Exactly count raw bytes; the result grows as they arrive, so hostile counts allocate nothing.
  std::string ReadBytes(uint64_t count);
  // The optional prefix byte of a component: its flags and, with ffChildPos, the position.
  void ReadPrefix(uint8_t& flags, int32_t& position);
  void SkipValue();
  void ReadCollection(TCollection& collection);
  void ReadData(TComponent* instance);
  void ReadProperty(TPersistent* instance);

  TComponent* Root() const { return FRoot; }
  TComponent* Owner() const { return FOwner; }
  // The component the children being read belong under (controls take it as parent).
  TComponent* Parent() const { return FParent; }
  TStream& Stream() const { return FStream; }

  void DefineProperty(const std::string& name, const std::function<void(TReader&)>& readData,
                      const std::function<void(TWriter&)>& writeData, bool hasData) override;
  void DefineBinaryProperty(const std::string& name, const std::function<void(TStream&)>& readData,
                            const std::function<void(TStream&)>& writeData, bool hasData) override;

  // Called for every persistent object destroyed while readers are active, so that no
  // pending fix-up or Loaded call reaches a freed object.
  static void ObjectDestroyed(TPersistent* object);

private:
  uint8_t ReadByte();
  void Read(void* buffer, size_t count);
  void SkipBytes(uint64_t count);
  TComponent* ReadComponent();
  void ReadPropValue(TPersistent* instance, const TPropInfo& info);
  void FixupReferences();
  void Forget(TPersistent* object);
  [[noreturn]] static void PropValueError();

  struct TFixup {
    TPersistent* Instance;
    const TPropInfo* Info;
    std::string Name;
  };

  TStream& FStream;
  std::optional<uint8_t> FPeek;
  TComponent* FRoot = nullptr;
  TComponent* FOwner = nullptr;
  TComponent* FParent = nullptr;
  std::vector<TComponent*> FLoaded;
  std::vector<TComponent*> FCreated;
  std::vector<TFixup> FFixups;
  std::string FPropName;
  TReader* FPrevious = nullptr;
};

// Reads a component stream into instance (or a new component of the stream's class,
// owned by owner, when instance is nullptr) and returns it.
TComponent* ReadComponent(TStream& stream, TComponent* instance, TComponent* owner = nullptr);

}  // namespace z5t8::framework
