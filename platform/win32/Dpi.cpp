#include "platform/win32/Dpi.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace win32 {

namespace {

using SetAwarenessContextFn = BOOL(WINAPI*)(HANDLE);
using DpiForWindowFn = UINT(WINAPI*)(HWND);
using DialogBehaviorFn = BOOL(WINAPI*)(HWND, int, int);
using AdjustForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

const HANDLE kPerMonitorAwareV2 = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));
const HANDLE kPerMonitorAware = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-3));
constexpr int kDialogDisableAll = 0x1;                   // DDC_DISABLE_ALL
constexpr int kControlDisableFontAndLayout = 0x1 | 0x2;  // DCDC_DISABLE_FONTUPDATE | _RELAYOUT

template <typename Fn>
Fn User32Function(const char* name) {
  HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
  return user32 ? reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(user32, name))) : nullptr;
}

UINT SystemDpi() {
  HDC screen = ::GetDC(nullptr);
  int dpi = screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : 0;
  if (screen) ::ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : kBaseDpi;
}

size_t RowBytes(int width) {
  return (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
}

BITMAPINFO TopDown24(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

// Bilinear resampling of 24-bit rows, pixel centres mapped onto each other.
void Resample(const uint8_t* from, int fromCx, int fromCy, uint8_t* to, int toCx, int toCy) {
  const size_t fromRow = RowBytes(fromCx), toRow = RowBytes(toCx);
  auto source = [&](double pos, int size, int& low, int& high) {
    double clamped = std::clamp(pos, 0.0, static_cast<double>(size - 1));
    low = static_cast<int>(clamped);
    high = std::min(low + 1, size - 1);
    return clamped - low;
  };
  for (int y = 0; y < toCy; ++y) {
    int y0 = 0, y1 = 0;
    double fy = source((y + 0.5) * fromCy / toCy - 0.5, fromCy, y0, y1);
    for (int x = 0; x < toCx; ++x) {
      int x0 = 0, x1 = 0;
      double fx = source((x + 0.5) * fromCx / toCx - 0.5, fromCx, x0, x1);
      for (int c = 0; c < 3; ++c) {
        auto at = [&](int px, int py) { return from[py * fromRow + static_cast<size_t>(px) * 3 + c]; };
        double top = at(x0, y0) * (1 - fx) + at(x1, y0) * fx;
        double bottom = at(x0, y1) * (1 - fx) + at(x1, y1) * fx;
        to[y * toRow + static_cast<size_t>(x) * 3 + c] =
            static_cast<uint8_t>(top * (1 - fy) + bottom * fy + 0.5);
      }
    }
  }
}

SIZE Scaled(int cx, int cy, UINT dpi) {
  return {std::max(1, ScaleToDpi(cx, dpi)), std::max(1, ScaleToDpi(cy, dpi))};
}

}  // namespace

void DeclareDpiAwareness() {
  if (auto set = User32Function<SetAwarenessContextFn>("SetProcessDpiAwarenessContext")) {
    if (set(kPerMonitorAwareV2) || set(kPerMonitorAware)) return;
    if (::GetLastError() == ERROR_ACCESS_DENIED) return;  // the manifest has set it already
  }
  ::SetProcessDPIAware();
}

UINT DpiOf(HWND hwnd) {
  static const auto dpiForWindow = User32Function<DpiForWindowFn>("GetDpiForWindow");
  UINT dpi = dpiForWindow && hwnd ? dpiForWindow(hwnd) : 0;
  return dpi != 0 ? dpi : SystemDpi();
}

void TakeOverDpiScaling(HWND dialog) {
  static const auto dialogBehavior = User32Function<DialogBehaviorFn>("SetDialogDpiChangeBehavior");
  if (dialogBehavior) dialogBehavior(dialog, kDialogDisableAll, kDialogDisableAll);
}

void TakeOverControlDpiScaling(HWND control) {
  static const auto controlBehavior = User32Function<DialogBehaviorFn>("SetDialogControlDpiChangeBehavior");
  if (controlBehavior) controlBehavior(control, kControlDisableFontAndLayout, kControlDisableFontAndLayout);
}

SIZE WindowSizeForClient(HWND hwnd, int cx, int cy, UINT dpi) {
  static const auto adjustForDpi = User32Function<AdjustForDpiFn>("AdjustWindowRectExForDpi");
  RECT rc{0, 0, cx, cy};
  auto style = static_cast<DWORD>(::GetWindowLongW(hwnd, GWL_STYLE));
  auto exStyle = static_cast<DWORD>(::GetWindowLongW(hwnd, GWL_EXSTYLE));
  if (!adjustForDpi || !adjustForDpi(&rc, style, FALSE, exStyle, dpi))
    ::AdjustWindowRectEx(&rc, style, FALSE, exStyle);
  return {rc.right - rc.left, rc.bottom - rc.top};
}

SIZE ScaledBitmapSize(HMODULE module, int id, UINT dpi) {
  HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(id), RT_BITMAP);
  HGLOBAL loaded = found ? ::LoadResource(module, found) : nullptr;
  const void* data = loaded ? ::LockResource(loaded) : nullptr;
  if (data == nullptr || ::SizeofResource(module, found) < sizeof(BITMAPCOREHEADER)) return {0, 0};
  BITMAPINFOHEADER header{};
  std::memcpy(&header, data, std::min<size_t>(sizeof(header), ::SizeofResource(module, found)));
  if (header.biSize == sizeof(BITMAPCOREHEADER)) {
    BITMAPCOREHEADER core{};
    std::memcpy(&core, data, sizeof(core));
    return Scaled(core.bcWidth, core.bcHeight, dpi);
  }
  if (header.biWidth <= 0 || header.biHeight == 0) return {0, 0};
  return Scaled(header.biWidth, std::abs(header.biHeight), dpi);
}

UniqueGdiObject LoadScaledBitmap(HMODULE module, int id, UINT dpi) {
  UniqueGdiObject original(
      ::LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  BITMAP info{};
  if (!original || ::GetObjectW(original.Get(), sizeof(info), &info) == 0) return {};
  const int cx = info.bmWidth, cy = info.bmHeight;
  const SIZE to = Scaled(cx, cy, dpi);
  const int toCx = to.cx, toCy = to.cy;
  if (toCx == cx && toCy == cy && info.bmBitsPixel == 24) return original;

  std::vector<uint8_t> pixels(RowBytes(cx) * static_cast<size_t>(cy));
  BITMAPINFO fromInfo = TopDown24(cx, cy);
  UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
  if (!dc || ::GetDIBits(dc.Get(), static_cast<HBITMAP>(original.Get()), 0, static_cast<UINT>(cy),
                         pixels.data(), &fromInfo, DIB_RGB_COLORS) == 0)
    return {};

  // A 24-bit section: a static control shows it as it is, without a copy of its own.
  BITMAPINFO toInfo = TopDown24(toCx, toCy);
  void* bits = nullptr;
  UniqueGdiObject scaled(::CreateDIBSection(nullptr, &toInfo, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!scaled || bits == nullptr) return {};
  if (toCx == cx && toCy == cy)
    std::copy(pixels.begin(), pixels.end(), static_cast<uint8_t*>(bits));
  else
    Resample(pixels.data(), cx, cy, static_cast<uint8_t*>(bits), toCx, toCy);
  ::GdiFlush();
  return scaled;
}

}  // namespace win32
