// Text blocks handed from a worker to a window with WM_PING_RESULT. The
// receiver takes each block back here, which frees it; blocks whose message
// was never received (the window went away with it queued) are freed when
// the ledger goes, so every block is freed exactly once.
#pragma once

#include <memory>
#include <mutex>
#include <set>
#include <string_view>

#include "framework/CString.h"
#include "platform/WinTypes.h"

class CPingTexts {
 public:
  CPingTexts() = default;
  CPingTexts(const CPingTexts&) = delete;
  CPingTexts& operator=(const CPingTexts&) = delete;
  ~CPingTexts();

  // A new zero-terminated block of (length + 1) bytes holding text.
  LPARAM Allocate(std::string_view text);
  // Frees a block whose message could not be posted.
  void Discard(LPARAM block);
  // The block's text, freeing it; an empty text for a block not handed out here.
  CString Take(LPARAM block);
  int Outstanding();

 private:
  std::unique_ptr<char[]> Remove(LPARAM block);

  std::mutex m_lock;
  std::set<char*> m_blocks;
};
