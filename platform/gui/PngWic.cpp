// PNG on Windows through the system's imaging component.
#include "platform/gui/Png.h"

#include <windows.h>
#include <wincodec.h>

#include <cstring>

namespace z5t8::platform::gui {

namespace {

// Larger images are refused before any pixel memory is taken.
constexpr uint32_t kMaxSide = 16384;
constexpr uint64_t kMaxPixels = uint64_t(1) << 24;

template <class T>
struct Com {
  T* p = nullptr;
  Com() = default;
  Com(const Com&) = delete;
  Com& operator=(const Com&) = delete;
  ~Com() {
    if (p) p->Release();
  }
  T** out() { return &p; }
  T* operator->() const { return p; }
  explicit operator bool() const { return p != nullptr; }
};

// One imaging factory per thread, made after the thread joined COM (whatever
// apartment it already had is kept).
IWICImagingFactory* factory() {
  thread_local struct Holder {
    IWICImagingFactory* factory = nullptr;
    Holder() {
      CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
      CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                       reinterpret_cast<void**>(&factory));
    }
  } holder;
  return holder.factory;
}

}  // namespace

bool isPng(std::span<const uint8_t> data) {
  static const uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  return data.size() >= 8 && std::memcmp(data.data(), signature, 8) == 0;
}

std::optional<Surface> readPng(std::span<const uint8_t> data) {
  if (!isPng(data) || data.size() > 0xFFFFFFFFu) return std::nullopt;
  IWICImagingFactory* f = factory();
  if (!f) return std::nullopt;
  Com<IWICStream> stream;
  if (FAILED(f->CreateStream(stream.out())) ||
      FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(data.data()), DWORD(data.size()))))
    return std::nullopt;
  Com<IWICBitmapDecoder> decoder;
  if (FAILED(f->CreateDecoder(GUID_ContainerFormatPng, nullptr, decoder.out())) ||
      FAILED(decoder->Initialize(stream.p, WICDecodeMetadataCacheOnDemand)))
    return std::nullopt;
  Com<IWICBitmapFrameDecode> frame;
  if (FAILED(decoder->GetFrame(0, frame.out()))) return std::nullopt;
  UINT w = 0, h = 0;
  if (FAILED(frame->GetSize(&w, &h)) || w == 0 || h == 0 || w > kMaxSide || h > kMaxSide ||
      uint64_t(w) * h > kMaxPixels)
    return std::nullopt;
  Com<IWICBitmapSource> straight;
  if (FAILED(WICConvertBitmapSource(GUID_WICPixelFormat32bppBGRA, frame.p, straight.out())))
    return std::nullopt;
  Surface surface{int32_t(w), int32_t(h)};
  if (FAILED(straight->CopyPixels(nullptr, UINT(surface.stride()), UINT(surface.byteSize()),
                                  reinterpret_cast<BYTE*>(surface.bits()))))
    return std::nullopt;
  return surface;
}

std::vector<uint8_t> encodePng(const Surface& surface, bool keepAlpha) {
  if (surface.isEmpty()) return {};
  IWICImagingFactory* f = factory();
  if (!f) return {};
  Com<IStream> stream;
  if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, stream.out()))) return {};
  Com<IWICBitmapEncoder> encoder;
  if (FAILED(f->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.out())) ||
      FAILED(encoder->Initialize(stream.p, WICBitmapEncoderNoCache)))
    return {};
  Com<IWICBitmapFrameEncode> frame;
  if (FAILED(encoder->CreateNewFrame(frame.out(), nullptr)) || FAILED(frame->Initialize(nullptr)) ||
      FAILED(frame->SetSize(UINT(surface.width()), UINT(surface.height()))))
    return {};
  WICPixelFormatGUID format = keepAlpha ? GUID_WICPixelFormat32bppBGRA : GUID_WICPixelFormat24bppBGR;
  const WICPixelFormatGUID wanted = format;
  if (FAILED(frame->SetPixelFormat(&format)) || !IsEqualGUID(format, wanted)) return {};
  // Drawing calls leave alpha 0 behind, so an opaque picture is written without it.
  const size_t channels = keepAlpha ? 4 : 3;
  std::vector<uint8_t> rows(size_t(surface.width()) * channels * size_t(surface.height()));
  uint8_t* d = rows.data();
  for (int32_t y = 0; y < surface.height(); ++y) {
    const Pixel* src = surface.scanLine(y);
    for (int32_t x = 0; x < surface.width(); ++x, d += channels) {
      d[0] = uint8_t(src[x]);
      d[1] = uint8_t(src[x] >> 8);
      d[2] = uint8_t(src[x] >> 16);
      if (keepAlpha) d[3] = uint8_t(src[x] >> 24);
    }
  }
  UINT stride = UINT(size_t(surface.width()) * channels);
  if (FAILED(frame->WritePixels(UINT(surface.height()), stride, UINT(rows.size()), rows.data())) ||
      FAILED(frame->Commit()) || FAILED(encoder->Commit()))
    return {};
  HGLOBAL memory = nullptr;
  if (FAILED(GetHGlobalFromStream(stream.p, &memory))) return {};
  STATSTG stat{};
  if (FAILED(stream->Stat(&stat, STATFLAG_NONAME))) return {};
  std::vector<uint8_t> out(size_t(stat.cbSize.QuadPart));
  if (void* bytes = GlobalLock(memory)) {
    std::memcpy(out.data(), bytes, out.size());
    GlobalUnlock(memory);
  } else {
    out.clear();
  }
  return out;
}

}  // namespace z5t8::platform::gui
