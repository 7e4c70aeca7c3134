// The exported calls of the rasapi32.dll test stand-in: the demo service in
// real time, its progress on a thread of its own.
#include <windows.h>
// clang-format off
#include <ras.h>
// clang-format on

#include <chrono>
#include <cstddef>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <thread>

#include "StandInLines.h"

namespace standin {
namespace {

// The demo dial: progress states at their times, the outcome at 4.8 s.
struct Step {
  int atMs;
  DWORD state;
};
constexpr Step kSteps[] = {{200, 0},  {600, 1},  {900, 2},   {1800, 3},
                           {2000, 4}, {2400, 5}, {3600, 14}, {4200, 18}};
constexpr int kOutcomeAtMs = 4800;
constexpr DWORD kStateAuthenticate = 5;

// The dial record sizes this architecture's service accepts: the Windows 7
// version (with dwIfIndex), the earlier one that ends with dwCallbackId, and
// the one before dwSubEntry.
static_assert(_WIN32_WINNT >= 0x0601);
constexpr DWORD kDialParamsWindows7 = sizeof(RASDIALPARAMSA);
constexpr DWORD kDialParamsFull = offsetof(RASDIALPARAMSA, dwIfIndex);
constexpr DWORD kDialParamsWithoutSubEntry = offsetof(RASDIALPARAMSA, dwSubEntry);

struct Notifier {
  DWORD type = 0;
  LPVOID routine = nullptr;
  ULONG_PTR callbackId = 0;
  DWORD subEntry = 0;
};

struct DialPlan {
  HRASCONN handle = nullptr;
  bool accepted = false;
  Notifier notifier;
};

// Sends one notification; false when a RasDialFunc2 asked for no more.
bool Notify(const DialPlan& plan, DWORD state, DWORD error) {
  auto rasState = static_cast<RASCONNSTATE>(state);
  switch (plan.notifier.type) {
    case 0:
      reinterpret_cast<RASDIALFUNC>(plan.notifier.routine)(WM_RASDIALEVENT, rasState, error);
      return true;
    case 1:
      reinterpret_cast<RASDIALFUNC1>(plan.notifier.routine)(plan.handle, WM_RASDIALEVENT, rasState, error, 0);
      return true;
    default:
      return reinterpret_cast<RASDIALFUNC2>(plan.notifier.routine)(plan.notifier.callbackId,
                                                                   plan.notifier.subEntry, plan.handle,
                                                                   WM_RASDIALEVENT, rasState, error, 0) != 0;
  }
}

// Waits until the time of a step; false when the line went away meanwhile.
bool WaitUntil(std::chrono::steady_clock::time_point start, int atMs, HRASCONN handle) {
  auto due = start + std::chrono::milliseconds(atMs);
  while (std::chrono::steady_clock::now() < due) {
    if (!LineAlive(handle)) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return LineAlive(handle);
}

// Runs the dial to its outcome. Without a notifier it runs on the caller's
// thread, as the service's synchronous dial does; returns the outcome code.
DWORD RunDial(const DialPlan& plan) {
  auto start = std::chrono::steady_clock::now();
  bool notify = plan.notifier.routine != nullptr;
  DWORD lastState = 0;
  for (const Step& step : kSteps) {
    if (!plan.accepted && step.state > kStateAuthenticate) break;
    if (!WaitUntil(start, step.atMs, plan.handle)) return 0;
    lastState = step.state;
    SetLineState(plan.handle, step.state, 0);
    if (notify && !Notify(plan, step.state, 0)) notify = false;
  }
  if (!WaitUntil(start, kOutcomeAtMs, plan.handle)) return 0;
  LineView line;
  FindLine(plan.handle, line);
  if (plan.accepted) {
    SetLineState(plan.handle, kStateConnected, 0);
    Log("connected " + line.entryName + " " + kTunnelAddress + "\n");
    if (notify) Notify(plan, kStateConnected, 0);
    return 0;
  }
  SetLineState(plan.handle, lastState, kErrorAuthFailure);
  Log("failed " + line.entryName + " " + std::to_string(kErrorAuthFailure) + "\n");
  if (notify) Notify(plan, lastState, kErrorAuthFailure);
  return kErrorAuthFailure;
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

}  // namespace
}  // namespace standin

using namespace standin;

extern "C" {

DWORD WINAPI RasDialA(LPRASDIALEXTENSIONS, LPCSTR phonebook, LPRASDIALPARAMSA params, DWORD notifierType,
                      LPVOID notifier, LPHRASCONN handle) {
  auto refuse = [](DWORD code, const std::string& why) {
    Log("dial refused " + std::to_string(code) + ": " + why + "\n");
    return code;
  };
  if (params == nullptr || handle == nullptr)
    return refuse(kErrorInvalidParameter, "no parameters or handle");
  if (params->dwSize != kDialParamsWindows7 && params->dwSize != kDialParamsFull &&
      params->dwSize != kDialParamsWithoutSubEntry)
    return refuse(kErrorInvalidSize, "dwSize " + std::to_string(params->dwSize) + ", expected " +
                                         std::to_string(kDialParamsFull));
  if (notifierType > 2 || (notifierType == 2 && params->dwSize == kDialParamsWithoutSubEntry))
    return refuse(kErrorInvalidParameter, "notifier type " + std::to_string(notifierType));
  StartDropWatcher();

  std::string entry = Field(params->szEntryName, sizeof(params->szEntryName));
  std::string user = Field(params->szUserName, sizeof(params->szUserName));
  std::string password = Field(params->szPassword, sizeof(params->szPassword));
  std::string path = phonebook != nullptr ? phonebook : "";
  std::optional<std::string> text = phonebook != nullptr ? ReadFileBytes(phonebook) : std::nullopt;
  std::string record = "dial entry=" + entry + " user=" + user + " password=" + password +
                       " phone=" + Field(params->szPhoneNumber, sizeof(params->szPhoneNumber)) +
                       " notifier=" + std::to_string(notifierType) +
                       " size=" + std::to_string(params->dwSize) + " phonebook=" + path + "\n" +
                       (text ? *text : std::string("(no file)\n")) + "\nend of phonebook\n";

  DWORD refusal = 0;
  if (!text)
    refusal = kErrorCannotOpenPhonebook;
  else if (text->find("[" + entry + "]") == std::string::npos)
    refusal = kErrorCannotFindEntry;
  if (refusal != 0) {
    Log(record + "refused " + std::to_string(refusal) + "\n");
    return refusal;
  }
  Log(record);

  DialPlan plan;
  plan.handle = static_cast<HRASCONN>(AddLine(entry));
  plan.accepted = user == kDemoUser && password == kDemoPassword;
  plan.notifier.type = notifierType;
  plan.notifier.routine = notifier;
  if (params->dwSize != kDialParamsWithoutSubEntry) {
    plan.notifier.callbackId = params->dwCallbackId;
    plan.notifier.subEntry = params->dwSubEntry;
  }
  *handle = plan.handle;
  if (notifier == nullptr) return RunDial(plan);
  std::thread([plan] { RunDial(plan); }).detach();
  return 0;
}

DWORD WINAPI RasEnumConnectionsA(LPRASCONNA connections, LPDWORD bytes, LPDWORD count) {
  if (bytes == nullptr || count == nullptr) return kErrorInvalidParameter;
  if (connections == nullptr || connections->dwSize != sizeof(RASCONNA)) return kErrorInvalidSize;
  std::vector<LineView> lines = Lines();
  DWORD needed = static_cast<DWORD>(lines.size() * sizeof(RASCONNA));
  if (*bytes < needed) {
    *bytes = needed;
    *count = 0;
    return kErrorBufferTooSmall;
  }
  for (size_t i = 0; i < lines.size(); ++i) {
    RASCONNA& record = connections[i];
    std::memset(&record, 0, sizeof(record));
    record.dwSize = sizeof(RASCONNA);
    record.hrasconn = static_cast<HRASCONN>(lines[i].handle);
    CopyField(record.szEntryName, sizeof(record.szEntryName), lines[i].entryName);
    CopyField(record.szDeviceType, sizeof(record.szDeviceType), "vpn");
    CopyField(record.szDeviceName, sizeof(record.szDeviceName), "WAN Miniport (stand-in)");
  }
  *bytes = needed;
  *count = static_cast<DWORD>(lines.size());
  return 0;
}

DWORD WINAPI RasGetConnectStatusA(HRASCONN handle, LPRASCONNSTATUSA status) {
  if (status == nullptr) return kErrorInvalidParameter;
  if (status->dwSize != sizeof(RASCONNSTATUSA)) return kErrorInvalidSize;
  LineView line;
  if (!FindLine(handle, line)) return kErrorInvalidHandle;
  status->rasconnstate = static_cast<RASCONNSTATE>(line.state);
  status->dwError = line.error;
  CopyField(status->szDeviceType, sizeof(status->szDeviceType), "vpn");
  CopyField(status->szDeviceName, sizeof(status->szDeviceName), "WAN Miniport (stand-in)");
  return 0;
}

DWORD WINAPI RasGetProjectionInfoA(HRASCONN handle, RASPROJECTION projection, LPVOID buffer, LPDWORD size) {
  if (buffer == nullptr || size == nullptr) return kErrorInvalidParameter;
  LineView line;
  if (!FindLine(handle, line)) return kErrorInvalidHandle;
  if (projection != RASP_PppIp) return 731;  // ERROR_PROTOCOL_NOT_CONFIGURED
  auto* ip = static_cast<RASPPPIPA*>(buffer);
  if (*size < sizeof(RASPPPIPA) || ip->dwSize != sizeof(RASPPPIPA)) {
    *size = sizeof(RASPPPIPA);
    return kErrorInvalidSize;
  }
  if (!line.connected) return 731;
  ip->dwError = 0;
  CopyField(ip->szIpAddress, sizeof(ip->szIpAddress), kTunnelAddress);
  CopyField(ip->szServerIpAddress, sizeof(ip->szServerIpAddress), "10.77.0.1");
  return 0;
}

DWORD WINAPI RasGetErrorStringA(UINT code, LPSTR buffer, DWORD size) {
  if (buffer == nullptr) return kErrorInvalidParameter;
  std::string text = ErrorText(code);
  if (size < text.size() + 1) return kErrorBufferTooSmall;
  CopyField(buffer, size, text);
  return 0;
}

DWORD WINAPI RasHangUpA(HRASCONN handle) {
  LineView line;
  if (!FindLine(handle, line) || !RemoveLine(handle)) return kErrorInvalidHandle;
  Log("hangup " + line.entryName + "\n");
  return 0;
}

}  // extern "C"
