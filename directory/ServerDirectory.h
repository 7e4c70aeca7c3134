// The server directory "Server.ini" in the system folder: groups, their
// servers, relay lines and the published version.
#pragma once

#include <vector>

#include "framework/CString.h"
#include "platform/Files.h"

constexpr const char* kDirectoryFileName = "Server.ini";
constexpr int kDirectoryValueBuffer = 256;
// A list never receives more entries than this, whatever Count says; it is
// also the count a missing directory stands for.
constexpr unsigned kMaxDirectoryEntries = 256;
// The version a directory without "Ver" publishes.
constexpr int kDefaultPublishedVersion = 100;

class CServerDirectory {
 public:
  CServerDirectory(plat::IFiles& files, const CString& strSysDir)
      : m_files(files), m_strPath(strSysDir + kDirectoryFileName) {}

  int ReadPublishedVersion();
  // [System] GroupN down to Group1.
  std::vector<CString> ReadGroups();
  // [Transfer] relay lines as list entries, highest number first.
  std::vector<CString> ReadRelayLines();
  // A group's servers as list entries, highest number first.
  std::vector<CString> ReadGroupLines(const CString& strSection);

  // Count-style integer of a section; a missing key gives nDefault. A count
  // over 2^31 is negative and gives 0; the result is bounded by
  // kMaxDirectoryEntries.
  unsigned ReadCount(const CString& strSection, unsigned nDefault);
  // A value cut to the 256-byte buffer; a missing key gives strDefault.
  CString ReadString(const CString& strSection, const CString& strKey, const CString& strDefault);

 private:
  std::vector<CString> ReadLineEntries(const CString& strSection);

  plat::IFiles& m_files;
  CString m_strPath;
};

// "<prefix><n>", as the numbered keys are named.
CString NumberedKey(const char* prefix, unsigned n);
