// Reads the state of the dialer's windows for the end-to-end run under Wine
// (scripts/wine-e2e); the script acts with xdotool at the places it reports.
//
// TITLE and NAME are UTF-8, where %XX stands for a byte.
//   dorvanta_e2e_probe window TITLE        visible|hidden x y w h
//   dorvanta_e2e_probe control TITLE ID    visible|hidden enabled|disabled cx cy text
//   dorvanta_e2e_probe combo TITLE ID      count selected-text
//   dorvanta_e2e_probe text TITLE          the texts of the window's static controls
//   dorvanta_e2e_probe class CLASS         visible|hidden x y w h (first top-level window of the class)
//   dorvanta_e2e_probe tree                every window: class, title, rect, visibility
//   dorvanta_e2e_probe forget-icon TITLE ID  deletes the window's notification-area icon ID
//   dorvanta_e2e_probe broadcast NAME      posts the registered message NAME to every top-level window
//
// Exit status 1 when the window or control is not there.
#include <windows.h>
// After <windows.h>.
#include <shellapi.h>

#include <cstdio>
#include <cwchar>
#include <cwctype>
#include <string>

namespace {

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  int size = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                   nullptr, nullptr);
  std::string out(size, '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr,
                        nullptr);
  return out;
}

std::wstring WindowText(HWND window) {
  wchar_t buffer[1024] = {};
  ::GetWindowTextW(window, buffer, 1024);
  return buffer;
}

void Print(const std::string& line) {
  DWORD written = 0;
  std::string text = line + "\n";
  ::WriteFile(::GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size()), &written,
              nullptr);
}

std::string Rect(HWND window) {
  RECT rect{};
  ::GetWindowRect(window, &rect);
  char buffer[96];
  std::snprintf(buffer, sizeof(buffer), "%ld %ld %ld %ld", rect.left, rect.top, rect.right - rect.left,
                rect.bottom - rect.top);
  return buffer;
}

std::string Center(HWND window) {
  RECT rect{};
  ::GetWindowRect(window, &rect);
  char buffer[64];
  std::snprintf(buffer, sizeof(buffer), "%ld %ld", (rect.left + rect.right) / 2,
                (rect.top + rect.bottom) / 2);
  return buffer;
}

const char* Visibility(HWND window) {
  return ::IsWindowVisible(window) ? "visible" : "hidden";
}

BOOL CALLBACK PrintChild(HWND child, LPARAM depth) {
  wchar_t className[128] = {};
  ::GetClassNameW(child, className, 128);
  Print(std::string(static_cast<size_t>(depth) * 2, ' ') + Utf8(className) + " \"" + Utf8(WindowText(child)) +
        "\" " + Rect(child) + " " + Visibility(child) + " id=" + std::to_string(::GetDlgCtrlID(child)));
  return TRUE;
}

BOOL CALLBACK PrintTopLevel(HWND window, LPARAM) {
  PrintChild(window, 0);
  ::EnumChildWindows(window, PrintChild, 1);
  return TRUE;
}

BOOL CALLBACK PrintStatic(HWND child, LPARAM) {
  wchar_t className[32] = {};
  ::GetClassNameW(child, className, 32);
  if (::_wcsicmp(className, L"Static") == 0 && ::GetWindowTextLengthW(child) > 0)
    Print(Utf8(WindowText(child)));
  return TRUE;
}

}  // namespace

// A title argument: UTF-8 with %XX escapes, so that Korean titles reach the
// probe whatever the locale of the shell that starts it.
std::wstring Title(const wchar_t* argument) {
  std::string bytes;
  for (const wchar_t* p = argument; *p != L'\0'; ++p) {
    if (*p == L'%' && std::iswxdigit(p[1]) && std::iswxdigit(p[2])) {
      wchar_t hex[3] = {p[1], p[2], L'\0'};
      bytes += static_cast<char>(std::wcstol(hex, nullptr, 16));
      p += 2;
    } else {
      bytes += static_cast<char>(*p);
    }
  }
  int size = ::MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring out(size, L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), out.data(), size);
  return out;
}

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  const std::wstring command = argv[1];
  if (command == L"tree") {
    ::EnumWindows(PrintTopLevel, 0);
    return 0;
  }
  if (argc < 3) return 2;
  if (command == L"broadcast") {
    UINT message = ::RegisterWindowMessageW(Title(argv[2]).c_str());
    return message != 0 && ::PostMessageW(HWND_BROADCAST, message, 0, 0) ? 0 : 1;
  }
  if (command == L"class") {
    HWND window = ::FindWindowW(argv[2], nullptr);
    if (window == nullptr) return 1;
    Print(std::string(Visibility(window)) + " " + Rect(window));
    return 0;
  }
  HWND window = ::FindWindowW(nullptr, Title(argv[2]).c_str());
  if (window == nullptr) return 1;
  if (command == L"window") {
    Print(std::string(Visibility(window)) + " " + Rect(window));
    return 0;
  }
  if (command == L"text") {
    ::EnumChildWindows(window, PrintStatic, 0);
    return 0;
  }
  if (argc < 4) return 2;
  if (command == L"forget-icon") {
    NOTIFYICONDATAW icon{sizeof(icon), window, static_cast<UINT>(std::wcstol(argv[3], nullptr, 10))};
    return ::Shell_NotifyIconW(NIM_DELETE, &icon) ? 0 : 1;
  }
  HWND control = ::GetDlgItem(window, static_cast<int>(std::wcstol(argv[3], nullptr, 10)));
  if (control == nullptr) return 1;
  if (command == L"control") {
    Print(std::string(Visibility(control)) + (::IsWindowEnabled(control) ? " enabled " : " disabled ") +
          Center(control) + " " + Utf8(WindowText(control)));
    return 0;
  }
  if (command == L"combo") {
    LRESULT count = ::SendMessageW(control, CB_GETCOUNT, 0, 0);
    LRESULT selected = ::SendMessageW(control, CB_GETCURSEL, 0, 0);
    std::wstring text;
    if (selected >= 0) {
      text.resize(static_cast<size_t>(::SendMessageW(control, CB_GETLBTEXTLEN, selected, 0)) + 1);
      ::SendMessageW(control, CB_GETLBTEXT, selected, reinterpret_cast<LPARAM>(text.data()));
      text.resize(std::wcslen(text.c_str()));
    }
    Print(std::to_string(count) + " " + Utf8(text));
    return 0;
  }
  return 2;
}
