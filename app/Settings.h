// The settings file "Config.dat" in the system folder.
#pragma once

#include "app/ConfigFile.h"
#include "platform/Files.h"

class CSettings {
 public:
  CSettings(plat::IFiles& files, const CString& strSysDir);

  // Loading creates an empty file when there is none; only the lines found
  // change the values.
  void Load(CConfigValues& values);
  // With the remember box set the four lines are written, else the file is deleted.
  void Save(const CConfigValues& values);

 private:
  plat::IFiles& m_files;
  CString m_strPath;
  CString m_strTempPath;
};
