// DLLs from the system directory only. The program runs elevated, so a DLL
// of the same name in its own folder (Downloads, say) must never be loaded.
// DLLs that are not known DLLs of Windows are delay-loaded (see
// cmake/DelayLoad.cmake) and come through LoadSystemLibrary on first use.
#pragma once

#include "platform/win32/WinApi.h"

namespace win32 {

// Every later load by name searches the system directory alone (where the
// system offers SetDefaultDllDirectories), and the current directory is
// dropped from the search. Called first thing in WinMain.
void RestrictDllSearchToSystem();

// Loads the DLL of this file name (e.g. L"oleacc.dll") by its full path in
// the system directory; null when it is not there.
HMODULE LoadSystemLibrary(const wchar_t* fileName);

// An export of a DLL loaded with LoadSystemLibrary, as a typed pointer; null
// when the module or the export is missing.
template <typename Function>
Function SystemProc(HMODULE module, const char* name) {
  if (module == nullptr) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

}  // namespace win32
