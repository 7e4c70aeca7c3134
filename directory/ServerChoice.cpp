#include "directory/ServerChoice.h"

#include <algorithm>

int RandomPickIndex(int nSelection, int nRandomValue) {
  int nCandidates = std::min(nSelection, kRandomPickSpan);
  if (nCandidates <= 0) return -1;
  return nSelection - 1 - (nRandomValue % nCandidates);
}
