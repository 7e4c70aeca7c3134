// The dialer's own window messages and timer ids, each defined once.
#pragma once

#include "platform/WinConstants.h"

// The tray icon's notifications to the main window.
constexpr UINT WM_TRAY_NOTIFY = WM_USER + 100;
// A probe's results: wParam a PingKind, lParam a text block.
constexpr UINT WM_PING_RESULT = WM_USER + 256;
// A probe's end: lParam 1 ran its requests, 0 could not start.
constexpr UINT WM_PING_DONE = WM_USER + 257;

// Timers of the main window: the lines' monitors and the probing indicator.
constexpr UINT_PTR kMainLineMonitorTimer = 1;
constexpr UINT_PTR kRelayLineMonitorTimer = 12;
constexpr UINT_PTR kProbeTickTimer = 4099;
// Timers of the speed-test window: the first probe's start, the indicator.
constexpr UINT_PTR kPingStartTimer = 2;
constexpr UINT_PTR kPingTickTimer = 4097;
