#include "platform/gui/x11/X11Images.h"

#include <sys/ipc.h>
#include <sys/shm.h>

#include <X11/Xutil.h>

#include <cstddef>

namespace z5t8::platform::gui {

namespace {

// A channel's bits of a screen pixel, scaled to eight.
uint32_t ScreenChannel(unsigned long pixel, unsigned long mask) {
  if (!mask) return 0;
  int shift = 0;
  while (!((mask >> shift) & 1)) ++shift;
  unsigned long max = mask >> shift;
  return uint32_t(((pixel & mask) >> shift) * 255 / max);
}

}  // namespace

ShmImage::ShmImage(Display* d, Visual* v, int depth, int w, int h) : display_(d) {
  image_ = XShmCreateImage(d, v, unsigned(depth), ZPixmap, nullptr, &info_, unsigned(w), unsigned(h));
  if (!image_) return;
  info_.shmid = shmget(IPC_PRIVATE, size_t(image_->bytes_per_line) * size_t(h), IPC_CREAT | 0600);
  if (info_.shmid < 0) {
    release();
    return;
  }
  info_.shmaddr = image_->data = static_cast<char*>(shmat(info_.shmid, nullptr, 0));
  if (info_.shmaddr == reinterpret_cast<char*>(-1)) {
    shmctl(info_.shmid, IPC_RMID, nullptr);
    info_.shmaddr = nullptr;
    release();
    return;
  }
  info_.readOnly = False;
  lastXError = 0;
  if (!XShmAttach(d, &info_)) {
    release();
    return;
  }
  XSync(d, False);
  if (lastXError) {
    // The server could not map the segment: detaching would fail as well.
    shmdt(info_.shmaddr);
    shmctl(info_.shmid, IPC_RMID, nullptr);
    info_.shmaddr = nullptr;
    release();
    return;
  }
  // Gone as soon as both sides detach.
  shmctl(info_.shmid, IPC_RMID, nullptr);
  attached_ = true;
}

void ShmImage::release() {
  if (attached_) {
    XShmDetach(display_, &info_);
    XSync(display_, False);
    attached_ = false;
  }
  if (info_.shmaddr) {
    shmdt(info_.shmaddr);
    info_.shmaddr = nullptr;
  }
  if (image_) {
    image_->data = nullptr;
    XDestroyImage(image_);
    image_ = nullptr;
  }
}

void PutSurface(Display* d, Visual* visual, int depth, Drawable to, GC gc, const Surface& s, const Rect& r,
                int dx, int dy) {
  XImage* img = XCreateImage(d, visual, unsigned(depth), ZPixmap, 0,
                             reinterpret_cast<char*>(const_cast<Pixel*>(s.bits())), unsigned(s.width()),
                             unsigned(s.height()), 32, int(s.stride()));
  if (!img) return;
  XPutImage(d, to, gc, img, r.left, r.top, dx < 0 ? r.left : dx, dy < 0 ? r.top : dy, unsigned(r.width()),
            unsigned(r.height()));
  img->data = nullptr;
  XDestroyImage(img);
}

Surface SurfaceFromXImage(const XImage& image) {
  Surface out(image.width, image.height);
  bool plain = image.bits_per_pixel == 32 && image.red_mask == 0xFF0000 && image.green_mask == 0xFF00 &&
               image.blue_mask == 0xFF && image.byte_order == LSBFirst;
  auto& readable = const_cast<XImage&>(image);
  for (int y = 0; y < image.height; ++y) {
    Pixel* row = out.scanLine(y);
    if (plain) {
      const auto* src = reinterpret_cast<const uint32_t*>(image.data + ptrdiff_t(y) * image.bytes_per_line);
      for (int x = 0; x < image.width; ++x) row[x] = src[x] | 0xFF000000u;
      continue;
    }
    for (int x = 0; x < image.width; ++x) {
      unsigned long p = XGetPixel(&readable, x, y);
      row[x] = 0xFF000000u | ScreenChannel(p, image.red_mask) << 16 |
               ScreenChannel(p, image.green_mask) << 8 | ScreenChannel(p, image.blue_mask);
    }
  }
  return out;
}

}  // namespace z5t8::platform::gui
