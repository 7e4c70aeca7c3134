#include "app/Settings.h"

#include "framework/CStdioFile.h"

namespace {
constexpr const char* kConfigName = "Config.dat";
// Written in full first, then moved over the settings file in one step.
constexpr const char* kConfigTempName = "Config.dat.tmp";
}  // namespace

CSettings::CSettings(plat::IFiles& files, const CString& strSysDir)
    : m_files(files), m_strPath(strSysDir + kConfigName), m_strTempPath(strSysDir + kConfigTempName) {}

void CSettings::Load(CConfigValues& values) {
  CStdioFile file;
  if (!file.Open(m_strPath,
                 CFile::modeReadWrite | CFile::modeCreate | CFile::modeNoTruncate | CFile::typeText))
    return;
  CString strLine;
  while (file.ReadString(strLine)) ApplyConfigLine(strLine, values);
  file.Close();
}

void CSettings::Save(const CConfigValues& values) {
  if (!values.bRemember) {
    CFile::Remove(m_strPath);
    return;
  }
  // The password is stored as typed: only Administrators and SYSTEM may read
  // the file, from before the first byte is written.
  CStdioFile file;
  if (!file.Open(m_strTempPath, CFile::modeWrite | CFile::modeCreate | CFile::typeText)) return;
  bool bWritten =
      m_files.RestrictToAdministrators(m_strTempPath.View()) && file.WriteString(ComposeConfig(values));
  if (file.Close() && bWritten && m_files.Replace(m_strTempPath.View(), m_strPath.View())) return;
  CFile::Remove(m_strTempPath);
}
