// The skin's chrome and links: each handler hands its command on.
#include "app/MainDlg.h"

LRESULT CMainDlg::OnDrawItem(WPARAM, LPARAM) {
  // Image buttons draw their image; the hot spots draw nothing.
  Default();
  return TRUE;
}

void CMainDlg::OnLButtonDown(UINT, LPARAM lPoint) {
  Default();
  if (m_chrome) m_chrome->BeginDrag(lPoint);
}

LRESULT CMainDlg::OnSetCursor(WPARAM, LPARAM) {
  if (m_chrome && m_chrome->SetHandCursor()) return TRUE;
  Default();
  return FALSE;
}

void CMainDlg::OnSkinClose() {
  m_chrome->Close();
}

void CMainDlg::OnSkinHide() {
  m_chrome->Hide();
}

void CMainDlg::OnDocumentCompleteBanner() {
  if (m_links) m_links->OnDocumentComplete();
}

LRESULT CMainDlg::OnNextDlgCtl(WPARAM wParam, LPARAM lParam) {
  // Tab and Shift+Tab follow the skin; a move to a given control is the dialog manager's.
  bool bTabKey = (lParam & 0xFFFF) == 0;
  if (!bTabKey || !m_access || !m_access->MoveFocus(wParam != 0)) Default();
  return 0;
}

void CMainDlg::OnNavigationRefusedBanner() {
  if (m_links) m_links->OnNavigationRefused();
}
