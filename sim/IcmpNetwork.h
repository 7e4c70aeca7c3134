// The ICMP side of the simulated network: hosts that answer echo requests
// after scripted round trips, silent hosts, stray datagrams, the raw sockets
// of the machine's programs and a record of every datagram sent. Guarded by
// the machine lock.
#pragma once

#include <deque>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/WinTypes.h"
#include "sim/Scheduler.h"

namespace sim {

// The address the machine's own datagrams come from.
constexpr DWORD kLocalAddress = 0x6401A8C0;  // 192.168.1.100
constexpr DWORD kLoopbackAddress = 0x0100007F;

struct IcmpHost {
  // Round trip of each coming request in turn, in ms; nothing = no reply.
  std::deque<std::optional<DWORD>> script;
  // Round trip once the script is used up; nothing = silent.
  std::optional<DWORD> rtt;
  // Replies carry four bytes of IPv4 options (a 24-byte header).
  bool ipOptions = false;
};

enum class StrayKind {
  ForeignReply,             // another program's echo reply
  Error,                    // destination unreachable about our request
  ForeignReplyWithOptions,  // another program's reply, IPv4 header with options
  Forged,                   // our identifier and sequence, from another address
  ForgedTick,               // our identifier and sequence from the probed address, send tick 16 ms ahead
  Short,                    // the probed address's reply, one byte short of the whole send tick
  Long,                     // the probed address's reply, padded to a 322-byte datagram
};

struct SentDatagram {
  VirtualTime at;
  DWORD to;
  std::vector<BYTE> bytes;
};

struct ReceivedDatagram {
  std::vector<BYTE> bytes;  // IPv4 header and ICMP message
  DWORD from;
};

class IcmpNetwork {
 public:
  explicit IcmpNetwork(Scheduler& scheduler);

  void SetHost(DWORD address, IcmpHost host);
  void RemoveHost(DWORD address);
  IcmpHost* FindHost(DWORD address);
  // A stray arrives delayMs after the next echo request leaves, on its socket.
  void QueueStray(StrayKind kind, DWORD delayMs);
  // The next call of socket(), sendto(), select(), recvfrom() or
  // closesocket() fails with this error.
  void FailNext(const std::string& call, int error);
  std::optional<int> TakeFailure(const std::string& call);
  const std::vector<SentDatagram>& Sent() const { return m_sent; }

  // The machine's raw sockets.
  int OpenSocket();
  void CloseSocket(int socket);
  bool IsOpen(int socket) const { return m_inboxes.count(socket) != 0; }
  int OpenSockets() const { return static_cast<int>(m_inboxes.size()); }
  void Send(int socket, std::span<const BYTE> message, DWORD to);
  bool Readable(int socket) const;
  std::optional<ReceivedDatagram> Take(int socket);

 private:
  void DeliverAt(VirtualTime at, int socket, ReceivedDatagram datagram);

  Scheduler& m_scheduler;
  std::map<DWORD, IcmpHost> m_hosts;
  std::deque<std::pair<StrayKind, DWORD>> m_strays;
  std::map<std::string, int> m_failures;
  std::vector<SentDatagram> m_sent;
  std::map<int, std::deque<ReceivedDatagram>> m_inboxes;
  int m_nextSocket = 1;
};

// Datagram pieces, shared with the tests.
WORD InternetChecksum(std::span<const BYTE> bytes);
std::vector<BYTE> IpDatagram(DWORD from, DWORD to, std::span<const BYTE> message, bool withOptions);

}  // namespace sim
