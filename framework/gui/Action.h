#pragma once

#include <functional>
#include <string>
#include <vector>

#include "framework/Component.h"
#include "framework/Event.h"

namespace z5t8::framework {

class TActionList;
class TBasicAction;
class TImageList;

// What ties one client to an action: the action tells every link of a change,
// and the link passes the news on to its client.
class TBasicActionLink {
public:
  using TChangeHandler = std::function<void(TBasicAction* action)>;

  explicit TBasicActionLink(TChangeHandler onChange) : FOnChange(std::move(onChange)) {}
  virtual ~TBasicActionLink();
  TBasicActionLink(const TBasicActionLink&) = delete;
  TBasicActionLink& operator=(const TBasicActionLink&) = delete;

  TBasicAction* Action() const { return FAction; }
  // Leaves the previous action's list of clients and joins the new one's.
  void SetAction(TBasicAction* action);
  // Runs the action; false when it did nothing (no handler, or disabled).
  bool Execute();

private:
  friend class TBasicAction;
  void Change() {
    if (FOnChange) FOnChange(FAction);
  }

  TBasicAction* FAction = nullptr;
  TChangeHandler FOnChange;
};

// A command with one handler that menus, buttons and keys can share.
class TBasicAction : public TComponent {
  Z5T8_CLASS(TBasicAction, TComponent)
public:
  explicit TBasicAction(TComponent* owner);
  ~TBasicAction() override;

  // Calls OnExecute with the action as its sender; false without a handler.
  virtual bool Execute();
  int ClientCount() const { return int(FClients.size()); }
  // Tells every client that something it shows from the action changed; a
  // client that took OnExecute as its own click handler takes it again.
  void Change();

  TNotifyEvent OnExecute;

private:
  friend class TBasicActionLink;
  std::vector<TBasicActionLink*> FClients;
};

// An action with what its clients show: a caption, a hint, a picture from its
// list's images, and whether it is enabled, visible and checked.
class TCustomAction : public TBasicAction {
  Z5T8_CLASS(TCustomAction, TBasicAction)
public:
  explicit TCustomAction(TComponent* owner);
  ~TCustomAction() override;

  const std::u16string& Caption() const { return FCaption; }
  void SetCaption(std::u16string value);
  bool Checked() const { return FChecked; }
  void SetChecked(bool value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value);
  const std::u16string& Hint() const { return FHint; }
  void SetHint(std::u16string value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool value);

  TActionList* ActionList() const { return FActionList; }
  void SetActionList(TActionList* list);
  // The images of the action's list, where ImageIndex points; null without a list.
  TImageList* Images() const;

  // A disabled action does not run.
  bool Execute() override;

  // Stored as a child of its action list.
  bool HasParent() const override { return FActionList != nullptr; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* parent) override;
  void ReadState(TReader& reader) override;

private:
  friend class TActionList;
  std::u16string FCaption;
  bool FChecked = false;
  bool FEnabled = true;
  std::u16string FHint;
  int FImageIndex = -1;
  bool FVisible = true;
  TActionList* FActionList = nullptr;
};

// The action a layout names: every property published.
class TAction : public TCustomAction {
  Z5T8_CLASS(TAction, TCustomAction)
public:
  explicit TAction(TComponent* owner) : TCustomAction(owner) {}
};

// Holds a form's actions together and gives them their images.
class TActionList : public TComponent {
  Z5T8_CLASS(TActionList, TComponent)
public:
  explicit TActionList(TComponent* owner);
  ~TActionList() override;

  int ActionCount() const { return int(FActions.size()); }
  TCustomAction* Actions(int index) const;
  TImageList* Images() const { return FImages; }
  // Every action's clients take their pictures again.
  void SetImages(TImageList* value);

  void GetChildren(const TGetChildProc& proc, TComponent* root) override;

protected:
  void Notification(TComponent* component, TOperation operation) override;

private:
  friend class TCustomAction;
  void ImagesChanged();

  std::vector<TCustomAction*> FActions;
  TImageList* FImages = nullptr;
};

}  // namespace z5t8::framework
