#include "platform/win32/RemoteAccessWin32.h"

#include <cstring>

#include "platform/win32/WinApi.h"
#include "platform/win32/WinText.h"

namespace win32 {

namespace {
// ras.h spells its records as macros for "struct tag...".
using RasConn = RASCONNA;
using RasConnStatus = RASCONNSTATUSA;

// Reported by the calls that are not available yet.
constexpr DWORD kNotAvailable = 623;  // ERROR_CANNOT_FIND_PHONEBOOK_ENTRY
}  // namespace

DWORD RemoteAccessWin32::Dial(std::string_view, const plat::RasDialParams&, plat::RasDialNotifier,
                              HRASCONN* handle) {
  if (handle) *handle = nullptr;
  return kNotAvailable;
}

DWORD RemoteAccessWin32::GetErrorString(DWORD, std::string& text) {
  text.clear();
  return kNotAvailable;
}

DWORD RemoteAccessWin32::GetIpAddress(HRASCONN, std::string& address) {
  address.clear();
  return kNotAvailable;
}

DWORD RemoteAccessWin32::GetConnectStatus(HRASCONN conn, DWORD& state) {
  RasConnStatus status{};
  status.dwSize = sizeof(status);
  DWORD result = ::RasGetConnectStatusA(conn, &status);
  if (result == 0) state = static_cast<DWORD>(status.rasconnstate);
  return result;
}

DWORD RemoteAccessWin32::EnumConnections(std::vector<plat::RasConnection>& connections) {
  connections.clear();
  std::vector<RasConn> records(1);
  records[0].dwSize = sizeof(RasConn);
  DWORD bytes = sizeof(RasConn);
  DWORD count = 0;
  DWORD result = ::RasEnumConnectionsA(records.data(), &bytes, &count);
  if (result == plat::kRasErrorBufferTooSmall) {
    records.assign(bytes / sizeof(RasConn) + 1, RasConn{});
    records[0].dwSize = sizeof(RasConn);
    bytes = static_cast<DWORD>(records.size() * sizeof(RasConn));
    result = ::RasEnumConnectionsA(records.data(), &bytes, &count);
  }
  if (result != 0) return result;
  if (count > records.size()) count = static_cast<DWORD>(records.size());
  for (DWORD i = 0; i < count; ++i) {
    const RasConn& record = records[i];
    std::string_view name(record.szEntryName, ::strnlen(record.szEntryName, sizeof(record.szEntryName)));
    connections.push_back({record.hrasconn, AnsiToUtf8(name)});
  }
  return 0;
}

DWORD RemoteAccessWin32::HangUp(HRASCONN) {
  return kNotAvailable;
}

}  // namespace win32
