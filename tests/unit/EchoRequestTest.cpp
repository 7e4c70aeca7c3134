// The echo request's bytes and the reading of replies.
#include <gtest/gtest.h>

#include <vector>

#include "probe/EchoRequest.h"
#include "sim/IcmpNetwork.h"

namespace {

WORD WordAt(const BYTE* bytes, int at) {
  return static_cast<WORD>(bytes[at] | (bytes[at + 1] << 8));
}

// The one's-complement sum of the 16-bit words, folded: 0xFFFF for a message
// whose checksum is right.
DWORD FoldedSum(const BYTE* bytes, int length) {
  DWORD sum = 0;
  for (int i = 0; i + 1 < length; i += 2) sum += WordAt(bytes, i);
  if (length % 2) sum += bytes[length - 1];
  while (sum >> 16) sum = (sum & 0xFFFF) + (sum >> 16);
  return sum;
}

TEST(EchoRequest, IdentifierAndSequenceAreTheSerialLowByteFirst) {
  BYTE first[kEchoRequestSize];
  BYTE later[kEchoRequestSize];
  CEchoRequest::Stamp a = CEchoRequest::Fill(1, 100, first);
  CEchoRequest::Stamp b = CEchoRequest::Fill(0x12345, 100, later);
  EXPECT_EQ(first[4], 1);  // low byte first
  EXPECT_EQ(first[5], 0);
  EXPECT_EQ(WordAt(first, 6), 1);
  EXPECT_EQ(a.id, 1);
  EXPECT_EQ(a.sequence, 1);
  // The low 16 bits of a 32-bit serial.
  EXPECT_EQ(WordAt(later, 4), 0x2345);
  EXPECT_EQ(WordAt(later, 6), 0x2345);
  EXPECT_EQ(b.id, 0x2345);
}

TEST(EchoRequest, LayoutHoldsTypeTickPadAndFill) {
  BYTE request[kEchoRequestSize];
  CEchoRequest::Fill(7, 0xA1B2C3D4, request);
  EXPECT_EQ(request[0], 8);
  EXPECT_EQ(request[1], 0);
  EXPECT_EQ(request[8], 0);
  EXPECT_EQ(request[9], 0xD4);
  EXPECT_EQ(request[10], 0xC3);
  EXPECT_EQ(request[11], 0xB2);
  EXPECT_EQ(request[12], 0xA1);
  for (int i = 0; i < 32; ++i) EXPECT_EQ(request[13 + i], 0x20 + i) << "fill byte " << i;
}

TEST(EchoRequest, ChecksumMakesTheSumOverAll45BytesFFFF) {
  BYTE request[kEchoRequestSize];
  // Ticks and serials with carries in every position, and the tick's wrap.
  DWORD serial = 1;
  for (DWORD tick : {0u, 1u, 0xFFFFu, 0x00FF00FFu, 0xFFFFFFFFu, 0x80000000u}) {
    CEchoRequest::Fill(serial, tick, request);
    serial = serial * 37 + 0xFFFF;
    EXPECT_EQ(FoldedSum(request, kEchoRequestSize), 0xFFFFu) << "tick " << tick;
    EXPECT_EQ(IcmpChecksum(request, kEchoRequestSize), 0) << "tick " << tick;
  }
}

// Counted from our own send tick across the counter's wrap, at most 60000 ms.
TEST(EchoRequest, RoundTripIsBoundedTo60000Ms) {
  EXPECT_EQ(EchoRoundTrip(100059999, 100000000), 59999u);
  EXPECT_EQ(EchoRoundTrip(100060000, 100000000), 60000u);
  EXPECT_EQ(EchoRoundTrip(100060001, 100000000), 60000u);
  EXPECT_EQ(EchoRoundTrip(5, 0xFFFFFFFB), 10u);
}

class EchoReplyReading : public ::testing::Test {
 protected:
  void SetUp() override { m_stamp = CEchoRequest::Fill(3, 5000, m_request); }
  std::vector<BYTE> Reply(BYTE type, bool withOptions, WORD idDelta = 0, WORD sequenceDelta = 0) {
    std::vector<BYTE> message(m_request, m_request + kEchoRequestSize);
    message[0] = type;
    message[4] = static_cast<BYTE>(message[4] + idDelta);
    message[6] = static_cast<BYTE>(message[6] + sequenceDelta);
    return sim::IpDatagram(0x0100000A, sim::kLocalAddress, message, withOptions);
  }

  BYTE m_request[kEchoRequestSize];
  CEchoRequest::Stamp m_stamp{};
};

TEST_F(EchoReplyReading, OurReplyGivesTheEchoedTickWithOrWithoutIpOptions) {
  for (bool options : {false, true}) {
    std::vector<BYTE> reply = Reply(0, options);
    DWORD tick = 0;
    ASSERT_TRUE(ReadEchoReply(reply.data(), static_cast<int>(reply.size()), m_stamp, tick)) << options;
    EXPECT_EQ(tick, 5000u);
  }
}

TEST_F(EchoReplyReading, OtherTypesOtherIdentifiersOrSequencesAndShortDatagramsAreNotOurs) {
  DWORD tick = 0;
  std::vector<BYTE> request = Reply(8, false);
  EXPECT_FALSE(ReadEchoReply(request.data(), static_cast<int>(request.size()), m_stamp, tick));
  std::vector<BYTE> error = Reply(3, false);
  EXPECT_FALSE(ReadEchoReply(error.data(), static_cast<int>(error.size()), m_stamp, tick));
  std::vector<BYTE> foreign = Reply(0, false, 7);
  EXPECT_FALSE(ReadEchoReply(foreign.data(), static_cast<int>(foreign.size()), m_stamp, tick));
  std::vector<BYTE> otherSequence = Reply(0, false, 0, 1);
  EXPECT_FALSE(ReadEchoReply(otherSequence.data(), static_cast<int>(otherSequence.size()), m_stamp, tick));
  // The whole send tick must be there: 24 header bytes and 13 of the echo.
  std::vector<BYTE> reply = Reply(0, true);
  EXPECT_TRUE(ReadEchoReply(reply.data(), 37, m_stamp, tick));
  EXPECT_FALSE(ReadEchoReply(reply.data(), 36, m_stamp, tick));
  reply[0] = 0x44;  // a header length below the minimum
  EXPECT_FALSE(ReadEchoReply(reply.data(), static_cast<int>(reply.size()), m_stamp, tick));
}

}  // namespace
