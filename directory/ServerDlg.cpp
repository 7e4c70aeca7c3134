#include "directory/ServerDlg.h"

#include "directory/ServerLines.h"
#include "framework/CStdioFile.h"
#include "framework/CWinApp.h"
#include "log/DownloadLine.h"
#include "resources/Endpoints.h"
#include "resources/Texts.h"
#include "resources/resource.h"

namespace {

// The lines of the downloaded list, unchanged and in file order; the list
// holds as many as the main window's server list, and drops the rest.
void FillFromListFile(plat::IFiles& files, const CString& strPath, CComboBox& combo) {
  CStdioFile file(files);
  if (!file.Open(strPath, CFile::modeReadWrite | CFile::modeCreate | CFile::modeNoTruncate | CFile::typeText))
    return;
  CString strLine;
  while (combo.GetCount() < kMaxServerEntries && file.ReadString(strLine)) combo.AddString(strLine);
  file.Close();
}

}  // namespace

CServerDlg::CServerDlg(plat::IDownload& download, plat::IFiles& files, ILog& log, const CString& strListPath,
                       CWnd* pParent)
    : CDialog(IDD_SERVER, pParent),
      m_download(download),
      m_files(files),
      m_log(log),
      m_strListPath(strListPath) {}

CServerDlg::~CServerDlg() = default;

void CServerDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_CONNECT, m_btnPicture);
  DDX_Control(pDX, IDC_SERVER_SELECT_COMBO, m_comboServers);
}

BOOL CServerDlg::OnInitDialog() {
  CDialog::OnInitDialog();

  CString strUrl = endpoints::DirectoryUrl(endpoints::kServerSelectPath);
  LONG nResult = plat::kDownloadFailed;
  if (!m_strListPath.IsEmpty()) {
    plat::DownloadReport report;
    nResult = m_download.DownloadToFile(strUrl.View(), m_strListPath.View(), report);
    m_log.Write(DownloadLine(strUrl.View(), m_strListPath.View(), nResult, report));
  }
  if (nResult != plat::kDownloadOk) {
    AfxMessageBox(texts::ko::kServerListFailed, MB_OK | MB_ICONEXCLAMATION);
    OnCancel();
    return TRUE;
  }

  FillFromListFile(m_files, m_strListPath, m_comboServers);
  m_comboServers.SetCurSel(0);
  m_btnPicture.LoadBitmaps(IDB_SELECT_SERVER, IDB_SELECT_SERVER, IDB_SELECT_SERVER, IDB_SELECT_SERVER);
  SetAccessibleName(IDC_SERVER_SELECT_COMBO, texts::names::kServerList);
  SetAccessibleName(IDC_CONNECT, texts::names::kServerPicture, plat::kRoleGraphic);
  return TRUE;
}

void CServerDlg::OnOK() {
  CString strText = m_comboServers.GetWindowText();
  m_strChosenAddr = ChosenAddressOf(strText);
  if (IsAcceptedChoice(strText)) {
    CDialog::OnOK();
    return;
  }
  AfxMessageBox(texts::ko::kChooseValidServer, MB_OK | MB_ICONEXCLAMATION);
}
