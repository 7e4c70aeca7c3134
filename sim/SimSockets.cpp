#include "sim/SimSockets.h"

#include <algorithm>
#include <cstring>

#include "sim/Machine.h"

namespace sim {

namespace {

constexpr int kWsaNotSocket = 10038;
thread_local int t_lastError = 0;

int Fail(int error) {
  t_lastError = error;
  return plat::kSocketError;
}

int Id(const plat::RawSocket& socket) {
  return static_cast<int>(socket.Get());
}

}  // namespace

int SimSockets::Resolve(std::string_view host, std::vector<DWORD>& addresses) {
  auto lock = m_machine.Lock();
  return m_machine.Net().Resolve(host, addresses);
}

plat::RawSocket SimSockets::OpenIcmpSocket() {
  auto lock = m_machine.Lock();
  if (auto error = m_machine.Icmp().TakeFailure("socket")) {
    Fail(*error);
    return {};
  }
  return plat::RawSocket(this, static_cast<std::uintptr_t>(m_machine.Icmp().OpenSocket()));
}

int SimSockets::SendTo(const plat::RawSocket& socket, const BYTE* data, int length, DWORD address) {
  auto lock = m_machine.Lock();
  IcmpNetwork& icmp = m_machine.Icmp();
  if (!icmp.IsOpen(Id(socket))) return Fail(kWsaNotSocket);
  if (auto error = icmp.TakeFailure("sendto")) return Fail(*error);
  icmp.Send(Id(socket), std::span<const BYTE>(data, static_cast<size_t>(length)), address);
  return length;
}

int SimSockets::WaitReadable(const plat::RawSocket& socket, DWORD timeoutMs) {
  auto lock = m_machine.Lock();
  IcmpNetwork& icmp = m_machine.Icmp();
  int id = Id(socket);
  if (!icmp.IsOpen(id)) return Fail(kWsaNotSocket);
  if (auto error = icmp.TakeFailure("select")) return Fail(*error);
  bool readable = m_machine.Sched().Block(
      lock, [&] { return icmp.Readable(id); }, m_machine.Sched().Now() + timeoutMs);
  return readable ? 1 : 0;
}

int SimSockets::ReceiveFrom(const plat::RawSocket& socket, BYTE* buffer, int size, DWORD& fromAddress) {
  auto lock = m_machine.Lock();
  IcmpNetwork& icmp = m_machine.Icmp();
  int id = Id(socket);
  if (!icmp.IsOpen(id)) return Fail(kWsaNotSocket);
  if (auto error = icmp.TakeFailure("recvfrom")) return Fail(*error);
  m_machine.Sched().Block(lock, [&] { return icmp.Readable(id) || !icmp.IsOpen(id); });
  std::optional<ReceivedDatagram> datagram = icmp.Take(id);
  if (!datagram) return Fail(kWsaNotSocket);
  fromAddress = datagram->from;
  size_t copied = std::min(datagram->bytes.size(), static_cast<size_t>(std::max(size, 0)));
  std::memcpy(buffer, datagram->bytes.data(), copied);
  if (copied < datagram->bytes.size()) return Fail(plat::kWsaMessageSize);
  return static_cast<int>(copied);
}

int SimSockets::CloseSocket(plat::RawSocket& socket) {
  if (!socket) return Fail(kWsaNotSocket);
  int id = static_cast<int>(socket.Release());
  auto lock = m_machine.Lock();
  m_machine.Icmp().CloseSocket(id);
  if (auto error = m_machine.Icmp().TakeFailure("closesocket")) return Fail(*error);
  return 0;
}

int SimSockets::LastError() {
  return t_lastError;
}

void SimSockets::Discard(std::uintptr_t socket) {
  auto lock = m_machine.Lock();
  m_machine.Icmp().CloseSocket(static_cast<int>(socket));
}

}  // namespace sim
