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

void CMainDlg::OnNavigationRefusedBanner() {
  if (m_links) m_links->OnNavigationRefused();
}
