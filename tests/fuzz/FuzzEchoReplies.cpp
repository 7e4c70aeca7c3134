// Datagrams read as echo replies: only a whole reply to our request counts,
// and whatever tick a reply carries, the round trip it gives is a sample the
// fastest-server choice can average without overflow.
#include <algorithm>
#include <cstring>

#include "probe/EchoRequest.h"
#include "probe/FastestChoice.h"
#include "probe/PingMessages.h"
#include "tests/fuzz/FuzzTarget.h"

namespace {

DWORD TakeDword(std::string_view& input) {
  DWORD value = 0;
  size_t n = std::min<size_t>(input.size(), sizeof(value));
  std::memcpy(&value, input.data(), n);
  input.remove_prefix(n);
  return value;
}

}  // namespace

// Input: the tick of arrival, our own send tick, then the datagram, whose
// echoed tick may be forged.
FUZZ_TARGET("EchoReplies") {
  DWORD now = TakeDword(input);
  DWORD sent = TakeDword(input);
  const auto* datagram = reinterpret_cast<const BYTE*>(input.data());
  int length = static_cast<int>(std::min<size_t>(input.size(), 65535));
  DWORD echoedTick = 0;
  if (!ReadEchoReply(datagram, length, CEchoRequest::Stamp{1, 1}, echoedTick)) return;
  // A reply holds its IP header (as long as the header says) and the echo.
  FUZZ_CHECK(length >= 20);
  int headerLength = (datagram[0] & 0x0F) * 4;
  FUZZ_CHECK(headerLength >= 20 && length >= headerLength + 13);
  FUZZ_CHECK(datagram[headerLength] == 0 && datagram[headerLength + 1] == 0);

  DWORD rtt = EchoRoundTrip(now, sent);
  FUZZ_CHECK(rtt <= kMaxRoundTripMs);
  FUZZ_CHECK(rtt == now - sent || rtt == kMaxRoundTripMs);
  // The reply's text as the prober posts it, read back as a sample.
  CString strRtt;
  strRtt.Format("%ld", static_cast<long>(rtt));
  int aRtt[kRttSlots] = {};
  for (int i = 1; i < kRttSlots; ++i) FUZZ_CHECK(SlotValue(kPingReply, strRtt, aRtt[i]));
  FUZZ_CHECK(AverageRtt(aRtt, kRttSlots) == static_cast<int>(rtt));
  // The echoed tick read as the old way did, now - echoed, is no sample
  // unless it is a plausible time.
  CString strEchoed;
  strEchoed.Format("%ld", static_cast<long>(static_cast<int>(now - echoedTick)));
  int nEchoed = 0;
  if (SlotValue(kPingReply, strEchoed, nEchoed)) FUZZ_CHECK(nEchoed >= 0 && nEchoed <= 60000);
}
