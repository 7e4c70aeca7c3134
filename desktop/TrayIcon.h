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

  // The notification record, for callers that fill the balloon fields.
  plat::NotifyIconRecord& Data() { return m_nid; }
  static constexpr DWORD kRecordSize = 488;  // the shell's ANSI layout with balloon fields

 private:
  plat::NotifyIconRecord m_nid;
};
