// The fastest-server choice over a run's samples, apart from any window:
// one server's slots and average, and which server beats which.
#pragma once

#include "framework/CString.h"
#include "platform/WinTypes.h"

constexpr int kRttSlots = 5;
constexpr int kNoValidSample = 9999;
// Requests sent to each server of the group; the header and the first four
// results take the slots.
constexpr UINT kFastestProbePings = 5;

// Average of the replies among the first nFilled slots, slot 0 (the
// header's) left out, time-outs too; kNoValidSample without any.
int AverageRtt(const int (&aRtt)[kRttSlots], int nFilled);
// Replies among the first nFilled slots, slot 0 left out.
int CountSamples(const int (&aRtt)[kRttSlots], int nFilled);
// Time-outs among them.
int CountLosses(const int (&aRtt)[kRttSlots], int nFilled);
// The slot value of a prober's message: the header's 0, a reply's round trip
// (0 to kMaxRoundTripMs, digits only) or -1 for a time-out; false for error
// texts and anything else, which take no slot.
bool SlotValue(WPARAM kind, const CString& strText, int& nValue);

// One server's probe: the header, replies and time-outs fill the slots in
// turn; results beyond them have no place and no part in the average.
class CProbeSamples {
 public:
  void Clear();
  void Take(WPARAM kind, const CString& strText);
  int Average() const { return AverageRtt(m_aRtt, m_nFilled); }
  int Samples() const { return CountSamples(m_aRtt, m_nFilled); }
  int Losses() const { return CountLosses(m_aRtt, m_nFilled); }
  bool Answered() const { return Samples() > 0; }

 private:
  int m_aRtt[kRttSlots] = {};
  int m_nFilled = 0;
};

// "3 samples, 1 lost, average 267 ms", or "no average" without a reply.
CString SamplesSummary(const CProbeSamples& samples);

// The fastest of a run's servers, weighed in their order (1 on).
class CFastestChoice {
 public:
  void Reset() { *this = CFastestChoice(); }
  void Weigh(int nServer, const CProbeSamples& samples);
  // 0 before any server was weighed.
  int Fastest() const { return m_nFastest; }

 private:
  bool Beats(bool bAnswered, int nAverage) const;

  int m_nFastest = 0;
  int m_nBestRtt = 0;
  bool m_bBestAnswered = false;
};

// The Line list holds the group's servers highest number first, so server m
// is entry count - m; -1 for no server or an entry the list does not hold.
int LineEntryOf(int nServer, int nEntries);
