// The settings file.
#include "app/ConfigFile.h"
#include "app/MainDlg.h"
#include "framework/CStdioFile.h"

namespace {

constexpr const char* kConfigName = "Config.dat";
// Written in full first, then moved over the settings file in one step.
constexpr const char* kConfigTempName = "Config.dat.tmp";

void ReadConfigFile(const CString& strPath, CConfigValues& values) {
  CStdioFile file;
  if (!file.Open(strPath, CFile::modeReadWrite | CFile::modeCreate | CFile::modeNoTruncate | CFile::typeText))
    return;
  CString strLine;
  while (file.ReadString(strLine)) ApplyConfigLine(strLine, values);
  file.Close();
}

void WriteConfigFile(const CString& strPath, const CString& strTempPath, const CConfigValues& values) {
  CStdioFile file;
  if (!file.Open(strTempPath, CFile::modeWrite | CFile::modeCreate | CFile::typeText)) return;
  bool bWritten = file.WriteString(ComposeConfig(values));
  if (file.Close() && bWritten && plat::Current().files->Replace(strTempPath.View(), strPath.View())) return;
  CFile::Remove(strTempPath);
}

}  // namespace

void CMainDlg::LoadSaveConfig(BOOL bLoad) {
  UpdateData(TRUE);
  CString strPath = m_strSysDir + kConfigName;
  if (bLoad) {
    CConfigValues values{m_strUser, m_strPassword, m_nRouteMode, m_bL2tp, m_bRemember};
    ReadConfigFile(strPath, values);
    m_strUser = values.strUser;
    m_strPassword = values.strPassword;
    m_nRouteMode = values.nRouteMode;
    m_bL2tp = values.bL2tp;
    m_bRemember = values.bRemember;
    LoadDirectoryLists();
  } else if (m_bRemember) {
    WriteConfigFile(strPath, m_strSysDir + kConfigTempName,
                    CConfigValues{m_strUser, m_strPassword, m_nRouteMode, m_bL2tp, m_bRemember});
  } else {
    CFile::Remove(strPath);
  }
  UpdateData(FALSE);
}
