#include "probe/FastestChoice.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>

#include "probe/EchoRequest.h"
#include "probe/PingMessages.h"

int AverageRtt(const int (&aRtt)[kRttSlots], int nFilled) {
  long long nSum = 0;
  int nValid = 0;
  for (int i = 1; i < std::min(nFilled, kRttSlots); ++i) {
    if (aRtt[i] < 0) continue;
    nSum += aRtt[i];
    ++nValid;
  }
  return nValid == 0 ? kNoValidSample : static_cast<int>(nSum / nValid);
}

int CountSamples(const int (&aRtt)[kRttSlots], int nFilled) {
  int nEnd = std::clamp(nFilled, 1, kRttSlots);
  return static_cast<int>(std::count_if(aRtt + 1, aRtt + nEnd, [](int n) { return n >= 0; }));
}

int CountLosses(const int (&aRtt)[kRttSlots], int nFilled) {
  int nEnd = std::clamp(nFilled, 1, kRttSlots);
  return static_cast<int>(std::count_if(aRtt + 1, aRtt + nEnd, [](int n) { return n < 0; }));
}

bool SlotValue(WPARAM kind, const CString& strText, int& nValue) {
  switch (kind) {
    case kPingHeader:
      nValue = 0;
      return true;
    case kPingTimeout:
      nValue = -1;
      return true;
    case kPingReply: {
      const char* pszText = strText;
      char* pszEnd = nullptr;
      errno = 0;
      unsigned long nRtt = std::strtoul(pszText, &pszEnd, 10);
      if (!std::isdigit(static_cast<unsigned char>(pszText[0])) || *pszEnd != '\0' || errno != 0 ||
          nRtt > kMaxRoundTripMs)
        return false;
      nValue = static_cast<int>(nRtt);
      return true;
    }
    default:
      return false;
  }
}

void CProbeSamples::Clear() {
  std::fill(std::begin(m_aRtt), std::end(m_aRtt), 0);
  m_nFilled = 0;
}

void CProbeSamples::Take(WPARAM kind, const CString& strText) {
  int nValue = 0;
  if (m_nFilled < kRttSlots && SlotValue(kind, strText, nValue)) m_aRtt[m_nFilled++] = nValue;
}

CString SamplesSummary(const CProbeSamples& samples) {
  CString strAverage = "no average";
  if (samples.Answered()) strAverage.Format("average %d ms", samples.Average());
  int nSamples = samples.Samples();
  CString strSummary;
  strSummary.Format("%d sample%s, %d lost, %s", nSamples, nSamples == 1 ? "" : "s", samples.Losses(),
                    strAverage.GetString());
  return strSummary;
}

void CFastestChoice::Weigh(int nServer, const CProbeSamples& samples) {
  bool bAnswered = samples.Answered();
  int nAverage = samples.Average();
  if (!Beats(bAnswered, nAverage)) return;
  m_nFastest = nServer;
  m_nBestRtt = nAverage;
  m_bBestAnswered = bAnswered;
}

// The first server weighed is the fastest so far; after it, a server that
// answered beats one that never did, otherwise the lower average wins and a
// tie goes to the later server.
bool CFastestChoice::Beats(bool bAnswered, int nAverage) const {
  if (m_nFastest == 0) return true;
  if (bAnswered != m_bBestAnswered) return bAnswered;
  return nAverage <= m_nBestRtt;
}

int LineEntryOf(int nServer, int nEntries) {
  int nEntry = nEntries - nServer;
  return nServer > 0 && nEntry >= 0 && nEntry < nEntries ? nEntry : -1;
}
