#include "directory/ServerDirectory.h"

#include <algorithm>

#include "platform/Ports.h"

unsigned ReadDirectoryInt(const CString& strPath, const CString& strSection, const CString& strKey,
                          int nDefault) {
  return plat::Current().files->GetProfileInt(strSection.View(), strKey.View(), nDefault, strPath.View());
}

unsigned ReadDirectoryCount(const CString& strPath, const CString& strSection, unsigned nDefault) {
  unsigned nCount = ReadDirectoryInt(strPath, strSection, "Count", static_cast<int>(nDefault));
  if (nCount > 0x7FFFFFFFu) return 0;  // a negative count
  return std::min(nCount, kMaxDirectoryEntries);
}

CString ReadDirectoryString(const CString& strPath, const CString& strSection, const CString& strKey,
                            const CString& strDefault) {
  std::string value;
  plat::Current().files->GetProfileString(strSection.View(), strKey.View(), strDefault.View(), value,
                                          kDirectoryValueBuffer, strPath.View());
  return CString(std::move(value));
}

CString NumberedKey(const char* prefix, unsigned n) {
  CString strKey;
  strKey.Format("%s%u", prefix, n);
  return strKey;
}
