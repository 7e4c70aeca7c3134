#include "desktop/SkinAccess.h"

#include <iterator>

#include "resources/Endpoints.h"
#include "resources/Texts.h"
#include "resources/resource.h"

namespace {

// The order the user sees: top to bottom, then the link at the bottom right.
constexpr int kTabOrder[] = {IDC_SERVER, IDC_USER, IDC_PASSWORD, IDC_REMEMBER, IDC_CONNECT, IDC_LINK_PRODUCT};
constexpr int kStops = static_cast<int>(std::size(kTabOrder));

}  // namespace

void CSkinAccess::Name(int nId, const char* pszName, long nRole) {
  HWND hwnd = m_windows.GetDlgItem(m_hwndMain, nId);
  if (hwnd == nullptr) return;
  m_accessibility.SetAccessibleName(hwnd, pszName);
  if (nRole) m_accessibility.SetAccessibleRole(hwnd, nRole);
}

void CSkinAccess::NameControls() {
  Name(IDC_SERVER, texts::names::kServerList);
  Name(IDC_USER, texts::names::kUser);
  Name(IDC_PASSWORD, texts::names::kPassword);
  Name(IDC_REMEMBER, texts::names::kRemember);
  CString strLink = CString(texts::names::kProductLink) + " " + endpoints::kProductSite;
  Name(IDC_LINK_PRODUCT, strLink.GetString(), plat::kRoleLink);
  Name(IDC_SKIN_CLOSE, texts::names::kSkinClose);
  Name(IDC_SKIN_HIDE, texts::names::kSkinHide);
}

void CSkinAccess::NameConnect(bool bConnected) {
  Name(IDC_CONNECT, bConnected ? texts::names::kDisconnect : texts::names::kConnect);
}

bool CSkinAccess::MoveFocus(bool bBack) {
  HWND hwndFocus = m_windows.GetFocus();
  int nAt = -1;
  for (int i = 0; i < kStops; ++i)
    if (m_windows.GetDlgItem(m_hwndMain, kTabOrder[i]) == hwndFocus) nAt = i;
  int nStep = bBack ? kStops - 1 : 1;
  if (nAt < 0) nAt = bBack ? 0 : kStops - 1;  // from outside the path: its first or last stop
  for (int n = 1; n <= kStops; ++n) {
    HWND hwnd = m_windows.GetDlgItem(m_hwndMain, kTabOrder[(nAt + n * nStep) % kStops]);
    if (hwnd && m_windows.IsWindowVisible(hwnd) && m_windows.IsWindowEnabled(hwnd)) {
      m_windows.SetFocus(m_hwndMain, hwnd);
      return true;
    }
  }
  return false;
}
