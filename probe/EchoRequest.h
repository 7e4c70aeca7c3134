// ICMP echo requests: the 45-byte request, its checksum, and the reading of
// a reply.
#pragma once

#include <cstddef>
#include <mutex>

#include "platform/WinTypes.h"

constexpr int kEchoRequestSize = 45;
constexpr int kEchoReplyBufferSize = 321;  // 20-byte IPv4 header, the echo, 256 more

// RFC 1071 checksum of the bytes, stored as the words were read.
WORD IcmpChecksum(const BYTE* bytes, size_t length);

// The request buffer and the identifier and sequence counters. One of them
// serves the whole process (Process()), so identifiers continue across
// probes and across the windows' workers; both counters start at 1.
class CEchoRequest {
 public:
  struct Stamp {
    WORD id;
    WORD sequence;
  };

  static CEchoRequest& Process();

  // Fills the next request, sent at tick, into out and returns its
  // identifier and sequence number.
  Stamp Fill(DWORD tick, BYTE (&out)[kEchoRequestSize]);

 private:
  std::mutex m_lock;
  BYTE m_buffer[kEchoRequestSize] = {};
  DWORD m_nIdentifier = 1;
  DWORD m_nSequence = 1;
};

// The echoed send tick when the datagram (IPv4 header and ICMP message) is
// the echo reply to the request stamped so; false for anything else.
bool ReadEchoReply(const BYTE* datagram, int length, CEchoRequest::Stamp stamp, DWORD& sendTick);
