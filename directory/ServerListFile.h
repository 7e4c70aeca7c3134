// Where the downloaded server list lives: "server.ini" in the program's own
// folder, never beside the server directory "Server.ini" of the system folder.
#pragma once

#include <string>
#include <string_view>

#include "platform/Files.h"
#include "platform/System.h"

struct CServerListPlace {
  std::string strFolder;     // no trailing backslash
  bool bDataFolder = false;  // the program's data folder, which the program makes
};

// The program's folder, or dataFolder when the program's folder is one of
// the system folders (case does not matter, nor a trailing backslash).
CServerListPlace ServerListPlaceOf(std::string_view modulePath, std::string_view systemDir,
                                   std::string_view wow64Dir, std::string_view dataFolder);

// The list file's absolute path; the data folder is made when it is the
// place. Empty when that folder cannot be had.
std::string PrepareServerListFile(plat::ISystem& system, plat::IFiles& files);

// The program's data folder, "Velk VPN" in the machine's program-data folder.
std::string DataFolderPath(plat::ISystem& system);
// Makes the data folder, or takes it over, for Administrators and SYSTEM
// (what is made in it inherits that) and lets the signed-in user list it,
// so that the user can open the dial log there. False when the folder
// cannot be had.
bool PrepareDataFolder(plat::IFiles& files, const std::string& strFolder);
