// The settings file "Config.dat" in the system folder. The log learns that
// it was read or written, never what it holds.
#pragma once

#include "app/ConfigFile.h"
#include "log/Log.h"
#include "platform/Files.h"

class CSettings {
 public:
  CSettings(plat::IFiles& files, ILog& log, const CString& strSysDir);

  // Loading creates an empty file when there is none; only the lines found
  // change the values.
  void Load(CLoginFields& values);
  // With the remember box set the four lines are written, else the file is deleted.
  void Save(const CLoginFields& values);

 private:
  plat::IFiles& m_files;
  ILog& m_log;
  CString m_strPath;
  CString m_strTempPath;
};
