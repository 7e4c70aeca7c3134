// What the dial log says of a user name: enough for support to recognise the
// account and see typing faults, never the whole name.
#pragma once

#include <functional>
#include <string_view>

#include "framework/CString.h"

// "\"ki****l\" (7 characters)": the first two characters and the last of a
// name of six or more, the first of three to five, none of a shorter one,
// each other character as "*"; then a blank at either end and characters
// the code page cannot hold (canConvert tells, one character at a time).
CString UserNameNote(const CString& strUser, const std::function<bool(std::string_view)>& canConvert);
