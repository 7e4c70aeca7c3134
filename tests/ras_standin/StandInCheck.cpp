// Checks of the rasapi32.dll test stand-in, run under Wine beside it by
// scripts/wine-e2e before the program is driven, for what the program's run
// does not show: the refusals that keep the program's records honest,
// projection, enumeration, status and hang-up at every stage. Prints
// "N passed, M failed".
#include <windows.h>
// clang-format off
#include <ras.h>
// clang-format on

#include <cstdio>
#include <cstring>
#include <fstream>
#include <mutex>
#include <string>
#include <vector>

namespace {

int g_passed = 0;
int g_failed = 0;

void Check(bool condition, const char* what) {
  condition ? ++g_passed : ++g_failed;
  if (!condition) std::printf("FAILED: %s\n", what);
}

struct Notification {
  RASCONNSTATE state;
  DWORD error;
};

std::mutex g_mutex;
std::vector<Notification> g_seen;

DWORD WINAPI Notify(ULONG_PTR, DWORD, HRASCONN, UINT, RASCONNSTATE state, DWORD error, DWORD) {
  std::lock_guard lock(g_mutex);
  g_seen.push_back({state, error});
  return 1;
}

// Waits up to 10 s for a final notification (connected or an error).
bool WaitForOutcome(Notification& last) {
  for (int i = 0; i < 200; ++i, ::Sleep(50)) {
    std::lock_guard lock(g_mutex);
    if (!g_seen.empty() && (g_seen.back().state == RASCS_Connected || g_seen.back().error != 0)) {
      last = g_seen.back();
      return true;
    }
  }
  return false;
}

DWORD Dial(const char* book, const char* entry, const char* password, HRASCONN& handle,
           DWORD size = offsetof(RASDIALPARAMSA, dwIfIndex), DWORD notifierType = 2) {
  RASDIALPARAMSA params{};
  params.dwSize = size;
  std::strcpy(params.szEntryName, entry);
  std::strcpy(params.szPhoneNumber, "10.8.1.1");
  std::strcpy(params.szUserName, "demo");
  std::strcpy(params.szPassword, password);
  {
    std::lock_guard lock(g_mutex);
    g_seen.clear();
  }
  return ::RasDialA(nullptr, book, &params, notifierType, reinterpret_cast<LPVOID>(&Notify), &handle);
}

size_t Seen() {
  std::lock_guard lock(g_mutex);
  return g_seen.size();
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

  Check(Dial("no-such-book.pbk", "check", "velk2024", handle) == 621, "a missing phonebook gives 621");
  Check(Dial(book, "other", "velk2024", handle) == 623, "a missing entry gives 623");
  Check(Dial(book, "check", "velk2024", handle, 1000) == 632, "a wrong dwSize gives 632");
  Check(Dial(book, "check", "velk2024", handle, offsetof(RASDIALPARAMSA, dwIfIndex), 1) == 87,
        "a notifier other than type 2 gives 87");

  Check(Dial(book, "check", "velk2024", handle) == 0 && handle != nullptr, "the demo account dials");
  Notification last{};
  Check(WaitForOutcome(last), "the dial ends");
  Check(last.state == RASCS_Connected && last.error == 0, "the demo account connects");
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
  Check(::RasHangUpA(handle) == 0 && Status(handle, status) == ERROR_INVALID_HANDLE,
        "hang-up releases the line");
  Check(::RasHangUpA(handle) == ERROR_INVALID_HANDLE, "a second hang-up is refused");
  bytes = sizeof(RASCONNA);
  Check(::RasEnumConnectionsA(connections.data(), &bytes, &count) == 0 && count == 0,
        "a hung-up line is not listed");

  Check(Dial(book, "check", "velk2024", handle, sizeof(RASDIALPARAMSA)) == 0,
        "the Windows 7 record size dials");
  ::Sleep(700);
  Check(::RasHangUpA(handle) == 0, "a dial in progress can be hung up");
  size_t seen = Seen();
  ::Sleep(1500);  // past two more steps of the dial
  Check(seen > 0 && Seen() == seen, "a hung-up dial notifies no more");

  char text[256] = {};
  Check(::RasGetErrorStringA(691, text, sizeof(text)) == 0 && std::strstr(text, "password") != nullptr,
        "the text of 691");
  std::printf("%d passed, %d failed\n", g_passed, g_failed);
  return g_failed == 0 ? 0 : 1;
}
