#pragma once

#include <string>
#include <vector>

#include "framework/Persistent.h"

namespace z5t8::framework {

class TCollection;

enum TCollectionNotification { cnAdded, cnExtracting, cnDeleting };

// An element of a collection; streamed as one item of a collection value.
class TCollectionItem : public TPersistent {
  Z5T8_CLASS(TCollectionItem, TPersistent)

public:
  // Adds itself to collection (when given), which owns it from then on.
  explicit TCollectionItem(TCollection* collection);
  ~TCollectionItem() override;
  TCollectionItem(const TCollectionItem&) = delete;
  TCollectionItem& operator=(const TCollectionItem&) = delete;

  TCollection* Collection() const { return FCollection; }
  void SetCollection(TCollection* collection);
  int Index() const;
  void SetIndex(int index);
  int ID() const { return FID; }
  virtual std::string DisplayName() const { return ClassName(); }
  std::string GetNamePath() const override;
  TPersistent* GetOwner() const override;

protected:
  // Tells the collection this item (or, with allItems, every item) changed.
  void Changed(bool allItems);

private:
  friend class TCollection;
  TCollection* FCollection = nullptr;
  int FID = 0;
};

// An owning, ordered list of items of one class.
class TCollection : public TPersistent {
  Z5T8_CLASS(TCollection, TPersistent)

public:
  explicit TCollection(const TMetaClass& itemClass);
  ~TCollection() override;
  TCollection(const TCollection&) = delete;
  TCollection& operator=(const TCollection&) = delete;

  const TMetaClass& ItemClass() const { return FItemClass; }
  TCollectionItem* Add();
  TCollectionItem* Insert(int index);
  void Delete(int index);
  void Clear();
  int Count() const { return int(FItems.size()); }
  // EListError "List index out of bounds (%d)" outside 0 .. Count - 1.
  TCollectionItem* Items(int index) const;
  TCollectionItem* FindItemID(int id) const;

  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }

  // From another collection: the items are replaced by copies (Add, then Assign).
  void Assign(const TPersistent* source) override;
  std::string GetNamePath() const override;

protected:
  // Called after changes, with the item changed or nullptr for many; not while updating.
  virtual void Update(TCollectionItem*) {}
  virtual void Notify(TCollectionItem*, TCollectionNotification) {}
  void Changed();

private:
  friend class TCollectionItem;
  void InsertItem(TCollectionItem* item);
  void RemoveItem(TCollectionItem* item);

  const TMetaClass& FItemClass;
  std::vector<TCollectionItem*> FItems;
  int FNextID = 0;
  int FUpdateCount = 0;
};

// A collection whose owner gives it its name path ("TeThemeList1.Themes").
class TOwnedCollection : public TCollection {
  Z5T8_CLASS(TOwnedCollection, TCollection)

public:
  TOwnedCollection(TPersistent* owner, const TMetaClass& itemClass) : TCollection(itemClass), FOwner(owner) {}
  TPersistent* GetOwner() const override { return FOwner; }

private:
  TPersistent* FOwner;
};

}  // namespace z5t8::framework
