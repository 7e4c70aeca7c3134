// Choosing a group fills the line list with its servers.
#include "app/MainDlg.h"
#include "directory/ServerDirectory.h"
#include "directory/ServerLines.h"

void CMainDlg::OnGroupChange() {
  UpdateData(TRUE);
  CString strSection = m_comboGroup.GetWindowText(kDirectoryValueBuffer - 1);
  FillLineList(strSection);
  UpdateData(FALSE);
}

void CMainDlg::FillLineList(const CString& strSection) {
  for (int i = m_comboLine.GetCount() - 1; i >= 0; --i) m_comboLine.DeleteString(i);

  CString strPath = m_strSysDir + kDirectoryFileName;
  unsigned nCount = ReadDirectoryCount(strPath, strSection, kMaxDirectoryEntries);
  for (unsigned m = nCount; m >= 1; --m) {
    CString strName = ReadDirectoryString(strPath, strSection, NumberedKey("Server", m), kNoServerList);
    CString strAddr = ReadDirectoryString(strPath, strSection, NumberedKey("IP", m), kNoServerList);
    m_comboLine.AddString(ComposeLineEntry(strName, strAddr));
  }
  if (m_comboLine.GetCount() > 0) m_comboLine.SetCurSel(0);
}
