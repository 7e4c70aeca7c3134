// The main window's icon in the notification area.
#pragma once

#include "framework/CWnd.h"
#include "platform/WindowSystem.h"

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

  static constexpr DWORD kRecordSize = 488;  // the shell's ANSI layout with balloon fields

 private:
  plat::NotifyIconRecord m_nid;
};
