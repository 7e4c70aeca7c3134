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
  CStdioFile file(m_files);
  if (file.Open(m_strPath,
                CFile::modeReadWrite | CFile::modeCreate | CFile::modeNoTruncate | CFile::typeText)) {
    CString strLine;
    while (file.ReadString(strLine)) ApplyConfigLine(strLine, values);
    file.Close();
  }
  // A file of an older install may still let others read the password, a
  // read-only one too, which is not loaded.
  if (!m_files.IsRestrictedToAdministrators(m_strPath.View()))
    m_files.RestrictToAdministrators(m_strPath.View());
}

void CSettings::Save(const CConfigValues& values) {
  if (!values.bRemember) {
    CFile::Remove(m_files, m_strPath);
    return;
  }
  // The password is stored as typed: only Administrators and SYSTEM may read
  // the file, from its creation on, and no one shares it while it is written.
  CStdioFile file(m_files);
  if (!file.Open(m_strTempPath,
                 CFile::modeWrite | CFile::modeCreate | CFile::modeProtected | CFile::typeText))
    return;
  bool bWritten = file.WriteString(ComposeConfig(values));
  if (file.Close() && bWritten && m_files.Replace(m_strTempPath.View(), m_strPath.View())) return;
  CFile::Remove(m_files, m_strTempPath);
}
