// A line's dial state shared with the remote-access notifier thread: the
// last progress or outcome text and the done flag. Each dial has a serial;
// notifications of any other dial are ignored, and so is anything after
// the outcome.
#pragma once

#include <atomic>
#include <mutex>

#include "framework/CString.h"
#include "platform/RemoteAccess.h"

class CDialStatus {
 public:
  explicit CDialStatus(plat::IRemoteAccess& ras) : m_ras(ras) {}

  // Clears the text and the flag for a new dial; returns its serial.
  unsigned BeginDial();
  // The notifier of dial `serial`.
  void OnDialProgress(unsigned serial, UINT message, DWORD state, DWORD error);
  // Ends the current dial with this error and the service's text for it (a
  // dial that never started, or one given up on); later notifications of it
  // are ignored.
  void Finish(DWORD dwError, const CString& strServiceText);

  bool Done() const { return m_done.load(std::memory_order_acquire) != 0; }
  // The dial ended with the line up (read after Done()).
  bool Connected() const { return m_connected.load(std::memory_order_acquire); }
  CString Text() const;
  // The error the dial ended with (0: none) and the service's text for it.
  DWORD Error() const;
  CString ServiceText() const;
  // Puts the text on one line (every line feed becomes ":") and returns it.
  CString Flatten();

 private:
  plat::IRemoteAccess& m_ras;
  mutable std::mutex m_lock;
  CString m_strText;
  DWORD m_dwError = 0;
  CString m_strServiceText;
  unsigned m_serial = 0;
  // Set after the final text; the GUI thread reads the text after the flag.
  std::atomic<int> m_done{0};
  std::atomic<bool> m_connected{false};
};
