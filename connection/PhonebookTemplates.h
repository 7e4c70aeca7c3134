// The two phonebook entry templates, each kept as two string resources.
#pragma once

#include "framework/CString.h"

enum class PhonebookTemplate {
  P,  // point-to-point tunnelling first (strings 102, 103)
  L,  // L2TP only (strings 32774, 32775)
};

// The full template: its first string, a line feed, its second string.
CString LoadPhonebookTemplate(PhonebookTemplate tmpl);
