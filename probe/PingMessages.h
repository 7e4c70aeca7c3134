// The messages a probe posts to its target window.
#pragma once

#include "resources/Messages.h"

enum PingKind : WPARAM {
  kPingError = 0,
  kPingHeader = 1,
  kPingReply = 2,
  kPingTimeout = 3,
};

constexpr const char* kPingTimeoutText = "-1";
