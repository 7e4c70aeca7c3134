#include "probe/EchoRequest.h"

namespace {

constexpr BYTE kEchoRequestType = 8;
constexpr BYTE kEchoReplyType = 0;
constexpr int kFillOffset = 13;
constexpr int kFillLength = 32;

void PutWord(BYTE* at, WORD value) {
  at[0] = static_cast<BYTE>(value & 0xFF);
  at[1] = static_cast<BYTE>(value >> 8);
}

WORD GetWord(const BYTE* at) {
  return static_cast<WORD>(at[0] | (at[1] << 8));
}

}  // namespace

WORD IcmpChecksum(const BYTE* bytes, size_t length) {
  DWORD sum = 0;
  size_t i = 0;
  for (; i + 1 < length; i += 2) sum += GetWord(bytes + i);
  if (i < length) sum += bytes[i];
  sum = (sum >> 16) + (sum & 0xFFFF);
  sum += sum >> 16;
  return static_cast<WORD>(~sum & 0xFFFF);
}

CEchoRequest::Stamp CEchoRequest::Fill(DWORD serial, DWORD tick, BYTE (&out)[kEchoRequestSize]) {
  BYTE* request = out;
  request[0] = kEchoRequestType;
  request[1] = 0;
  PutWord(request + 2, 0);
  Stamp stamp{static_cast<WORD>(serial), static_cast<WORD>(serial)};
  PutWord(request + 4, stamp.id);
  PutWord(request + 6, stamp.sequence);
  request[8] = 0;
  for (int i = 0; i < 4; ++i) request[9 + i] = static_cast<BYTE>(tick >> (8 * i));
  for (int i = 0; i < kFillLength; ++i) request[kFillOffset + i] = static_cast<BYTE>(0x20 + i);
  PutWord(request + 2, IcmpChecksum(request, kEchoRequestSize));
  return stamp;
}

DWORD EchoRoundTrip(DWORD dwNow, DWORD dwSent) {
  DWORD dwElapsed = dwNow - dwSent;
  return dwElapsed < kMaxRoundTripMs ? dwElapsed : kMaxRoundTripMs;
}

bool ReadEchoReply(const BYTE* datagram, int length, CEchoRequest::Stamp stamp, DWORD& sendTick) {
  if (length < 20 || (datagram[0] >> 4) != 4) return false;
  int headerLength = (datagram[0] & 0x0F) * 4;
  if (headerLength < 20 || length < headerLength + 13) return false;
  const BYTE* echo = datagram + headerLength;
  if (echo[0] != kEchoReplyType || echo[1] != 0) return false;
  if (GetWord(echo + 4) != stamp.id || GetWord(echo + 6) != stamp.sequence) return false;
  sendTick = echo[9] | (echo[10] << 8) | (echo[11] << 16) | (static_cast<DWORD>(echo[12]) << 24);
  return true;
}
