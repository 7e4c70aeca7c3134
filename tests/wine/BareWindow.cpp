// A bare Win32 program: one window, shown at once, and a message loop. The
// yardstick of scripts/startup-bench: a popup, as the main window is at its
// first showing. Its command line, if any, is the title.
#include <windows.h>

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    ::PostQuitMessage(0);
    return 0;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = L"BareWin32";
  ::RegisterClassW(&windowClass);
  HWND window = ::CreateWindowExW(0, L"BareWin32", *commandLine != L'\0' ? commandLine : L"Bare Win32",
                                  WS_POPUP | WS_BORDER | WS_VISIBLE, 100, 100, 338, 385, nullptr, nullptr,
                                  instance, nullptr);
  if (window == nullptr) return 1;
  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return 0;
}
