#include "probe/ProbeRun.h"

#include <utility>

namespace {

constexpr UINT kProbeTickMs = 100;

}  // namespace

CProbeRun::CProbeRun(plat::ISockets& sockets, plat::ISystem& system, plat::IWindowing& windows,
                     IProbeView& view, UINT_PTR nTickTimer)
    : m_windows(windows), m_view(view), m_nTickTimer(nTickTimer), m_prober(sockets, system, windows) {}

void CProbeRun::Start(std::vector<CString> servers, UINT nPings, HWND hWnd) {
  m_servers = std::move(servers);
  m_nPings = nPings;
  m_hWnd = hWnd;
  m_nProbed = 0;
  m_choice.Reset();
  m_bRunning = true;
  m_view.ShowProbing(true);
  ProbeNextServer();
}

// Each result is shown; only those of a lasting run are weighed.
void CProbeRun::OnResult(WPARAM wParam, LPARAM lParam) {
  CString strText = m_prober.TakeText(lParam);
  if (m_bRunning) m_samples.Take(wParam, strText);
  m_view.ShowResult(strText);
}

void CProbeRun::OnDone() {
  if (!m_bRunning) return;
  m_windows.KillTimer(m_hWnd, m_nTickTimer);
  ++m_nProbed;
  ProbeNextServer();
}

void CProbeRun::OnTick() {
  if (!m_bRunning) return;
  m_busy.Step();
  m_view.ShowBusy(m_busy.Pos());
}

void CProbeRun::ProbeNextServer() {
  int nCount = static_cast<int>(m_servers.size());
  if (nCount > 0) m_view.ShowProgress(m_nProbed * 100 / nCount);
  if (m_nProbed > 0) {
    const CString& strProbed = m_servers[static_cast<size_t>(m_nProbed - 1)];
    m_choice.Weigh(m_nProbed, m_samples);
    m_view.ShowServer(m_nProbed, strProbed, m_samples);
  }
  if (m_nProbed >= nCount)
    Finish();
  else
    StartProbe(m_servers[static_cast<size_t>(m_nProbed)]);
}

void CProbeRun::StartProbe(const CString& strAddress) {
  m_samples.Clear();
  m_prober.Start(m_nPings, strAddress, m_hWnd);
  m_busy.Reset();
  m_view.ShowBusy(m_busy.Pos());
  m_windows.SetTimer(m_hWnd, m_nTickTimer, kProbeTickMs);
}

void CProbeRun::Finish() {
  m_bRunning = false;
  m_view.ShowProbing(false);
  m_view.ShowFastest(m_choice.Fastest());
}
