#include "framework/gui/Action.h"

#include <algorithm>

#include "framework/Exceptions.h"
#include "framework/Properties.h"
#include "framework/Reader.h"
#include "framework/gui/ImageList.h"

namespace z5t8::framework {

// ---- Links

TBasicActionLink::~TBasicActionLink() { SetAction(nullptr); }

void TBasicActionLink::SetAction(TBasicAction* action) {
  if (action == FAction) return;
  if (FAction) std::erase(FAction->FClients, this);
  FAction = action;
  if (FAction) FAction->FClients.push_back(this);
}

bool TBasicActionLink::Execute() { return FAction && FAction->Execute(); }

// ---- TBasicAction

Z5T8_IMPLEMENT_CLASS(TBasicAction, TComponent) { p.Event("OnExecute", &TBasicAction::OnExecute); }

TBasicAction::TBasicAction(TComponent* owner) : TComponent(owner) {}

TBasicAction::~TBasicAction() {
  // Clients hear of the removal through their free notification; a link that
  // outlives it must not point here.
  for (TBasicActionLink* link : std::vector<TBasicActionLink*>(FClients)) link->FAction = nullptr;
  FClients.clear();
}

bool TBasicAction::Execute() {
  if (!OnExecute) return false;
  OnExecute(this);
  return true;
}

void TBasicAction::Change() {
  // A client may unlink itself (or another) while it takes the change.
  for (TBasicActionLink* link : std::vector<TBasicActionLink*>(FClients))
    if (std::find(FClients.begin(), FClients.end(), link) != FClients.end()) link->Change();
}

// ---- TCustomAction

Z5T8_IMPLEMENT_CLASS(TCustomAction, TBasicAction) {}

TCustomAction::TCustomAction(TComponent* owner) : TBasicAction(owner) {}

TCustomAction::~TCustomAction() {
  if (FActionList) std::erase(FActionList->FActions, this);
}

void TCustomAction::SetCaption(std::u16string value) {
  if (value == FCaption) return;
  FCaption = std::move(value);
  Change();
}

void TCustomAction::SetChecked(bool value) {
  if (value == FChecked) return;
  FChecked = value;
  Change();
}

void TCustomAction::SetEnabled(bool value) {
  if (value == FEnabled) return;
  FEnabled = value;
  Change();
}

void TCustomAction::SetHint(std::u16string value) {
  if (value == FHint) return;
  FHint = std::move(value);
  Change();
}

void TCustomAction::SetImageIndex(int value) {
  if (value == FImageIndex) return;
  FImageIndex = value;
  Change();
}

void TCustomAction::SetVisible(bool value) {
  if (value == FVisible) return;
  FVisible = value;
  Change();
}

void TCustomAction::SetActionList(TActionList* list) {
  if (list == FActionList) return;
  if (FActionList) std::erase(FActionList->FActions, this);
  FActionList = list;
  if (FActionList) FActionList->FActions.push_back(this);
  Change();
}

TImageList* TCustomAction::Images() const { return FActionList ? FActionList->Images() : nullptr; }

bool TCustomAction::Execute() { return FEnabled && TBasicAction::Execute(); }

TComponent* TCustomAction::GetParentComponent() const { return FActionList; }

void TCustomAction::SetParentComponent(TComponent* parent) {
  if (auto* list = dynamic_cast<TActionList*>(parent)) SetActionList(list);
}

void TCustomAction::ReadState(TReader& reader) {
  if (auto* list = dynamic_cast<TActionList*>(reader.Parent())) SetActionList(list);
  TBasicAction::ReadState(reader);
}

// ---- TAction

Z5T8_IMPLEMENT_CLASS(TAction, TCustomAction) {
  using T = TAction;
  p.WideString("Caption", &T::Caption, &T::SetCaption);
  p.Boolean("Checked", &T::Checked, &T::SetChecked).Default(0);
  p.Boolean("Enabled", &T::Enabled, &T::SetEnabled).Default(1);
  p.WideString("Hint", &T::Hint, &T::SetHint);
  p.Integer("ImageIndex", &T::ImageIndex, &T::SetImageIndex).Default(-1);
  p.Boolean("Visible", &T::Visible, &T::SetVisible).Default(1);
}

// ---- TActionList

Z5T8_IMPLEMENT_CLASS(TActionList, TComponent) {
  p.Component("Images", &TActionList::Images, &TActionList::SetImages);
}

TActionList::TActionList(TComponent* owner) : TComponent(owner) {}

TActionList::~TActionList() {
  while (!FActions.empty()) FActions.back()->SetActionList(nullptr);
  SetImages(nullptr);
}

TCustomAction* TActionList::Actions(int index) const {
  if (index < 0 || index >= ActionCount())
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  return FActions[size_t(index)];
}

void TActionList::SetImages(TImageList* value) {
  if (value == FImages) return;
  if (FImages) FImages->RemoveFreeNotification(this);
  FImages = value;
  if (FImages) FImages->FreeNotification(this);
  ImagesChanged();
}

void TActionList::ImagesChanged() {
  for (TCustomAction* action : std::vector<TCustomAction*>(FActions)) action->Change();
}

void TActionList::GetChildren(const TGetChildProc& proc, TComponent* root) {
  for (TCustomAction* action : FActions)
    if (action->Owner() == root) proc(action);
}

void TActionList::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == FImages) {
    FImages = nullptr;
    ImagesChanged();
  }
}

}  // namespace z5t8::framework
