// Port: sockets (raw ICMP, select, name resolution).
#pragma once

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/WinTypes.h"

namespace plat {

constexpr int kWsaHostNotFound = 11001;
constexpr int kWsaMessageSize = 10040;  // a datagram longer than the buffer
constexpr int kSocketError = -1;

class ISockets;

// Move-only owner of a socket; closes it through its port when dropped.
class RawSocket {
 public:
  RawSocket() = default;
  RawSocket(ISockets* owner, std::uintptr_t value) : m_owner(owner), m_value(value) {}
  RawSocket(const RawSocket&) = delete;
  RawSocket& operator=(const RawSocket&) = delete;
  RawSocket(RawSocket&& other) noexcept
      : m_owner(std::exchange(other.m_owner, nullptr)), m_value(std::exchange(other.m_value, 0)) {}
  RawSocket& operator=(RawSocket&& other) noexcept {
    if (this != &other) {
      Reset();
      m_owner = std::exchange(other.m_owner, nullptr);
      m_value = std::exchange(other.m_value, 0);
    }
    return *this;
  }
  ~RawSocket() { Reset(); }

  std::uintptr_t Get() const { return m_value; }
  explicit operator bool() const { return m_owner != nullptr; }
  // Gives the socket up without closing it (the caller closes it).
  std::uintptr_t Release() {
    m_owner = nullptr;
    return std::exchange(m_value, 0);
  }
  void Reset();

 private:
  ISockets* m_owner = nullptr;
  std::uintptr_t m_value = 0;
};

class ISockets {
 public:
  virtual ~ISockets() = default;
  // gethostbyname: a host name or a dotted IPv4 address. Fills the host's
  // addresses in the resolver's order, in network byte order. 0 on success,
  // else the socket layer's error code.
  virtual int Resolve(std::string_view host, std::vector<DWORD>& addresses) = 0;

  // socket(AF_INET, SOCK_RAW, IPPROTO_ICMP); an empty owner on failure.
  virtual RawSocket OpenIcmpSocket() = 0;
  // sendto the address (network byte order), port 0: bytes sent or kSocketError.
  virtual int SendTo(const RawSocket& socket, const BYTE* data, int length, DWORD address) = 0;
  // select for readability: kSocketError, 0 when nothing came within the
  // timeout, else the number of readable sockets.
  virtual int WaitReadable(const RawSocket& socket, DWORD timeoutMs) = 0;
  // recvfrom: one datagram (IPv4 header and ICMP message) into the buffer,
  // the sender's address in network byte order. The length, or kSocketError;
  // with kWsaMessageSize the buffer holds the datagram's first size bytes.
  virtual int ReceiveFrom(const RawSocket& socket, BYTE* buffer, int size, DWORD& fromAddress) = 0;
  // closesocket: 0 or kSocketError. The owner is empty afterwards either way.
  virtual int CloseSocket(RawSocket& socket) = 0;
  // WSAGetLastError of the calling thread.
  virtual int LastError() = 0;
  // The process's echo request counter: 1 for its first request, then 2,
  // 3, ...; it gives every request its identifier and sequence number.
  virtual DWORD TakeEchoSerial() = 0;

 protected:
  friend class RawSocket;
  // Closes a socket whose owner was dropped without CloseSocket.
  virtual void Discard(std::uintptr_t socket) = 0;
};

inline void RawSocket::Reset() {
  if (m_owner) std::exchange(m_owner, nullptr)->Discard(std::exchange(m_value, 0));
}

}  // namespace plat
