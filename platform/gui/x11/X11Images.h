#pragma once

#include "platform/gui/Geometry.h"
#include "platform/gui/Surface.h"

#include <X11/Xlib.h>
#include <X11/extensions/XShm.h>

namespace z5t8::platform::gui {

// The code of the last protocol error, kept by the backend's error handler for
// whoever checks right after a request.
extern int lastXError;

// A shared-memory image; the server reads the segment directly.
class ShmImage {
public:
  ShmImage(Display* d, Visual* v, int depth, int w, int h);
  ~ShmImage() { release(); }
  ShmImage(const ShmImage&) = delete;
  ShmImage& operator=(const ShmImage&) = delete;

  bool ok() const { return attached_; }
  XImage* image() const { return image_; }
  int width() const { return image_ ? image_->width : 0; }
  int height() const { return image_ ? image_->height : 0; }

private:
  void release();

  Display* display_;
  XShmSegmentInfo info_{};
  XImage* image_ = nullptr;
  bool attached_ = false;
};

// Sends `r` of a surface to a drawable through the socket, at (dx, dy) or, where
// they are negative, at the rectangle's own place.
void PutSurface(Display* d, Visual* visual, int depth, Drawable to, GC gc, const Surface& s, const Rect& r,
                int dx = -1, int dy = -1);

// An image the server sent, as an opaque surface of the same size.
Surface SurfaceFromXImage(const XImage& image);

}  // namespace z5t8::platform::gui
