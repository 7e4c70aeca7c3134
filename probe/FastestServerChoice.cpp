#include "probe/FastestServerChoice.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>

#include "directory/ServerDirectory.h"
#include "directory/ServerLines.h"
#include "probe/SpeedTestDlg.h"
#include "resources/resource.h"

namespace {

constexpr UINT kProbeCount = 5;

}  // namespace

int AverageRtt(const int (&aRtt)[kRttSlots], int nFilled) {
  long long nSum = 0;
  int nValid = 0;
  for (int i = 1; i < std::min(nFilled, kRttSlots); ++i) {
    if (aRtt[i] < 0) continue;
    nSum += aRtt[i];
    ++nValid;
  }
  return nValid == 0 ? kNoValidSample : static_cast<int>(nSum / nValid);
}

int CountSamples(const int (&aRtt)[kRttSlots], int nFilled) {
  int nEnd = std::clamp(nFilled, 1, kRttSlots);
  return static_cast<int>(std::count_if(aRtt + 1, aRtt + nEnd, [](int n) { return n >= 0; }));
}

int CountLosses(const int (&aRtt)[kRttSlots], int nFilled) {
  int nEnd = std::clamp(nFilled, 1, kRttSlots);
  return static_cast<int>(std::count_if(aRtt + 1, aRtt + nEnd, [](int n) { return n < 0; }));
}

bool SlotValue(WPARAM kind, const CString& strText, int& nValue) {
  switch (kind) {
    case kPingHeader:
      nValue = 0;
      return true;
    case kPingTimeout:
      nValue = -1;
      return true;
    case kPingReply: {
      const char* pszText = strText;
      char* pszEnd = nullptr;
      errno = 0;
      unsigned long nRtt = std::strtoul(pszText, &pszEnd, 10);
      if (!std::isdigit(static_cast<unsigned char>(pszText[0])) || *pszEnd != '\0' || errno != 0 ||
          nRtt > kMaxRoundTripMs)
        return false;
      nValue = static_cast<int>(nRtt);
      return true;
    }
    default:
      return false;
  }
}

CFastestServerChoice::CFastestServerChoice(plat::ISockets& sockets, plat::ISystem& system,
                                           plat::IWindowing& windows, CServerDirectory& directory, ILog& log)
    : m_prober(sockets, system, windows),
      m_sockets(sockets),
      m_system(system),
      m_windows(windows),
      m_directory(directory),
      m_log(log) {}

void CFastestServerChoice::OnSpeed(IProbeView& view) {
  view.UpdateData(TRUE);
  CSpeedTestDlg dlg(m_sockets, m_system, m_windows, m_log);
  dlg.m_strAddress = AddressOfEntry(view.LineText());
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
    m_bBestAnswered = false;
    m_busy.Reset();
    m_bRunning = true;
    ProbeNextServer(view);
  }
  view.UpdateData(FALSE);
}

void CFastestServerChoice::ProbeNextServer(IProbeView& view) {
  view.UpdateData(TRUE);
  CString strSection = view.GroupText();
  unsigned nCount = m_directory.ReadCount(strSection, 0);
  int k = m_nProbeIndex;
  if (nCount > 0) view.SetProgressPos(k * 100 / static_cast<int>(nCount));
  CString strAddress =
      m_directory.ReadString(strSection, NumberedKey("IP", static_cast<unsigned>(k + 1)), "");
  if (k > 0) {
    Evaluate(k);
  } else {
    m_nBestIndex = 0;
    m_log.Printf("probe: the fastest of group \"%s\", %u servers", strSection.GetString(), nCount);
  }
  if (k > static_cast<int>(nCount) - 1)
    Finish(view);
  else
    StartProbe(view, strAddress);
  view.UpdateData(FALSE);
}

// Only the header, replies and time-outs of the running probe take a slot;
// results beyond the five slots have no place and no part in the average.
LRESULT CFastestServerChoice::OnPingResult(WPARAM wParam, LPARAM lParam) {
  CString strText = m_prober.TakeText(lParam);
  int nValue = 0;
  if (!m_bRunning || !SlotValue(wParam, strText, nValue)) return 0;
  if (m_nRttCount < kRttSlots) m_aRtt[m_nRttCount++] = nValue;
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

void CFastestServerChoice::Evaluate(int nServer) {
  m_nAvgRtt = AverageRtt(m_aRtt, m_nRttCount);
  int nSamples = CountSamples(m_aRtt, m_nRttCount);
  bool bAnswered = nSamples > 0;
  CString strAverage = "no average";
  if (bAnswered) strAverage.Format("average %d ms", m_nAvgRtt);
  m_log.Printf("probe: server %d, %s: %d sample%s, %d lost, %s", nServer, m_strProbedAddress.GetString(),
               nSamples, nSamples == 1 ? "" : "s", CountLosses(m_aRtt, m_nRttCount), strAverage.GetString());
  if (!Beats(nServer, bAnswered)) return;
  m_nBestIndex = nServer;
  m_nBestRtt = m_nAvgRtt;
  m_bBestAnswered = bAnswered;
}

// A server that answered beats one that never did; otherwise the lower
// average wins and a tie goes to the later server.
bool CFastestServerChoice::Beats(int nServer, bool bAnswered) const {
  if (nServer == 1 || bAnswered != m_bBestAnswered) return nServer == 1 || bAnswered;
  return m_nAvgRtt <= m_nBestRtt;
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
  bool bSelects = m_nBestIndex > 0 && nEntry >= 0 && nEntry < nEntries;
  if (bSelects) view.SelectLine(nEntry);
  if (bSelects)
    m_log.Printf("probe: server %d is the fastest, line %d chosen", m_nBestIndex, nEntry);
  else
    m_log.Write("probe: no server chosen, the line stays");
  m_nBestIndex = nEntry;
}

void CFastestServerChoice::StartProbe(IProbeView& view, const CString& strAddress) {
  m_strProbedAddress = strAddress;
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
