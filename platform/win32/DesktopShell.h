// Opening a file through the desktop shell's own process (the shell's
// ShellExecute on its desktop window): what starts runs at the signed-in
// user's level, whatever the caller's.
#pragma once

#include <string>

namespace win32 {

// False when the desktop shell offers no such way (no shell windows, no
// desktop view, or its call fails); COM must be initialised on the thread.
bool OpenThroughDesktopShell(const std::wstring& file, int showCommand);

}  // namespace win32
