#include "directory/ServerDirectory.h"

#include <algorithm>

#include "directory/ServerLines.h"
#include "resources/Texts.h"

int CServerDirectory::ReadPublishedVersion() {
  return static_cast<int>(m_files.GetProfileInt("System", "Ver", kDefaultPublishedVersion, m_strPath.View()));
}

std::vector<CString> CServerDirectory::ReadGroups() {
  std::vector<CString> groups;
  for (unsigned i = ReadCount("System", kMaxDirectoryEntries); i >= 1; --i)
    groups.push_back(ReadString("System", NumberedKey("Group", i), texts::zh::kNoServerList));
  return groups;
}

std::vector<CString> CServerDirectory::ReadRelayLines() {
  return ReadLineEntries("Transfer");
}

std::vector<CString> CServerDirectory::ReadGroupLines(const CString& strSection) {
  return ReadLineEntries(strSection);
}

std::vector<CString> CServerDirectory::ReadLineEntries(const CString& strSection) {
  std::vector<CString> entries;
  for (unsigned i = ReadCount(strSection, kMaxDirectoryEntries); i >= 1; --i) {
    CString strName = ReadString(strSection, NumberedKey("Server", i), texts::zh::kNoServerList);
    CString strAddr = ReadString(strSection, NumberedKey("IP", i), texts::zh::kNoServerList);
    entries.push_back(ComposeLineEntry(strName, strAddr));
  }
  return entries;
}

unsigned CServerDirectory::ReadCount(const CString& strSection, unsigned nDefault) {
  unsigned nCount =
      m_files.GetProfileInt(strSection.View(), "Count", static_cast<int>(nDefault), m_strPath.View());
  if (nCount > 0x7FFFFFFFu) return 0;  // a negative count
  return std::min(nCount, kMaxDirectoryEntries);
}

CString CServerDirectory::ReadString(const CString& strSection, const CString& strKey,
                                     const CString& strDefault) {
  std::string value;
  m_files.GetProfileString(strSection.View(), strKey.View(), strDefault.View(), value, kDirectoryValueBuffer,
                           m_strPath.View());
  return CString(std::move(value));
}

CString NumberedKey(const char* prefix, unsigned n) {
  CString strKey;
  strKey.Format("%s%u", prefix, n);
  return strKey;
}
