#pragma once

#include <memory>

#include "framework/gui/Canvas.h"
#include "skin/render/BitmapLink.h"
#include "skin/render/RectUtils.h"
#include "skin/se3/SkinObjectTypes.h"

namespace z5t8::skin::se3 {

using render::Rect;

inline bool Assigned(const render::TteBitmapLink* link) { return link && link->GetAssigned(); }

// The state's picture when it is assigned, else the current one.
inline render::TteBitmapLink* Pick(render::TteBitmapLink* state, render::TteBitmapLink* current) {
  return Assigned(state) ? state : current;
}

// The pictures a button-like object draws instead of its normal one in the
// hot, focused, pressed and disabled states; a state without a picture of its
// own keeps the normal one.
struct TSeStatePictures {
  std::unique_ptr<render::TteBitmapLink> Hot = std::make_unique<render::TteBitmapLink>();
  std::unique_ptr<render::TteBitmapLink> Focused = std::make_unique<render::TteBitmapLink>();
  std::unique_ptr<render::TteBitmapLink> Pressed = std::make_unique<render::TteBitmapLink>();
  std::unique_ptr<render::TteBitmapLink> Disabled = std::make_unique<render::TteBitmapLink>();

  // Each picture in turn: hot, focused, pressed, disabled.
  template <class F>
  void ForEach(F&& f) {
    f(*Hot);
    f(*Focused);
    f(*Pressed);
    f(*Disabled);
  }
  void Assign(const TSeStatePictures& source);
  // The picture for `state`: its own when assigned, else `normal`.
  render::TteBitmapLink* Face(TSeState state, render::TteBitmapLink* normal) const;
};

// How one piece of a picture fills its destination.
enum class TPieceMode { None, Tile, Stretch, Center };

// tsTile and the centred tiles tile, tsStretch and the centred stretches stretch; with
// basicOnly, only tsTile, tsStretch and tsCenter draw at all.
TPieceMode PieceMode(TscTileStyle style, bool basicOnly = false);

// The rectangle a tile style fills in bounds with a source of sw x sh: bounds for
// tsTile and tsStretch, the source's size centred for tsCenter, the source's width and
// the full height centred across for the vertical styles, the full width and the
// source's height centred down for the horizontal ones. Halves truncate toward zero.
Rect StyleFrame(TscTileStyle style, const Rect& bounds, int sw, int sh);

// Draws src of the link's picture into dest with the picture's transparency switch set
// to masked for the piece and put back afterwards. Tiling honours a clip rectangle that
// is not empty; Center draws src at its own size centred in dest. An empty source is
// skipped.
void DrawPiece(framework::TCanvas* canvas, const render::TteBitmapLink& link, const Rect& src,
               const Rect& dest, TPieceMode mode, bool masked, const Rect& clip);

// The nine pieces of src into frame (both absolute): the centre by centreMode with the
// link's whole-picture flag, the edges by borderMode and the corners at their own size,
// with the border and corner flags, or with the whole-picture flag for all of them when
// wholeFlagOnly. margins holds the left, top, right and bottom widths.
void DrawNineSlice(framework::TCanvas* canvas, const render::TteBitmapLink& link, const Rect& src,
                   const Rect& frame, const Rect& margins, TPieceMode centreMode, TPieceMode borderMode,
                   bool wholeFlagOnly, const Rect& clip);

}  // namespace z5t8::skin::se3
