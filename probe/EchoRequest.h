// ICMP echo requests: the 45-byte request, its checksum, and the reading of
// a reply.
#pragma once

#include <cstddef>

#include "platform/WinTypes.h"

constexpr int kEchoRequestSize = 45;
constexpr int kEchoReplyBufferSize = 321;  // 20-byte IPv4 header, the echo, 256 more

// RFC 1071 checksum of the bytes, stored as the words were read.
WORD IcmpChecksum(const BYTE* bytes, size_t length);

// The echo request. Its identifier and sequence number are both the low 16
// bits of the request's serial, which the sockets port counts for the whole
// process (TakeEchoSerial), so they go on across probes and across the
// windows' workers.
class CEchoRequest {
 public:
  struct Stamp {
    WORD id;
    WORD sequence;
  };

  // Fills the request with this serial, sent at tick, into out.
  static Stamp Fill(DWORD serial, DWORD tick, BYTE (&out)[kEchoRequestSize]);
};

// Longest round trip a reply can report, in ms.
constexpr DWORD kMaxRoundTripMs = 60000;

// The round trip of a reply that arrived at tick dwNow to the request sent
// at dwSent, counted from our own send tick (a reply's tick may be forged);
// a 32-bit difference, so a wrap of the counter does no harm; never above
// kMaxRoundTripMs.
DWORD EchoRoundTrip(DWORD dwNow, DWORD dwSent);

// The echoed send tick when the datagram (IPv4 header and ICMP message) is
// the echo reply to the request stamped so; false for anything else.
bool ReadEchoReply(const BYTE* datagram, int length, CEchoRequest::Stamp stamp, DWORD& sendTick);
