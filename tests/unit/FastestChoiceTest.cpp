// The fastest-server choice over samples: the slots a probe's results take,
// the average, which server beats which, and the Line entry it selects.
#include <gtest/gtest.h>

#include <climits>
#include <initializer_list>

#include "probe/FastestChoice.h"
#include "probe/PingMessages.h"

namespace {

struct Result {
  WPARAM kind;
  const char* text;
};

CProbeSamples Probe(std::initializer_list<Result> results) {
  CProbeSamples samples;
  for (const Result& r : results) samples.Take(r.kind, r.text);
  return samples;
}

// A probe's samples: its header then one reply per round trip, -1 a time-out.
CProbeSamples Replies(std::initializer_list<int> rtts) {
  CProbeSamples samples;
  samples.Take(kPingHeader, "header");
  for (int n : rtts)
    samples.Take(n < 0 ? kPingTimeout : kPingReply, n < 0 ? "-1" : std::to_string(n).c_str());
  return samples;
}

TEST(FastestServerSlots, ErrorTextsAndAbsurdTimesGiveNoValue) {
  int n = 7;
  EXPECT_TRUE(SlotValue(kPingReply, "0", n));
  EXPECT_EQ(n, 0);
  EXPECT_TRUE(SlotValue(kPingReply, "60000", n));
  EXPECT_EQ(n, 60000);
  for (const char* text : {"Host not found: x", "0", "socket() - WSAError: 10013"})
    EXPECT_FALSE(SlotValue(kPingError, text, n)) << text;
  for (const char* text : {"", "-16", "60001", "2147483632", "99999999999999999999", "12ms", " 5", "+5"})
    EXPECT_FALSE(SlotValue(kPingReply, text, n)) << text;
  EXPECT_FALSE(SlotValue(7, "5", n));
}

TEST(FastestServerAverage, OnlyFilledSlotsCountTimeoutsAreLeftOutAndNoSampleScores9999) {
  EXPECT_EQ(AverageRtt({0, -1, 100, -1, -1}, 5), 100);
  EXPECT_EQ(AverageRtt({0, 10, 11, 11, 11}, 5), 10);  // truncating
  EXPECT_EQ(AverageRtt({0, -1, -1, -1, -1}, 5), kNoValidSample);
  EXPECT_EQ(AverageRtt({500, 1, 1, 1, 1}, 5), 1);  // slot 0 is the header's
  EXPECT_EQ(AverageRtt({0, 30, 0, 0, 0}, 2), 30);  // slots never filled are no samples
  EXPECT_EQ(AverageRtt({0, 0, 0, 0, 0}, 0), kNoValidSample);
  EXPECT_EQ(AverageRtt({0, INT_MAX, INT_MAX, INT_MAX, INT_MAX}, 5), INT_MAX);
  EXPECT_EQ(CountSamples({0, -1, 0, -1, 3}, 5), 2);
  EXPECT_EQ(CountSamples({0, 0, 0, 0, 0}, 1), 0);
}

TEST(FastestServerSamples, TheHeaderAndFourResultsFillTheSlotsErrorsTakeNone) {
  CProbeSamples samples = Probe({{kPingError, "Host not found: x"},
                                 {kPingHeader, "header"},
                                 {kPingReply, "40"},
                                 {kPingError, "recvfrom() - WSAError: 10054"},
                                 {kPingTimeout, "-1"},
                                 {kPingReply, "20"},
                                 {kPingReply, "0"},
                                 {kPingReply, "1"}});  // a fifth result has no slot
  EXPECT_EQ(samples.Samples(), 3);
  EXPECT_EQ(samples.Losses(), 1);
  EXPECT_EQ(samples.Average(), 20);
  EXPECT_EQ(SamplesSummary(samples), "3 samples, 1 lost, average 20 ms");
  EXPECT_EQ(SamplesSummary(Replies({7, -1, -1, -1})), "1 sample, 3 lost, average 7 ms");
  EXPECT_EQ(SamplesSummary(Replies({-1, -1, -1, -1})), "0 samples, 4 lost, no average");
  EXPECT_EQ(SamplesSummary(Replies({0})), "1 sample, 0 lost, average 0 ms");
  samples.Clear();
  EXPECT_EQ(SamplesSummary(samples), "0 samples, 0 lost, no average");
}

int FastestOf(std::initializer_list<CProbeSamples> servers) {
  CFastestChoice choice;
  int nServer = 0;
  for (const CProbeSamples& samples : servers) choice.Weigh(++nServer, samples);
  return choice.Fastest();
}

TEST(FastestServerChoice, AnAnsweringServerBeatsASilentOneThenTheLowerAverageWinsATieTheLater) {
  EXPECT_EQ(FastestOf({}), 0);
  EXPECT_EQ(FastestOf({Replies({-1, -1, -1, -1})}), 1);
  EXPECT_EQ(FastestOf({Replies({50}), Replies({40}), Replies({45})}), 2);
  EXPECT_EQ(FastestOf({Replies({40}), Replies({40, 41, 39, 40})}), 2);
  EXPECT_EQ(FastestOf({Replies({-1, -1}), Replies({900}), Replies({-1})}), 2);
  EXPECT_EQ(FastestOf({Replies({900}), Replies({-1, -1, -1, -1})}), 1);
  EXPECT_EQ(FastestOf({Replies({-1}), Replies({-1}), Replies({})}), 3);
  EXPECT_EQ(FastestOf({Replies({0, -1}), Replies({-1, -1})}), 1);  // 0 ms is an answer
  EXPECT_EQ(FastestOf({Replies({100, -1, -1, -1}), Replies({101}), Replies({100})}), 3);
  CFastestChoice choice;
  choice.Weigh(1, Replies({5}));
  choice.Reset();
  choice.Weigh(1, Replies({-1}));
  choice.Weigh(2, Replies({9}));
  EXPECT_EQ(choice.Fastest(), 2);
}

TEST(FastestServerChoice, ServerMIsLineEntryCountMinusM) {
  EXPECT_EQ(LineEntryOf(1, 3), 2);
  EXPECT_EQ(LineEntryOf(3, 3), 0);
  EXPECT_EQ(LineEntryOf(1, 1), 0);
  EXPECT_EQ(LineEntryOf(0, 3), -1);
  EXPECT_EQ(LineEntryOf(4, 3), -1);
  EXPECT_EQ(LineEntryOf(1, 0), -1);
}

}  // namespace
