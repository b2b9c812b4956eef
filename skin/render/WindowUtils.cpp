#include "skin/render/WindowUtils.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "framework/TextUtils.h"
#include "platform/gui/Input.h"
#include "platform/gui/SystemMetrics.h"
#include "platform/gui/SystemParameters.h"
#include "platform/gui/Window.h"
#include "skin/render/SystemQueries.h"

namespace z5t8::skin::render {

namespace pg = platform::gui;

namespace {

int captureCount = 0;
HWND captureWindow = nullptr;

std::string Utf8Of(const char16_t* buffer, int length) {
  if (length <= 0) return {};
  return framework::Utf16ToUtf8(std::u16string_view(buffer, size_t(length)));
}

framework::TPixelFormat PixelFormatOf(int bitsPerPixel) {
  switch (bitsPerPixel) {
    case 1:
      return framework::pf1bit;
    case 4:
      return framework::pf4bit;
    case 8:
      return framework::pf8bit;
    case 15:
      return framework::pf15bit;
    case 16:
      return framework::pf16bit;
    case 24:
      return framework::pf24bit;
    case 32:
      return framework::pf32bit;
    default:
      return framework::pfCustom;
  }
}

// 0x80..0x9F of Windows-1252; 0 marks the five unassigned bytes.
constexpr char16_t kCp1252High[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

std::optional<std::u16string> Decode(unsigned codePage, std::string_view text) {
  switch (codePage) {
    case 0:
    case 3:
    case 65001:
      if (!framework::IsValidUtf8(text)) return std::nullopt;
      return framework::Utf8ToUtf16(text);
    case 28591: {
      std::u16string out;
      for (unsigned char c : text) out.push_back(c);
      return out;
    }
    case 1252: {
      std::u16string out;
      for (unsigned char c : text) {
        char16_t u = c >= 0x80 && c < 0xA0 ? kCp1252High[c - 0x80] : char16_t(c);
        if (u == 0 && c != 0) return std::nullopt;
        out.push_back(u);
      }
      return out;
    }
    default:
      return std::nullopt;
  }
}

}  // namespace

void CaptureMouse(HWND window) {
  if (captureCount++ == 0) {
    captureWindow = window;
    pg::SetCapture(window);
  }
}

void EndCapture() {
  if (captureCount == 0) return;
  if (--captureCount == 0) {
    if (captureWindow && pg::GetCapture() == captureWindow) pg::ReleaseCapture();
    captureWindow = nullptr;
  }
}

std::string GetWndClassName(HWND window) {
  char16_t buffer[1001] = {};
  return Utf8Of(buffer, pg::GetClassNameW(window, buffer, 1001));
}

std::string GetWndText(HWND window) {
  char16_t buffer[1001] = {};
  return Utf8Of(buffer, pg::GetWindowTextW(window, buffer, 1001));
}

int KeyBoardDelayIntervalFor(int setting) { return std::clamp(setting, 0, 3) * 200 + 200; }

int KeyBoardSpeedIntervalFor(int setting) {
  return int(std::nearbyint(1000.0 / ((std::clamp(setting, 0, 31) + 1) * 2.3)));
}

int GetKeyBoardDelayInterval() {
  int v = 0;
  pg::SystemParametersInfoW(pg::SPI_GETKEYBOARDDELAY, 0, &v, 0);
  return KeyBoardDelayIntervalFor(v);
}

int GetKeyBoardSpeedInterval() {
  int v = 0;
  pg::SystemParametersInfoW(pg::SPI_GETKEYBOARDSPEED, 0, &v, 0);
  return KeyBoardSpeedIntervalFor(v);
}

framework::TPixelFormat GetPixelFormat() {
  static const framework::TPixelFormat format = PixelFormatOf(ScreenBitsPerPixel());
  return format;
}

bool MyGetScrollBarInfo(HWND window, pg::LONG_PTR object, pg::SCROLLBARINFO& info) {
  return pg::GetScrollBarInfo(window, object, &info) != 0;
}

void GetRectOfPrimaryMonitor(bool workArea, Rect& r) {
  if (workArea && pg::SystemParametersInfoW(pg::SPI_GETWORKAREA, 0, &r, 0)) return;
  r = {0, 0, pg::GetSystemMetrics(pg::SM_CXSCREEN), pg::GetSystemMetrics(pg::SM_CYSCREEN)};
}

// The platform has no per-monitor queries: every monitor question is
// answered by the primary monitor.
void GetRectOfMonitorContainingRect(const Rect&, bool workArea, Rect& r) {
  GetRectOfPrimaryMonitor(workArea, r);
}

void GetRectOfMonitorContainingPoint(Point, bool workArea, Rect& r) { GetRectOfPrimaryMonitor(workArea, r); }

void GetRectOfMonitorContainingWindow(HWND, bool workArea, Rect& r) { GetRectOfPrimaryMonitor(workArea, r); }

std::u16string StringToWideString(unsigned codePage, std::string_view text) {
  if (text.empty()) return {};
  if (auto out = Decode(codePage, text)) return *out;
  if (codePage != 0)
    if (auto out = Decode(0, text)) return *out;
  return std::u16string(text.size(), u'?');
}

}  // namespace z5t8::skin::render
