// Port: the remote-access service (dial with a progress notifier, error
// texts, projection, status, enumeration, hang-up).
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/WinTypes.h"

namespace plat {

// Field widths of the dial parameters (characters, without the NUL).
constexpr int kRasMaxEntryName = 256;
constexpr int kRasMaxPhoneNumber = 128;
constexpr int kRasMaxUserName = 256;
constexpr int kRasMaxPassword = 256;
constexpr int kRasMaxDomain = 15;

struct RasDialParams {
  std::string entryName;
  std::string phoneNumber;
  std::string userName;
  std::string password;
  std::string domain;
};

struct RasConnection {
  HRASCONN handle = nullptr;
  std::string entryName;
};

// Connection states the service reports (RASCONNSTATE).
constexpr DWORD kRasConnected = 0x2000;
constexpr DWORD kRasDisconnected = 0x2001;

constexpr DWORD kRasErrorBufferTooSmall = 603;
constexpr DWORD kRasErrorInvalidHandle = 6;
constexpr DWORD kRasErrorAlreadyDialing = 756;

// A dial's notifier: message, connection state, error code. Each dial has
// its own; the service calls it on a thread of its own, never after the
// dial's final notification.
using RasDialNotifier = std::function<void(UINT message, DWORD state, DWORD error)>;

class IRemoteAccess {
 public:
  virtual ~IRemoteAccess() = default;
  // Starts a dial; *handle is set before it returns. 0 or an error code.
  virtual DWORD Dial(std::string_view phonebookPath, const RasDialParams& params, RasDialNotifier notifier,
                     HRASCONN* handle) = 0;
  virtual DWORD GetErrorString(DWORD code, std::string& text) = 0;
  virtual DWORD GetIpAddress(HRASCONN conn, std::string& address) = 0;
  // 0 when the connection exists (state filled), 6 when the handle is gone.
  virtual DWORD GetConnectStatus(HRASCONN conn, DWORD& state) = 0;
  virtual DWORD EnumConnections(std::vector<RasConnection>& connections) = 0;
  virtual DWORD HangUp(HRASCONN conn) = 0;
};

}  // namespace plat
