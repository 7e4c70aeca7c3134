// The server-select window (template 155): offers the lines of its own
// downloaded list and returns the address part of the chosen one.
#pragma once

#include "framework/CDialog.h"
#include "framework/Controls.h"
#include "log/Log.h"
#include "platform/Download.h"
#include "platform/Files.h"

class CServerDlg : public CDialog {
 public:
  // strListPath: the main window's list file, which this window replaces.
  CServerDlg(plat::IDownload& download, plat::IFiles& files, ILog& log, const CString& strListPath,
             CWnd* pParent = nullptr);
  ~CServerDlg() override;

  CString m_strChosenAddr;
  CBitmapButton m_btnPicture;
  CComboBox m_comboServers;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;

 private:
  plat::IDownload& m_download;
  plat::IFiles& m_files;
  ILog& m_log;
  CString m_strListPath;
};
