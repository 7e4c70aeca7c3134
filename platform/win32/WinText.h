// Text conversion at the Windows boundary: UTF-8 inside the program,
// UTF-16 for the W functions, the ANSI code page for files and RAS.
#pragma once

#include <string>
#include <string_view>

namespace win32 {

std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);
std::string AnsiToUtf8(std::string_view text);
std::string Utf8ToAnsi(std::string_view text);

// Copies text into a fixed UTF-16 field of size characters with a NUL,
// never splitting a surrogate pair.
void CopyToWideField(wchar_t* field, size_t size, std::string_view utf8);

}  // namespace win32
