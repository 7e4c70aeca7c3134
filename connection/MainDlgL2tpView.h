// The main window as the L2TP policy step sees it.
#pragma once

#include "connection/L2tpPolicyStep.h"

class CMainDlg;

class CMainDlgL2tpView final : public IL2tpPolicyView {
 public:
  explicit CMainDlgL2tpView(CMainDlg& dlg) : m_dlg(dlg) {}

  int AskUser(const CString& strText, const CString& strCaption, UINT nType) override;
  void ShowRestartProgress(int nPos) override;
  void HideRestartProgress() override;

 private:
  CMainDlg& m_dlg;
};
