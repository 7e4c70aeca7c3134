#include "platform/win32/ButtonImages.h"

#include <iterator>

namespace win32 {

namespace {
enum Slot { kNormal, kSelected, kFocused, kDisabled };
}

void ButtonImages::Set(HWND button, HMODULE module, const std::array<int, 4>& ids) {
  Images images;
  for (size_t i = 0; i < ids.size(); ++i) {
    if (ids[i] == 0) continue;
    images.bitmaps[i].Reset(
        ::LoadImageW(module, MAKEINTRESOURCEW(ids[i]), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
  }
  m_buttons[button] = std::move(images);
  ::InvalidateRect(button, nullptr, FALSE);
}

bool ButtonImages::NormalSize(HWND button, SIZE& size) const {
  auto it = m_buttons.find(button);
  if (it == m_buttons.end() || !it->second.bitmaps[kNormal]) return false;
  BITMAP info{};
  if (::GetObjectW(it->second.bitmaps[kNormal].Get(), sizeof(info), &info) == 0) return false;
  size = {info.bmWidth, info.bmHeight};
  return true;
}

HBITMAP ButtonImages::Pick(const Images& images, UINT state) {
  auto has = [&](Slot slot) { return static_cast<bool>(images.bitmaps[slot]); };
  Slot slot = kNormal;
  if ((state & ODS_SELECTED) && has(kSelected))
    slot = kSelected;
  else if ((state & ODS_FOCUS) && has(kFocused))
    slot = kFocused;
  else if ((state & ODS_DISABLED) && has(kDisabled))
    slot = kDisabled;
  return static_cast<HBITMAP>(images.bitmaps[slot].Get());
}

bool ButtonImages::Draw(const DRAWITEMSTRUCT& item) const {
  auto it = m_buttons.find(item.hwndItem);
  if (it == m_buttons.end()) return false;
  HBITMAP bitmap = Pick(it->second, item.itemState);
  if (bitmap == nullptr) return true;
  BITMAP info{};
  ::GetObjectW(bitmap, sizeof(info), &info);
  UniqueMemoryDc memory(::CreateCompatibleDC(item.hDC));
  if (!memory) return true;
  SelectedObject selected(memory.Get(), bitmap);
  const RECT& rc = item.rcItem;
  ::BitBlt(item.hDC, rc.left, rc.top, info.bmWidth, info.bmHeight, memory.Get(), 0, 0, SRCCOPY);
  return true;
}

void ButtonImages::ForgetChildrenOf(HWND dialog) {
  std::erase_if(m_buttons, [dialog](const auto& entry) { return ::GetParent(entry.first) == dialog; });
}

}  // namespace win32
