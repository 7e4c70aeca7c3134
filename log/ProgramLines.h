// The lines the dial log begins and ends a run with.
#pragma once

#include "framework/CString.h"
#include "platform/System.h"

// The program's version and build, the system's version and code page, and
// the executable's folder.
CString StartLine(plat::ISystem& system);
// How the run ended: which way out, and the exit code.
CString EndLine(const char* pszWayOut, int nExitCode);
