// The group and relay lists, filled from the server directory at start.
#include "app/MainDlg.h"
#include "directory/ServerDirectory.h"
#include "directory/ServerLines.h"
#include "update/Updater.h"

void CMainDlg::LoadDirectoryLists() {
  CString strPath = m_strSysDir + kDirectoryFileName;

  unsigned nGroups = ReadDirectoryCount(strPath, "System", kMaxDirectoryEntries);
  int nPublished = static_cast<int>(ReadDirectoryInt(strPath, "System", "Ver", 100));
  CheckPublishedVersion(nPublished);

  for (unsigned i = nGroups; i >= 1; --i)
    m_comboGroup.AddString(ReadDirectoryString(strPath, "System", NumberedKey("Group", i), kNoServerList));

  unsigned nRelays = ReadDirectoryCount(strPath, "Transfer", kMaxDirectoryEntries);
  for (unsigned i = nRelays; i >= 1; --i) {
    CString strName = ReadDirectoryString(strPath, "Transfer", NumberedKey("Server", i), kNoServerList);
    CString strAddr = ReadDirectoryString(strPath, "Transfer", NumberedKey("IP", i), kNoServerList);
    m_comboRelay.AddString(ComposeLineEntry(strName, strAddr));
  }
}
