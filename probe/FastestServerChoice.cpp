#include "probe/FastestServerChoice.h"

#include <algorithm>
#include <cstdlib>

#include "directory/ServerDirectory.h"
#include "probe/SpeedTestDlg.h"
#include "resources/resource.h"

namespace {

constexpr UINT kProbeCount = 5;

}  // namespace

int AverageRtt(const int (&aRtt)[kRttSlots]) {
  int nSum = 0;
  int nValid = 0;
  for (int i = 1; i < kRttSlots; ++i) {
    if (aRtt[i] < 0) continue;
    nSum += aRtt[i];
    ++nValid;
  }
  return nValid == 0 ? kNoValidSample : nSum / nValid;
}

CString LineAddress(const CString& strLine) {
  int nBar = strLine.Find('|');
  return nBar < 0 ? strLine : strLine.Mid(nBar + 1);
}

CFastestServerChoice::CFastestServerChoice(plat::ISockets& sockets, plat::ISystem& system,
                                           plat::IWindowSystem& windows, plat::IFiles& files)
    : m_prober(sockets, system, windows),
      m_sockets(sockets),
      m_system(system),
      m_windows(windows),
      m_files(files) {}

void CFastestServerChoice::OnSpeed(IProbeView& view) {
  view.UpdateData(TRUE);
  CSpeedTestDlg dlg(m_sockets, m_system, m_windows);
  dlg.m_strAddress = LineAddress(view.LineText());
  dlg.DoModal();
}

void CFastestServerChoice::OnAutoSelect(IProbeView& view) {
  view.UpdateData(TRUE);
  if (view.IsAutoSelectTicked() && !m_bRunning) {
    view.SetProgressRange(0, 100);
    ShowRunning(view, true);
    m_nRttCount = 0;
    m_nProbeIndex = 0;
    m_nBestRtt = 0;
    m_busy.Reset();
    m_bRunning = true;
    ProbeNextServer(view);
  }
  view.UpdateData(FALSE);
}

void CFastestServerChoice::ProbeNextServer(IProbeView& view) {
  view.UpdateData(TRUE);
  CString strSection = view.GroupText();
  unsigned nCount = ReadCount(view, strSection);
  int k = m_nProbeIndex;
  if (nCount > 0) view.SetProgressPos(k * 100 / static_cast<int>(nCount));
  CString strAddress = ReadAddress(view, strSection, k + 1);
  if (k > 0)
    Evaluate(k);
  else
    m_nBestIndex = 0;
  if (k > static_cast<int>(nCount) - 1)
    Finish(view);
  else
    StartProbe(view, strAddress);
  view.UpdateData(FALSE);
}

LRESULT CFastestServerChoice::OnPingResult(WPARAM, LPARAM lParam) {
  CString strText = m_prober.TakeText(lParam);
  // Results beyond the five slots have no place and no part in the average.
  if (m_nRttCount < kRttSlots) m_aRtt[m_nRttCount++] = static_cast<int>(std::strtol(strText, nullptr, 10));
  return 0;
}

LRESULT CFastestServerChoice::OnPingDone(IProbeView& view) {
  if (!m_bRunning) return 0;
  view.SetProbeTimer(false);
  ++m_nProbeIndex;
  ProbeNextServer(view);
  return 0;
}

void CFastestServerChoice::OnProbeTick(IProbeView& view) {
  if (!m_bRunning) return;
  m_busy.Step();
  view.SetBusyPos(m_busy.Pos());
}

unsigned CFastestServerChoice::ReadCount(IProbeView& view, const CString& strSection) {
  unsigned nCount = m_files.GetProfileInt(strSection.View(), "Count", 0, view.DirectoryPath().View());
  return std::min(nCount, kMaxDirectoryEntries);
}

CString CFastestServerChoice::ReadAddress(IProbeView& view, const CString& strSection, int nNumber) {
  std::string value;
  m_files.GetProfileString(strSection.View(), NumberedKey("IP", static_cast<unsigned>(nNumber)).View(), "",
                           value, kDirectoryValueBuffer, view.DirectoryPath().View());
  return CString(std::move(value));
}

// A tie goes to the later server.
void CFastestServerChoice::Evaluate(int nServer) {
  m_nAvgRtt = AverageRtt(m_aRtt);
  if (nServer == 1 || m_nAvgRtt <= m_nBestRtt) {
    m_nBestIndex = nServer;
    m_nBestRtt = m_nAvgRtt;
  }
}

// The Line list holds the group's servers highest number first, so server m
// is entry count - m. Without an evaluated server, or with a list that does
// not hold that entry, the selection stays as it was.
void CFastestServerChoice::Finish(IProbeView& view) {
  view.SetProgressRange(0, 100);
  ShowRunning(view, false);
  view.ClearAutoSelect();
  m_bRunning = false;
  int nEntries = view.GetLineCount();
  int nEntry = nEntries - m_nBestIndex;
  if (m_nBestIndex > 0 && nEntry >= 0 && nEntry < nEntries) view.SelectLine(nEntry);
  m_nBestIndex = nEntry;
}

void CFastestServerChoice::StartProbe(IProbeView& view, const CString& strAddress) {
  std::fill(std::begin(m_aRtt), std::end(m_aRtt), 0);
  m_nRttCount = 0;
  m_prober.Start(kProbeCount, strAddress, view.GetSafeHwnd());
  m_busy.Reset();
  view.SetBusyPos(m_busy.Pos());
  view.SetProbeTimer(true);
}

void CFastestServerChoice::ShowRunning(IProbeView& view, bool bRunning) {
  view.EnableControl(IDC_AUTO_SELECT, !bRunning);
  view.EnableControl(IDC_GROUP, !bRunning);
  view.EnableControl(IDC_CONNECT, !bRunning);
  view.ShowControl(IDC_LINE, !bRunning);
  view.ShowControl(IDC_SPEED, !bRunning);
  view.ShowControl(IDC_PROGRESS, bRunning);
  view.ShowControl(IDC_PROBE_BUSY, bRunning);
}
