#include "platform/win32/BoxesAndMenusWin32.h"

#include "platform/win32/WinHandles.h"
#include "platform/win32/WinText.h"

namespace win32 {

int BoxesAndMenusWin32::MessageBox(HWND owner, std::string_view text, std::string_view caption, UINT type) {
  return ::MessageBoxW(owner, Utf8ToWide(text).c_str(), Utf8ToWide(caption).c_str(), type);
}

void BoxesAndMenusWin32::AppendSystemMenu(HWND hwnd, UINT flags, UINT id, std::string_view text) {
  HMENU menu = ::GetSystemMenu(hwnd, FALSE);
  if (menu == nullptr) return;
  if (flags & MF_SEPARATOR) {
    ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    return;
  }
  ::AppendMenuW(menu, flags, id, Utf8ToWide(text).c_str());
}

plat::Point BoxesAndMenusWin32::GetCursorPos() {
  POINT pt{};
  ::GetCursorPos(&pt);
  return {pt.x, pt.y};
}

void BoxesAndMenusWin32::TrackPopupMenu(const plat::MenuTemplate& menu, UINT flags, plat::Point at,
                                        HWND owner) {
  UniqueMenu popup(::CreatePopupMenu());
  if (!popup) return;
  for (int i = 0; i < menu.itemCount; ++i) {
    const plat::MenuItem& item = menu.items[i];
    if (item.id == 0)
      ::AppendMenuW(popup.Get(), MF_SEPARATOR, 0, nullptr);
    else
      ::AppendMenuW(popup.Get(), MF_STRING, item.id, Utf8ToWide(item.text).c_str());
  }
  // The choice must arrive as a posted WM_COMMAND, so never return it instead.
  flags &= ~static_cast<UINT>(TPM_RETURNCMD | TPM_NONOTIFY);
  ::TrackPopupMenu(popup.Get(), flags, at.x, at.y, 0, owner, nullptr);
  // Lets a notification-area menu close properly on the next click elsewhere.
  ::PostMessageW(owner, WM_NULL, 0, 0);
}

void BoxesAndMenusWin32::SetCursorShape(int systemCursorId) {
  ::SetCursor(::LoadCursorW(nullptr, MAKEINTRESOURCEW(systemCursorId)));
}

}  // namespace win32
