// What a window shows of a probe run; the main window and the speed-test
// window each implement it.
#pragma once

#include "framework/CString.h"
#include "probe/FastestChoice.h"

class IProbeView {
 public:
  virtual ~IProbeView() = default;

  // The running look on or off: while a run lasts the busy indicator shows
  // and what the window keeps from the user is locked or hidden.
  virtual void ShowProbing(bool bProbing) = 0;
  // The busy indicator's mark, moved on each tick of a probe.
  virtual void ShowBusy(int nPos) = 0;
  // The part of the run's servers probed so far, 0 to 100.
  virtual void ShowProgress(int nPercent) = 0;
  // One row's result: a result of the probe as the prober reported it.
  virtual void ShowResult(const CString& strText) = 0;
  // Server nServer (1 on), at strAddress, has been probed.
  virtual void ShowServer(int nServer, const CString& strAddress, const CProbeSamples& samples) = 0;
  // The end of a run: its fastest server, 0 for none.
  virtual void ShowFastest(int nServer) = 0;
};
