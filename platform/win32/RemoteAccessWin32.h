// The remote-access service through rasapi32.
#pragma once

#include "platform/RemoteAccess.h"

namespace win32 {

class RemoteAccessWin32 final : public plat::IRemoteAccess {
 public:
  DWORD Dial(std::string_view phonebookPath, const plat::RasDialParams& params,
             plat::RasDialNotifier notifier, HRASCONN* handle) override;
  DWORD GetErrorString(DWORD code, std::string& text) override;
  DWORD GetIpAddress(HRASCONN conn, std::string& address) override;
  DWORD GetConnectStatus(HRASCONN conn, DWORD& state) override;
  DWORD EnumConnections(std::vector<plat::RasConnection>& connections) override;
  DWORD HangUp(HRASCONN conn) override;
};

}  // namespace win32
