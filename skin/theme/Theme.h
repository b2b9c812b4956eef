#pragma once

#include <memory>
#include <optional>
#include <string>

#include "framework/Color.h"
#include "framework/Font.h"
#include "framework/Persistent.h"
#include "framework/Stream.h"
#include "framework/gui/Canvas.h"
#include "platform/gui/Region.h"
#include "skin/theme/ThemeColors.h"
#include "skin/theme/ThemeDrawing.h"
#include "skin/theme/ThemeFonts.h"
#include "skin/theme/ThemeInfo.h"
#include "skin/theme/ThemeMetrics.h"
#include "skin/theme/ThemeOptions.h"
#include "skin/theme/ThemeOwner.h"
#include "skin/theme/ThemeSysColors.h"
#include "skin/theme/ThemeTypes.h"

namespace z5t8::skin::theme {

class TteTheme;

// What a theme class offers before any instance exists.
struct TteThemeConfig {
  // The theme needs no file.
  bool BuiltIn = false;
  bool CanSave = false;
  // The class loads files and takes part in file dialogs.
  bool CanLoad = false;
  // Pairs of description and pattern, all separated by "|".
  std::string DialogFilter;
  // Without the dot.
  std::string DefaultExt;
};

// A class reference to TteTheme or a descendant: its virtual constructor and its class
// operations. ThemeClass<T>() gives the one reference of T.
class TteThemeMeta {
public:
  virtual const framework::TMetaClass& Class() const = 0;
  virtual std::unique_ptr<TteTheme> Create() const = 0;
  virtual std::string GetThemeName() const = 0;
  virtual TteThemeConfig GetThemeConfig() const = 0;
  // The stream holds a theme of this class; the position may be left anywhere.
  virtual bool CheckStream(framework::TStream& stream) const = 0;

  const std::string& ClassName() const { return Class().ClassName(); }

protected:
  ~TteThemeMeta() = default;
};
using TteThemeClass = const TteThemeMeta*;

// The class reference of T, which has a default constructor and the static members
// GetThemeName(), GetThemeConfig() and CheckStream(stream) (inherited ones count).
template <class T>
TteThemeClass ThemeClass() {
  struct Meta final : TteThemeMeta {
    const framework::TMetaClass& Class() const override { return T::StaticClass(); }
    std::unique_ptr<TteTheme> Create() const override { return std::make_unique<T>(); }
    std::string GetThemeName() const override { return T::GetThemeName(); }
    TteThemeConfig GetThemeConfig() const override { return T::GetThemeConfig(); }
    bool CheckStream(framework::TStream& stream) const override { return T::CheckStream(stream); }
  };
  static const Meta meta;
  return &meta;
}

// Put in the body of every class derived from TteTheme, after Z5T8_CLASS, so that an
// instance answers with its own class reference.
#define Z5T8_THEME_CLASS(Self)                                         \
public:                                                                \
  ::z5t8::skin::theme::TteThemeClass ThemeClassType() const override { \
    return ::z5t8::skin::theme::ThemeClass<Self>();                    \
  }

// The hit-test answer of a caption button.
TteWindowHitTest WindowButtonToHitTest(TteWindowButtonClass button);

// The drawing interface every skinned control asks for its look, and the plain look the
// base class gives every family. A derived theme overrides operations one by one; every
// family operation takes the family's subclass first and the object name last, which the
// base class ignores ("default" always selects a theme's standard look).
//
// Construction resets colours and fonts with the base operations; a derived class whose
// resets differ calls ResetTheme at the end of its own constructor.
class TteTheme : public framework::TPersistent, public IteThemeOwner {
  Z5T8_CLASS(TteTheme, framework::TPersistent)

public:
  TteTheme();
  ~TteTheme() override;
  TteTheme(const TteTheme&) = delete;
  TteTheme& operator=(const TteTheme&) = delete;

  TteThemeColors* Colors() const { return FColors.get(); }
  TteThemeSysColors* SystemColors() const { return FSystemColors.get(); }
  TteThemeFonts* Fonts() const { return FFonts.get(); }
  TteThemeMetrics* Metrics() const { return FMetrics.get(); }
  TteThemeDrawing* Drawing() const { return FDrawing.get(); }
  TteThemeOptions* Options() const { return FOptions.get(); }
  int DeltaHue() const { return FDeltaHue; }
  int DeltaBrightness() const { return FDeltaBrightness; }

  // Display name.
  std::string ThemeName = "Default theme";
  // The file the theme was loaded from; derived classes set it.
  std::string FileName;

  // From another theme: name, colours, system colours, fonts and options (not the deltas,
  // not the file name).
  void Assign(const framework::TPersistent* source) override;

  // Nothing when the deltas are the stored ones; otherwise stores them and resets.
  void ChangeThemeHue(int deltaHue);
  void ChangeThemeBrightness(int deltaBrightness);
  void ChangeThemeHueAndBrightness(int deltaHue, int deltaBrightness);
  // A new theme of the registered class of this one's name with this one assigned; null
  // when the class is not registered. Defined with the theme manager, which holds the
  // registry.
  std::unique_ptr<TteTheme> CreateCopy() const;

  // This instance's class reference.
  virtual TteThemeClass ThemeClassType() const;

  virtual void ResetThemeColors();
  virtual void ResetThemeSysColors();
  virtual void ResetThemeFonts();
  // Copies font fontId of Fonts into font; a derived theme adjusts it per object.
  void SetFontForObject(framework::TFont& font, TteThemeFont fontId, const std::string& objectName) override;

  // Class operations (see TteThemeMeta): the base theme's config is all false and empty,
  // and it accepts no stream.
  static std::string GetThemeName();
  static TteThemeConfig GetThemeConfig();
  static bool CheckStream(framework::TStream& stream);

  virtual bool LoadFromStream(framework::TStream& stream);
  virtual bool SaveToStream(framework::TStream& stream);
  // The file opened and given to LoadFromStream / SaveToStream; false when it cannot be
  // opened.
  virtual bool LoadFromFile(const std::string& fileName);
  virtual bool SaveToFile(const std::string& fileName);
  // ResetThemeColors, ResetThemeSysColors, ResetThemeFonts.
  virtual void ResetTheme();
  // In the canvas's current font, aligned by offsetting the measured text (measured at
  // most once); the platform's centring flags are never used.
  virtual void DrawThemeText(framework::TCanvas* canvas, const TteTextInfo& info);

  // The control families, in slot order.
  // Window.
  virtual bool IsWindowDefined(TteWindowSubclass subclass, const std::string& objectName);
  virtual std::optional<platform::gui::Region> WindowGetRegion(TteWindowSubclass subclass, const TRect& rect,
                                                               const std::string& objectName);
  virtual TteWindowHitTest WindowGetHitTest(TteWindowSubclass subclass, const TteWindowInfo& info, int x,
                                            int y, const std::string& objectName);
  virtual TRect WindowGetClientRect(TteWindowSubclass subclass, const TRect& rect,
                                    const std::string& objectName);
  virtual TRect WindowGetTitleRect(TteWindowSubclass subclass, const TteWindowInfo& info,
                                   const std::string& objectName);
  virtual TRect WindowGetButtonRect(TteWindowSubclass subclass, const TteWindowInfo& info,
                                    TteWindowButtonClass button, const std::string& objectName);
  virtual void WindowDraw(TteWindowSubclass subclass, framework::TCanvas* canvas, const TteWindowInfo& info,
                          const std::string& objectName);
  virtual void WindowDrawClient(TteWindowSubclass subclass, framework::TCanvas* canvas, const TRect& rect,
                                const std::string& objectName);
  virtual void WindowDrawText(TteWindowSubclass subclass, framework::TCanvas* canvas,
                              const TteWindowInfo& info, const TRect& rect, const std::string& objectName);
  virtual void WindowDrawButton(TteWindowSubclass subclass, framework::TCanvas* canvas,
                                const TteWindowButtonInfo& info, const std::string& objectName);
  virtual void WindowDrawGripper(TteWindowSubclass subclass, framework::TCanvas* canvas,
                                 const TteWindowGripperInfo& info, const std::string& objectName);

  // Hint.
  virtual bool IsHintDefined(TteHintSubclass subclass, const std::string& objectName);
  virtual TRect HintGetClientRect(TteHintSubclass subclass, framework::TCanvas* canvas,
                                  const TteHintInfo& info, const std::string& objectName);
  virtual void HintDraw(TteHintSubclass subclass, framework::TCanvas* canvas, const TteHintInfo& info,
                        const std::string& objectName);

  // Label.
  virtual bool IsLabelDefined(TteLabelSubclass subclass, const std::string& objectName);
  virtual bool IsLabelTransparent(TteLabelSubclass subclass, const std::string& objectName);
  virtual void LabelDrawText(TteLabelSubclass subclass, framework::TCanvas* canvas, TteLabelInfo info,
                             const TteTextInfo& text, const std::string& objectName);

  // Panel.
  virtual bool IsPanelDefined(TtePanelSubclass subclass, const std::string& objectName);
  virtual bool IsPanelTransparent(TtePanelSubclass subclass, const std::string& objectName);
  virtual TRect PanelGetClientRect(TtePanelSubclass subclass, const TtePanelInfo& info,
                                   const std::string& objectName);
  virtual void PanelDraw(TtePanelSubclass subclass, framework::TCanvas* canvas, const TtePanelInfo& info,
                         const std::string& objectName);
  virtual void PanelDrawButton(TtePanelSubclass subclass, framework::TCanvas* canvas,
                               const TtePanelButtonInfo& info, const std::string& objectName);
  virtual void PanelDrawText(TtePanelSubclass subclass, framework::TCanvas* canvas, const TtePanelInfo& info,
                             const TteTextInfo& text, const std::string& objectName);

  // Button.
  virtual bool IsButtonDefined(TteButtonSubclass subclass, const std::string& objectName);
  virtual bool IsButtonTransparent(TteButtonSubclass subclass, const std::string& objectName);
  virtual void ButtonDraw(TteButtonSubclass subclass, framework::TCanvas* canvas, const TteButtonInfo& info,
                          const std::string& objectName);
  virtual void ButtonDrawText(TteButtonSubclass subclass, framework::TCanvas* canvas,
                              const TteButtonInfo& info, const TteTextInfo& text,
                              const std::string& objectName);
  virtual void ButtonDrawGlyph(TteButtonSubclass subclass, framework::TCanvas* canvas,
                               const TteButtonInfo& info, const TteGlyphInfo& glyph,
                               const std::string& objectName);

  // Check.
  virtual bool IsCheckDefined(TteCheckSubclass subclass, const std::string& objectName);
  virtual bool IsCheckTransparent(TteCheckSubclass subclass, const std::string& objectName);
  virtual void CheckDraw(TteCheckSubclass subclass, framework::TCanvas* canvas, const TteCheckInfo& info,
                         const std::string& objectName);
  virtual void CheckDrawText(TteCheckSubclass subclass, framework::TCanvas* canvas, const TteCheckInfo& info,
                             const TteTextInfo& text, const std::string& objectName);
  virtual TPoint CheckGetSize(TteCheckSubclass subclass, const std::string& objectName);

  // Splitter.
  virtual bool IsSplitterDefined(TteSplitterSubclass subclass, const std::string& objectName);
  virtual bool IsSplitterTransparent(TteSplitterSubclass subclass, const std::string& objectName);
  virtual void SplitterDraw(TteSplitterSubclass subclass, framework::TCanvas* canvas,
                            const TteSplitterInfo& info, const std::string& objectName);

  // Scroll.
  virtual bool IsScrollDefined(TteScrollSubclass subclass, const std::string& objectName);
  virtual bool IsScrollTransparent(TteScrollSubclass subclass, const std::string& objectName);
  virtual void ScrollDraw(TteScrollSubclass subclass, framework::TCanvas* canvas, const TteScrollInfo& info,
                          const std::string& objectName);
  virtual void ScrollDrawButton(TteScrollSubclass subclass, framework::TCanvas* canvas,
                                const TteScrollButtonInfo& info, const std::string& objectName);
  virtual void ScrollDrawArea(TteScrollSubclass subclass, framework::TCanvas* canvas,
                              const TteScrollAreaInfo& info, const std::string& objectName);

  // Progress.
  virtual bool IsProgressDefined(TteProgressSubclass subclass, const std::string& objectName);
  virtual bool IsProgressTransparent(TteProgressSubclass subclass, const std::string& objectName);
  virtual TRect ProgressGetClientRect(TteProgressSubclass subclass, const TteProgressInfo& info,
                                      const std::string& objectName);
  virtual void ProgressDraw(TteProgressSubclass subclass, framework::TCanvas* canvas,
                            const TteProgressInfo& info, const std::string& objectName);

  // Track.
  virtual bool IsTrackDefined(TteTrackSubclass subclass, const std::string& objectName);
  virtual bool IsTrackTransparent(TteTrackSubclass subclass, const std::string& objectName);
  virtual void TrackDraw(TteTrackSubclass subclass, framework::TCanvas* canvas, const TteTrackInfo& info,
                         const std::string& objectName);
  virtual void TrackBarDraw(TteTrackSubclass subclass, framework::TCanvas* canvas,
                            const TteTrackBarInfo& info, const std::string& objectName);
  virtual void TrackDrawThumb(TteTrackSubclass subclass, framework::TCanvas* canvas,
                              const TteTrackThumbInfo& info, const std::string& objectName);
  virtual TPoint TrackGetThumbSize(TteTrackSubclass subclass, framework::TCanvas* canvas,
                                   const TteTrackThumbInfo& info, const std::string& objectName);

  // Header.
  virtual bool IsHeaderDefined(TteHeaderSubclass subclass, const std::string& objectName);
  virtual bool IsHeaderTransparent(TteHeaderSubclass subclass, const std::string& objectName);
  virtual void HeaderDraw(TteHeaderSubclass subclass, framework::TCanvas* canvas, const TteHeaderInfo& info,
                          const std::string& objectName);
  virtual void HeaderDrawSection(TteHeaderSubclass subclass, framework::TCanvas* canvas,
                                 const TteHeaderSectionInfo& info, const std::string& objectName);
  virtual void HeaderDrawText(TteHeaderSubclass subclass, framework::TCanvas* canvas,
                              const TteHeaderSectionInfo& info, const TteTextInfo& text,
                              const std::string& objectName);
  virtual void HeaderDrawGlyph(TteHeaderSubclass subclass, framework::TCanvas* canvas,
                               const TteHeaderSectionInfo& info, const TteGlyphInfo& glyph,
                               const std::string& objectName);

  // Status.
  virtual bool IsStatusDefined(TteStatusSubclass subclass, const std::string& objectName);
  virtual bool IsStatusTransparent(TteStatusSubclass subclass, const std::string& objectName);
  virtual TRect StatusGetClientRect(TteStatusSubclass subclass, const TteStatusInfo& info,
                                    const std::string& objectName);
  virtual void StatusDraw(TteStatusSubclass subclass, framework::TCanvas* canvas, const TteStatusInfo& info,
                          const std::string& objectName);
  virtual void StatusDrawPanel(TteStatusSubclass subclass, framework::TCanvas* canvas,
                               const TteStatusPanelInfo& info, const std::string& objectName);
  virtual void StatusDrawText(TteStatusSubclass subclass, framework::TCanvas* canvas,
                              const TteStatusPanelInfo& info, const TteTextInfo& text,
                              const std::string& objectName);
  virtual void StatusDrawGlyph(TteStatusSubclass subclass, framework::TCanvas* canvas,
                               const TteStatusPanelInfo& info, const TteGlyphInfo& glyph,
                               const std::string& objectName);

  // Edit.
  virtual bool IsEditDefined(TteEditSubclass subclass, const std::string& objectName);
  virtual bool IsEditTransparent(TteEditSubclass subclass, const std::string& objectName);
  virtual TRect EditGetClientRect(TteEditSubclass subclass, framework::TCanvas* canvas,
                                  const TteEditInfo& info, const std::string& objectName);
  virtual void EditDraw(TteEditSubclass subclass, framework::TCanvas* canvas, const TteEditInfo& info,
                        const std::string& objectName);
  virtual void EditDrawButton(TteEditSubclass subclass, framework::TCanvas* canvas,
                              const TteEditButtonInfo& info, const std::string& objectName);

  // Group.
  virtual bool IsGroupDefined(TteGroupSubclass subclass, const std::string& objectName);
  virtual bool IsGroupTransparent(TteGroupSubclass subclass, const std::string& objectName);
  virtual TRect GroupGetClientRect(TteGroupSubclass subclass, const TteGroupInfo& info,
                                   const std::string& objectName);
  virtual void GroupDraw(TteGroupSubclass subclass, framework::TCanvas* canvas, const TteGroupInfo& info,
                         const std::string& objectName);
  virtual void GroupDrawText(TteGroupSubclass subclass, framework::TCanvas* canvas, const TteGroupInfo& info,
                             const TteTextInfo& text, const std::string& objectName);

  // Memo.
  virtual bool IsMemoDefined(TteMemoSubclass subclass, const std::string& objectName);
  virtual bool IsMemoTransparent(TteMemoSubclass subclass, const std::string& objectName);
  virtual TRect MemoGetClientRect(TteMemoSubclass subclass, framework::TCanvas* canvas,
                                  const TteMemoInfo& info, const std::string& objectName);
  virtual void MemoDraw(TteMemoSubclass subclass, framework::TCanvas* canvas, const TteMemoInfo& info,
                        const std::string& objectName);

  // Box.
  virtual bool IsBoxDefined(TteBoxSubclass subclass, const std::string& objectName);
  virtual bool IsBoxTransparent(TteBoxSubclass subclass, const std::string& objectName);
  virtual TRect BoxGetClientRect(TteBoxSubclass subclass, framework::TCanvas* canvas, const TteBoxInfo& info,
                                 const std::string& objectName);
  virtual void BoxDraw(TteBoxSubclass subclass, framework::TCanvas* canvas, const TteBoxInfo& info,
                       const std::string& objectName);

  // Menu.
  virtual bool IsMenuDefined(TteMenuSubclass subclass, const std::string& objectName);
  virtual bool IsMenuTransparent(TteMenuSubclass subclass, const std::string& objectName);
  virtual TRect MenuGetClientRect(TteMenuSubclass subclass, const TteMenuInfo& info,
                                  const std::string& objectName);
  virtual void MenuDraw(TteMenuSubclass subclass, framework::TCanvas* canvas, const TteMenuInfo& info,
                        const std::string& objectName);
  virtual void MenuDrawItem(TteMenuSubclass subclass, framework::TCanvas* canvas, const TteMenuItemInfo& info,
                            const std::string& objectName);
  virtual void MenuDrawItemText(TteMenuSubclass subclass, framework::TCanvas* canvas,
                                const TteMenuItemInfo& info, const TteTextInfo& text,
                                const std::string& objectName);
  virtual void MenuDrawItemGlyph(TteMenuSubclass subclass, framework::TCanvas* canvas,
                                 const TteMenuItemInfo& info, const TteMenuGlyphInfo& glyph,
                                 const std::string& objectName);

  // Dock.
  virtual bool IsDockDefined(TteDockSubclass subclass, const std::string& objectName);
  virtual TRect DockGetClientRect(TteDockSubclass subclass, const TteDockInfo& info,
                                  const std::string& objectName);
  virtual void DockDraw(TteDockSubclass subclass, framework::TCanvas* canvas, const TteDockInfo& info,
                        const std::string& objectName);

  // Tool.
  virtual bool IsToolDefined(TteToolSubclass subclass, const std::string& objectName);
  virtual TRect ToolGetClientRect(TteToolSubclass subclass, const TteToolInfo& info,
                                  const std::string& objectName);
  virtual void ToolDraw(TteToolSubclass subclass, framework::TCanvas* canvas, const TteToolInfo& info,
                        const std::string& objectName);
  virtual void ToolDrawItem(TteToolSubclass subclass, framework::TCanvas* canvas, const TteToolItemInfo& info,
                            const std::string& objectName);
  virtual void ToolDrawItemText(TteToolSubclass subclass, framework::TCanvas* canvas,
                                const TteToolItemInfo& info, const TteTextInfo& text,
                                const std::string& objectName);
  virtual void ToolDrawItemGlyph(TteToolSubclass subclass, framework::TCanvas* canvas,
                                 const TteToolItemInfo& info, const TteToolGlyphInfo& glyph,
                                 const std::string& objectName);

  // BarDock.
  virtual bool IsBarDockDefined(TteBarDockSubclass subclass, const std::string& objectName);
  virtual TRect BarDockGetClientRect(TteBarDockSubclass subclass, framework::TCanvas* canvas,
                                     const TteBarDockInfo& info, const std::string& objectName);
  virtual void BarDockDraw(TteBarDockSubclass subclass, framework::TCanvas* canvas,
                           const TteBarDockInfo& info, const std::string& objectName);

  // Bar.
  virtual bool IsBarDefined(TteBarSubclass subclass, const std::string& objectName);
  virtual bool IsBarTransparent(TteBarSubclass subclass, const std::string& objectName);
  virtual TRect BarGetClientRect(TteBarSubclass subclass, framework::TCanvas* canvas, const TteBarInfo& info,
                                 const std::string& objectName);
  virtual void BarDraw(TteBarSubclass subclass, framework::TCanvas* canvas, const TteBarInfo& info,
                       const std::string& objectName);
  virtual void BarDrawCaption(TteBarSubclass subclass, framework::TCanvas* canvas,
                              const TteBarCaptionInfo& info, const std::string& objectName);
  virtual void BarDrawButton(TteBarSubclass subclass, framework::TCanvas* canvas,
                             const TteBarButtonInfo& info, const std::string& objectName);
  virtual void BarDrawItem(TteBarSubclass subclass, framework::TCanvas* canvas, const TteBarItemInfo& info,
                           const std::string& objectName);
  virtual void BarDrawText(TteBarSubclass subclass, framework::TCanvas* canvas, const TteTextInfo& text,
                           const std::string& objectName);

  // Tab.
  virtual bool IsTabDefined(TteTabSubclass subclass, const std::string& objectName);
  virtual bool IsTabTransparent(TteTabSubclass subclass, const std::string& objectName);
  virtual TRect TabGetClientRect(TteTabSubclass subclass, const TteTabInfo& info,
                                 const std::string& objectName);
  virtual void TabDraw(TteTabSubclass subclass, framework::TCanvas* canvas, const TteTabInfo& info,
                       const std::string& objectName);
  virtual void TabDrawItem(TteTabSubclass subclass, framework::TCanvas* canvas, const TteTabItemInfo& info,
                           const std::string& objectName);
  virtual void TabDrawButton(TteTabSubclass subclass, framework::TCanvas* canvas,
                             const TteTabButtonInfo& info, const std::string& objectName);
  virtual void TabDrawText(TteTabSubclass subclass, framework::TCanvas* canvas, const TteTabItemInfo& info,
                           const TteTextInfo& text, const std::string& objectName);
  virtual void TabDrawGlyph(TteTabSubclass subclass, framework::TCanvas* canvas, const TteTabItemInfo& info,
                            const TteGlyphInfo& glyph, const std::string& objectName);

  // List.
  virtual bool IsListDefined(TteListSubclass subclass, const std::string& objectName);
  virtual bool IsListTransparent(TteListSubclass subclass, const std::string& objectName);
  virtual TRect ListGetClientRect(TteListSubclass subclass, const TteListInfo& info,
                                  const std::string& objectName);
  virtual void ListDraw(TteListSubclass subclass, framework::TCanvas* canvas, const TteListInfo& info,
                        const std::string& objectName);
  virtual void ListDrawColumn(TteListSubclass subclass, framework::TCanvas* canvas,
                              const TteListColumnInfo& info, const std::string& objectName);
  virtual void ListDrawItem(TteListSubclass subclass, framework::TCanvas* canvas, const TteListItemInfo& info,
                            const std::string& objectName);
  virtual void ListDrawText(TteListSubclass subclass, framework::TCanvas* canvas, const TteListItemInfo& info,
                            const TteTextInfo& text, const std::string& objectName);
  virtual void ListDrawGlyph(TteListSubclass subclass, framework::TCanvas* canvas,
                             const TteListItemInfo& info, const TteListGlyphInfo& glyph,
                             const std::string& objectName);

  // Tree.
  virtual bool IsTreeDefined(TteTreeSubclass subclass, const std::string& objectName);
  virtual bool IsTreeTransparent(TteTreeSubclass subclass, const std::string& objectName);
  virtual TRect TreeGetClientRect(TteTreeSubclass subclass, const TteTreeInfo& info,
                                  const std::string& objectName);
  virtual void TreeDraw(TteTreeSubclass subclass, framework::TCanvas* canvas, const TteTreeInfo& info,
                        const std::string& objectName);
  virtual void TreeDrawItem(TteTreeSubclass subclass, framework::TCanvas* canvas, const TteTreeItemInfo& info,
                            const std::string& objectName);
  virtual void TreeDrawText(TteTreeSubclass subclass, framework::TCanvas* canvas, const TteTreeItemInfo& info,
                            const TteTextInfo& text, const std::string& objectName);
  virtual void TreeDrawGlyph(TteTreeSubclass subclass, framework::TCanvas* canvas,
                             const TteTreeItemInfo& info, const TteGlyphInfo& glyph,
                             const std::string& objectName);

  // Grid.
  virtual bool IsGridDefined(TteGridSubclass subclass, const std::string& objectName);
  virtual bool IsGridTransparent(TteGridSubclass subclass, const std::string& objectName);
  virtual TRect GridGetClientRect(TteGridSubclass subclass, const TteGridInfo& info,
                                  const std::string& objectName);
  virtual void GridDraw(TteGridSubclass subclass, framework::TCanvas* canvas, const TteGridInfo& info,
                        const std::string& objectName);
  virtual void GridDrawItem(TteGridSubclass subclass, framework::TCanvas* canvas, const TteGridItemInfo& info,
                            const std::string& objectName);
  virtual void GridDrawText(TteGridSubclass subclass, framework::TCanvas* canvas, const TteGridItemInfo& info,
                            const TteTextInfo& text, const std::string& objectName);
  virtual void GridDrawGlyph(TteGridSubclass subclass, framework::TCanvas* canvas,
                             const TteGridItemInfo& info, const TteGlyphInfo& glyph,
                             const std::string& objectName);

  // The bounds of a named object of the theme; NullRect when there is none.
  virtual TRect GetBounds(const std::string& objectName);
  // A colour the theme defines under the name; clNone when there is none.
  virtual framework::TColor CustomColor(const std::string& objectName);

private:
  std::unique_ptr<TteThemeColors> FColors;
  std::unique_ptr<TteThemeSysColors> FSystemColors;
  std::unique_ptr<TteThemeFonts> FFonts;
  std::unique_ptr<TteThemeMetrics> FMetrics;
  std::unique_ptr<TteThemeDrawing> FDrawing;
  std::unique_ptr<TteThemeOptions> FOptions;
  int FDeltaHue = 0;
  int FDeltaBrightness = 0;
};

}  // namespace z5t8::skin::theme
