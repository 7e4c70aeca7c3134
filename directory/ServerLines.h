// Texts of the server lists: list lines, list entries and the addresses
// taken back from them.
#pragma once

#include "framework/CString.h"

// The address store of the main window holds this many server-list entries.
constexpr int kMaxServerEntries = 100;

// A list line is cut to this many bytes, at a whole character.
constexpr int kMaxServerLineBytes = 512;

// The line cut to kMaxServerLineBytes without splitting a UTF-8 character.
CString CutServerLine(const CString& strLine);

struct CServerLine {
  CString strName;
  CString strAddr;
};

// "name=address": split at the first "="; without one the whole line is the
// name and the address is empty.
CServerLine SplitServerLine(const CString& strLine);

// A line or relay entry: name, 39 blanks, "|", address.
CString ComposeLineEntry(const CString& strName, const CString& strAddr);

// The text after the first "|", or the whole text without one.
CString AddressOfEntry(const CString& strEntry);
// The text before the first "|" without the blanks before it ("" without one).
CString NameOfEntry(const CString& strEntry);

// The server-select window's choice: the text after the first "=", or the
// whole text without one.
CString ChosenAddressOf(const CString& strLine);
// A choice is accepted when it has an "=" and five or more characters after it.
bool IsAcceptedChoice(const CString& strLine);
