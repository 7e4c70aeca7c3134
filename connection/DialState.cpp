#include "connection/DialState.h"

#include <mutex>

namespace {
std::mutex g_dialStatusLock;
CString g_dialStatusText;
}  // namespace

std::atomic<int> g_dialDone{0};
HRASCONN g_mainConn = nullptr;
HRASCONN g_relayConn = nullptr;

CString GetDialStatusText() {
  std::lock_guard guard(g_dialStatusLock);
  return g_dialStatusText;
}

void SetDialStatusText(const CString& text) {
  std::lock_guard guard(g_dialStatusLock);
  g_dialStatusText = text;
}

CString FlattenDialStatusText() {
  std::lock_guard guard(g_dialStatusLock);
  std::string text = g_dialStatusText.Str();
  for (char& ch : text)
    if (ch == '\n') ch = ':';
  g_dialStatusText = text;
  return g_dialStatusText;
}
