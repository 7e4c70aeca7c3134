#include "sim/IcmpNetwork.h"

namespace sim {

namespace {

constexpr BYTE kEchoReply = 0;
constexpr BYTE kUnreachable = 3;
constexpr BYTE kEchoRequest = 8;
constexpr DWORD kRouterAddress = 0x0101A8C0;  // 192.168.1.1
constexpr DWORD kForgerAddress = 0x4242420A;  // 10.66.66.66
constexpr size_t kLongDatagramBytes = 322;

void PutChecksum(std::vector<BYTE>& message, size_t at) {
  message[at] = message[at + 1] = 0;
  WORD sum = InternetChecksum(message);
  message[at] = static_cast<BYTE>(sum & 0xFF);
  message[at + 1] = static_cast<BYTE>(sum >> 8);
}

std::vector<BYTE> EchoReplyTo(std::span<const BYTE> request) {
  std::vector<BYTE> reply(request.begin(), request.end());
  reply[0] = kEchoReply;
  PutChecksum(reply, 2);
  return reply;
}

// Another program's reply: other identifier and sequence, a send tick 777 ms
// before ours, so that taking it for ours shows as a wrong time.
std::vector<BYTE> ForeignReplyTo(std::span<const BYTE> request) {
  std::vector<BYTE> reply = EchoReplyTo(request);
  reply[4] ^= 0x5A;
  reply[6] ^= 0xA5;
  if (reply.size() >= 13) {
    DWORD tick = reply[9] | (reply[10] << 8) | (reply[11] << 16) | (static_cast<DWORD>(reply[12]) << 24);
    tick -= 777;
    for (int i = 0; i < 4; ++i) reply[9 + i] = static_cast<BYTE>(tick >> (8 * i));
  }
  PutChecksum(reply, 2);
  return reply;
}

// A reply that copies the request's identifier and sequence but carries a
// send tick 16 ms ahead of the real one: read as a round trip, -16 ms.
std::vector<BYTE> ForgedReplyTo(std::span<const BYTE> request) {
  std::vector<BYTE> reply = EchoReplyTo(request);
  if (reply.size() >= 13) {
    DWORD tick = reply[9] | (reply[10] << 8) | (reply[11] << 16) | (static_cast<DWORD>(reply[12]) << 24);
    tick += 16;
    for (int i = 0; i < 4; ++i) reply[9 + i] = static_cast<BYTE>(tick >> (8 * i));
  }
  PutChecksum(reply, 2);
  return reply;
}

// Destination unreachable: the original header and 8 bytes of the request.
std::vector<BYTE> ErrorAbout(std::span<const BYTE> request, DWORD to) {
  std::vector<BYTE> error = {kUnreachable, 1, 0, 0, 0, 0, 0, 0};
  std::vector<BYTE> original = IpDatagram(kLocalAddress, to, request, false);
  error.insert(error.end(), original.begin(), original.begin() + 28);
  PutChecksum(error, 2);
  return error;
}

}  // namespace

WORD InternetChecksum(std::span<const BYTE> bytes) {
  DWORD sum = 0;
  size_t i = 0;
  for (; i + 1 < bytes.size(); i += 2) sum += bytes[i] | (bytes[i + 1] << 8);
  if (i < bytes.size()) sum += bytes[i];
  sum = (sum >> 16) + (sum & 0xFFFF);
  sum += sum >> 16;
  return static_cast<WORD>(~sum & 0xFFFF);
}

std::vector<BYTE> IpDatagram(DWORD from, DWORD to, std::span<const BYTE> message, bool withOptions) {
  size_t headerLength = withOptions ? 24 : 20;
  std::vector<BYTE> datagram(headerLength, 0);
  size_t total = headerLength + message.size();
  datagram[0] = static_cast<BYTE>(0x40 | (headerLength / 4));
  datagram[2] = static_cast<BYTE>(total >> 8);
  datagram[3] = static_cast<BYTE>(total & 0xFF);
  datagram[8] = 128;  // time to live
  datagram[9] = 1;    // ICMP
  for (int i = 0; i < 4; ++i) {
    datagram[12 + i] = static_cast<BYTE>(from >> (8 * i));
    datagram[16 + i] = static_cast<BYTE>(to >> (8 * i));
  }
  if (withOptions) datagram[20] = datagram[21] = datagram[22] = 1;  // no-operation options, then end
  PutChecksum(datagram, 10);
  datagram.insert(datagram.end(), message.begin(), message.end());
  return datagram;
}

IcmpNetwork::IcmpNetwork(Scheduler& scheduler) : m_scheduler(scheduler) {
  // The loopback address answers at once, as the kernel does.
  m_hosts[kLoopbackAddress].rtt = 0;
}

void IcmpNetwork::SetHost(DWORD address, IcmpHost host) {
  m_hosts[address] = std::move(host);
}

void IcmpNetwork::RemoveHost(DWORD address) {
  m_hosts.erase(address);
}

IcmpHost* IcmpNetwork::FindHost(DWORD address) {
  auto found = m_hosts.find(address);
  return found == m_hosts.end() ? nullptr : &found->second;
}

void IcmpNetwork::QueueStray(StrayKind kind, DWORD delayMs) {
  m_strays.emplace_back(kind, delayMs);
}

void IcmpNetwork::FailNext(const std::string& call, int error) {
  m_failures[call] = error;
}

std::optional<int> IcmpNetwork::TakeFailure(const std::string& call) {
  auto found = m_failures.find(call);
  if (found == m_failures.end()) return std::nullopt;
  int error = found->second;
  m_failures.erase(found);
  return error;
}

int IcmpNetwork::OpenSocket() {
  int socket = m_nextSocket++;
  m_inboxes[socket];
  return socket;
}

void IcmpNetwork::CloseSocket(int socket) {
  m_inboxes.erase(socket);
}

void IcmpNetwork::Send(int socket, std::span<const BYTE> message, DWORD to) {
  VirtualTime now = m_scheduler.Now();
  m_sent.push_back({now, to, std::vector<BYTE>(message.begin(), message.end())});
  // Like a real stack, hosts drop a request whose checksum does not verify.
  bool isEcho = message.size() >= 8 && message[0] == kEchoRequest && message[1] == 0;
  if (!isEcho || InternetChecksum(message) != 0) return;
  for (const auto& [kind, delay] : m_strays) {
    switch (kind) {
      case StrayKind::ForeignReply:
        DeliverAt(now + delay, socket, {IpDatagram(to, kLocalAddress, ForeignReplyTo(message), false), to});
        break;
      case StrayKind::ForeignReplyWithOptions:
        DeliverAt(now + delay, socket, {IpDatagram(to, kLocalAddress, ForeignReplyTo(message), true), to});
        break;
      case StrayKind::Error:
        DeliverAt(
            now + delay, socket,
            {IpDatagram(kRouterAddress, kLocalAddress, ErrorAbout(message, to), false), kRouterAddress});
        break;
      case StrayKind::Forged:
        DeliverAt(now + delay, socket,
                  {IpDatagram(kForgerAddress, kLocalAddress, ForgedReplyTo(message), false), kForgerAddress});
        break;
      case StrayKind::ForgedTick:
        DeliverAt(now + delay, socket, {IpDatagram(to, kLocalAddress, ForgedReplyTo(message), false), to});
        break;
      case StrayKind::Short: {
        std::vector<BYTE> reply = EchoReplyTo(message);
        reply.resize(std::min<size_t>(reply.size(), 12));
        DeliverAt(now + delay, socket, {IpDatagram(to, kLocalAddress, reply, false), to});
        break;
      }
      case StrayKind::Long: {
        std::vector<BYTE> reply(message.begin(), message.end());
        reply.resize(kLongDatagramBytes - 20, 0x5A);
        DeliverAt(now + delay, socket, {IpDatagram(to, kLocalAddress, EchoReplyTo(reply), false), to});
        break;
      }
    }
  }
  m_strays.clear();
  IcmpHost* host = FindHost(to);
  if (host == nullptr) return;
  std::optional<DWORD> rtt = host->rtt;
  if (!host->script.empty()) {
    rtt = host->script.front();
    host->script.pop_front();
  }
  if (!rtt) return;
  DeliverAt(now + *rtt, socket, {IpDatagram(to, kLocalAddress, EchoReplyTo(message), host->ipOptions), to});
}

void IcmpNetwork::DeliverAt(VirtualTime at, int socket, ReceivedDatagram datagram) {
  if (at <= m_scheduler.Now()) {
    if (IsOpen(socket)) m_inboxes[socket].push_back(std::move(datagram));
    m_scheduler.Notify();
    return;
  }
  m_scheduler.ScheduleAt(at, [this, socket, datagram = std::move(datagram)]() mutable {
    if (IsOpen(socket)) m_inboxes[socket].push_back(std::move(datagram));
  });
}

bool IcmpNetwork::Readable(int socket) const {
  auto found = m_inboxes.find(socket);
  return found != m_inboxes.end() && !found->second.empty();
}

std::optional<ReceivedDatagram> IcmpNetwork::Take(int socket) {
  auto found = m_inboxes.find(socket);
  if (found == m_inboxes.end() || found->second.empty()) return std::nullopt;
  ReceivedDatagram datagram = std::move(found->second.front());
  found->second.pop_front();
  return datagram;
}

}  // namespace sim
