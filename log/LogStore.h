// The dial log's two files in the program's data folder: "Dorvanta.log",
// UTF-8 with a byte-order mark and CR LF lines, and "Dorvanta.old.log", what
// the log held before. Used by the log's writer thread alone.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Files.h"

class CLogStore {
 public:
  // No file grows past this: the line that would take it past begins the
  // next file, and the file before becomes the old one.
  static constexpr std::uint64_t kMaxFileBytes = 256 * 1024;

  // strFolder: the data folder, made already; empty: there is no place for the log.
  CLogStore(plat::IFiles& files, const std::string& strFolder);

  const std::string& Path() const { return m_strPath; }
  const std::string& OldPath() const { return m_strOldPath; }

  // Appends the lines, each ending CR LF; returns how many were written.
  size_t Append(const std::vector<std::string>& lines);

 private:
  bool EnsureFile();
  bool WriteChunk(const std::string& chunk);
  bool BeginNextFile();

  plat::IFiles& m_files;
  std::string m_strPath;
  std::string m_strOldPath;
  bool m_bKnown = false;  // m_nSize holds the file's length
  std::uint64_t m_nSize = 0;
};
