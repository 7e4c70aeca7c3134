#include "connection/DialEngine.h"

#include <vector>

#include "connection/DialProgressText.h"
#include "connection/DialState.h"
#include "platform/Ports.h"

namespace {

constexpr DWORD kHangUpWaitMs = 10000;
constexpr DWORD kHangUpPollMs = 50;

std::string Field(const CString& text, int width) {
  return std::string(Utf8Prefix(text.View(), static_cast<size_t>(width)));
}

}  // namespace

DWORD DialEntry(int slot, const CString& phonebookPath, const CString& entryName, const CString& phoneNumber,
                const CString& userName, const CString& password, const CString& domain) {
  plat::RasDialParams params;
  params.entryName = Field(entryName, plat::kRasMaxEntryName);
  params.phoneNumber = Field(phoneNumber, plat::kRasMaxPhoneNumber);
  params.userName = Field(userName, plat::kRasMaxUserName);
  params.password = Field(password, plat::kRasMaxPassword);
  params.domain = Field(domain, plat::kRasMaxDomain);
  HRASCONN* handle = slot == kMainSlot ? &g_mainConn : &g_relayConn;
  *handle = nullptr;
  return plat::Current().ras->Dial(phonebookPath.View(), params, &OnDialProgress, handle);
}

void OnDialProgress(UINT, DWORD state, DWORD error) {
  if (error != 0) {
    SetDialStatusText(DialErrorText(error, RasErrorString(error)));
    g_dialDone.store(1, std::memory_order_release);
    return;
  }
  SetDialStatusText(DialProgressText(state));
  if (state == RASCS_Connected) g_dialDone.store(1, std::memory_order_release);
}

HRASCONN FindConnection(const CString& entryName) {
  std::vector<plat::RasConnection> connections;
  if (plat::Current().ras->EnumConnections(connections) != 0) return nullptr;
  for (const plat::RasConnection& connection : connections)
    if (connection.entryName == entryName.Str()) return connection.handle;
  return nullptr;
}

BOOL HangUpConnection(HRASCONN conn) {
  plat::IRemoteAccess& ras = *plat::Current().ras;
  plat::ISystem& system = *plat::Current().system;
  if (conn == nullptr || ras.HangUp(conn) != 0) return FALSE;
  DWORD start = system.GetTickCount();
  DWORD state = 0;
  while (ras.GetConnectStatus(conn, state) != plat::kRasErrorInvalidHandle) {
    if (system.GetTickCount() - start >= kHangUpWaitMs) break;
    system.Sleep(kHangUpPollMs);
  }
  return TRUE;
}

BOOL HangUpEntry(const CString& entryName) {
  return HangUpConnection(FindConnection(entryName));
}

CString RasErrorString(DWORD code) {
  std::string text;
  plat::Current().ras->GetErrorString(code, text);
  return text;
}
