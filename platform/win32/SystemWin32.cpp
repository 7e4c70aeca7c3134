#include "platform/win32/SystemWin32.h"

#include <cstdlib>
#include <memory>
#include <vector>

#include "platform/Ports.h"
#include "platform/win32/WinApi.h"
// After <windows.h>.
#include <shlobj.h>

#include "platform/win32/WinText.h"

namespace win32 {

namespace {

// What a new thread needs: the ports of the thread that made it, and its body.
struct ThreadStart {
  const plat::Ports* ports;
  std::function<void()> body;
};

DWORD WINAPI ThreadMain(LPVOID parameter) {
  std::unique_ptr<ThreadStart> start(static_cast<ThreadStart*>(parameter));
  plat::SetCurrent(start->ports);
  start->body();
  return 0;
}

}  // namespace

plat::OsVersion SystemWin32::GetVersion() {
  // The manifest names no supported OS, so Windows 8.1 and later report 6.2
  // here: still "Vista or later" and "not 7", as the dialer's checks expect.
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof(info);
  if (!::GetVersionExW(&info)) return {};
  return {info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber};
}

std::string SystemWin32::GetSystemDirectory() {
  wchar_t path[MAX_PATH] = {};
  UINT length = ::GetSystemDirectoryW(path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  return WideToUtf8({path, length});
}

std::string SystemWin32::GetSystemWow64Directory() {
  wchar_t path[MAX_PATH] = {};
  UINT length = ::GetSystemWow64DirectoryW(path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  return WideToUtf8({path, length});
}

std::string SystemWin32::GetProgramDataDirectory() {
  wchar_t path[MAX_PATH] = {};
  if (FAILED(::SHGetFolderPathW(nullptr, CSIDL_COMMON_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path))) return {};
  return WideToUtf8(path);
}

std::string SystemWin32::GetModuleFileName() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return WideToUtf8(path);
    }
    path.resize(path.size() * 2);
  }
}

std::string SystemWin32::GetCurrentDirectory() {
  DWORD needed = ::GetCurrentDirectoryW(0, nullptr);
  if (needed == 0) return {};
  std::wstring path(needed, L'\0');
  DWORD length = ::GetCurrentDirectoryW(needed, path.data());
  if (length == 0 || length >= needed) return {};
  path.resize(length);
  return WideToUtf8(path);
}

DWORD SystemWin32::GetTickCount() {
  return ::GetTickCount();
}

namespace {

LONGLONG FileTimeOf(const SYSTEMTIME& time) {
  FILETIME file{};
  if (!::SystemTimeToFileTime(&time, &file)) return 0;
  return (static_cast<LONGLONG>(file.dwHighDateTime) << 32) | file.dwLowDateTime;
}

}  // namespace

// The offset is what the time zone adds to this very instant.
plat::LocalTime SystemWin32::GetLocalTime() {
  SYSTEMTIME utc{};
  ::GetSystemTime(&utc);
  SYSTEMTIME local = utc;
  if (!::SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local)) local = utc;
  constexpr LONGLONG kFileTicksPerMinute = 60LL * 10000000LL;
  LONGLONG difference = FileTimeOf(local) - FileTimeOf(utc);
  int offset = static_cast<int>((difference + (difference >= 0 ? 1 : -1) * kFileTicksPerMinute / 2) /
                                kFileTicksPerMinute);
  return {local.wYear,   local.wMonth,  local.wDay,          local.wHour,
          local.wMinute, local.wSecond, local.wMilliseconds, offset};
}

void SystemWin32::Sleep(DWORD ms) {
  ::Sleep(ms);
}

plat::KernelHandle SystemWin32::OpenMutex(std::string_view name) {
  return {this, ::OpenMutexW(MUTEX_ALL_ACCESS, TRUE, Utf8ToWide(name).c_str())};
}

plat::KernelHandle SystemWin32::CreateMutex(std::string_view name, bool initialOwner) {
  return {this, ::CreateMutexW(nullptr, initialOwner ? TRUE : FALSE, Utf8ToWide(name).c_str())};
}

plat::KernelHandle SystemWin32::CreateThread(std::function<void()> body) {
  auto start = std::make_unique<ThreadStart>(ThreadStart{&plat::Current(), std::move(body)});
  HANDLE thread = ::CreateThread(nullptr, 0, &ThreadMain, start.get(), 0, nullptr);
  if (thread == nullptr) return {};
  start.release();  // the new thread owns it now
  return {this, thread};
}

// The process's thread pool, which Windows (and the system's own DLLs) run
// anyway: no thread of our own to keep.
bool SystemWin32::QueueWork(std::function<void()> body) {
  auto start = std::make_unique<ThreadStart>(ThreadStart{&plat::Current(), std::move(body)});
  if (!::QueueUserWorkItem(&ThreadMain, start.get(), WT_EXECUTEDEFAULT)) return false;
  start.release();  // the worker owns it now
  return true;
}

plat::KernelHandle SystemWin32::CreateEvent(bool manualReset, bool initialState) {
  return {this, ::CreateEventW(nullptr, manualReset ? TRUE : FALSE, initialState ? TRUE : FALSE, nullptr)};
}

void SystemWin32::SetEvent(const plat::KernelHandle& event) {
  ::SetEvent(event.Get());
}
void SystemWin32::ResetEvent(const plat::KernelHandle& event) {
  ::ResetEvent(event.Get());
}

DWORD SystemWin32::WaitForSingleObject(const plat::KernelHandle& handle, DWORD timeoutMs) {
  return ::WaitForSingleObject(handle.Get(), timeoutMs);
}

UINT SystemWin32::GetAnsiCodePage() {
  return ::GetACP();
}

bool SystemWin32::CanConvertToAnsi(std::string_view text) {
  // A UTF-8 system code page holds every character.
  if (text.empty() || ::GetACP() == CP_UTF8) return true;
  std::wstring wide = Utf8ToWide(text);
  BOOL usedDefault = FALSE;
  int size = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                                   nullptr, 0, nullptr, &usedDefault);
  return size > 0 && !usedDefault;
}

void SystemWin32::SeedRandom(unsigned seed) {
  std::srand(seed);
}

int SystemWin32::Random() {
  return std::rand();
}

DWORD SystemWin32::WaitForMultipleObjects(std::span<const plat::KernelHandle* const> handles,
                                          DWORD timeoutMs) {
  std::vector<HANDLE> raw;
  for (const plat::KernelHandle* handle : handles) raw.push_back(handle->Get());
  return ::WaitForMultipleObjects(static_cast<DWORD>(raw.size()), raw.data(), FALSE, timeoutMs);
}

void SystemWin32::TrimWorkingSet() {
  ::SetProcessWorkingSetSize(::GetCurrentProcess(), static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1));
}

void SystemWin32::ExitProcess(UINT exitCode) {
  ::ExitProcess(exitCode);
}

void SystemWin32::CloseHandle(void* handle) {
  ::CloseHandle(handle);
}

}  // namespace win32
