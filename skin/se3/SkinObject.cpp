#include "skin/se3/SkinObject.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "framework/Exceptions.h"
#include "framework/Properties.h"
#include "framework/Reader.h"
#include "framework/TextUtils.h"
#include "framework/gui/WinControl.h"
#include "platform/gui/Surface.h"
#include "skin/render/Bitmap.h"
#include "skin/render/BitmapRegion.h"
#include "skin/render/CanvasDrawing.h"
#include "skin/render/Color.h"
#include "skin/se3/SkinObjectRecords.h"
#include "skin/se3/SkinObjectRegistry.h"

namespace z5t8::skin::se3 {

namespace pg = platform::gui;
using framework::TColor;
using framework::TFont;

namespace {

bool PtInRect(const Rect& r, Point p) {
  return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

bool Intersects(const Rect& a, const Rect& b) {
  return std::max(a.left, b.left) < std::min(a.right, b.right) &&
         std::max(a.top, b.top) < std::min(a.bottom, b.bottom);
}

// saText widths are measured as on the screen: the font alone decides them.
int MeasureText(const TFont& font, std::u16string_view text) {
  static pg::Surface surface(1, 1);
  static pg::DeviceContext dc(&surface);
  static framework::TCanvas canvas;
  canvas.SetHandle(&dc);
  canvas.SetFont(font);
  return render::TextWidth(&canvas, text);
}

TColor ShiftHue(TColor c, int delta) {
  return render::teColorToColor(render::ChangeHue(render::teColor(c, 255), delta));
}
TColor ShiftBrightness(TColor c, int delta) {
  return render::teColorToColor(render::ChangeBrightness(render::teColor(c, 255), delta));
}

std::unique_ptr<TFont> MakeDefaultFont() {
  auto font = std::make_unique<TFont>();
  font->SetName("Tahoma");
  font->SetSize(8);
  return font;
}

}  // namespace

Z5T8_IMPLEMENT_CLASS(TSeSkinObject, framework::TComponent) {
  using T = TSeSkinObject;
  p.Enum("Align", SeAlignInfo, &T::Align, &T::SetAlign).Default(saNone);
  p.Integer("Color", &T::Color, &T::SetColor).Idents(framework::ColorIdents()).Default(0xFFFFFF);
  p.Boolean("DrawIfOwner", &T::DrawIfOwner, &T::SetDrawIfOwner).Default(false);
  p.Object("Font", &T::StoredFont);
  p.Enum("Kind", SeKindInfo, &T::Kind, &T::SetKind).Stored(&T::IsKindStored);
  p.Boolean("Masked", &T::Masked, &T::SetMasked).Default(true);
  p.Integer("Left", &T::Left, &T::SetLeft).Default(0);
  p.Integer("Top", &T::Top, &T::SetTop).Default(0);
  p.Integer("Height", &T::Height, &T::SetHeight).Default(0);
  p.Integer("Width", &T::Width, &T::SetWidth).Default(0);
  p.Integer("MarginLeft", &T::MarginLeft, &T::SetMarginLeft).Default(0);
  p.Integer("MarginRight", &T::MarginRight, &T::SetMarginRight).Default(0);
  p.Integer("MarginTop", &T::MarginTop, &T::SetMarginTop).Default(0);
  p.Integer("MarginBottom", &T::MarginBottom, &T::SetMarginBottom).Default(0);
  p.Enum("TextAlign", SeTextAlignInfo, &T::TextAlign, &T::SetTextAlign).Default(taLeft);
  p.Enum("TextEffect", SeTextEffectInfo, &T::TextEffect, &T::SetTextEffect).Default(teNone);
  p.Integer("TextMarginLeft", &T::TextMarginLeft, &T::SetTextMarginLeft).Default(0);
  p.Boolean("TextShiftSysIton", &T::TextShiftSysIton, &T::SetTextShiftSysIton).Default(false);
  p.Integer("TextMarginRight", &T::TextMarginRight, &T::SetTextMarginRight).Default(0);
  p.Boolean("TextMarginRightStretch", &T::TextMarginRightStretch, &T::SetTextMarginRightStretch)
      .Default(false);
  p.Integer("TextMarginTop", &T::TextMarginTop, &T::SetTextMarginTop).Default(0);
}

TSeSkinObject::TSeSkinObject(framework::TComponent* owner)
    : framework::TComponent(owner), FStoredFont(MakeDefaultFont()) {
  FFont = FStoredFont.get();
}

TSeSkinObject::~TSeSkinObject() = default;

// ---- Children

TSeSkinObject* TSeSkinObject::GetObject(int index) const {
  if (index < 0 || index >= ComponentCount()) return nullptr;
  return static_cast<TSeSkinObject*>(Components(index));
}

void TSeSkinObject::Add(TSeSkinObject* child) {
  // An ancestor (or the object itself) would close a loop in the ownership tree.
  for (const framework::TComponent* up = this; up; up = up->Owner())
    if (up == child) return;
  if (!child) return;
  // A clash is refused while the child is still where it was, so it keeps its one owner.
  if (!child->Name().empty() && child->Owner() != this)
    for (int i = 0; i < GetCount(); ++i)
      if (framework::SameText(GetObject(i)->Name(), child->Name()))
        throw framework::EComponentError("A component named " + child->Name() + " already exists");
  InsertComponent(child);
}

void TSeSkinObject::Remove(TSeSkinObject* child) {
  if (child && child->Owner() == this) RemoveComponent(child);
}

// ---- Streaming

namespace {
int gSourceForms = 0;
}  // namespace

TSeSourceForm::TSeSourceForm() { ++gSourceForms; }
TSeSourceForm::~TSeSourceForm() { --gSourceForms; }
bool TSeSourceForm::Active() { return gSourceForms > 0; }

void TSeSkinObject::DefineProperties(framework::TFiler& filer) {
  filer.DefineBinaryProperty(
      "Objects", [this](framework::TStream& s) { ReadObjects(s); },
      [this](framework::TStream& s) { WriteObjects(s); }, GetCount() > 0 && !TSeSourceForm::Active());
}

void TSeSkinObject::GetChildren(const framework::TGetChildProc& proc, framework::TComponent*) {
  if (!TSeSourceForm::Active()) return;
  for (int i = 0; i < GetCount(); ++i) proc(GetObject(i));
}

void TSeSkinObject::ReadObjects(framework::TStream& stream) { ReadSkinObjects(stream, this); }
void TSeSkinObject::WriteObjects(framework::TStream& stream) { WriteSkinObjects(stream, this); }

// Nested components must be skin objects: every child is one.
void TSeSkinObject::ReadState(framework::TReader& reader) {
  RegisteredSkinObjects();
  inherited::ReadState(reader);
  for (int i = 0; i < ComponentCount(); ++i)
    if (!dynamic_cast<TSeSkinObject*>(Components(i))) throw framework::EReadError("Invalid stream format");
}

// ---- Bounds and layout

void TSeSkinObject::SetBoundsRect(const Rect& r) {
  if (r == GetBoundsRect()) return;
  FOldLeft = FLeft;
  FOldTop = FTop;
  FOldWidth = FWidth;
  FOldHeight = FHeight;
  FLeft = r.left;
  FTop = r.top;
  FWidth = std::max(0, render::RectWidth(r));
  FHeight = std::max(0, render::RectHeight(r));
  Aligning();
  FOldLeft = FLeft;
  FOldTop = FTop;
  FOldWidth = FWidth;
  FOldHeight = FHeight;
}

void TSeSkinObject::SetLeft(int v) {
  SetBoundsRect({v, FTop, render::Saturate(int64_t(v) + FWidth), FTop + FHeight});
}
void TSeSkinObject::SetTop(int v) {
  SetBoundsRect({FLeft, v, FLeft + FWidth, render::Saturate(int64_t(v) + FHeight)});
}
void TSeSkinObject::SetWidth(int v) {
  SetBoundsRect({FLeft, FTop, render::Saturate(int64_t(FLeft) + v), FTop + FHeight});
}
void TSeSkinObject::SetHeight(int v) {
  SetBoundsRect({FLeft, FTop, FLeft + FWidth, render::Saturate(int64_t(FTop) + v)});
}

void TSeSkinObject::Aligning() {
  const int count = GetCount();
  if (count == 0) return;
  std::vector<TSeSkinObject*> list(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) list[size_t(i)] = GetObject(i);
  Rect R = GetBoundsRect();
  auto sat = [](int64_t v) { return render::Saturate(v); };

  // Passes 1 to 4: strips from the edges, the "most" alignments first.
  auto strips = [&](TSeAlign top, TSeAlign bottom, TSeAlign left, TSeAlign right, bool vertical) {
    for (TSeSkinObject* c : list) {
      if (!c->FVisible) continue;
      if (vertical) {
        if (c->FAlign == top) {
          int h = c->FHeight;
          c->SetBoundsRect({R.left, R.top, R.right, sat(int64_t(R.top) + h)});
          R.top = sat(int64_t(R.top) + h);
        } else if (c->FAlign == bottom) {
          int h = c->FHeight;
          c->SetBoundsRect({R.left, sat(int64_t(R.bottom) - h), R.right, R.bottom});
          R.bottom = sat(int64_t(R.bottom) - h);
        }
      } else {
        if (c->FAlign == left) {
          int w = c->FWidth;
          c->SetBoundsRect({R.left, R.top, sat(int64_t(R.left) + w), R.bottom});
          R.left = sat(int64_t(R.left) + w);
        } else if (c->FAlign == right) {
          int w = c->FWidth;
          c->SetBoundsRect({sat(int64_t(R.right) - w), R.top, R.right, R.bottom});
          R.right = sat(int64_t(R.right) - w);
        }
      }
    }
  };
  strips(saMostTop, saMostBottom, saNone, saNone, true);
  strips(saNone, saNone, saMostLeft, saMostRight, false);
  strips(saTop, saBottom, saNone, saNone, true);
  strips(saNone, saNone, saLeft, saRight, false);

  // Passes 5 and 6 go last to first.
  for (auto it = list.rbegin(); it != list.rend(); ++it) {
    TSeSkinObject* c = *it;
    if (!c->FVisible || c->FAlign != saText) continue;
    int64_t w = int64_t(MeasureText(*c->GetFont(), c->FText)) + c->FTextMarginLeft + c->FTextMarginRight;
    c->SetBoundsRect({c->FLeft, c->FTop, sat(c->FLeft + w), c->FTop + c->FHeight});
  }
  for (auto it = list.rbegin(); it != list.rend(); ++it) {
    TSeSkinObject* c = *it;
    if (!c->FVisible || c->FAlign != saCenter) continue;
    int left = sat(R.left + (int64_t(render::RectWidth(R)) - c->FWidth) / 2);
    int top = sat(R.top + (int64_t(render::RectHeight(R)) - c->FHeight) / 2);
    c->SetBoundsRect({left, top, sat(int64_t(left) + c->FWidth), sat(int64_t(top) + c->FHeight)});
  }
  for (TSeSkinObject* c : list)
    if (c->FVisible && c->FAlign == saClient) c->SetBoundsRect(R);
  for (TSeSkinObject* c : list)
    if (c->FVisible && c->FAlign == saAll) c->SetBoundsRect({0, 0, FWidth, FHeight});

  // Pass 9: the corner anchors follow this object's change of bounds.
  for (TSeSkinObject* c : list) {
    switch (c->FAlign) {
      case saTopRightAngle:
        c->SetBoundsRect({FWidth - c->FWidth, 0, FWidth, c->FHeight});
        break;
      case saTopLeft:
        if (FOldWidth > 0) {
          int left = sat(int64_t(FLeft) + c->FLeft - FOldLeft);
          int top = sat(int64_t(FTop) + c->FTop - FOldTop);
          c->SetBoundsRect({left, top, sat(int64_t(left) + c->FWidth), sat(int64_t(top) + c->FHeight)});
        }
        break;
      case saTopRight:
        if (FOldWidth > 0) {
          int left = sat(int64_t(FLeft) + FWidth + c->FLeft - FOldLeft - FOldWidth);
          int top = sat(int64_t(FTop) + c->FTop - FOldTop);
          c->SetBoundsRect({left, top, sat(int64_t(left) + c->FWidth), sat(int64_t(top) + c->FHeight)});
        }
        break;
      case saBottomLeft:
        // Like its neighbours, not on the first bounds ever set: stored tops are already
        // where they belong, and growing them by the whole height would push them out.
        if (FOldWidth > 0) c->FTop = sat(int64_t(c->FTop) + FHeight - FOldHeight);
        break;
      case saBottomRight:
        // Keeps its distance to the bottom-right corner, as saTopRight keeps it to the
        // top-right one; once the old bounds equal the new, it stays put.
        if (FOldWidth > 0) {
          int left = sat(int64_t(FLeft) + FWidth + c->FLeft - FOldLeft - FOldWidth);
          int top = sat(int64_t(FTop) + FHeight + c->FTop - FOldTop - FOldHeight);
          c->SetBoundsRect({left, top, sat(int64_t(left) + c->FWidth), sat(int64_t(top) + c->FHeight)});
        }
        break;
      default:
        break;
    }
  }
}

void TSeSkinObject::AligningAll() {
  Aligning();
  for (int i = 0; i < GetCount(); ++i) GetObject(i)->AligningAll();
}

// ---- State

framework::TFont* TSeSkinObject::GetFont() { return FFont; }

void TSeSkinObject::SetSysButtons(theme::TteWindowButtons buttons) {
  FSysButtons = buttons;
  for (int i = 0; i < GetCount(); ++i) GetObject(i)->SetSysButtons(buttons);
}

void TSeSkinObject::SetState(TSeState state) {
  FState = state;
  SetChildrenState(state);
}

void TSeSkinObject::SetChildrenState(TSeState state) {
  for (int i = 0; i < GetCount(); ++i) GetObject(i)->SetState(state);
}

void TSeSkinObject::SetActive(bool active) {
  if (active == FActive) return;
  FActive = active;
  for (int i = 0; i < GetCount(); ++i) GetObject(i)->SetActive(active);
}

void TSeSkinObject::SetBitmaps(render::TteBitmapList* bitmaps) {
  FBitmaps = bitmaps;
  for (int i = 0; i < GetCount(); ++i) GetObject(i)->SetBitmaps(bitmaps);
}

void TSeSkinObject::SetParentControl(framework::TWinControl* control) {
  FParentControl = control;
  for (int i = 0; i < GetCount(); ++i) GetObject(i)->SetParentControl(control);
  SetBiDiMode(control ? control->BiDiMode() : bdLeftToRight);
}

void TSeSkinObject::SetBiDiMode(TBiDiMode mode) {
  FBiDiMode = mode;
  for (int i = 0; i < GetCount(); ++i) GetObject(i)->SetBiDiMode(mode);
}

void TSeSkinObject::SetFont(const TFont& font) { FStoredFont->Assign(&font); }

void TSeSkinObject::SetCharset(framework::TFontCharset charset) {
  FStoredFont->SetCharset(charset);
  for (int i = 0; i < GetCount(); ++i) GetObject(i)->SetCharset(charset);
}

void TSeSkinObject::AfterLoad() {
  for (int i = 0; i < GetCount(); ++i) GetObject(i)->AfterLoad();
}

void TSeSkinObject::ResolveBitmapLink(render::TteBitmapLink& link, bool withMargins) const {
  std::unique_ptr<render::TteBitmapLink> resolved;
  if (FBitmaps) resolved = FBitmaps->GetBitmapLink(link.Name, link.GetRect());
  if (!resolved) {
    link.Bitmap = nullptr;
    link.MaskBorder = link.MaskAngles = link.MaskClient = false;
    return;
  }
  if (withMargins)
    resolved->CheckingMasked(Rect{FMarginLeft, FMarginTop, FMarginRight, FMarginBottom});
  else
    resolved->CheckingMasked();
  link.Assign(resolved.get());
}

void TSeSkinObject::ChangeHue(int delta) {
  if (FColor != framework::clNone) FColor = ShiftHue(FColor, delta);
  if (FStoredFont->Color() != framework::clNone) FStoredFont->SetColor(ShiftHue(FStoredFont->Color(), delta));
  for (int i = 0; i < GetCount(); ++i) GetObject(i)->ChangeHue(delta);
}

void TSeSkinObject::ChangeBrightness(int delta) {
  if (FColor != framework::clNone) FColor = ShiftBrightness(FColor, delta);
  if (FStoredFont->Color() != framework::clNone)
    FStoredFont->SetColor(ShiftBrightness(FStoredFont->Color(), delta));
  for (int i = 0; i < GetCount(); ++i) GetObject(i)->ChangeBrightness(delta);
}

// ---- Drawing

bool TSeSkinObject::CanDraw(const Rect& clip) const {
  if (!FVisible || !HasPositiveSize() || FKind == skRoundMask) return false;
  return render::IsRectEmpty(clip) || Intersects(GetBoundsRect(), clip);
}

void TSeSkinObject::Draw(framework::TCanvas* canvas, const Rect& clip) {
  if (!CanDraw(clip)) return;
  if (GetCount() == 0 || FDrawIfOwner) {
    if (FColor != framework::clNone) render::FillRect(canvas, GetBoundsRect(), FColor);
    DrawObjectText(canvas);
  }
  DrawChild(canvas, clip);
}

void TSeSkinObject::DrawChild(framework::TCanvas* canvas, const Rect& clip) {
  const bool clips = !render::IsRectEmpty(clip);
  for (int i = 0; i < GetCount(); ++i) {
    TSeSkinObject* c = GetObject(i);
    if (!c->FVisible || !c->HasPositiveSize()) continue;
    if (clips && !Intersects(c->GetBoundsRect(), clip)) continue;
    c->Draw(canvas, clip);
  }
}

void TSeSkinObject::DrawObjectText(framework::TCanvas* canvas) {
  if (FText.empty() || !canvas) return;
  const Rect bounds = GetBoundsRect();
  if (FText == u"-") {
    int y = render::Saturate(int64_t(FTop) + FHeight / 2 - 1);
    render::MoveTo(canvas, render::Saturate(int64_t(bounds.left) + 3), y);
    render::LineTo(canvas, render::Saturate(int64_t(bounds.right) - 3), y, GetFont()->Color());
    return;
  }
  Rect r = bounds;
  r.left = render::Saturate(int64_t(r.left) + FTextMarginLeft);
  r.right = render::Saturate(int64_t(r.right) - FTextMarginRight);
  r.top = render::Saturate(int64_t(r.top) + FTextMarginTop);
  canvas->SetFont(*FFont);
  std::u16string text = FText;
  if (FKind == skTitle) {
    pg::DeviceContext* dc = canvas->Prepared();
    if (dc)
      text = render::FormatStr(*dc, text,
                               render::Saturate(int64_t(FWidth) - FTextMarginLeft - FTextMarginRight));
  }
  static constexpr uint32_t kAlignFlags[] = {0,
                                             pg::DT_CENTER,
                                             pg::DT_RIGHT,
                                             pg::DT_VCENTER,
                                             pg::DT_VCENTER | pg::DT_CENTER,
                                             pg::DT_VCENTER | pg::DT_RIGHT,
                                             pg::DT_BOTTOM,
                                             pg::DT_BOTTOM | pg::DT_CENTER,
                                             pg::DT_BOTTOM | pg::DT_RIGHT};
  uint32_t flags = pg::DT_SINGLELINE;
  if (size_t(FTextAlign) < std::size(kAlignFlags)) flags |= kAlignFlags[FTextAlign];
  flags = DrawTextBiDiModeFlags(flags) | pg::DT_NOPREFIX;
  if (FTextEffect == teShadow) {
    TColor colour = FFont->Color();
    Rect shadow{render::Saturate(int64_t(r.left) + 1), render::Saturate(int64_t(r.top) + 1),
                render::Saturate(int64_t(r.right) + 1), render::Saturate(int64_t(r.bottom) + 1)};
    canvas->Font()->SetColor(0x808080);
    render::DrawText(canvas, text, shadow, flags);
    canvas->Font()->SetColor(colour);
  }
  render::DrawText(canvas, text, r, flags);
}

bool TSeSkinObject::UseRightToLeftAlignment() const { return framework::UseRightToLeftAlignment(FBiDiMode); }

bool TSeSkinObject::UseRightToLeftReading() const { return framework::UseRightToLeftReading(FBiDiMode); }

uint32_t TSeSkinObject::DrawTextBiDiModeFlags(uint32_t flags) const {
  return framework::DrawTextBiDiModeFlags(FBiDiMode, flags);
}

uint32_t TSeSkinObject::DrawTextBiDiModeFlagsReadingOnly() const {
  return UseRightToLeftReading() ? pg::DT_RTLREADING : 0;
}

// ---- Regions and hit tests

std::optional<Region> TSeSkinObject::CreateRegion() {
  if (FKind == skRoundMask)
    return Region::roundRect({FLeft, FTop, render::Saturate(int64_t(FLeft) + FWidth + 1),
                              render::Saturate(int64_t(FTop) + FHeight + 1)},
                             FMarginLeft, FMarginTop);
  return Region(GetBoundsRect());
}

std::optional<Region> TSeSkinObject::RegionFromOwnDrawing() {
  // Beyond any screen: the plain bounds rather than a picture that cannot be had. Each side
  // is bounded as a picture's is, not only the pixel count: a long thin object is no
  // smaller a picture to make.
  using platform::gui::Surface;
  constexpr int64_t kMaxPixels = int64_t(1) << 25;
  if (FWidth > Surface::kMaxSide || FHeight > Surface::kMaxSide || int64_t(FWidth) * FHeight > kMaxPixels)
    return Region(GetBoundsRect());
  render::TteBitmap picture;
  picture.SetSize(FWidth, FHeight);
  picture.Clear(render::teTransparentVar);
  const Rect saved = GetBoundsRect();
  {
    TScopeExit restore([&] { SetBoundsRect(saved); });
    SetBoundsRect({0, 0, FWidth, FHeight});
    Draw(picture.GetCanvas(), Rect{-1, -1, -1, -1});
  }
  return render::CreateRegionFromBitmap(picture, saved.left, saved.top);
}

std::optional<Region> TSeSkinObject::GetRegion() {
  if (FKind == skTranparent || FKind == skTranparentOnly || FKind == skNoMask) return std::nullopt;
  if (!HasPositiveSize()) return std::nullopt;
  if (GetCount() == 0 || FDrawIfOwner || !FMasked) return CreateRegion();
  Region result;
  for (int i = 0; i < GetCount(); ++i) {
    TSeSkinObject* c = GetObject(i);
    if (!c->FVisible) continue;
    if (std::optional<Region> r = c->GetRegion()) result.combine(result, *r, pg::RGN_OR);
  }
  return result;
}

TSeSkinObject* TSeSkinObject::FindObjectByPoint(Point p) {
  if (!FVisible || !PtInRect(GetBoundsRect(), p) || FKind == skTranparent) return nullptr;
  if (GetCount() == 0) return this;
  TSeSkinObject* found = nullptr;
  for (int i = 0; i < GetCount(); ++i)
    if (TSeSkinObject* f = GetObject(i)->FindObjectByPoint(p)) found = f;
  return found ? found : this;
}

TSeSkinObject* TSeSkinObject::FindObjectByPointAll(Point p) {
  if (!PtInRect(GetBoundsRect(), p) || FKind == skTranparent) return nullptr;
  TSeSkinObject* found = nullptr;
  for (int i = 0; i < GetCount(); ++i)
    if (TSeSkinObject* f = GetObject(i)->FindObjectByPointAll(p)) found = f;
  if (found) return found;
  if (FKind == skTranparentOnly || FKind == skRoundMask) return nullptr;
  return this;
}

TSeSkinObject* TSeSkinObject::FindObjectByKind(TSeKind kind) {
  if (FKind == kind) return this;
  for (int i = 0; i < GetCount(); ++i)
    if (TSeSkinObject* f = GetObject(i)->FindObjectByKind(kind)) return f;
  return nullptr;
}

TSeSkinObject* TSeSkinObject::FindObjectByAction(TSeAction action) {
  if (MatchesAction(action)) return this;
  for (int i = 0; i < GetCount(); ++i)
    if (TSeSkinObject* f = GetObject(i)->FindObjectByAction(action)) return f;
  return nullptr;
}

TSeSkinObject* TSeSkinObject::FindObjectByName(std::string_view name) {
  if (framework::SameText(Name(), name)) return this;
  std::string_view head = name.substr(0, name.find('\\'));
  for (int i = 0; i < GetCount(); ++i)
    if (TSeSkinObject* f = GetObject(i)->FindObjectByName(head)) return f;
  return nullptr;
}

// ---- Copying

void TSeSkinObject::Assign(const framework::TPersistent* source) {
  auto* src = dynamic_cast<const TSeSkinObject*>(source);
  if (!src) return inherited::Assign(source);
  if (src == this) return;
  SetName(src->Name());
  FMasked = src->FMasked;
  FAlign = src->FAlign;
  FKind = src->FKind;
  FBitmaps = src->FBitmaps;
  FColor = src->FColor;
  FDrawIfOwner = src->FDrawIfOwner;
  FStoredFont->Assign(src->FStoredFont.get());
  FTextAlign = src->FTextAlign;
  FTextEffect = src->FTextEffect;
  FTextMarginLeft = src->FTextMarginLeft;
  FTextMarginTop = src->FTextMarginTop;
  FTextMarginRight = src->FTextMarginRight;
  FTextMarginRightStretch = src->FTextMarginRightStretch;
  FTextShiftSysIton = src->FTextShiftSysIton;
  FMarginLeft = src->FMarginLeft;
  FMarginTop = src->FMarginTop;
  FMarginRight = src->FMarginRight;
  FMarginBottom = src->FMarginBottom;
  // The children are copied whole before any is added: when this object lies within the
  // source, adding copies to it would grow the very tree being copied.
  std::vector<std::unique_ptr<TSeSkinObject>> copies;
  for (int i = 0; i < src->GetCount(); ++i)
    if (TSeSkinObject* copy = src->GetObject(i)->CreateCopy(nullptr)) copies.emplace_back(copy);
  for (auto& copy : copies) InsertComponent(copy.release());
  FLeft = src->FLeft;
  FTop = src->FTop;
  FWidth = src->FWidth;
  FHeight = src->FHeight;
  // A copy has had no change of bounds: the corner anchors must not see one.
  FOldLeft = FLeft;
  FOldTop = FTop;
  FOldWidth = FWidth;
  FOldHeight = FHeight;
}

TSeSkinObject* TSeSkinObject::CreateCopy(framework::TComponent* owner) const {
  TSeSkinObjectClass cls = GetSkinObjectClass(ClassName());
  if (!cls) return nullptr;
  TSeSkinObject* copy = CreateSkinObject(cls, owner);
  try {
    copy->Assign(this);
  } catch (...) {
    delete copy;
    throw;
  }
  return copy;
}

TSeSkinObject* CreateCopy(const TSeSkinObject* object, framework::TComponent* owner) {
  return object ? object->CreateCopy(owner) : nullptr;
}

}  // namespace z5t8::skin::se3
