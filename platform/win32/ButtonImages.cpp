#include "platform/win32/ButtonImages.h"

#include <iterator>

#include "platform/win32/Dpi.h"

namespace win32 {

namespace {
enum Slot { kNormal, kSelected, kFocused, kDisabled };
}

// A state that repeats an earlier state's id shares its image.
void ButtonImages::Load(HWND button, Images& images, UINT dpi) {
  std::vector<UniqueGdiObject> loaded;
  for (size_t i = 0; i < images.ids.size(); ++i) {
    images.bitmaps[i] = nullptr;
    if (images.ids[i] == 0) continue;
    size_t same = 0;
    while (same < i && images.ids[same] != images.ids[i]) ++same;
    if (same < i) {
      images.bitmaps[i] = images.bitmaps[same];
      continue;
    }
    loaded.push_back(LoadScaledBitmap(images.module, images.ids[i], dpi));
    images.bitmaps[i] = static_cast<HBITMAP>(loaded.back().Get());
  }
  images.loaded = std::move(loaded);
  ::InvalidateRect(button, nullptr, FALSE);
}

void ButtonImages::Set(HWND button, HMODULE module, const std::array<int, 4>& ids) {
  Images images;
  images.module = module;
  images.ids = ids;
  Load(button, images, DpiOf(button));
  m_buttons[button] = std::move(images);
}

bool ButtonImages::SizeToContent(HWND button) {
  SIZE size{};
  if (!NormalSize(button, size)) return false;
  m_buttons[button].sizedToContent = true;
  ::SetWindowPos(button, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  return true;
}

bool ButtonImages::NormalSize(HWND button, SIZE& size) const {
  auto it = m_buttons.find(button);
  if (it == m_buttons.end() || it->second.bitmaps[kNormal] == nullptr) return false;
  BITMAP info{};
  if (::GetObjectW(it->second.bitmaps[kNormal], sizeof(info), &info) == 0) return false;
  size = {info.bmWidth, info.bmHeight};
  return true;
}

void ButtonImages::Rescale(HWND dialog, UINT dpi) {
  for (auto& [button, images] : m_buttons) {
    if (::GetParent(button) != dialog) continue;
    Load(button, images, dpi);
    if (images.sizedToContent) SizeToContent(button);
  }
}

HBITMAP ButtonImages::Pick(const Images& images, UINT state) {
  auto has = [&](Slot slot) { return images.bitmaps[slot] != nullptr; };
  Slot slot = kNormal;
  if ((state & ODS_SELECTED) && has(kSelected))
    slot = kSelected;
  else if ((state & ODS_FOCUS) && has(kFocused))
    slot = kFocused;
  else if ((state & ODS_DISABLED) && has(kDisabled))
    slot = kDisabled;
  return images.bitmaps[slot];
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
