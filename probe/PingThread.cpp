#include "probe/PingThread.h"

CPingThread::CPingThread(plat::ISockets& sockets, plat::ISystem& system, plat::IWindowing& windows)
    : m_system(system), m_prober(sockets, system, windows, m_texts) {
  m_hStopEvent = m_system.CreateEvent(true, false);
  m_hRequestEvent = m_system.CreateEvent(false, false);
  m_prober.SetStopEvent(&m_hStopEvent);
}

CPingThread::~CPingThread() {
  if (!m_hThread) return;
  m_system.SetEvent(m_hStopEvent);
  m_system.WaitForSingleObject(m_hThread, INFINITE);
}

void CPingThread::Start(UINT nCount, const CString& strHost, HWND hWnd) {
  {
    std::lock_guard lock(m_slotLock);
    m_nCount = nCount;
    m_strHost = strHost;
    m_hWnd = hWnd;
  }
  // The thread starts with the first request: most windows never probe.
  // Without its events the worker could never be stopped, so it never starts.
  if (!m_hThread && m_hStopEvent && m_hRequestEvent) m_hThread = m_system.CreateThread([this] { Run(); });
  if (m_hRequestEvent) m_system.SetEvent(m_hRequestEvent);
}

void CPingThread::Run() {
  const plat::KernelHandle* handles[] = {&m_hStopEvent, &m_hRequestEvent};
  for (;;) {
    DWORD dwResult = m_system.WaitForMultipleObjects(handles, INFINITE);
    if (dwResult == WAIT_OBJECT_0) return;
    if (dwResult != WAIT_OBJECT_0 + 1) {
      if (dwResult == WAIT_TIMEOUT) continue;
      return;  // a failed wait would fail again at once
    }
    UINT nCount = 0;
    CString strHost;
    HWND hWnd = nullptr;
    {
      std::lock_guard lock(m_slotLock);
      nCount = m_nCount;
      strHost = m_strHost;
      hWnd = m_hWnd;
    }
    m_prober.Ping(nCount, strHost, hWnd);
  }
}
