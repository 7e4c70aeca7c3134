// Texts of the restart sequence: the service group's names and the host
// process id in the task list.
#pragma once

#include "framework/CString.h"
#include "platform/WinTypes.h"

// The names of a REG_MULTI_SZ value, joined by "|". Walks only the size
// bytes the registry returned and stops at the double NUL.
CString JoinMultiString(const BYTE* pData, DWORD nSize);

// The process id of the service host in the task list's output: the text
// after the first image name "svchost.exe" (in any of its usual spellings)
// up to the next space. Empty unless it is 1 to 10 decimal digits, since it
// goes into an elevated command line.
CString FindHostProcessId(const CString& strTaskList);
