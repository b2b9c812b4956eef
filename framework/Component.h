#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Persistent.h"
#include "framework/Set.h"

namespace z5t8::framework {

class TReader;
class TWriter;

enum TComponentStateFlag {
  csLoading,
  csReading,
  csWriting,
  csDestroying,
  csDesigning,
  csAncestor,
  csUpdating,
  csFixups,
  csFreeNotification,
  csInline,
  csDesignInstance
};
using TComponentState = TSet<TComponentStateFlag>;

enum TOperation { opInsert, opRemove };

using TGetChildProc = std::function<void(TComponent*)>;

// A persistent object with an owner, owned components (freed with it), a name unique
// among its owner's components, and the hooks component streams use.
//
// Owners are told of insertions and removals (Notification) and free notifications tell
// any registered component when another one goes away. Because insertion happens in the
// base constructor, an opInsert notification sees the new component as a TComponent only.
class TComponent : public TPersistent {
  Z5T8_CLASS(TComponent, TPersistent)

public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  TComponent* Owner() const { return FOwner; }
  int ComponentCount() const { return int(FComponents.size()); }
  // In insertion order; EListError "List index out of bounds (%d)" outside it.
  TComponent* Components(int index) const;
  int ComponentIndex() const;
  // Case-insensitive; nullptr for an empty or unknown name.
  TComponent* FindComponent(std::string_view name) const;

  const std::string& Name() const { return FName; }
  // EComponentError "'%s' is not a valid component name" for a name that is not an
  // identifier, "A component named %s already exists" for a duplicate among the owner's.
  virtual void SetName(const std::string& name);
  int Tag() const { return FTag; }
  void SetTag(int tag) { FTag = tag; }

  TComponentState ComponentState() const { return FComponentState; }
  bool InState(TComponentStateFlag flag) const { return FComponentState.Contains(flag); }
  // For readers, designers and destruction; descendants rarely need these.
  void IncludeState(TComponentStateFlag flag) { FComponentState.Include(flag); }
  void ExcludeState(TComponentStateFlag flag) { FComponentState.Exclude(flag); }
  void SetDesigning(bool designing);

  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);
  // Frees the owned components, last first.
  void DestroyComponents();
  // Marks this component and its owned ones as being destroyed.
  void Destroying();

  // Asks to be told (Notification with opRemove) when component is freed; mutual.
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);
  // Told of components inserted into and removed from the owner, and of freed components
  // registered with FreeNotification. The default passes the news to the owned components.
  virtual void Notification(TComponent* component, TOperation operation);

  // Streaming hooks. Loaded runs once a whole stream has been read and references fixed.
  virtual void Loaded();
  virtual void ReadState(TReader& reader);
  virtual void WriteState(TWriter& writer);
  // The components written as this component's children; none by default.
  virtual void GetChildren(const TGetChildProc& proc, TComponent* root);
  // Owner for the children read from a stream: nullptr leaves them to the root.
  virtual TComponent* GetChildOwner() { return nullptr; }
  // Parent given to the children read (the reader's Parent while they are read).
  virtual TComponent* GetChildParent() { return this; }
  virtual void SetChildOrder(TComponent*, int) {}
  virtual bool HasParent() const { return false; }
  virtual TComponent* GetParentComponent() const { return nullptr; }
  virtual void SetParentComponent(TComponent*) {}

  // Design position of a non-visual component, streamed as "Left" and "Top".
  int DesignLeft() const { return FDesignLeft; }
  int DesignTop() const { return FDesignTop; }
  void SetDesignLeft(int left) { FDesignLeft = uint16_t(left); }
  void SetDesignTop(int top) { FDesignTop = uint16_t(top); }

  std::string GetNamePath() const override { return FName; }
  TPersistent* GetOwner() const override { return FOwner; }
  void DefineProperties(TFiler& filer) override;

protected:
  virtual void ValidateRename(TComponent* component, const std::string& currentName,
                              const std::string& newName);

private:
  void Insert(TComponent* component);
  void Remove(TComponent* component);
  // Binds or clears the owner's published field of this component's name.
  void SetReference(bool enable);
  void RemoveNotification(TComponent* component);

  TComponent* FOwner = nullptr;
  std::vector<TComponent*> FComponents;
  std::vector<TComponent*> FFreeNotifies;
  std::string FName;
  int FTag = 0;
  TComponentState FComponentState;
  uint16_t FDesignLeft = 0;
  uint16_t FDesignTop = 0;
};

}  // namespace z5t8::framework
