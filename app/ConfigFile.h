// The settings file's lines: four-byte keys written directly before their values.
#pragma once

#include "connection/LoginFields.h"

// The four lines a save writes, each ended by "\n" (CR LF on disk in text mode).
CString ComposeConfig(const CLoginFields& values);

// Applies one loaded line (without its break): the first of "user", "pass",
// "mode", "l2tp" that starts the line wins; any other line changes nothing.
void ApplyConfigLine(const CString& strLine, CLoginFields& values);
