#include "desktop/SkinChrome.h"

#include "platform/WinConstants.h"
#include "resources/resource.h"

namespace {

// Tested in this order; the first hit wins.
constexpr int kHandCursorSpots[] = {IDC_LINK_G_WEBSITE, IDC_CONNECT, IDC_LINK_PRODUCT};

bool PtInRect(const plat::Rect& rect, plat::Point point) {
  return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
}

}  // namespace

void CSkinChrome::BeginDrag(LPARAM lClientPoint) {
  // x in the low 16 bits, y in the high 16 bits, as the press carried them.
  LPARAM lPoint = lClientPoint & 0xFFFFFFFF;
  m_windows.PostMessage(m_hwndMain, WM_NCLBUTTONDOWN, HTCAPTION, lPoint);
}

bool CSkinChrome::SetHandCursor() {
  plat::Point cursor = m_pointer.GetCursorPos();
  for (int nId : kHandCursorSpots) {
    if (!CursorOver(nId, cursor)) continue;
    m_pointer.SetCursorShape(IDC_HAND);
    return true;
  }
  return false;
}

bool CSkinChrome::CursorOver(int nControlId, plat::Point cursor) {
  HWND hwndControl = m_windows.GetDlgItem(m_hwndMain, nControlId);
  return hwndControl != nullptr && PtInRect(m_windows.GetWindowRect(hwndControl), cursor);
}

void CSkinChrome::Close() {
  m_windows.SendMessage(m_hwndMain, WM_CLOSE, 0, 0);
}

void CSkinChrome::Hide() {
  m_windows.ShowWindow(m_hwndMain, SW_HIDE);
}
