// One probe run: the servers probed one after another on a worker that
// posts to the view's window, each server's samples weighed by the
// fastest-server choice, the view told what to show.
#pragma once

#include <vector>

#include "platform/Sockets.h"
#include "platform/System.h"
#include "platform/Windowing.h"
#include "probe/BusyIndicator.h"
#include "probe/FastestChoice.h"
#include "probe/PingThread.h"
#include "probe/ProbeView.h"

class CProbeRun {
 public:
  // nTickTimer is the window's timer that moves the busy indicator.
  CProbeRun(plat::ISockets& sockets, plat::ISystem& system, plat::IWindowing& windows, IProbeView& view,
            UINT_PTR nTickTimer);

  // Probes each server with nPings requests, reporting to hWnd. A start
  // while a run lasts begins the run again; the worker takes the new
  // request once its probe has ended.
  void Start(std::vector<CString> servers, UINT nPings, HWND hWnd);
  // WM_PING_RESULT and WM_PING_DONE of the worker.
  void OnResult(WPARAM wParam, LPARAM lParam);
  void OnDone();
  void OnTick();
  bool IsRunning() const { return m_bRunning; }

 private:
  void ProbeNextServer();
  void StartProbe(const CString& strAddress);
  void Finish();

  plat::IWindowing& m_windows;
  IProbeView& m_view;
  const UINT_PTR m_nTickTimer;
  CPingThread m_prober;
  CProbeSamples m_samples;
  CFastestChoice m_choice;
  CBusyIndicator m_busy;
  std::vector<CString> m_servers;
  UINT m_nPings = 0;
  HWND m_hWnd = nullptr;
  int m_nProbed = 0;
  bool m_bRunning = false;
};
