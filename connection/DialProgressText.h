// The texts the dial engine shows for remote-access progress and errors.
#pragma once

#include "framework/CString.h"
#include "platform/WinTypes.h"

constexpr DWORD RASCS_Connected = 0x2000;
constexpr DWORD RASCS_Disconnected = 0x2001;

// The status text of a progress state; a state outside the table gives its number.
CString DialProgressText(DWORD state);

// "메시지：<code>\n" followed by the service's text for the code.
CString DialErrorText(DWORD code, const CString& serviceText);
