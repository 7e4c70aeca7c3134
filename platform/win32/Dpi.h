// Monitor scale: the process's DPI awareness, a window's DPI and images
// scaled to it. Functions newer than the oldest supported Windows are
// looked up at run time.
#pragma once

#include "platform/win32/WinApi.h"
#include "platform/win32/WinHandles.h"

namespace win32 {

inline constexpr UINT kBaseDpi = 96;
inline constexpr UINT kWmDpiChanged = 0x02E0;

// Per-monitor awareness (version 2 where the system has it), for a process
// whose manifest does not declare it. Call before the first window.
void DeclareDpiAwareness();

// The DPI the window is shown at (the system's where windows have none of their own).
UINT DpiOf(HWND hwnd);
inline int ScaleToDpi(int pixels, UINT dpi) {
  return ::MulDiv(pixels, static_cast<int>(dpi), static_cast<int>(kBaseDpi));
}

// Keep the dialog manager from rescaling a dialog, and each of its controls,
// by font on a DPI change: the window does it itself.
void TakeOverDpiScaling(HWND dialog);
void TakeOverControlDpiScaling(HWND control);

// Window rectangle size for a client area at a DPI.
SIZE WindowSizeForClient(HWND hwnd, int cx, int cy, UINT dpi);

// The size of a bitmap resource scaled from 96 DPI to dpi, read from its
// header without loading it; zero when there is no such resource.
SIZE ScaledBitmapSize(HMODULE module, int id, UINT dpi);

// A bitmap resource as a 24-bit image scaled from 96 DPI to dpi; null when
// there is no such resource.
UniqueGdiObject LoadScaledBitmap(HMODULE module, int id, UINT dpi);

}  // namespace win32
