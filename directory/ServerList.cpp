// The downloaded server list.
#include "app/Endpoints.h"
#include "app/MainDlg.h"
#include "directory/ServerLines.h"
#include "framework/CStdioFile.h"
#include "framework/CWinApp.h"

namespace {
constexpr const char* kServerListFile = "server.ini";
constexpr const char* kServerListReadName = "Server.ini";
}  // namespace

bool CMainDlg::DownloadServerList() {
  CString strUrl = endpoints::DirectoryUrl(endpoints::kServerListPath);
  if (plat::Current().download->DownloadToFile(strUrl.View(), kServerListFile) == plat::kDownloadOk)
    return true;
  AfxMessageBox("서버정보 불러오기 실패", MB_OK | MB_ICONEXCLAMATION);
  return false;
}

void CMainDlg::LoadServerList() {
  CStdioFile file;
  if (file.Open(kServerListReadName,
                CFile::modeReadWrite | CFile::modeCreate | CFile::modeNoTruncate | CFile::typeText)) {
    CString strLine;
    // The address store bounds the list: lines past it are dropped.
    while (m_comboServer.GetCount() < kMaxServerEntries && file.ReadString(strLine)) {
      CServerLine line = SplitServerLine(strLine);
      int nIndex = m_comboServer.AddString(line.strName);
      if (nIndex < 0 || nIndex >= kMaxServerEntries) break;
      m_aServerAddr[nIndex] = line.strAddr;
    }
    file.Close();
  }
  m_comboServer.SetCurSel(0);
}
