#include "directory/ServerList.h"

#include "directory/ServerChoice.h"
#include "framework/CStdioFile.h"
#include "log/DownloadLine.h"
#include "resources/Endpoints.h"

namespace {
constexpr int kMinAddressLength = 4;

bool IsDialable(const CString& strAddress) {
  return strAddress.GetLength() >= kMinAddressLength && strAddress.Find(kRandomPickMarker) < 0;
}

}  // namespace

bool CServerList::DownloadServerList() {
  if (m_strListPath.IsEmpty()) {
    m_log.Write("download: the server list has no place, the data folder cannot be had");
    return false;
  }
  CString strUrl = endpoints::DirectoryUrl(endpoints::kServerListPath);
  plat::DownloadReport report;
  LONG nResult = m_download.DownloadToFile(strUrl.View(), m_strListPath.View(), report);
  m_log.Write(DownloadLine(strUrl.View(), m_strListPath.View(), nResult, report));
  return nResult == plat::kDownloadOk;
}

std::vector<CString> CServerList::LoadServerList() {
  std::vector<CString> names;
  CStdioFile file(m_files);
  if (m_strListPath.IsEmpty() || !file.Open(m_strListPath, CFile::modeReadWrite | CFile::modeCreate |
                                                               CFile::modeNoTruncate | CFile::typeText))
    return names;
  CString strLine;
  // The address store bounds the list: lines past it are dropped.
  while (names.size() < static_cast<size_t>(kMaxServerEntries) && file.ReadString(strLine)) {
    CServerLine line = SplitServerLine(CutServerLine(strLine));
    m_aServerAddr[names.size()] = line.strAddr;
    m_aServerName[names.size()] = line.strName;
    names.push_back(line.strName);
  }
  file.Close();
  m_log.Printf("server list: %d entr%s in \"%s\"", static_cast<int>(names.size()),
               names.size() == 1 ? "y" : "ies", m_strListPath.GetString());
  return names;
}

bool CServerList::ChooseServerAddress(int nSel, CString& strAddress) {
  if (nSel < 0 || nSel >= kMaxServerEntries || m_aServerAddr[nSel].GetLength() < kMinAddressLength)
    return false;
  strAddress = m_aServerAddr[nSel];
  m_strChosenName = m_aServerName[nSel];
  if (strAddress.Find(kRandomPickMarker) < 0) return true;
  // A pick that lands on another marker (or an address too short to dial)
  // takes the nearest dialable entry before it.
  int nPick = RandomPickIndex(nSel, m_system.Random());
  while (nPick >= 0 && !IsDialable(m_aServerAddr[nPick])) --nPick;
  if (nPick < 0) return false;
  strAddress = m_aServerAddr[nPick];
  m_strChosenName = m_aServerName[nPick];
  return true;
}
