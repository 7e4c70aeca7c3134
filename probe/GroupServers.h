// The addresses of a group's servers in the server directory, server 1 first.
#pragma once

#include <vector>

#include "directory/ServerDirectory.h"

// IP1 to IP<Count> of the group's section; a missing address is empty.
std::vector<CString> GroupServers(CServerDirectory& directory, const CString& strGroup);
