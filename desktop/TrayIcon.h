// The main window's icon in the notification area.
#pragma once

#include "framework/CWnd.h"
#include "platform/NotificationArea.h"

class CTrayIcon : public CCmdTarget {
 public:
  explicit CTrayIcon(UINT uID);
  ~CTrayIcon() override;
  CTrayIcon(const CTrayIcon&) = delete;
  CTrayIcon& operator=(const CTrayIcon&) = delete;

  void AttachWindow(CWnd* pWnd, UINT uCallbackMessage);
  BOOL ShowFromResource(UINT uID);
  BOOL ShowIcon(HICON hIcon, const char* pszTip);
  virtual LRESULT HandleNotify(WPARAM wID, LPARAM lEvent);
  // A balloon from the icon; the tip keeps its text afterwards.
  BOOL ShowBalloon(const CString& strTitle, const CString& strText, const CString& strTip);

  // The shell tells its windows when it has started anew: its message is
  // registered and let through the attached window's filter, with the
  // icon's own callback message.
  void ListenForShellRestart();
  bool IsShellRestart(UINT message) const { return m_uShellRestart != 0 && message == m_uShellRestart; }
  // The new shell knows no icon: the one shown comes back with its tip.
  BOOL Restore();

  static constexpr DWORD kRecordSize = 488;  // the shell's ANSI layout with balloon fields

 private:
  plat::NotifyIconRecord m_nid;
  HICON m_hWantedIcon = nullptr;  // the icon last asked for, also when the shell refused it
  UINT m_uShellRestart = 0;
};
