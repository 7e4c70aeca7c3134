#include "connection/DialEngine.h"

#include <vector>

#include "connection/DialProgressText.h"

namespace {
constexpr DWORD kHangUpWaitMs = 10000;
constexpr DWORD kHangUpPollMs = 50;
}  // namespace

HRASCONN CDialEngine::FindConnection(const CString& entryName) {
  std::vector<plat::RasConnection> connections;
  if (m_ras.EnumConnections(connections) != 0) return nullptr;
  for (const plat::RasConnection& connection : connections)
    if (connection.entryName == entryName.Str()) return connection.handle;
  return nullptr;
}

BOOL CDialEngine::HangUpConnection(HRASCONN conn, const std::function<void()>& keepPainted) {
  if (conn == nullptr || m_ras.HangUp(conn) != 0) return FALSE;
  DWORD start = m_system.GetTickCount();
  DWORD state = 0;
  while (m_ras.GetConnectStatus(conn, state) != plat::kRasErrorInvalidHandle) {
    if (m_system.GetTickCount() - start >= kHangUpWaitMs) break;
    m_system.Sleep(kHangUpPollMs);
    if (keepPainted) keepPainted();
  }
  return TRUE;
}

BOOL CDialEngine::HangUpEntry(const CString& entryName, const std::function<void()>& keepPainted) {
  return HangUpConnection(FindLineToHangUp(entryName), keepPainted);
}

HRASCONN CDialEngine::FindLineToHangUp(const CString& entryName) {
  std::vector<plat::RasConnection> connections;
  if (m_ras.EnumConnections(connections) != 0) return nullptr;
  HRASCONN first = nullptr;
  for (const plat::RasConnection& connection : connections) {
    if (connection.entryName != entryName.Str()) continue;
    DWORD state = 0;
    if (LineStatus(connection.handle, state) == 0 && state == plat::kRasConnected) return connection.handle;
    if (first == nullptr) first = connection.handle;
  }
  return first;
}

CString CDialEngine::RasErrorString(DWORD code) {
  std::string text;
  m_ras.GetErrorString(code, text);
  return text;
}

DWORD CDialEngine::LineStatus(HRASCONN conn, DWORD& state) {
  state = 0;
  return m_ras.GetConnectStatus(conn, state);
}
