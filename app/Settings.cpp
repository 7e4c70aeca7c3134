#include "app/Settings.h"

#include "framework/CStdioFile.h"

namespace {
constexpr const char* kConfigName = "Config.dat";
// Written in full first, then moved over the settings file in one step.
constexpr const char* kConfigTempName = "Config.dat.tmp";
}  // namespace

CSettings::CSettings(plat::IFiles& files, ILog& log, const CString& strSysDir)
    : m_files(files),
      m_log(log),
      m_strPath(strSysDir + kConfigName),
      m_strTempPath(strSysDir + kConfigTempName) {}

void CSettings::Load(CLoginFields& values) {
  CStdioFile file(m_files);
  if (file.Open(m_strPath,
                CFile::modeReadWrite | CFile::modeCreate | CFile::modeNoTruncate | CFile::typeText)) {
    CString strLine;
    int nLines = 0;
    for (; file.ReadString(strLine); ++nLines) ApplyConfigLine(strLine, values);
    file.Close();
    m_log.Printf("settings: read \"%s\", %d line%s", m_strPath.GetString(), nLines, nLines == 1 ? "" : "s");
  } else {
    m_log.Printf("settings: \"%s\" cannot be opened", m_strPath.GetString());
  }
  // A file of an older install may still let others read the password, a
  // read-only one too, which is not loaded.
  if (!m_files.IsRestrictedToAdministrators(m_strPath.View())) {
    bool bRestricted = m_files.RestrictToAdministrators(m_strPath.View());
    m_log.Printf("settings: \"%s\" %s", m_strPath.GetString(),
                 bRestricted ? "restricted to Administrators and SYSTEM" : "could not be restricted");
  }
  m_log.Conceal(values.strPassword);
}

void CSettings::Save(const CLoginFields& values) {
  m_log.Conceal(values.strPassword);
  if (!values.bRemember) {
    bool bRemoved = CFile::Remove(m_files, m_strPath);
    m_log.Printf("settings: not remembered, \"%s\" %s", m_strPath.GetString(),
                 bRemoved ? "deleted" : "not there to delete");
    return;
  }
  // The password is stored as typed: only Administrators and SYSTEM may read
  // the file, from its creation on, and no one shares it while it is written.
  CStdioFile file(m_files);
  if (!file.Open(m_strTempPath,
                 CFile::modeWrite | CFile::modeCreate | CFile::modeProtected | CFile::typeText)) {
    m_log.Printf("settings: \"%s\" could not be created, the old file stays", m_strTempPath.GetString());
    return;
  }
  bool bWritten = file.WriteString(ComposeConfig(values));
  if (file.Close() && bWritten && m_files.Replace(m_strTempPath.View(), m_strPath.View())) {
    m_log.Printf("settings: written \"%s\"", m_strPath.GetString());
    return;
  }
  m_log.Printf("settings: \"%s\" could not be written, the old file stays", m_strPath.GetString());
  CFile::Remove(m_files, m_strTempPath);
}
