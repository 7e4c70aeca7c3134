// The probe worker: a thread that runs one probe at a time for its owner
// window. One request slot, not a queue: Starts during a probe collapse
// into one more probe with the latest request.
#pragma once

#include <mutex>

#include "framework/CString.h"
#include "platform/Sockets.h"
#include "platform/System.h"
#include "platform/Windowing.h"
#include "probe/IcmpPing.h"
#include "probe/PingTexts.h"

class CPingThread {
 public:
  CPingThread(plat::ISockets& sockets, plat::ISystem& system, plat::IWindowing& windows);
  CPingThread(const CPingThread&) = delete;
  CPingThread& operator=(const CPingThread&) = delete;
  // Stops a running probe, which ends within CIcmpPing::kStopCheckMs (a
  // name still being resolved is waited for); a pending request is dropped.
  virtual ~CPingThread();

  void Start(UINT nCount, const CString& strHost, HWND hWnd);
  // The text of a WM_PING_RESULT block posted by this worker; frees the block.
  CString TakeText(LPARAM lParam) { return m_texts.Take(lParam); }
  CPingTexts& Texts() { return m_texts; }

 private:
  void Run();

  plat::ISystem& m_system;
  CPingTexts m_texts;
  CIcmpPing m_prober;
  plat::KernelHandle m_hStopEvent;
  plat::KernelHandle m_hRequestEvent;
  plat::KernelHandle m_hThread;
  std::mutex m_slotLock;
  CString m_strHost;
  HWND m_hWnd = nullptr;
  UINT m_nCount = 0;
};
