// The dial engine over the remote-access port.
#pragma once

#include "framework/CString.h"
#include "platform/WinTypes.h"

constexpr int kMainSlot = 0;
constexpr int kRelaySlot = 1;
constexpr const char* kDialSuccessText = "연결성공";
// Refusals with 756 retried under a fresh entry name before the refusal is
// reported like any other dial error.
constexpr int kMaxDialRefusals = 5;

// Starts a dial of one phonebook entry; slot 0 fills g_mainConn, any other
// slot g_relayConn. 0 when the outcome will arrive through OnDialProgress.
DWORD DialEntry(int slot, const CString& phonebookPath, const CString& entryName, const CString& phoneNumber,
                const CString& userName, const CString& password, const CString& domain);

// The remote-access notifier; runs on the service's thread.
void OnDialProgress(UINT message, DWORD state, DWORD error);

// The handle of the active connection whose entry name equals entryName
// exactly (case-sensitive), or null.
HRASCONN FindConnection(const CString& entryName);

// Hangs up and waits at most 10 s for the release. FALSE when refused.
BOOL HangUpConnection(HRASCONN conn);
BOOL HangUpEntry(const CString& entryName);

// The service's text for an error code.
CString RasErrorString(DWORD code);
