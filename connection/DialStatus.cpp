#include "connection/DialStatus.h"

#include "connection/DialProgressText.h"

unsigned CDialStatus::BeginDial() {
  std::lock_guard guard(m_lock);
  m_strText = CString();
  m_dwError = 0;
  m_strServiceText = CString();
  m_done.store(0, std::memory_order_relaxed);
  m_connected.store(false, std::memory_order_relaxed);
  return ++m_serial;
}

void CDialStatus::OnDialProgress(unsigned serial, UINT, DWORD state, DWORD error) {
  CString strText;
  std::string serviceText;
  if (error != 0) {
    m_ras.GetErrorString(error, serviceText);
    strText = DialErrorText(error, serviceText);
  } else {
    strText = DialProgressText(state);
  }
  bool bFinal = error != 0 || state == plat::kRasConnected;
  std::lock_guard guard(m_lock);
  if (serial != m_serial || Done()) return;
  m_strText = strText;
  if (!bFinal) return;
  m_dwError = error;
  m_strServiceText = serviceText;
  m_connected.store(error == 0, std::memory_order_relaxed);
  m_done.store(1, std::memory_order_release);
}

void CDialStatus::Finish(DWORD dwError, const CString& strServiceText) {
  CString strText = DialErrorText(dwError, strServiceText);
  std::lock_guard guard(m_lock);
  ++m_serial;
  m_strText = strText;
  m_dwError = dwError;
  m_strServiceText = strServiceText;
  m_connected.store(false, std::memory_order_relaxed);
  m_done.store(1, std::memory_order_release);
}

CString CDialStatus::Text() const {
  std::lock_guard guard(m_lock);
  return m_strText;
}

DWORD CDialStatus::Error() const {
  std::lock_guard guard(m_lock);
  return m_dwError;
}

CString CDialStatus::ServiceText() const {
  std::lock_guard guard(m_lock);
  return m_strServiceText;
}

CString CDialStatus::Flatten() {
  std::lock_guard guard(m_lock);
  std::string text = m_strText.Str();
  for (char& ch : text)
    if (ch == '\n') ch = ':';
  m_strText = text;
  return m_strText;
}
