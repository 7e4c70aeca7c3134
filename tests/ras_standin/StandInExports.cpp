// Test stand-in of rasapi32.dll: the calls the dialer makes, answered by a
// demo service in real time, the progress on a thread of its own. Used
// under Wine only, beside a test copy of the program
// (WINEDLLOVERRIDES=rasapi32=n,b); never installed or shipped.
//
// It logs every dial (entry, user, password, phone number, notifier type,
// record size, phonebook text), its outcome and every hang-up to
// rasapi32-standin.log beside the DLL.
#include <windows.h>
// clang-format off
#include <ras.h>
// clang-format on

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace {

constexpr const char* kDemoUser = "demo";
constexpr const char* kDemoPassword = "velk2024";
constexpr const char* kTunnelAddress = "10.77.0.18";

constexpr DWORD kErrorInvalidHandle = 6;
constexpr DWORD kErrorInvalidParameter = 87;
constexpr DWORD kErrorBufferTooSmall = 603;
constexpr DWORD kErrorCannotOpenPhonebook = 621;
constexpr DWORD kErrorCannotFindEntry = 623;
constexpr DWORD kErrorInvalidSize = 632;
constexpr DWORD kErrorAuthFailure = 691;
constexpr DWORD kErrorProtocolNotConfigured = 731;

// The demo dial: progress states at their times, the outcome at 4.8 s; a
// refused password ends after authentication began.
struct Step {
  int atMs;
  RASCONNSTATE state;
};
constexpr Step kSteps[] = {{200, RASCS_OpenPort},
                           {600, RASCS_PortOpened},
                           {900, RASCS_ConnectDevice},
                           {1800, RASCS_DeviceConnected},
                           {2000, RASCS_AllDevicesConnected},
                           {2400, RASCS_Authenticate},
                           {3600, RASCS_Authenticated},
                           {4200, RASCS_Projected}};
constexpr int kOutcomeAtMs = 4800;

// The dial record sizes of the service's notifier type 2: the Windows 7
// version (with dwIfIndex) and the earlier one that ends with dwCallbackId.
constexpr DWORD kDialParamsWindows7 = sizeof(RASDIALPARAMSA);
constexpr DWORD kDialParamsFull = offsetof(RASDIALPARAMSA, dwIfIndex);
// The only notifier the dialer passes: RasDialFunc2.
constexpr DWORD kNotifierType2 = 2;

struct Line {
  std::string entryName;
  RASCONNSTATE state = RASCS_OpenPort;
  DWORD error = 0;
};

std::mutex g_mutex;
std::map<HRASCONN, Line> g_lines;
uintptr_t g_nextHandle = 0x1000;

// The line of handle, if it is still there (neither hung up nor refused).
std::optional<Line> FindLine(HRASCONN handle) {
  std::lock_guard lock(g_mutex);
  auto it = g_lines.find(handle);
  if (it == g_lines.end()) return std::nullopt;
  return it->second;
}

void SetLineState(HRASCONN handle, RASCONNSTATE state, DWORD error) {
  std::lock_guard lock(g_mutex);
  if (auto it = g_lines.find(handle); it != g_lines.end()) it->second = {it->second.entryName, state, error};
}

std::string LogPath() {
  HMODULE module = nullptr;
  ::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&LogPath), &module);
  char path[MAX_PATH] = {};
  std::string folder(path, ::GetModuleFileNameA(module, path, MAX_PATH));
  return folder.substr(0, folder.find_last_of("\\/") + 1) + "rasapi32-standin.log";
}

// Appends one block of text to the log, whole.
void Log(const std::string& text) {
  static std::mutex logMutex;
  std::lock_guard lock(logMutex);
  if (FILE* file = std::fopen(LogPath().c_str(), "ab")) {
    std::fwrite(text.data(), 1, text.size(), file);
    std::fclose(file);
  }
}

struct DialPlan {
  HRASCONN handle = nullptr;
  bool accepted = false;
  RASDIALFUNC2 notify = nullptr;
  ULONG_PTR callbackId = 0;
  DWORD subEntry = 0;
};

// Waits until the time of a step; false when the line went away meanwhile.
bool WaitUntil(std::chrono::steady_clock::time_point start, int atMs, HRASCONN handle) {
  while (std::chrono::steady_clock::now() < start + std::chrono::milliseconds(atMs)) {
    if (!FindLine(handle)) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return FindLine(handle).has_value();
}

// Runs the dial to its outcome, notifying until the notifier asks for no more.
void RunDial(const DialPlan& plan) {
  auto start = std::chrono::steady_clock::now();
  bool notify = true;
  auto send = [&](RASCONNSTATE state, DWORD error) {
    SetLineState(plan.handle, state, error);
    if (notify)
      notify =
          plan.notify(plan.callbackId, plan.subEntry, plan.handle, WM_RASDIALEVENT, state, error, 0) != 0;
  };
  RASCONNSTATE last = RASCS_OpenPort;
  for (const Step& step : kSteps) {
    if (!plan.accepted && step.state > RASCS_Authenticate) break;
    if (!WaitUntil(start, step.atMs, plan.handle)) return;
    send(last = step.state, 0);
  }
  if (!WaitUntil(start, kOutcomeAtMs, plan.handle)) return;
  std::string entry = FindLine(plan.handle).value_or(Line{}).entryName;
  if (plan.accepted) {
    Log("connected " + entry + " " + kTunnelAddress + "\n");
    send(RASCS_Connected, 0);
  } else {
    Log("failed " + entry + " " + std::to_string(kErrorAuthFailure) + "\n");
    send(last, kErrorAuthFailure);
  }
}

std::optional<std::string> ReadFileBytes(const char* path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::string Field(const CHAR* field, size_t size) {
  return std::string(field, ::strnlen(field, size));
}

void CopyField(CHAR* field, size_t size, const std::string& text) {
  size_t length = std::min(text.size(), size - 1);
  std::memcpy(field, text.data(), length);
  field[length] = '\0';
}

// The record of a dial for the log: its fields, then the phonebook's text.
std::string DialRecord(const char* phonebook, const RASDIALPARAMSA& params, DWORD notifierType,
                       const std::optional<std::string>& text) {
  return "dial entry=" + Field(params.szEntryName, sizeof(params.szEntryName)) +
         " user=" + Field(params.szUserName, sizeof(params.szUserName)) +
         " password=" + Field(params.szPassword, sizeof(params.szPassword)) +
         " phone=" + Field(params.szPhoneNumber, sizeof(params.szPhoneNumber)) +
         " notifier=" + std::to_string(notifierType) + " size=" + std::to_string(params.dwSize) +
         " phonebook=" + (phonebook != nullptr ? phonebook : "") + "\n" + text.value_or("(no file)\n") +
         "\nend of phonebook\n";
}

}  // namespace

extern "C" {

DWORD WINAPI RasDialA(LPRASDIALEXTENSIONS, LPCSTR phonebook, LPRASDIALPARAMSA params, DWORD notifierType,
                      LPVOID notifier, LPHRASCONN handle) {
  auto refuse = [](DWORD code, const std::string& why) {
    Log("dial refused " + std::to_string(code) + ": " + why + "\n");
    return code;
  };
  if (params == nullptr || handle == nullptr)
    return refuse(kErrorInvalidParameter, "no parameters or handle");
  if (params->dwSize != kDialParamsWindows7 && params->dwSize != kDialParamsFull)
    return refuse(kErrorInvalidSize, "dwSize " + std::to_string(params->dwSize) + ", expected " +
                                         std::to_string(kDialParamsFull));
  if (notifierType != kNotifierType2 || notifier == nullptr)
    return refuse(kErrorInvalidParameter, "notifier type " + std::to_string(notifierType));

  std::string entry = Field(params->szEntryName, sizeof(params->szEntryName));
  std::optional<std::string> text = phonebook != nullptr ? ReadFileBytes(phonebook) : std::nullopt;
  std::string record = DialRecord(phonebook, *params, notifierType, text);
  DWORD refusal = !text                                                ? kErrorCannotOpenPhonebook
                  : text->find("[" + entry + "]") == std::string::npos ? kErrorCannotFindEntry
                                                                       : 0;
  if (refusal != 0) {
    Log(record + "refused " + std::to_string(refusal) + "\n");
    return refusal;
  }
  Log(record);

  DialPlan plan;
  {
    std::lock_guard lock(g_mutex);
    plan.handle = reinterpret_cast<HRASCONN>(g_nextHandle += 0x10);
    g_lines[plan.handle] = Line{entry};
  }
  plan.accepted = Field(params->szUserName, sizeof(params->szUserName)) == kDemoUser &&
                  Field(params->szPassword, sizeof(params->szPassword)) == kDemoPassword;
  plan.notify = reinterpret_cast<RASDIALFUNC2>(notifier);
  plan.callbackId = params->dwCallbackId;
  plan.subEntry = params->dwSubEntry;
  *handle = plan.handle;
  std::thread([plan] { RunDial(plan); }).detach();
  return 0;
}

DWORD WINAPI RasEnumConnectionsA(LPRASCONNA connections, LPDWORD bytes, LPDWORD count) {
  if (bytes == nullptr || count == nullptr) return kErrorInvalidParameter;
  if (connections == nullptr || connections->dwSize != sizeof(RASCONNA)) return kErrorInvalidSize;
  std::lock_guard lock(g_mutex);
  DWORD needed = static_cast<DWORD>(g_lines.size() * sizeof(RASCONNA));
  *count = 0;
  if (*bytes < needed) {
    *bytes = needed;
    return kErrorBufferTooSmall;
  }
  *bytes = needed;
  for (const auto& [line, state] : g_lines) {
    RASCONNA& record = connections[(*count)++];
    std::memset(&record, 0, sizeof(record));
    record.dwSize = sizeof(RASCONNA);
    record.hrasconn = line;
    CopyField(record.szEntryName, sizeof(record.szEntryName), state.entryName);
  }
  return 0;
}

DWORD WINAPI RasGetConnectStatusA(HRASCONN handle, LPRASCONNSTATUSA status) {
  if (status == nullptr) return kErrorInvalidParameter;
  if (status->dwSize != sizeof(RASCONNSTATUSA)) return kErrorInvalidSize;
  std::optional<Line> line = FindLine(handle);
  if (!line) return kErrorInvalidHandle;
  status->rasconnstate = line->state;
  status->dwError = line->error;
  return 0;
}

DWORD WINAPI RasGetProjectionInfoA(HRASCONN handle, RASPROJECTION projection, LPVOID buffer, LPDWORD size) {
  if (buffer == nullptr || size == nullptr) return kErrorInvalidParameter;
  std::optional<Line> line = FindLine(handle);
  if (!line) return kErrorInvalidHandle;
  if (projection != RASP_PppIp) return kErrorProtocolNotConfigured;
  auto* ip = static_cast<RASPPPIPA*>(buffer);
  if (*size < sizeof(RASPPPIPA) || ip->dwSize != sizeof(RASPPPIPA)) {
    *size = sizeof(RASPPPIPA);
    return kErrorInvalidSize;
  }
  if (line->state != RASCS_Connected) return kErrorProtocolNotConfigured;
  ip->dwError = 0;
  CopyField(ip->szIpAddress, sizeof(ip->szIpAddress), kTunnelAddress);
  CopyField(ip->szServerIpAddress, sizeof(ip->szServerIpAddress), "10.77.0.1");
  return 0;
}

DWORD WINAPI RasGetErrorStringA(UINT code, LPSTR buffer, DWORD size) {
  if (buffer == nullptr) return kErrorInvalidParameter;
  std::string text = code == kErrorAuthFailure
                         ? "Access was denied because the username and/or password was invalid on the domain."
                         : "Remote access error " + std::to_string(code) + ".";
  if (size < text.size() + 1) return kErrorBufferTooSmall;
  CopyField(buffer, size, text);
  return 0;
}

DWORD WINAPI RasHangUpA(HRASCONN handle) {
  std::string entry;
  {
    std::lock_guard lock(g_mutex);
    auto it = g_lines.find(handle);
    if (it == g_lines.end()) return kErrorInvalidHandle;
    entry = it->second.entryName;
    g_lines.erase(it);
  }
  Log("hangup " + entry + "\n");
  return 0;
}

}  // extern "C"
