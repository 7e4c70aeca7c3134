// Version check and the launch of the separate updater.
#pragma once

#include "framework/CString.h"

// Version 1.4.6 without its points.
constexpr int kOwnVersion = 146;

// The folder of modulePath (cut at its last "\") followed by "\updata.exe".
CString UpdaterPathFor(const CString& strModulePath);
// Opens the updater beside the running executable; its result is not looked at.
void LaunchUpdater();
// Launches the updater when the published version is newer than ours.
void CheckPublishedVersion(int nPublished);
