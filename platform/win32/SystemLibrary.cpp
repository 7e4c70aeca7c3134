#include "platform/win32/SystemLibrary.h"

// After <windows.h>.
#include <delayimp.h>

#include <string>

namespace win32 {

namespace {

constexpr DWORD kSearchSystem32 = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32
using SetDefaultDllDirectoriesCall = BOOL(WINAPI*)(DWORD);

// The delay-load helper asks here before it loads a DLL by its bare name.
FARPROC WINAPI LoadDelayedFromSystem(unsigned notification, PDelayLoadInfo info) {
  if (notification != dliNotePreLoadLibrary || info == nullptr || info->szDll == nullptr) return nullptr;
  std::wstring name;
  for (const char* c = info->szDll; *c != '\0'; ++c)
    name += static_cast<wchar_t>(static_cast<unsigned char>(*c));
  return reinterpret_cast<FARPROC>(LoadSystemLibrary(name.c_str()));
}

}  // namespace

void RestrictDllSearchToSystem() {
  HMODULE kernel = ::GetModuleHandleW(L"kernel32.dll");
  if (auto restrict = SystemProc<SetDefaultDllDirectoriesCall>(kernel, "SetDefaultDllDirectories"))
    restrict(kSearchSystem32);
  ::SetDllDirectoryW(L"");
}

HMODULE LoadSystemLibrary(const wchar_t* fileName) {
  std::wstring name = fileName;
  if (name.empty() || name.find_first_of(L"\\/:") != std::wstring::npos) return nullptr;
  wchar_t folder[MAX_PATH];
  UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  std::wstring path = std::wstring(folder, length) + L"\\" + name;
  return ::LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace win32

// Declared extern "C" by <delayimp.h>; defined here, it replaces the C
// runtime's empty one.
PfnDliHook __pfnDliNotifyHook2 = win32::LoadDelayedFromSystem;
