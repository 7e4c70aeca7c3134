// The fastest-server choice: probes every server of the chosen group in
// turn on the main window's worker, averages each one's round trips and
// selects the fastest in the Line list. Also opens the speed-test window.
#pragma once

#include "directory/ServerDirectory.h"
#include "log/Log.h"
#include "platform/Sockets.h"
#include "platform/System.h"
#include "platform/Windowing.h"
#include "probe/BusyIndicator.h"
#include "probe/PingThread.h"
#include "probe/ProbeView.h"
#include "resources/Messages.h"

constexpr int kRttSlots = 5;
constexpr int kNoValidSample = 9999;

// Average of the replies among the first nFilled slots, slot 0 (the
// header's) left out, time-outs too; kNoValidSample without any.
int AverageRtt(const int (&aRtt)[kRttSlots], int nFilled);
// Replies among the first nFilled slots, slot 0 left out.
int CountSamples(const int (&aRtt)[kRttSlots], int nFilled);
// Time-outs among them.
int CountLosses(const int (&aRtt)[kRttSlots], int nFilled);
// The slot value of a prober's message: the header's 0, a reply's round trip
// (0 to kMaxRoundTripMs, digits only) or -1 for a time-out; false for error
// texts and anything else, which take no slot.
bool SlotValue(WPARAM kind, const CString& strText, int& nValue);

class CFastestServerChoice {
 public:
  CFastestServerChoice(plat::ISockets& sockets, plat::ISystem& system, plat::IWindowing& windows,
                       CServerDirectory& directory, ILog& log);

  void OnSpeed(IProbeView& view);
  void OnAutoSelect(IProbeView& view);
  void ProbeNextServer(IProbeView& view);
  LRESULT OnPingResult(WPARAM wParam, LPARAM lParam);
  LRESULT OnPingDone(IProbeView& view);
  // A tick of the probing timer moves the busy indicator.
  void OnProbeTick(IProbeView& view);
  bool IsRunning() const { return m_bRunning; }

  int m_aRtt[kRttSlots] = {};
  int m_nRttCount = 0;
  int m_nProbeIndex = 0;
  int m_nAvgRtt = 0;
  int m_nBestRtt = 0;
  int m_nBestIndex = 0;
  bool m_bBestAnswered = false;
  CPingThread m_prober;

 private:
  void Evaluate(int nServer);
  bool Beats(int nServer, bool bAnswered) const;
  void Finish(IProbeView& view);
  void StartProbe(IProbeView& view, const CString& strAddress);
  void ShowRunning(IProbeView& view, bool bRunning);

  plat::ISockets& m_sockets;
  plat::ISystem& m_system;
  plat::IWindowing& m_windows;
  CServerDirectory& m_directory;
  ILog& m_log;
  CString m_strProbedAddress;
  CBusyIndicator m_busy;
  bool m_bRunning = false;
};
