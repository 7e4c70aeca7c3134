// The dial engine over the remote-access port.
#pragma once

#include "framework/CString.h"
#include "platform/WinTypes.h"

// The handle of the active connection whose entry name equals entryName
// exactly (case-sensitive), or null.
HRASCONN FindConnection(const CString& entryName);
