// The speed-test window (template 104): pings one address on its own worker
// and lists each result as a row.
#pragma once

#include "framework/CDialog.h"
#include "framework/Controls.h"
#include "log/Log.h"
#include "probe/BusyIndicator.h"
#include "probe/PingThread.h"

// The row listed for a result text.
CString SpeedTestRow(const CString& strText);

class CSpeedTestDlg : public CDialog {
 public:
  CSpeedTestDlg(plat::ISockets& sockets, plat::ISystem& system, plat::IWindowing& windows, ILog& log,
                CWnd* pParent = nullptr);
  ~CSpeedTestDlg() override;

  CString m_strAddress;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnPing();
  void OnTimer(UINT_PTR nIDEvent);
  LRESULT OnPingResult(WPARAM wParam, LPARAM lParam);
  LRESULT OnPingDone(WPARAM wParam, LPARAM lParam);

  DECLARE_MESSAGE_MAP()

 private:
  void ShowBusy();

  CPingThread m_worker;
  CListBox m_listResults;
  CProgressCtrl m_progressBusy;
  CBusyIndicator m_busy;
  bool m_bProbing = false;
  // The run's results, for the log.
  ILog& m_log;
  int m_nSamples = 0;
  int m_nLost = 0;
  long m_nRttSum = 0;
};
