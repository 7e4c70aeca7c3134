// The messages a probe posts to its target window.
#pragma once

#include "platform/WinConstants.h"

constexpr UINT WM_PING_RESULT = WM_USER + 256;  // wParam: PingKind; lParam: text block
constexpr UINT WM_PING_DONE = WM_USER + 257;    // lParam: 1 ran its requests, 0 could not start

enum PingKind : WPARAM {
  kPingError = 0,
  kPingHeader = 1,
  kPingReply = 2,
  kPingTimeout = 3,
};

constexpr const char* kPingHeaderText = "服务器返回：";
constexpr const char* kPingTimeoutText = "-1";
