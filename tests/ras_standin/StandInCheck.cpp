// Checks of the rasapi32.dll test stand-in, run under Wine beside it by
// scripts/wine-e2e before the program is driven: phonebook refusals, the three
// notifier types on a thread of their own, 691, projection, enumeration,
// status, drop and hang-up. Prints "N passed, M failed".
#include <windows.h>
// clang-format off
#include <ras.h>
// clang-format on

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

int g_passed = 0;
int g_failed = 0;

void Check(bool condition, const char* what) {
  if (condition) {
    ++g_passed;
  } else {
    ++g_failed;
    std::printf("FAILED: %s\n", what);
  }
}

struct Notification {
  ULONG_PTR callbackId;
  DWORD subEntry;
  HRASCONN handle;
  UINT message;
  DWORD state;
  DWORD error;
  DWORD threadId;
};

std::mutex g_mutex;
std::vector<Notification> g_seen;

void Record(Notification notification) {
  std::lock_guard lock(g_mutex);
  g_seen.push_back(notification);
}

VOID WINAPI Func0(UINT message, RASCONNSTATE state, DWORD error) {
  Record({0, 0, nullptr, message, static_cast<DWORD>(state), error, ::GetCurrentThreadId()});
}
VOID WINAPI Func1(HRASCONN handle, UINT message, RASCONNSTATE state, DWORD error, DWORD) {
  Record({0, 0, handle, message, static_cast<DWORD>(state), error, ::GetCurrentThreadId()});
}
DWORD WINAPI Func2(ULONG_PTR id, DWORD subEntry, HRASCONN handle, UINT message, RASCONNSTATE state,
                   DWORD error, DWORD) {
  Record({id, subEntry, handle, message, static_cast<DWORD>(state), error, ::GetCurrentThreadId()});
  return 1;
}

// Waits up to 10 s for a final notification (connected or an error).
bool WaitForOutcome(Notification& last) {
  for (int i = 0; i < 200; ++i) {
    {
      std::lock_guard lock(g_mutex);
      if (!g_seen.empty() && (g_seen.back().state == RASCS_Connected || g_seen.back().error != 0)) {
        last = g_seen.back();
        return true;
      }
    }
    ::Sleep(50);
  }
  return false;
}

RASDIALPARAMSA Params(const char* entry, const char* user, const char* password) {
  RASDIALPARAMSA params{};
  params.dwSize = offsetof(RASDIALPARAMSA, dwIfIndex);
  std::strcpy(params.szEntryName, entry);
  std::strcpy(params.szPhoneNumber, "10.8.1.1");
  std::strcpy(params.szUserName, user);
  std::strcpy(params.szPassword, password);
  return params;
}

DWORD Status(HRASCONN handle, RASCONNSTATUSA& status) {
  status = {};
  status.dwSize = sizeof(status);
  return ::RasGetConnectStatusA(handle, &status);
}

}  // namespace

int main() {
  const char* book = "standin-check.pbk";
  std::ofstream(book, std::ios::binary) << "[check]\r\nType=2\r\nVpnStrategy=2\r\n";
  HRASCONN handle = nullptr;

  RASDIALPARAMSA params = Params("check", "demo", "velk2024");
  Check(::RasDialA(nullptr, "no-such-book.pbk", &params, 0, reinterpret_cast<LPVOID>(&Func0), &handle) == 621,
        "a missing phonebook gives 621");
  params = Params("other", "demo", "velk2024");
  Check(::RasDialA(nullptr, book, &params, 0, reinterpret_cast<LPVOID>(&Func0), &handle) == 623,
        "a missing entry gives 623");
  params = Params("check", "demo", "velk2024");
  params.dwSize = 1000;
  Check(::RasDialA(nullptr, book, &params, 0, reinterpret_cast<LPVOID>(&Func0), &handle) == 632,
        "a wrong dwSize gives 632");

  // Type 2: the callback id and sub-entry come back, on another thread.
  params = Params("check", "demo", "velk2024");
  params.dwCallbackId = 0x5150;
  params.dwSubEntry = 1;
  Check(::RasDialA(nullptr, book, &params, 2, reinterpret_cast<LPVOID>(&Func2), &handle) == 0 &&
            handle != nullptr,
        "the demo account dials with notifier type 2");
  Notification last{};
  Check(WaitForOutcome(last), "the type-2 dial ends");
  Check(last.state == RASCS_Connected && last.error == 0, "the demo account connects");
  Check(last.callbackId == 0x5150 && last.subEntry == 1 && last.handle == handle &&
            last.message == WM_RASDIALEVENT,
        "RasDialFunc2 gets the dial's callback id, sub-entry and handle");
  Check(last.threadId != ::GetCurrentThreadId(), "notifications come on a thread of their own");
  {
    std::lock_guard lock(g_mutex);
    Check(g_seen.size() == 9 && g_seen.front().state == RASCS_OpenPort,
          "eight progress states, then connected");
    g_seen.clear();
  }

  RASPPPIPA ip{};
  ip.dwSize = sizeof(ip);
  DWORD size = sizeof(ip);
  Check(::RasGetProjectionInfoA(handle, RASP_PppIp, &ip, &size) == 0 &&
            std::strcmp(ip.szIpAddress, "10.77.0.18") == 0,
        "the projection gives the tunnel address");
  RASCONNSTATUSA status{};
  Check(Status(handle, status) == 0 && status.rasconnstate == RASCS_Connected, "the status is connected");

  std::vector<RASCONNA> connections(1);
  connections[0].dwSize = sizeof(RASCONNA);
  DWORD bytes = 0;
  DWORD count = 0;
  Check(::RasEnumConnectionsA(connections.data(), &bytes, &count) == 603 && bytes == sizeof(RASCONNA),
        "enumeration into no room gives 603 and the size needed");
  bytes = sizeof(RASCONNA);
  Check(::RasEnumConnectionsA(connections.data(), &bytes, &count) == 0 && count == 1 &&
            connections[0].hrasconn == handle && std::strcmp(connections[0].szEntryName, "check") == 0,
        "enumeration lists the line by name");

  // A drop: the control file beside the DLL.
  std::ofstream("rasapi32-standin.drop") << "drop\n";
  bool dropped = false;
  for (int i = 0; i < 40 && !dropped; ++i, ::Sleep(50))
    dropped = Status(handle, status) == ERROR_INVALID_HANDLE;
  Check(dropped, "a drop takes the line away");
  bytes = sizeof(RASCONNA);
  Check(::RasEnumConnectionsA(connections.data(), &bytes, &count) == 0 && count == 0,
        "a dropped line is not listed");

  // Type 1, wrong password: 691 after authentication began.
  params = Params("check", "demo", "wrong");
  HRASCONN refused = nullptr;
  Check(::RasDialA(nullptr, book, &params, 1, reinterpret_cast<LPVOID>(&Func1), &refused) == 0,
        "a wrong password dials with notifier type 1");
  Check(
      WaitForOutcome(last) && last.error == 691 && last.state == RASCS_Authenticate && last.handle == refused,
      "a wrong password ends with 691");
  Check(::RasHangUpA(refused) == 0 && Status(refused, status) == ERROR_INVALID_HANDLE,
        "hang-up releases the line");
  Check(::RasHangUpA(refused) == ERROR_INVALID_HANDLE, "a second hang-up is refused");

  // Type 0, hung up in the middle: no outcome follows.
  g_seen.clear();
  params = Params("check", "demo", "velk2024");
  params.dwSize = sizeof(RASDIALPARAMSA);
  Check(::RasDialA(nullptr, book, &params, 0, reinterpret_cast<LPVOID>(&Func0), &handle) == 0,
        "notifier type 0 with the Windows 7 record size dials");
  ::Sleep(700);
  Check(::RasHangUpA(handle) == 0, "a dial in progress can be hung up");
  ::Sleep(800);
  {
    std::lock_guard lock(g_mutex);
    Check(
        !g_seen.empty() && g_seen.back().state != RASCS_Connected && g_seen.back().message == WM_RASDIALEVENT,
        "a hung-up dial reports no outcome");
  }

  char text[256] = {};
  Check(::RasGetErrorStringA(691, text, sizeof(text)) == 0 && std::strstr(text, "password") != nullptr,
        "the text of 691");
  Check(::RasGetErrorStringA(691, text, 8) == 603, "a short error buffer gives 603");

  std::ifstream logFile("rasapi32-standin.log", std::ios::binary);
  std::string log((std::istreambuf_iterator<char>(logFile)), std::istreambuf_iterator<char>());
  Check(log.find("dial entry=check user=demo password=velk2024 phone=10.8.1.1 notifier=2") !=
                std::string::npos &&
            log.find("[check]\r\nType=2") != std::string::npos && log.find("drop check") != std::string::npos,
        "the log has the dial, its phonebook text and the drop");

  std::printf("%d passed, %d failed\n", g_passed, g_failed);
  return g_failed == 0 ? 0 : 1;
}
