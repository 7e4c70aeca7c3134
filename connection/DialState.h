// The process-wide dial state shared by the commands, the monitor and the
// remote-access notifier thread.
#pragma once

#include <atomic>

#include "framework/CString.h"
#include "platform/WinTypes.h"

// The last progress or outcome text. Written by the notifier thread; the
// GUI thread reads it after it has seen g_dialDone set.
CString GetDialStatusText();
void SetDialStatusText(const CString& text);
// Puts the status text on one line (every line feed becomes ":") and returns it.
CString FlattenDialStatusText();

// 1 when a dial reached its outcome. The store publishes the text written
// before it (release), the load sees it (acquire).
extern std::atomic<int> g_dialDone;

extern HRASCONN g_mainConn;   // the main line (dial slot 0)
extern HRASCONN g_relayConn;  // the relay line
