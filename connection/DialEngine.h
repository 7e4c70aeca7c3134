// The dial engine over the remote-access port: find, hang up, error texts.
#pragma once

#include <functional>

#include "framework/CString.h"
#include "platform/RemoteAccess.h"
#include "platform/System.h"

class CDialEngine {
 public:
  CDialEngine(plat::IRemoteAccess& ras, plat::ISystem& system) : m_ras(ras), m_system(system) {}

  plat::IRemoteAccess& Ras() { return m_ras; }
  plat::ISystem& System() { return m_system; }

  // The handle of the active connection whose entry name equals entryName
  // exactly (case-sensitive), or null.
  HRASCONN FindConnection(const CString& entryName);
  // Hangs up and waits at most 10 s for the release, calling keepPainted
  // between polls. FALSE when refused.
  BOOL HangUpConnection(HRASCONN conn, const std::function<void()>& keepPainted = {});
  // The line of that name that is up, if one is, else the first of the name:
  // one still being torn down after an earlier hang-up gives way to a live
  // line redialled meanwhile.
  BOOL HangUpEntry(const CString& entryName, const std::function<void()>& keepPainted = {});
  // The service's text for an error code.
  CString RasErrorString(DWORD code);
  // What the service says of the line: its status query's result and, when
  // that is 0, the line's state.
  DWORD LineStatus(HRASCONN conn, DWORD& state);

 private:
  HRASCONN FindLineToHangUp(const CString& entryName);

  plat::IRemoteAccess& m_ras;
  plat::ISystem& m_system;
};
