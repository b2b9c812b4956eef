#pragma once

#include <array>
#include <memory>
#include <string>

#include "skin/se3/SkinSource.h"
#include "skin/theme/Theme.h"

namespace z5t8::skin::se3 {

// The entries of a skin theme's object cache, in table order. The first ten are the
// window frames; the rest are the top-level objects of the families by name.
enum TTeSkinCacheEntry : uint8_t {
  kseForm,
  kseFormClientPlaceholder,
  kseFormButtonFrame,
  kseFormButtonDrawingFrame,
  kseFormClient,
  kseToolWindow,
  kseToolWindowClientPlaceholder,
  kseToolWindowButtonFrame,
  kseToolWindowButtonDrawingFrame,
  kseToolWindowClient,
  kseButton,
  kseCheckbox,
  kseRadioButton,
  kseGroupBox,
  kseScrollBar,
  kseProgressBar,
  kseEdit,
  kseComboBox,
  kseTrackBar,
  kseMenuBar,
  ksePopupMenu,
  kseHeader,
  kseStatusBar,
  kseTabs,
  kseContainer,
  kseFrame,
  kseScrollBox,
  kseSplitter,
  kseSpinButton,
  kseControlBar,
  kseGrid,
  kseListBox,
  kseHint,
  kseSpeedButton,
  kseToolBar,
  ksePanel,
  // The bar dock's own reference to the ScrollBox object.
  kseBarDockScrollBox,
};
inline constexpr size_t SkinCacheSize = 50;

// The SE3 skin as a theme: the skin as loaded, a working copy rebuilt from it by every
// reset with the hue and brightness deltas applied, and the cache of working objects
// the drawing operations use.
class TTeSkinFile : public theme::TteTheme {
  Z5T8_CLASS(TTeSkinFile, theme::TteTheme)
  Z5T8_THEME_CLASS(TTeSkinFile)

public:
  TTeSkinFile();
  ~TTeSkinFile() override;

  static std::string GetThemeName();
  static theme::TteThemeConfig GetThemeConfig();
  // A registered container signature, or "ZQLZ" where the signature would be.
  static bool CheckStream(framework::TStream& stream);

  // From another skin theme: the loaded skin too, then a reset.
  void Assign(const framework::TPersistent* source) override;
  // True when the skin has at least one top-level object; it is then the theme's.
  bool LoadFromStream(framework::TStream& stream) override;
  bool SaveToStream(framework::TStream& stream) override;
  bool LoadFromFile(const std::string& fileName) override;
  bool SaveToFile(const std::string& fileName) override;
  void ResetTheme() override;
  void ResetThemeColors() override;
  void ResetThemeSysColors() override;
  void ResetThemeFonts() override;

  // Rebuilds the object cache from the working source.
  virtual void ResetObjects();
  void FreeObjects();

  TSeSkinSource* LoadedSource() const { return FLoaded.get(); }
  TSeSkinSource* WorkingSource() const { return FWorking.get(); }
  // None for an entry the skin has no object for.
  TSeSkinObject* CachedObject(TTeSkinCacheEntry entry) const { return FCache[entry]; }

  // Drawing dispatch: every family answered from the working skin's objects. A name
  // other than "default" picks an object of the skin first, then the cache entry of the
  // family; nothing set on an object for one call is left for the next.
  bool IsWindowDefined(theme::TteWindowSubclass subclass, const std::string& objectName) override;
  std::optional<Region> WindowGetRegion(theme::TteWindowSubclass subclass, const theme::TRect& rect,
                                        const std::string& objectName) override;
  theme::TteWindowHitTest WindowGetHitTest(theme::TteWindowSubclass subclass,
                                           const theme::TteWindowInfo& info, int x, int y,
                                           const std::string& objectName) override;
  theme::TRect WindowGetClientRect(theme::TteWindowSubclass subclass, const theme::TRect& rect,
                                   const std::string& objectName) override;
  theme::TRect WindowGetTitleRect(theme::TteWindowSubclass subclass, const theme::TteWindowInfo& info,
                                  const std::string& objectName) override;
  theme::TRect WindowGetButtonRect(theme::TteWindowSubclass subclass, const theme::TteWindowInfo& info,
                                   theme::TteWindowButtonClass button,
                                   const std::string& objectName) override;
  void WindowDraw(theme::TteWindowSubclass subclass, framework::TCanvas* canvas,
                  const theme::TteWindowInfo& info, const std::string& objectName) override;
  void WindowDrawClient(theme::TteWindowSubclass subclass, framework::TCanvas* canvas,
                        const theme::TRect& rect, const std::string& objectName) override;
  void WindowDrawText(theme::TteWindowSubclass subclass, framework::TCanvas* canvas,
                      const theme::TteWindowInfo& info, const theme::TRect& rect,
                      const std::string& objectName) override;
  void WindowDrawButton(theme::TteWindowSubclass subclass, framework::TCanvas* canvas,
                        const theme::TteWindowButtonInfo& info, const std::string& objectName) override;
  void WindowDrawGripper(theme::TteWindowSubclass subclass, framework::TCanvas* canvas,
                         const theme::TteWindowGripperInfo& info, const std::string& objectName) override;
  bool IsHintDefined(theme::TteHintSubclass subclass, const std::string& objectName) override;
  void HintDraw(theme::TteHintSubclass subclass, framework::TCanvas* canvas, const theme::TteHintInfo& info,
                const std::string& objectName) override;
  bool IsPanelDefined(theme::TtePanelSubclass subclass, const std::string& objectName) override;
  void PanelDraw(theme::TtePanelSubclass subclass, framework::TCanvas* canvas,
                 const theme::TtePanelInfo& info, const std::string& objectName) override;
  bool IsButtonDefined(theme::TteButtonSubclass subclass, const std::string& objectName) override;
  bool IsButtonTransparent(theme::TteButtonSubclass subclass, const std::string& objectName) override;
  void ButtonDraw(theme::TteButtonSubclass subclass, framework::TCanvas* canvas,
                  const theme::TteButtonInfo& info, const std::string& objectName) override;
  void ButtonDrawText(theme::TteButtonSubclass subclass, framework::TCanvas* canvas,
                      const theme::TteButtonInfo& info, const theme::TteTextInfo& text,
                      const std::string& objectName) override;
  bool IsCheckDefined(theme::TteCheckSubclass subclass, const std::string& objectName) override;
  bool IsCheckTransparent(theme::TteCheckSubclass subclass, const std::string& objectName) override;
  void CheckDraw(theme::TteCheckSubclass subclass, framework::TCanvas* canvas,
                 const theme::TteCheckInfo& info, const std::string& objectName) override;
  theme::TPoint CheckGetSize(theme::TteCheckSubclass subclass, const std::string& objectName) override;
  bool IsSplitterDefined(theme::TteSplitterSubclass subclass, const std::string& objectName) override;
  void SplitterDraw(theme::TteSplitterSubclass subclass, framework::TCanvas* canvas,
                    const theme::TteSplitterInfo& info, const std::string& objectName) override;
  bool IsScrollDefined(theme::TteScrollSubclass subclass, const std::string& objectName) override;
  bool IsScrollTransparent(theme::TteScrollSubclass subclass, const std::string& objectName) override;
  void ScrollDraw(theme::TteScrollSubclass subclass, framework::TCanvas* canvas,
                  const theme::TteScrollInfo& info, const std::string& objectName) override;
  void ScrollDrawButton(theme::TteScrollSubclass subclass, framework::TCanvas* canvas,
                        const theme::TteScrollButtonInfo& info, const std::string& objectName) override;
  void ScrollDrawArea(theme::TteScrollSubclass subclass, framework::TCanvas* canvas,
                      const theme::TteScrollAreaInfo& info, const std::string& objectName) override;
  bool IsProgressDefined(theme::TteProgressSubclass subclass, const std::string& objectName) override;
  bool IsProgressTransparent(theme::TteProgressSubclass subclass, const std::string& objectName) override;
  void ProgressDraw(theme::TteProgressSubclass subclass, framework::TCanvas* canvas,
                    const theme::TteProgressInfo& info, const std::string& objectName) override;
  bool IsTrackDefined(theme::TteTrackSubclass subclass, const std::string& objectName) override;
  bool IsTrackTransparent(theme::TteTrackSubclass subclass, const std::string& objectName) override;
  void TrackDraw(theme::TteTrackSubclass subclass, framework::TCanvas* canvas,
                 const theme::TteTrackInfo& info, const std::string& objectName) override;
  void TrackBarDraw(theme::TteTrackSubclass subclass, framework::TCanvas* canvas,
                    const theme::TteTrackBarInfo& info, const std::string& objectName) override;
  void TrackDrawThumb(theme::TteTrackSubclass subclass, framework::TCanvas* canvas,
                      const theme::TteTrackThumbInfo& info, const std::string& objectName) override;
  bool IsHeaderDefined(theme::TteHeaderSubclass subclass, const std::string& objectName) override;
  void HeaderDraw(theme::TteHeaderSubclass subclass, framework::TCanvas* canvas,
                  const theme::TteHeaderInfo& info, const std::string& objectName) override;
  void HeaderDrawSection(theme::TteHeaderSubclass subclass, framework::TCanvas* canvas,
                         const theme::TteHeaderSectionInfo& info, const std::string& objectName) override;
  bool IsStatusDefined(theme::TteStatusSubclass subclass, const std::string& objectName) override;
  void StatusDraw(theme::TteStatusSubclass subclass, framework::TCanvas* canvas,
                  const theme::TteStatusInfo& info, const std::string& objectName) override;
  void StatusDrawPanel(theme::TteStatusSubclass subclass, framework::TCanvas* canvas,
                       const theme::TteStatusPanelInfo& info, const std::string& objectName) override;
  bool IsEditDefined(theme::TteEditSubclass subclass, const std::string& objectName) override;
  void EditDraw(theme::TteEditSubclass subclass, framework::TCanvas* canvas, const theme::TteEditInfo& info,
                const std::string& objectName) override;
  void EditDrawButton(theme::TteEditSubclass subclass, framework::TCanvas* canvas,
                      const theme::TteEditButtonInfo& info, const std::string& objectName) override;
  bool IsGroupDefined(theme::TteGroupSubclass subclass, const std::string& objectName) override;
  bool IsGroupTransparent(theme::TteGroupSubclass subclass, const std::string& objectName) override;
  void GroupDraw(theme::TteGroupSubclass subclass, framework::TCanvas* canvas,
                 const theme::TteGroupInfo& info, const std::string& objectName) override;
  bool IsMemoDefined(theme::TteMemoSubclass subclass, const std::string& objectName) override;
  theme::TRect MemoGetClientRect(theme::TteMemoSubclass subclass, framework::TCanvas* canvas,
                                 const theme::TteMemoInfo& info, const std::string& objectName) override;
  void MemoDraw(theme::TteMemoSubclass subclass, framework::TCanvas* canvas, const theme::TteMemoInfo& info,
                const std::string& objectName) override;
  bool IsBoxDefined(theme::TteBoxSubclass subclass, const std::string& objectName) override;
  bool IsBoxTransparent(theme::TteBoxSubclass subclass, const std::string& objectName) override;
  bool IsMenuDefined(theme::TteMenuSubclass subclass, const std::string& objectName) override;
  void MenuDraw(theme::TteMenuSubclass subclass, framework::TCanvas* canvas, const theme::TteMenuInfo& info,
                const std::string& objectName) override;
  void MenuDrawItem(theme::TteMenuSubclass subclass, framework::TCanvas* canvas,
                    const theme::TteMenuItemInfo& info, const std::string& objectName) override;
  bool IsDockDefined(theme::TteDockSubclass subclass, const std::string& objectName) override;
  void DockDraw(theme::TteDockSubclass subclass, framework::TCanvas* canvas, const theme::TteDockInfo& info,
                const std::string& objectName) override;
  bool IsToolDefined(theme::TteToolSubclass subclass, const std::string& objectName) override;
  void ToolDraw(theme::TteToolSubclass subclass, framework::TCanvas* canvas, const theme::TteToolInfo& info,
                const std::string& objectName) override;
  void ToolDrawItem(theme::TteToolSubclass subclass, framework::TCanvas* canvas,
                    const theme::TteToolItemInfo& info, const std::string& objectName) override;
  bool IsBarDockDefined(theme::TteBarDockSubclass subclass, const std::string& objectName) override;
  void BarDockDraw(theme::TteBarDockSubclass subclass, framework::TCanvas* canvas,
                   const theme::TteBarDockInfo& info, const std::string& objectName) override;
  bool IsBarDefined(theme::TteBarSubclass subclass, const std::string& objectName) override;
  bool IsBarTransparent(theme::TteBarSubclass subclass, const std::string& objectName) override;
  void BarDraw(theme::TteBarSubclass subclass, framework::TCanvas* canvas, const theme::TteBarInfo& info,
               const std::string& objectName) override;
  void BarDrawCaption(theme::TteBarSubclass subclass, framework::TCanvas* canvas,
                      const theme::TteBarCaptionInfo& info, const std::string& objectName) override;
  void BarDrawButton(theme::TteBarSubclass subclass, framework::TCanvas* canvas,
                     const theme::TteBarButtonInfo& info, const std::string& objectName) override;
  bool IsTabDefined(theme::TteTabSubclass subclass, const std::string& objectName) override;
  void TabDraw(theme::TteTabSubclass subclass, framework::TCanvas* canvas, const theme::TteTabInfo& info,
               const std::string& objectName) override;
  void TabDrawItem(theme::TteTabSubclass subclass, framework::TCanvas* canvas,
                   const theme::TteTabItemInfo& info, const std::string& objectName) override;
  void TabDrawButton(theme::TteTabSubclass subclass, framework::TCanvas* canvas,
                     const theme::TteTabButtonInfo& info, const std::string& objectName) override;
  bool IsListDefined(theme::TteListSubclass subclass, const std::string& objectName) override;
  void ListDraw(theme::TteListSubclass subclass, framework::TCanvas* canvas, const theme::TteListInfo& info,
                const std::string& objectName) override;
  void ListDrawItem(theme::TteListSubclass subclass, framework::TCanvas* canvas,
                    const theme::TteListItemInfo& info, const std::string& objectName) override;
  void ListDrawGlyph(theme::TteListSubclass subclass, framework::TCanvas* canvas,
                     const theme::TteListItemInfo& info, const theme::TteListGlyphInfo& glyph,
                     const std::string& objectName) override;
  bool IsTreeDefined(theme::TteTreeSubclass subclass, const std::string& objectName) override;
  void TreeDraw(theme::TteTreeSubclass subclass, framework::TCanvas* canvas, const theme::TteTreeInfo& info,
                const std::string& objectName) override;
  void TreeDrawItem(theme::TteTreeSubclass subclass, framework::TCanvas* canvas,
                    const theme::TteTreeItemInfo& info, const std::string& objectName) override;
  bool IsGridDefined(theme::TteGridSubclass subclass, const std::string& objectName) override;
  void GridDraw(theme::TteGridSubclass subclass, framework::TCanvas* canvas, const theme::TteGridInfo& info,
                const std::string& objectName) override;
  void GridDrawItem(theme::TteGridSubclass subclass, framework::TCanvas* canvas,
                    const theme::TteGridItemInfo& info, const std::string& objectName) override;
  theme::TRect GetBounds(const std::string& objectName) override;
  framework::TColor CustomColor(const std::string& objectName) override;

private:
  // Takes the client out of a frame: the placeholder goes where it was, copies of the
  // frame keep all its buttons, and the frame's own system buttons are hidden.
  void CacheFrame(const char* name, TTeSkinCacheEntry first, bool placeholderInFrame);
  void CopyThemeTablesToLoaded();
  // ResetTheme without touching the default container kind.
  void ResetSkin();

  std::unique_ptr<TSeSkinSource> FLoaded;
  std::unique_ptr<TSeSkinSource> FWorking;
  std::array<TSeSkinObject*, SkinCacheSize> FCache{};
};

// Registers TTeSkinFile with the theme manager; nothing when it is there already. Static
// start-up does it whenever this unit is linked in; a program that reaches the skin
// theme only through the manager calls it to be sure.
void RegisterSkinTheme();

}  // namespace z5t8::skin::se3
