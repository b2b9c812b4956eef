#include "skin/se3/SkinFileDispatch.h"

// The families this program's window does not use: each picks its object by name, else
// its cache entry, and draws the part the request names in the request's state.

namespace z5t8::skin::se3 {

using framework::TCanvas;
using namespace theme;
using namespace dispatch;

namespace {

bool Defined(const TTeSkinFile& theme, const std::string& name, TSeSkinObject* entry) {
  return PickObject(theme, name, entry) != nullptr;
}

bool Masked(const TTeSkinFile& theme, const std::string& name, TSeSkinObject* entry) {
  TSeSkinObject* object = PickObject(theme, name, entry);
  return object && object->Masked();
}

// The first of the parts the object has.
TSeSkinObject* FirstPart(const TTeSkinFile& theme, const std::string& name, TSeSkinObject* entry,
                         std::initializer_list<const char*> parts) {
  for (const char* part : parts)
    if (TSeSkinObject* found = PickPart(theme, name, entry, part)) return found;
  return nullptr;
}

// The five-state families share one mapping: hot, pressed, focused (selected), disabled.
enum class Look { Normal, Hot, Pressed, Focused, Disabled };
TSeState StateOf(Look look) {
  constexpr TSeState states[] = {ssNormal, ssHot, ssPressed, ssFocused, ssDisabled};
  return states[int(look)];
}

TSeSkinObject* CheckEntry(const TTeSkinFile& theme, TteCheckSubclass subclass) {
  return theme.CachedObject(subclass == kcscRadioButton ? kseRadioButton : kseCheckbox);
}

TSeSkinObject* EditEntry(const TTeSkinFile& theme, TteEditSubclass subclass) {
  if (subclass == kescEdit) return theme.CachedObject(kseEdit);
  if (subclass == kescComboBoxLeft || subclass == kescComboBoxRight) return theme.CachedObject(kseComboBox);
  return nullptr;
}

TSeSkinObject* MenuEntry(const TTeSkinFile& theme, TteMenuSubclass subclass) {
  return theme.CachedObject(subclass == kmscPopupMenu ? ksePopupMenu : kseMenuBar);
}

// Normal, hot, selected, focused, disabled: the order of the list, tree and grid states.
// Selected and focused items share the skin's focused look.
Look ItemLook(int drawState) {
  switch (drawState) {
    case 1:
      return Look::Hot;
    case 2:
    case 3:
      return Look::Focused;
    case 4:
      return Look::Disabled;
    default:
      return Look::Normal;
  }
}

}  // namespace

// Hint.

bool TTeSkinFile::IsHintDefined(TteHintSubclass, const std::string&) { return true; }

void TTeSkinFile::HintDraw(TteHintSubclass, TCanvas* canvas, const TteHintInfo& info,
                           const std::string& objectName) {
  DrawObject(canvas, PickObject(*this, objectName, FCache[kseHint]), ssNormal, info.Rect);
}

// Panel.

bool TTeSkinFile::IsPanelDefined(TtePanelSubclass, const std::string& objectName) {
  return Defined(*this, objectName, FCache[kseContainer]);
}

void TTeSkinFile::PanelDraw(TtePanelSubclass, TCanvas* canvas, const TtePanelInfo& info,
                            const std::string& objectName) {
  DrawObject(canvas, PickPart(*this, objectName, FCache[kseContainer], "Panel"), ssNormal, info.Rect);
}

// Check.

bool TTeSkinFile::IsCheckDefined(TteCheckSubclass subclass, const std::string& objectName) {
  return Defined(*this, objectName, CheckEntry(*this, subclass));
}

bool TTeSkinFile::IsCheckTransparent(TteCheckSubclass, const std::string&) { return true; }

void TTeSkinFile::CheckDraw(TteCheckSubclass subclass, TCanvas* canvas, const TteCheckInfo& info,
                            const std::string& objectName) {
  // Five states each of checked, unchecked and mixed, in that order.
  static const char* const parts[] = {"Checked", "Unchecked", "Mixed"};
  constexpr Look looks[] = {Look::Normal, Look::Hot, Look::Pressed, Look::Disabled, Look::Focused};
  const int ds = int(info.DrawState);
  if (ds >= 15) return;
  DrawObject(canvas, PickPart(*this, objectName, CheckEntry(*this, subclass), parts[ds / 5]),
             StateOf(looks[ds % 5]), info.Rect);
}

TPoint TTeSkinFile::CheckGetSize(TteCheckSubclass subclass, const std::string& objectName) {
  if (TSeSkinObject* checked = PickPart(*this, objectName, CheckEntry(*this, subclass), "Checked"))
    if (checked->Width() > 0 && checked->Height() > 0) return {checked->Width(), checked->Height()};
  return inherited::CheckGetSize(subclass, objectName);
}

// Splitter.

bool TTeSkinFile::IsSplitterDefined(TteSplitterSubclass, const std::string& objectName) {
  return Defined(*this, objectName, FCache[kseSplitter]);
}

void TTeSkinFile::SplitterDraw(TteSplitterSubclass, TCanvas* canvas, const TteSplitterInfo& info,
                               const std::string& objectName) {
  DrawObject(canvas, PickObject(*this, objectName, FCache[kseSplitter]), ssNormal, info.Rect);
}

// Progress.

bool TTeSkinFile::IsProgressDefined(TteProgressSubclass, const std::string& objectName) {
  return Defined(*this, objectName, FCache[kseProgressBar]);
}

bool TTeSkinFile::IsProgressTransparent(TteProgressSubclass, const std::string& objectName) {
  return Masked(*this, objectName, FCache[kseProgressBar]);
}

void TTeSkinFile::ProgressDraw(TteProgressSubclass, TCanvas* canvas, const TteProgressInfo& info,
                               const std::string& objectName) {
  TSeSkinObject* entry = FCache[kseProgressBar];
  TSeSkinObject* part = nullptr;
  switch (info.Part) {
    case kppBarVert:
      part = FirstPart(*this, objectName, entry, {"FrameVert", "Frame"});
      break;
    case kppBarHorz:
      part = FirstPart(*this, objectName, entry, {"FrameHorz", "Frame"});
      break;
    case kppChunkVert:
      part = FirstPart(*this, objectName, entry, {"BarVert", "Bar"});
      break;
    case kppChunkHorz:
      part = FirstPart(*this, objectName, entry, {"BarHorz", "Bar"});
      break;
    case kppSolidVert:
      part = FirstPart(*this, objectName, entry, {"SolidVert", "Solid", "BarVert", "Bar"});
      break;
    case kppSolidHorz:
      part = FirstPart(*this, objectName, entry, {"SolidHorz", "Solid", "BarHorz", "Bar"});
      break;
  }
  DrawObject(canvas, part, info.DrawState == kpdsDisabled ? ssDisabled : ssNormal, info.Rect);
}

// Track: the bar and the thumb come separately, the whole control draws nothing of its own.

bool TTeSkinFile::IsTrackDefined(TteTrackSubclass, const std::string& objectName) {
  return Defined(*this, objectName, FCache[kseTrackBar]);
}

bool TTeSkinFile::IsTrackTransparent(TteTrackSubclass, const std::string&) { return true; }

void TTeSkinFile::TrackDraw(TteTrackSubclass, TCanvas*, const TteTrackInfo&, const std::string&) {}

void TTeSkinFile::TrackBarDraw(TteTrackSubclass, TCanvas* canvas, const TteTrackBarInfo& info,
                               const std::string& objectName) {
  TSeSkinObject* part = FirstPart(*this, objectName, FCache[kseTrackBar],
                                  {info.BarClass == ktbcVertical ? "TrackVert" : "TrackHorz", "Track"});
  DrawObject(canvas, part, info.DrawState == ktrbdsDisabled ? ssDisabled : ssNormal, info.Rect);
}

void TTeSkinFile::TrackDrawThumb(TteTrackSubclass, TCanvas* canvas, const TteTrackThumbInfo& info,
                                 const std::string& objectName) {
  static const char* const exact[] = {"ThumbVertBoth", "ThumbVertRight",  "ThumbVertLeft",
                                      "ThumbHorzBoth", "ThumbHorzBottom", "ThumbHorzTop"};
  const int c = int(info.ThumbClass);
  if (c >= 6) return;
  TSeSkinObject* part = FirstPart(*this, objectName, FCache[kseTrackBar],
                                  {exact[c], c < 3 ? "ThumbVert" : "ThumbHorz", "Thumb"});
  constexpr Look looks[] = {Look::Normal, Look::Hot, Look::Pressed, Look::Focused, Look::Disabled};
  const int ds = int(info.DrawState);
  DrawObject(canvas, part, StateOf(ds < 5 ? looks[ds] : Look::Normal), info.Rect);
}

// Header.

bool TTeSkinFile::IsHeaderDefined(TteHeaderSubclass, const std::string& objectName) {
  return Defined(*this, objectName, FCache[kseHeader]);
}

void TTeSkinFile::HeaderDraw(TteHeaderSubclass, TCanvas* canvas, const TteHeaderInfo& info,
                             const std::string& objectName) {
  DrawObject(canvas, PickPart(*this, objectName, FCache[kseHeader], "Frame"), ssNormal, info.Rect);
}

void TTeSkinFile::HeaderDrawSection(TteHeaderSubclass, TCanvas* canvas, const TteHeaderSectionInfo& info,
                                    const std::string& objectName) {
  const char* exact = info.SectionState == khssFirst  ? "SectionFirst"
                      : info.SectionState == khssLast ? "SectionLast"
                                                      : "Section";
  Look look = Look::Normal;
  switch (info.DrawState) {
    case khdsPressed:
    case khdsDragging:
      look = Look::Pressed;
      break;
    case khdsHot:
    case khdsUnderDrag:
      look = Look::Hot;
      break;
    case khdsDisabled:
      look = Look::Disabled;
      break;
    default:
      break;
  }
  DrawObject(canvas, FirstPart(*this, objectName, FCache[kseHeader], {exact, "Section"}), StateOf(look),
             info.Rect);
}

// Status.

bool TTeSkinFile::IsStatusDefined(TteStatusSubclass, const std::string& objectName) {
  return Defined(*this, objectName, FCache[kseStatusBar]);
}

void TTeSkinFile::StatusDraw(TteStatusSubclass, TCanvas* canvas, const TteStatusInfo& info,
                             const std::string& objectName) {
  DrawObject(canvas, PickPart(*this, objectName, FCache[kseStatusBar], "Frame"), ssNormal, info.Rect);
}

void TTeSkinFile::StatusDrawPanel(TteStatusSubclass, TCanvas* canvas, const TteStatusPanelInfo& info,
                                  const std::string& objectName) {
  const char* part = info.PanelClass == zqpcGripper ? "Gripper" : "Panel";
  DrawObject(canvas, PickPart(*this, objectName, FCache[kseStatusBar], part),
             info.PanelClass == zqpcDisabled ? ssDisabled : ssNormal, info.Rect);
}

// Edit.

bool TTeSkinFile::IsEditDefined(TteEditSubclass subclass, const std::string& objectName) {
  return Defined(*this, objectName, EditEntry(*this, subclass));
}

void TTeSkinFile::EditDraw(TteEditSubclass subclass, TCanvas* canvas, const TteEditInfo& info,
                           const std::string& objectName) {
  Look look = Look::Normal;
  switch (info.DrawState) {
    case kedsHot:
      look = Look::Hot;
      break;
    case kedsFocused:
    case kedsFocusedHot:
      look = Look::Focused;
      break;
    case kedsDisabled:
      look = Look::Disabled;
      break;
    default:
      break;
  }
  DrawObject(canvas, PickPart(*this, objectName, EditEntry(*this, subclass), "Frame"), StateOf(look),
             info.Rect);
}

void TTeSkinFile::EditDrawButton(TteEditSubclass subclass, TCanvas* canvas, const TteEditButtonInfo& info,
                                 const std::string& objectName) {
  constexpr Look looks[] = {Look::Normal, Look::Hot, Look::Pressed, Look::Focused, Look::Disabled};
  const int ds = int(info.DrawState);
  // An edit without a combo entry still has its button drawn from the ComboBox object.
  TSeSkinObject* entry = EditEntry(*this, subclass);
  TSeSkinObject* part = PickPart(*this, objectName, entry ? entry : FCache[kseComboBox], "Button");
  DrawObject(canvas, part, StateOf(ds < 5 ? looks[ds] : Look::Normal), info.Rect);
}

// Group.

bool TTeSkinFile::IsGroupDefined(TteGroupSubclass, const std::string& objectName) {
  return Defined(*this, objectName, FCache[kseGroupBox]);
}

bool TTeSkinFile::IsGroupTransparent(TteGroupSubclass, const std::string& objectName) {
  return Masked(*this, objectName, FCache[kseGroupBox]);
}

void TTeSkinFile::GroupDraw(TteGroupSubclass, TCanvas* canvas, const TteGroupInfo& info,
                            const std::string& objectName) {
  DrawObject(canvas, PickPart(*this, objectName, FCache[kseGroupBox], "Frame"),
             info.DrawState == kgdsDisabled ? ssDisabled : ssNormal, info.Rect);
}

// Box: the skin has no look of its own for it.

bool TTeSkinFile::IsBoxDefined(TteBoxSubclass, const std::string&) { return false; }
bool TTeSkinFile::IsBoxTransparent(TteBoxSubclass, const std::string&) { return false; }

// Menu.

bool TTeSkinFile::IsMenuDefined(TteMenuSubclass subclass, const std::string& objectName) {
  return Defined(*this, objectName, MenuEntry(*this, subclass));
}

void TTeSkinFile::MenuDraw(TteMenuSubclass subclass, TCanvas* canvas, const TteMenuInfo& info,
                           const std::string& objectName) {
  DrawObject(canvas, PickPart(*this, objectName, MenuEntry(*this, subclass), "Frame"), ssNormal, info.Rect);
}

void TTeSkinFile::MenuDrawItem(TteMenuSubclass subclass, TCanvas* canvas, const TteMenuItemInfo& info,
                               const std::string& objectName) {
  const char* part = nullptr;
  switch (info.ItemClass) {
    case kmicNormal:
      part = "Item";
      break;
    case kmicSeparator:
      part = "Separator";
      break;
    case kmicHomeButton:
      part = "upbutton";
      break;
    case kmicEndButton:
    case kmicExpandButton:
      part = "downbutton";
      break;
    case kmicMin:
      part = "Min";
      break;
    case kmicRestore:
      part = "Restore";
      break;
    case kmicClose:
      part = "Close";
      break;
    default:
      return;
  }
  Look look = info.DrawState == kmidsHot        ? Look::Hot
              : info.DrawState == kmidsSelected ? Look::Focused
              : info.DrawState == kmidsDisabled ? Look::Disabled
                                                : Look::Normal;
  DrawObject(canvas, PickPart(*this, objectName, MenuEntry(*this, subclass), part), StateOf(look), info.Rect);
}

// Dock and Tool: the ControlBar object's back and tool bar frame.

bool TTeSkinFile::IsDockDefined(TteDockSubclass, const std::string& objectName) {
  return Defined(*this, objectName, FCache[kseControlBar]);
}

void TTeSkinFile::DockDraw(TteDockSubclass, TCanvas* canvas, const TteDockInfo& info,
                           const std::string& objectName) {
  DrawObject(canvas, PickPart(*this, objectName, FCache[kseControlBar], "Back"), ssNormal, info.Rect);
}

bool TTeSkinFile::IsToolDefined(TteToolSubclass, const std::string& objectName) {
  return Defined(*this, objectName, FCache[kseControlBar]);
}

void TTeSkinFile::ToolDraw(TteToolSubclass, TCanvas* canvas, const TteToolInfo& info,
                           const std::string& objectName) {
  DrawObject(canvas, PickPart(*this, objectName, FCache[kseControlBar], "Frame"), ssNormal, info.Rect);
}

void TTeSkinFile::ToolDrawItem(TteToolSubclass, TCanvas* canvas, const TteToolItemInfo& info,
                               const std::string& objectName) {
  TSeSkinObject* entry = FCache[kseControlBar];
  TSeSkinObject* part = nullptr;
  switch (info.ItemClass) {
    case kticNormal:
    case kticComboButton:
    case kticComboDropDown:
    case kticDropDown:
      part = FirstPart(*this, objectName, entry, {"Face", "FlatFace"});
      break;
    case kticSeparator:
      part = PickPart(*this, objectName, entry, "Separator");
      break;
    case kticExpandButton:
      part = FirstPart(*this, objectName, entry, {"Chevron", "FlatChevron"});
      break;
    case kticGripper:
      part = PickPart(*this, objectName, entry, "Grabber");
      break;
    case kticGripperVert:
      part = FirstPart(*this, objectName, entry, {"GrabberVert", "Grabber"});
      break;
    default:
      return;
  }
  Look look = Look::Normal;
  switch (info.DrawState) {
    case mtidsHot:
    case mtidsCheckedHot:
      look = Look::Hot;
      break;
    case mtidsPressed:
    case mtidsChecked:
    case mtidsCheckedPressed:
      look = Look::Pressed;
      break;
    case mtidsDisabled:
      look = Look::Disabled;
      break;
    default:
      break;
  }
  DrawObject(canvas, part, StateOf(look), info.Rect);
}

// BarDock: the second ScrollBox entry.

bool TTeSkinFile::IsBarDockDefined(TteBarDockSubclass, const std::string& objectName) {
  return Defined(*this, objectName, FCache[kseBarDockScrollBox]);
}

void TTeSkinFile::BarDockDraw(TteBarDockSubclass, TCanvas* canvas, const TteBarDockInfo& info,
                              const std::string& objectName) {
  DrawObject(canvas, PickPart(*this, objectName, FCache[kseBarDockScrollBox], "Frame"), ssNormal, info.Rect);
}

// Bar: the Panel object.

bool TTeSkinFile::IsBarDefined(TteBarSubclass, const std::string& objectName) {
  return Defined(*this, objectName, FCache[ksePanel]);
}

bool TTeSkinFile::IsBarTransparent(TteBarSubclass, const std::string& objectName) {
  return Masked(*this, objectName, FCache[ksePanel]);
}

void TTeSkinFile::BarDraw(TteBarSubclass, TCanvas* canvas, const TteBarInfo& info,
                          const std::string& objectName) {
  DrawObject(canvas, PickPart(*this, objectName, FCache[ksePanel], "Frame"), ssNormal, info.Rect);
}

void TTeSkinFile::BarDrawCaption(TteBarSubclass, TCanvas* canvas, const TteBarCaptionInfo& info,
                                 const std::string& objectName) {
  DrawObject(canvas, PickPart(*this, objectName, FCache[ksePanel], "Caption"), ssNormal, info.Rect);
}

void TTeSkinFile::BarDrawButton(TteBarSubclass, TCanvas* canvas, const TteBarButtonInfo& info,
                                const std::string& objectName) {
  const char* part = info.ButtonClass == kbbcClose  ? "ButtonHide"
                     : info.ButtonClass == kbbcUp   ? "ButtonRollup"
                     : info.ButtonClass == kbbcDown ? "ButtonRollDown"
                                                    : nullptr;
  if (!part) return;
  constexpr Look looks[] = {Look::Normal, Look::Hot, Look::Pressed, Look::Disabled};
  const int ds = int(info.DrawState);
  DrawObject(canvas, PickPart(*this, objectName, FCache[ksePanel], part),
             StateOf(ds < 4 ? looks[ds] : Look::Normal), info.Rect);
}

// Tab.

bool TTeSkinFile::IsTabDefined(TteTabSubclass, const std::string& objectName) {
  return Defined(*this, objectName, FCache[kseTabs]);
}

void TTeSkinFile::TabDraw(TteTabSubclass, TCanvas* canvas, const TteTabInfo& info,
                          const std::string& objectName) {
  DrawObject(canvas, PickPart(*this, objectName, FCache[kseTabs], "Frame"), ssNormal, info.Rect);
}

void TTeSkinFile::TabDrawItem(TteTabSubclass, TCanvas* canvas, const TteTabItemInfo& info,
                              const std::string& objectName) {
  // Top, left, right and bottom sides, three positions each.
  static const char* const sides[] = {"TabTop", "TabLeft", "TabRight", "Tab"};
  const int c = int(info.ItemClass);
  if (c >= 12) return;
  Look look = Look::Normal;
  switch (info.DrawState) {
    case ktidsHot:
      look = Look::Hot;
      break;
    case ktidsActive:
    case ktidsActiveHot:
      look = Look::Focused;
      break;
    case ktidsDisabled:
    case ktidsActiveDisabled:
      look = Look::Disabled;
      break;
    default:
      break;
  }
  DrawObject(canvas, FirstPart(*this, objectName, FCache[kseTabs], {sides[c / 3], "Tab"}), StateOf(look),
             info.Rect);
}

void TTeSkinFile::TabDrawButton(TteTabSubclass, TCanvas* canvas, const TteTabButtonInfo& info,
                                const std::string& objectName) {
  const char* part = info.ButtonClass == ktbcLeft    ? "LeftButton"
                     : info.ButtonClass == ktbcRight ? "RightButton"
                                                     : nullptr;
  if (!part) return;
  constexpr Look looks[] = {Look::Normal, Look::Hot, Look::Pressed, Look::Disabled};
  const int ds = int(info.DrawState);
  DrawObject(canvas, PickPart(*this, objectName, FCache[kseTabs], part),
             StateOf(ds < 4 ? looks[ds] : Look::Normal), info.Rect);
}

// List and Tree: the ListBox object; the list's check marks come from the Checkbox object.

bool TTeSkinFile::IsListDefined(TteListSubclass, const std::string& objectName) {
  return Defined(*this, objectName, FCache[kseListBox]);
}

void TTeSkinFile::ListDraw(TteListSubclass, TCanvas* canvas, const TteListInfo& info,
                           const std::string& objectName) {
  DrawObject(canvas, PickPart(*this, objectName, FCache[kseListBox], "Frame"), ssNormal, info.Rect);
}

void TTeSkinFile::ListDrawItem(TteListSubclass, TCanvas* canvas, const TteListItemInfo& info,
                               const std::string& objectName) {
  DrawObject(canvas, PickPart(*this, objectName, FCache[kseListBox], "Item"),
             StateOf(ItemLook(int(info.DrawState))), info.Rect);
}

void TTeSkinFile::ListDrawGlyph(TteListSubclass subclass, TCanvas* canvas, const TteListItemInfo& info,
                                const TteListGlyphInfo& glyph, const std::string& objectName) {
  const char* part = glyph.Glyph == klgChecked     ? "Checked"
                     : glyph.Glyph == klgUnchecked ? "Unchecked"
                     : glyph.Glyph == klgMixed     ? "Mixed"
                                                   : nullptr;
  TSeSkinObject* mark = part ? PickPart(*this, objectName, FCache[kseCheckbox], part) : nullptr;
  if (!mark) return inherited::ListDrawGlyph(subclass, canvas, info, glyph, objectName);
  DrawObject(canvas, mark, info.DrawState == klidsDisabled ? ssDisabled : ssNormal, glyph.Rect);
}

bool TTeSkinFile::IsTreeDefined(TteTreeSubclass, const std::string& objectName) {
  return Defined(*this, objectName, FCache[kseListBox]);
}

void TTeSkinFile::TreeDraw(TteTreeSubclass, TCanvas* canvas, const TteTreeInfo& info,
                           const std::string& objectName) {
  DrawObject(canvas, PickPart(*this, objectName, FCache[kseListBox], "Frame"), ssNormal, info.Rect);
}

void TTeSkinFile::TreeDrawItem(TteTreeSubclass, TCanvas* canvas, const TteTreeItemInfo& info,
                               const std::string& objectName) {
  DrawObject(canvas, PickPart(*this, objectName, FCache[kseListBox], "Item"),
             StateOf(ItemLook(int(info.DrawState))), info.Rect);
}

// Grid.

bool TTeSkinFile::IsGridDefined(TteGridSubclass, const std::string& objectName) {
  return Defined(*this, objectName, FCache[kseGrid]);
}

void TTeSkinFile::GridDraw(TteGridSubclass, TCanvas* canvas, const TteGridInfo& info,
                           const std::string& objectName) {
  DrawObject(canvas, PickPart(*this, objectName, FCache[kseGrid], "Frame"), ssNormal, info.Rect);
}

void TTeSkinFile::GridDrawItem(TteGridSubclass, TCanvas* canvas, const TteGridItemInfo& info,
                               const std::string& objectName) {
  DrawObject(canvas,
             PickPart(*this, objectName, FCache[kseGrid], info.ItemClass == kgicFixed ? "Fixed" : "Cell"),
             StateOf(ItemLook(int(info.DrawState))), info.Rect);
}

}  // namespace z5t8::skin::se3
