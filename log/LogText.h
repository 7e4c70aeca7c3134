// How a line of the dial log is made: its time stamp, and its text made safe
// to read (no secrets, no line breaks, no characters that move the text).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/System.h"

// "2024-01-01 09:00:00.000 +09:00 [4096] ": the local time to the
// millisecond, its offset from UTC and the tick count.
std::string LogStamp(const plat::LocalTime& time, DWORD tick);

// The text with every secret replaced by "********" (by "########", or
// another mark, where a secret holds "*"); with secrets that hold every
// mark, a text that holds one is left out.
std::string ConcealSecrets(std::string text, const std::vector<std::string>& secrets);

// The text as one line of valid UTF-8 of at most maxBytes bytes (then
// ending "..."): control characters, bytes that are not UTF-8, and the
// characters that reorder or break lines are written as \r, \n, \t, \xNN
// or \uNNNN.
std::string LogSafeText(std::string_view text, size_t maxBytes);
