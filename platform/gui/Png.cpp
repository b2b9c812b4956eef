#include "platform/gui/Png.h"

#include <png.h>

#include <csetjmp>
#include <cstring>
#include <memory>

namespace z5t8::platform::gui {

namespace {

// Larger images are refused before any pixel memory is taken.
constexpr uint32_t kMaxSide = 16384;
constexpr uint64_t kMaxPixels = uint64_t(1) << 24;

struct Reader {
  std::span<const uint8_t> data;
  size_t offset = 0;
};

void readBytes(png_structp png, png_bytep out, png_size_t length) {
  auto* r = static_cast<Reader*>(png_get_io_ptr(png));
  if (length > r->data.size() - r->offset) png_error(png, "truncated");
  std::memcpy(out, r->data.data() + r->offset, length);
  r->offset += length;
}

void writeBytes(png_structp png, png_bytep in, png_size_t length) {
  auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), in, in + length);
}

void flushNothing(png_structp) {}

void quietWarning(png_structp, png_const_charp) {}

// Everything the decoder touches after setjmp lives here, so a longjmp leaves no
// half-changed locals behind.
struct DecodeState {
  Reader reader;
  Surface surface;
  std::vector<png_bytep> rows;
};

}  // namespace

bool isPng(std::span<const uint8_t> data) { return data.size() >= 8 && png_sig_cmp(data.data(), 0, 8) == 0; }

std::optional<Surface> readPng(std::span<const uint8_t> data) {
  if (!isPng(data)) return std::nullopt;
  auto state = std::make_unique<DecodeState>();
  state->reader.data = data;
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, quietWarning);
  if (!png) return std::nullopt;
  png_infop info = png_create_info_struct(png);
  if (!info) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    return std::nullopt;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    return std::nullopt;
  }
  png_set_read_fn(png, &state->reader, readBytes);
  png_set_user_limits(png, kMaxSide, kMaxSide);
  png_read_info(png, info);
  png_uint_32 w = png_get_image_width(png, info), h = png_get_image_height(png, info);
  if (w == 0 || h == 0 || uint64_t(w) * h > kMaxPixels) png_error(png, "too large");
  int colorType = png_get_color_type(png, info);
  int depth = png_get_bit_depth(png, info);
  if (depth == 16) png_set_strip_16(png);
  if (colorType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
  if (colorType == PNG_COLOR_TYPE_GRAY && depth < 8) png_set_expand_gray_1_2_4_to_8(png);
  if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
  if (colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(png);
  png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
  png_set_bgr(png);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  if (png_get_rowbytes(png, info) != size_t(w) * 4) png_error(png, "unexpected layout");
  state->surface.resize(int32_t(w), int32_t(h));
  state->rows.resize(h);
  for (png_uint_32 y = 0; y < h; ++y)
    state->rows[y] = reinterpret_cast<png_bytep>(state->surface.scanLine(int32_t(y)));
  png_read_image(png, state->rows.data());
  png_read_end(png, nullptr);
  png_destroy_read_struct(&png, &info, nullptr);
  return std::move(state->surface);
}

std::vector<uint8_t> encodePng(const Surface& surface, bool keepAlpha) {
  auto out = std::make_unique<std::vector<uint8_t>>();
  if (surface.isEmpty()) return {};
  auto rows = std::make_unique<std::vector<std::vector<uint8_t>>>(size_t(surface.height()));
  for (int32_t y = 0; y < surface.height(); ++y) {
    std::vector<uint8_t>& row = (*rows)[size_t(y)];
    row.resize(size_t(surface.width()) * (keepAlpha ? 4 : 3));
    const Pixel* src = surface.scanLine(y);
    for (int32_t x = 0; x < surface.width(); ++x) {
      uint8_t* d = row.data() + size_t(x) * (keepAlpha ? 4 : 3);
      d[0] = uint8_t(src[x] >> 16);
      d[1] = uint8_t(src[x] >> 8);
      d[2] = uint8_t(src[x]);
      if (keepAlpha) d[3] = uint8_t(src[x] >> 24);
    }
  }
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, quietWarning);
  if (!png) return {};
  png_infop info = png_create_info_struct(png);
  if (!info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, info ? &info : nullptr);
    return {};
  }
  png_set_write_fn(png, out.get(), writeBytes, flushNothing);
  png_set_IHDR(png, info, png_uint_32(surface.width()), png_uint_32(surface.height()), 8,
               keepAlpha ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (std::vector<uint8_t>& row : *rows) png_write_row(png, row.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return std::move(*out);
}

}  // namespace z5t8::platform::gui
