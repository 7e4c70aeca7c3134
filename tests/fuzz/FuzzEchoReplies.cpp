// Datagrams read as echo replies: only a whole reply to our request counts.
#include <algorithm>

#include "probe/EchoRequest.h"
#include "tests/fuzz/FuzzTarget.h"

FUZZ_TARGET("EchoReplies") {
  const auto* datagram = reinterpret_cast<const BYTE*>(input.data());
  int length = static_cast<int>(std::min<size_t>(input.size(), 65535));
  DWORD sendTick = 0;
  if (!ReadEchoReply(datagram, length, CEchoRequest::Stamp{1, 1}, sendTick)) return;
  // A reply holds its IP header (as long as the header says) and the echo.
  FUZZ_CHECK(length >= 20);
  int headerLength = (datagram[0] & 0x0F) * 4;
  FUZZ_CHECK(headerLength >= 20 && length >= headerLength + 13);
  FUZZ_CHECK(datagram[headerLength] == 0 && datagram[headerLength + 1] == 0);
}
