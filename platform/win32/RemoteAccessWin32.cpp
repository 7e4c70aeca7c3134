#include "platform/win32/RemoteAccessWin32.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>

#include "platform/win32/RasRecords.h"
#include "platform/win32/WinApi.h"
#include "platform/win32/WinText.h"

namespace win32 {

static_assert(plat::kRasConnected == RASCS_Connected && plat::kRasDisconnected == RASCS_Disconnected);

namespace {
// Each dial's notifier under the callback id of its dial record; RasDial
// hands the id back with every notification (notifier type 2).
class DialNotifiers {
 public:
  ULONG_PTR Add(plat::RasDialNotifier notifier) {
    std::lock_guard guard(m_lock);
    ULONG_PTR id = m_nextId++;
    m_notifiers.emplace(id, std::move(notifier));
    return id;
  }
  void Remove(ULONG_PTR id) {
    std::lock_guard guard(m_lock);
    m_notifiers.erase(id);
  }
  // The dial's notifier; a final notification also forgets it.
  plat::RasDialNotifier Take(ULONG_PTR id, bool final) {
    std::lock_guard guard(m_lock);
    auto found = m_notifiers.find(id);
    if (found == m_notifiers.end()) return {};
    plat::RasDialNotifier notifier = final ? std::move(found->second) : found->second;
    if (final) m_notifiers.erase(found);
    return notifier;
  }

 private:
  std::mutex m_lock;
  std::map<ULONG_PTR, plat::RasDialNotifier> m_notifiers;
  ULONG_PTR m_nextId = 1;
};

DialNotifiers& Notifiers() {
  static DialNotifiers notifiers;
  return notifiers;
}

constexpr DWORD kNotifierType2 = 2;

DWORD WINAPI DialNotifier2(ULONG_PTR callbackId, DWORD, HRASCONN, UINT message, RASCONNSTATE state,
                           DWORD error, DWORD) {
  bool final = error != 0 || state == RASCS_Connected || state == RASCS_Disconnected;
  if (plat::RasDialNotifier notifier = Notifiers().Take(callbackId, final))
    notifier(message, static_cast<DWORD>(state), error);
  return 1;  // keep notifying
}

// Copies UTF-8 text into an ANSI field, cut to the field with a NUL and
// never keeping half of a double-byte character.
template <size_t N>
void CopyAnsiField(CHAR (&field)[N], std::string_view utf8) {
  std::string ansi = Utf8ToAnsi(utf8);
  size_t length = 0;
  while (length < ansi.size()) {
    size_t step = ::IsDBCSLeadByte(static_cast<BYTE>(ansi[length])) ? 2 : 1;
    if (length + step > N - 1) break;
    length += step;
  }
  length = std::min(length, ansi.size());
  std::memcpy(field, ansi.data(), length);
  field[length] = '\0';
}

std::string FieldText(const CHAR* field, size_t size) {
  return AnsiToUtf8(std::string_view(field, ::strnlen(field, size)));
}

}  // namespace

DWORD RemoteAccessWin32::Dial(std::string_view phonebookPath, const plat::RasDialParams& params,
                              plat::RasDialNotifier notifier, HRASCONN* handle) {
  auto record = std::make_unique<RasDialParamsRecord>();
  std::memset(record.get(), 0, sizeof(RasDialParamsRecord));
  record->dwSize = kRasDialParamsSize;
  CopyAnsiField(record->szEntryName, params.entryName);
  CopyAnsiField(record->szPhoneNumber, params.phoneNumber);
  CopyAnsiField(record->szUserName, params.userName);
  CopyAnsiField(record->szPassword, params.password);
  CopyAnsiField(record->szDomain, params.domain);
  record->dwCallbackId = Notifiers().Add(std::move(notifier));
  std::string path = Utf8ToAnsi(phonebookPath);
  DWORD result = ::RasDialA(nullptr, path.c_str(), reinterpret_cast<LPRASDIALPARAMSA>(record.get()),
                            kNotifierType2, reinterpret_cast<LPVOID>(&DialNotifier2), handle);
  // A refused dial is never notified.
  if (result != 0) Notifiers().Remove(record->dwCallbackId);
  ::SecureZeroMemory(record->szPassword, sizeof(record->szPassword));
  return result;
}

DWORD RemoteAccessWin32::GetErrorString(DWORD code, std::string& text) {
  CHAR buffer[256] = {};
  DWORD result = ::RasGetErrorStringA(static_cast<UINT>(code), buffer, sizeof(buffer));
  text = result == 0 ? FieldText(buffer, sizeof(buffer)) : std::string();
  return result;
}

DWORD RemoteAccessWin32::GetIpAddress(HRASCONN conn, std::string& address) {
  address.clear();
  RasPppIpRecord projection{};
  projection.dwSize = kRasPppIpSize;
  DWORD size = kRasPppIpSize;
  DWORD result = ::RasGetProjectionInfoA(conn, RASP_PppIp, &projection, &size);
  if (result == 0) address = FieldText(projection.szIpAddress, sizeof(projection.szIpAddress));
  return result;
}

DWORD RemoteAccessWin32::GetConnectStatus(HRASCONN conn, DWORD& state) {
  RasConnStatusRecord status{};
  status.dwSize = kRasConnStatusSize;
  DWORD result = ::RasGetConnectStatusA(conn, reinterpret_cast<LPRASCONNSTATUSA>(&status));
  if (result == 0) state = static_cast<DWORD>(status.rasconnstate);
  return result;
}

DWORD RemoteAccessWin32::EnumConnections(std::vector<plat::RasConnection>& connections) {
  connections.clear();
  std::vector<RasConnRecord> records(1);
  records[0].dwSize = kRasConnSize;
  DWORD bytes = kRasConnSize;
  DWORD count = 0;
  DWORD result = ::RasEnumConnectionsA(reinterpret_cast<LPRASCONNA>(records.data()), &bytes, &count);
  if (result == plat::kRasErrorBufferTooSmall) {
    records.assign(bytes / kRasConnSize + 1, RasConnRecord{});
    records[0].dwSize = kRasConnSize;
    bytes = static_cast<DWORD>(records.size() * kRasConnSize);
    result = ::RasEnumConnectionsA(reinterpret_cast<LPRASCONNA>(records.data()), &bytes, &count);
  }
  if (result != 0) return result;
  if (count > records.size()) count = static_cast<DWORD>(records.size());
  for (DWORD i = 0; i < count; ++i) {
    const RasConnRecord& record = records[i];
    std::string_view name(record.szEntryName, ::strnlen(record.szEntryName, sizeof(record.szEntryName)));
    connections.push_back({record.hrasconn, AnsiToUtf8(name)});
  }
  return 0;
}

DWORD RemoteAccessWin32::HangUp(HRASCONN conn) {
  return ::RasHangUpA(conn);
}

}  // namespace win32
