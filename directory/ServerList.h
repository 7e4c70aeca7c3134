// The downloaded server list: its entries' addresses and the choice of the
// address a Connect press dials.
#pragma once

#include <vector>

#include "directory/ServerLines.h"
#include "framework/CString.h"
#include "log/Log.h"
#include "platform/Download.h"
#include "platform/Files.h"
#include "platform/System.h"

class CServerList {
 public:
  // strListPath: the list file's absolute path (empty: there is no place for it).
  CServerList(plat::IDownload& download, plat::ISystem& system, plat::IFiles& files, ILog& log,
              const CString& strListPath)
      : m_download(download), m_system(system), m_files(files), m_log(log), m_strListPath(strListPath) {}

  const CString& ListPath() const { return m_strListPath; }
  // Fetches the list into its file.
  bool DownloadServerList();
  // Reads the list file: the entries' names in file order (at most
  // kMaxServerEntries); their addresses are kept here.
  std::vector<CString> LoadServerList();
  // The address of entry nSel; a random-pick entry gives one of the entries
  // before it. False when there is no usable address.
  bool ChooseServerAddress(int nSel, CString& strAddress);
  // The name of the entry whose address the last choice gave.
  const CString& ChosenName() const { return m_strChosenName; }

  CString m_aServerAddr[kMaxServerEntries];

 private:
  plat::IDownload& m_download;
  plat::ISystem& m_system;
  plat::IFiles& m_files;
  ILog& m_log;
  CString m_strListPath;
  CString m_aServerName[kMaxServerEntries];
  CString m_strChosenName;
};
