// The moving mark that shows a probe is running: a position that swings
// between 0 and 100 in steps of 20, turned back 5 inside each bound. Shown
// on a thin progress bar.
#pragma once

class CBusyIndicator {
 public:
  static constexpr int kLow = 0;
  static constexpr int kHigh = 100;

  void Reset() {
    m_nPos = kLow;
    m_nStep = kStep;
  }
  void Step() {
    m_nPos += m_nStep;
    if (m_nPos > kHigh) {
      m_nStep = -kStep;
      m_nPos = kHigh - 5;
    }
    if (m_nPos < kLow) {
      m_nStep = kStep;
      m_nPos = kLow + 5;
    }
  }
  int Pos() const { return m_nPos; }

 private:
  static constexpr int kStep = 20;
  int m_nPos = kLow;
  int m_nStep = kStep;
};
