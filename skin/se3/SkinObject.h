#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "framework/Component.h"
#include "framework/Font.h"
#include "framework/gui/Canvas.h"
#include "framework/gui/Control.h"
#include "platform/gui/Region.h"
#include "skin/render/BitmapLink.h"
#include "skin/render/BitmapList.h"
#include "skin/render/RectUtils.h"
#include "skin/se3/SkinObjectTypes.h"
#include "skin/theme/ThemeTypes.h"

namespace z5t8::framework {
class TWinControl;
}

namespace z5t8::skin::se3 {

using platform::gui::Region;
using render::Point;
using render::Rect;

// A node of a skin's object tree: a rectangle in the coordinate space of the whole tree
// that lays out, draws, shapes and hit-tests itself and the children it owns.
//
// Children are the owned components, in insertion order. Left, Top, Width and Height
// go through SetBoundsRect, which lays the children out whenever the bounds change.
class TSeSkinObject : public framework::TComponent {
  Z5T8_CLASS(TSeSkinObject, framework::TComponent)

public:
  explicit TSeSkinObject(framework::TComponent* owner);
  ~TSeSkinObject() override;

  // The virtual operations, in slot order.
  virtual framework::TFont* GetFont();
  virtual void SetSysButtons(theme::TteWindowButtons buttons);
  virtual void SetState(TSeState state);
  virtual void AfterLoad();
  // A clip rectangle that is empty (NullRect included) clips nothing.
  virtual void Draw(framework::TCanvas* canvas, const Rect& clip);
  virtual std::optional<Region> CreateRegion();
  virtual void ChangeHue(int delta);
  virtual void ChangeBrightness(int delta);
  virtual void MouseHover() {}
  virtual void MouseLeave() {}
  virtual void MouseDown(framework::TMouseButton, int, int) {}
  virtual void MouseMove(framework::TShiftState, int, int) {}
  virtual void MouseUp(framework::TMouseButton, int, int) {}
  virtual void MouseDouble(framework::TMouseButton, int, int) {}
  virtual void SetCharset(framework::TFontCharset charset);

  // Copies the stored properties and appends copies of the source's children; run-time
  // state is not copied.
  void Assign(const framework::TPersistent* source) override;
  // A new object of the same registered class holding a deep copy; none when the class
  // is not registered.
  TSeSkinObject* CreateCopy(framework::TComponent* owner) const;
  // The children stream inside "Objects". Nested components are read as children too,
  // and written instead of "Objects" while a TSeSourceForm is in scope.
  void DefineProperties(framework::TFiler& filer) override;
  void ReadState(framework::TReader& reader) override;
  void GetChildren(const framework::TGetChildProc& proc, framework::TComponent* root) override;
  framework::TComponent* GetChildOwner() override { return this; }

  // The children.
  int GetCount() const { return ComponentCount(); }
  // None outside 0 .. count - 1.
  TSeSkinObject* GetObject(int index) const;
  void Add(TSeSkinObject* child);
  void Remove(TSeSkinObject* child);

  // Bounds and layout.
  // Saturated: stored positions and the corner anchors' shifts may sit near the ends of int.
  Rect GetBoundsRect() const {
    return {FLeft, FTop, render::Saturate(int64_t(FLeft) + FWidth),
            render::Saturate(int64_t(FTop) + FHeight)};
  }
  void SetBoundsRect(const Rect& r);
  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  void SetLeft(int v);
  void SetTop(int v);
  void SetWidth(int v);
  void SetHeight(int v);
  int OldLeft() const { return FOldLeft; }
  int OldTop() const { return FOldTop; }
  int OldWidth() const { return FOldWidth; }
  int OldHeight() const { return FOldHeight; }
  void Aligning();
  void AligningAll();

  // Drawing, regions, hit tests and searches.
  void DrawChild(framework::TCanvas* canvas, const Rect& clip);
  void DrawObjectText(framework::TCanvas* canvas);
  std::optional<Region> GetRegion();
  TSeSkinObject* FindObjectByPoint(Point p);
  TSeSkinObject* FindObjectByPointAll(Point p);
  TSeSkinObject* FindObjectByKind(TSeKind kind);
  TSeSkinObject* FindObjectByAction(TSeAction action);
  // Case-insensitive; of a name with "\" only the part before the first "\" is searched
  // for below this object.
  TSeSkinObject* FindObjectByName(std::string_view name);

  // Run-time state.
  bool Visible() const { return FVisible; }
  void SetVisible(bool visible) { FVisible = visible; }
  bool Active() const { return FActive; }
  // Reaches the children only when the value changes.
  void SetActive(bool active);
  TSeState State() const { return FState; }
  theme::TteWindowButtons SysButtons() const { return FSysButtons; }
  render::TteBitmapList* Bitmaps() const { return FBitmaps; }
  void SetBitmaps(render::TteBitmapList* bitmaps);
  framework::TWinControl* ParentControl() const { return FParentControl; }
  void SetParentControl(framework::TWinControl* control);
  TBiDiMode BiDiMode() const { return FBiDiMode; }
  void SetBiDiMode(TBiDiMode mode);
  const std::u16string& Text() const { return FText; }
  void SetText(std::u16string text) { FText = std::move(text); }

  bool UseRightToLeftAlignment() const;
  bool UseRightToLeftReading() const;
  uint32_t DrawTextBiDiModeFlags(uint32_t flags) const;
  uint32_t DrawTextBiDiModeFlagsReadingOnly() const;

  // Stored properties.
  TSeAlign Align() const { return FAlign; }
  void SetAlign(TSeAlign v) { FAlign = v; }
  framework::TColor Color() const { return FColor; }
  void SetColor(framework::TColor v) { FColor = v; }
  bool DrawIfOwner() const { return FDrawIfOwner; }
  void SetDrawIfOwner(bool v) { FDrawIfOwner = v; }
  // The font drawn with: the stored one, or a state's font while a draw swaps it in.
  framework::TFont* Font() const { return FFont; }
  // Copies into the stored font.
  void SetFont(const framework::TFont& font);
  TSeKind Kind() const { return FKind; }
  void SetKind(TSeKind v) { FKind = v; }
  bool Masked() const { return FMasked; }
  void SetMasked(bool v) { FMasked = v; }
  int MarginLeft() const { return FMarginLeft; }
  int MarginRight() const { return FMarginRight; }
  int MarginTop() const { return FMarginTop; }
  int MarginBottom() const { return FMarginBottom; }
  void SetMarginLeft(int v) { FMarginLeft = v; }
  void SetMarginRight(int v) { FMarginRight = v; }
  void SetMarginTop(int v) { FMarginTop = v; }
  void SetMarginBottom(int v) { FMarginBottom = v; }
  TSeTextAlign TextAlign() const { return FTextAlign; }
  void SetTextAlign(TSeTextAlign v) { FTextAlign = v; }
  TSeTextEffect TextEffect() const { return FTextEffect; }
  void SetTextEffect(TSeTextEffect v) { FTextEffect = v; }
  int TextMarginLeft() const { return FTextMarginLeft; }
  void SetTextMarginLeft(int v) { FTextMarginLeft = v; }
  bool TextShiftSysIton() const { return FTextShiftSysIton; }
  void SetTextShiftSysIton(bool v) { FTextShiftSysIton = v; }
  int TextMarginRight() const { return FTextMarginRight; }
  void SetTextMarginRight(int v) { FTextMarginRight = v; }
  bool TextMarginRightStretch() const { return FTextMarginRightStretch; }
  void SetTextMarginRightStretch(bool v) { FTextMarginRightStretch = v; }
  int TextMarginTop() const { return FTextMarginTop; }
  void SetTextMarginTop(int v) { FTextMarginTop = v; }

protected:
  // The kind a new object of the class has.
  virtual TSeKind NewObjectKind() const { return skNone; }
  // Caption buttons answer for their action.
  virtual bool MatchesAction(TSeAction) const { return false; }
  // Visible, a positive size, not a round mask, and inside a clip rectangle that clips.
  bool CanDraw(const Rect& clip) const;
  bool HasPositiveSize() const { return FWidth > 0 && FHeight > 0; }
  // The stored font (the published "Font"), whatever a draw has swapped in.
  framework::TFont* StoredFont() const { return FStoredFont.get(); }
  // Resolves a picture reference in Bitmaps and computes its masked flags, with this
  // object's margins or without; a name that is not found leaves it unassigned.
  void ResolveBitmapLink(render::TteBitmapLink& link, bool withMargins) const;
  // Passes the state to every child (what a caption button does for the duration of a draw).
  void SetChildrenState(TSeState state);
  // This object drawn alone into a key-coloured picture of its size, its bounds moved to
  // (0, 0) for the duration, and the picture's other pixels made a region in place.
  std::optional<Region> RegionFromOwnDrawing();

  // Fields a derived class swaps for the duration of one draw.
  framework::TFont* FFont;
  framework::TColor FColor = 0xFFFFFF;
  bool FActive = false;
  TSeState FState = ssNormal;

private:
  bool IsKindStored() const { return FKind != NewObjectKind(); }
  void ReadObjects(framework::TStream& stream);
  void WriteObjects(framework::TStream& stream);

  std::unique_ptr<framework::TFont> FStoredFont;
  TSeAlign FAlign = saNone;
  bool FDrawIfOwner = false;
  TSeKind FKind = skNone;
  bool FMasked = true;
  int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
  int FOldLeft = 0, FOldTop = 0, FOldWidth = 0, FOldHeight = 0;
  int FMarginLeft = 0, FMarginRight = 0, FMarginTop = 0, FMarginBottom = 0;
  TSeTextAlign FTextAlign = taLeft;
  TSeTextEffect FTextEffect = teNone;
  int FTextMarginLeft = 0;
  bool FTextShiftSysIton = false;
  int FTextMarginRight = 0;
  bool FTextMarginRightStretch = false;
  int FTextMarginTop = 0;

  bool FVisible = true;
  theme::TteWindowButtons FSysButtons;
  render::TteBitmapList* FBitmaps = nullptr;
  framework::TWinControl* FParentControl = nullptr;
  TBiDiMode FBiDiMode = bdLeftToRight;
  std::u16string FText;
};

// While one exists, skin objects write their children as nested components, the form in
// which skin sources are kept as readable text.
class TSeSourceForm {
public:
  TSeSourceForm();
  ~TSeSourceForm();
  TSeSourceForm(const TSeSourceForm&) = delete;
  TSeSourceForm& operator=(const TSeSourceForm&) = delete;
  static bool Active();
};

// A deep copy of object through the class registry; none for none or an unregistered class.
TSeSkinObject* CreateCopy(const TSeSkinObject* object, framework::TComponent* owner);

// The source of an Assign as the class that copies from it; none for another class.
template <class T>
const T* As(const framework::TPersistent* source) {
  return dynamic_cast<const T*>(source);
}

// Runs a function on leaving the scope, also when an exception leaves it.
template <class F>
class TScopeExit {
public:
  explicit TScopeExit(F f) : FF(std::move(f)) {}
  ~TScopeExit() { FF(); }
  TScopeExit(const TScopeExit&) = delete;
  TScopeExit& operator=(const TScopeExit&) = delete;

private:
  F FF;
};

// Sets a value for the rest of the scope and puts the old one back on leaving it, also
// when drawing throws.
template <class T>
class TTempValue {
public:
  TTempValue(T& ref, T value) : FRef(ref), FSaved(ref) { FRef = value; }
  ~TTempValue() { FRef = FSaved; }
  TTempValue(const TTempValue&) = delete;
  TTempValue& operator=(const TTempValue&) = delete;

private:
  T& FRef;
  T FSaved;
};

}  // namespace z5t8::skin::se3
