// Version check and the launch of the separate updater.
#pragma once

#include "framework/CString.h"
#include "log/Log.h"
#include "platform/Shell.h"
#include "platform/System.h"
#include "resources/Release.h"

// The release without its points (146 for 1.4.6).
constexpr int kOwnVersion = release::kNumber;

// The folder of modulePath (cut at its last "\") followed by "\updata.exe";
// empty when the path names no folder (an unreadable module path is empty).
CString UpdaterPathFor(const CString& strModulePath);

class CUpdater {
 public:
  CUpdater(plat::ISystem& system, plat::IShell& shell, ILog& log)
      : m_system(system), m_shell(shell), m_log(log) {}

  // Opens the updater beside the running executable; its result is not looked at.
  void LaunchUpdater();
  // Launches the updater when the published version is newer than ours.
  void CheckPublishedVersion(int nPublished);

 private:
  plat::ISystem& m_system;
  plat::IShell& m_shell;
  ILog& m_log;
};
