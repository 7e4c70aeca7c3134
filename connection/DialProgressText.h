// The texts the dial engine shows for remote-access progress and errors.
#pragma once

#include "framework/CString.h"
#include "platform/WinTypes.h"

// The status text of a progress state; a state outside the table gives its number.
CString DialProgressText(DWORD state);

// "메시지：<code>\n" followed by the service's text for the code.
CString DialErrorText(DWORD code, const CString& serviceText);
