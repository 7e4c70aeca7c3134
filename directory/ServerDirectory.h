// Reads of the server directory "Server.ini" through the profile calls.
#pragma once

#include "framework/CString.h"

constexpr const char* kDirectoryFileName = "Server.ini";
constexpr const char* kNoServerList = "无法获取服务器列表";
constexpr int kDirectoryValueBuffer = 256;
// A list never receives more entries than this, whatever Count says; it is
// also the count a missing directory stands for.
constexpr unsigned kMaxDirectoryEntries = 256;

// Count-style integer of a section; a missing key gives nDefault. The result
// is bounded by kMaxDirectoryEntries.
unsigned ReadDirectoryCount(const CString& strPath, const CString& strSection, unsigned nDefault);
// An integer value as the profile call gives it (missing: nDefault).
unsigned ReadDirectoryInt(const CString& strPath, const CString& strSection, const CString& strKey,
                          int nDefault);
// A value cut to the 256-byte buffer; a missing key gives strDefault.
CString ReadDirectoryString(const CString& strPath, const CString& strSection, const CString& strKey,
                            const CString& strDefault);
// "<prefix><n>", as the numbered keys are named.
CString NumberedKey(const char* prefix, unsigned n);
