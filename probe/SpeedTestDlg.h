// The speed-test window (template 104): a run over one address on its own
// worker, each result listed as a row.
#pragma once

#include "framework/CDialog.h"
#include "framework/Controls.h"
#include "log/Log.h"
#include "probe/ProbeRun.h"
#include "probe/ProbeView.h"

// The row listed for a result text.
CString SpeedTestRow(const CString& strText);

class CSpeedTestDlg : public CDialog, private IProbeView {
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
  void ShowProbing(bool bProbing) override;
  void ShowBusy(int nPos) override;
  void ShowProgress(int) override {}  // one server, no progress bar
  void ShowResult(const CString& strText) override;
  void ShowServer(int nServer, const CString& strAddress, const CProbeSamples& samples) override;
  void ShowFastest(int) override {}  // nothing to choose among one

  CListBox m_listResults;
  CProgressCtrl m_progressBusy;
  ILog& m_log;
  CProbeRun m_run;
};
