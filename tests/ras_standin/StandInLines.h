// Test stand-in of rasapi32.dll: the lines it has dialed, its log and its
// demo service. Used under Wine only, beside a test copy of the program
// (WINEDLLOVERRIDES=rasapi32=n,b); never installed or shipped.
//
// Files beside the DLL (or as the environment names them):
//   rasapi32-standin.log   every dial (entry, user, password, phone number,
//                          notifier type, phonebook text), outcome, drop, hang-up;
//                          DORVANTA_RAS_STANDIN_LOG overrides the path
//   rasapi32-standin.drop  created by a test: every connected line is dropped
//                          (it disappears from the service) and the file deleted
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace standin {

inline constexpr const char* kDemoUser = "demo";
inline constexpr const char* kDemoPassword = "velk2024";
inline constexpr const char* kTunnelAddress = "10.77.0.18";

constexpr DWORD kErrorInvalidHandle = 6;
constexpr DWORD kErrorInvalidParameter = 87;
constexpr DWORD kErrorBufferTooSmall = 603;
constexpr DWORD kErrorCannotOpenPhonebook = 621;
constexpr DWORD kErrorCannotFindEntry = 623;
constexpr DWORD kErrorInvalidSize = 632;
constexpr DWORD kErrorAuthFailure = 691;

constexpr DWORD kStateDisconnected = 0x2001;
constexpr DWORD kStateConnected = 0x2000;

struct LineView {
  HANDLE handle = nullptr;
  std::string entryName;
  DWORD state = 0;
  DWORD error = 0;
  bool connected = false;
};

// Lines of this process, guarded inside.
HANDLE AddLine(const std::string& entryName);
bool FindLine(HANDLE handle, LineView& line);
std::vector<LineView> Lines();
void SetLineState(HANDLE handle, DWORD state, DWORD error);
// False when the line is gone (hung up or dropped).
bool LineAlive(HANDLE handle);
bool RemoveLine(HANDLE handle);

// Appends one block of text to the log, whole.
void Log(const std::string& text);
// Starts, once, the watcher of the drop file.
void StartDropWatcher();
std::string ErrorText(DWORD code);

}  // namespace standin
