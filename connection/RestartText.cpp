#include "connection/RestartText.h"

#include <string>

namespace {

constexpr const char* kImageName = "svchost.exe";
constexpr int kMaxPidDigits = 10;

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
}

bool IsBlank(char ch) {
  return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == '\v' || ch == '\f';
}

bool IsProcessId(const std::string& text) {
  if (text.empty() || text.size() > kMaxPidDigits) return false;
  for (char ch : text)
    if (ch < '0' || ch > '9') return false;
  return true;
}

}  // namespace

CString JoinMultiString(const BYTE* pData, DWORD nSize) {
  std::string joined;
  for (DWORD i = 0; i < nSize; ++i) {
    if (pData[i] != 0) {
      joined += static_cast<char>(pData[i]);
      continue;
    }
    if (i + 1 >= nSize || pData[i + 1] == 0) break;
    joined += '|';
  }
  return CString(joined);
}

CString FindHostProcessId(const CString& strTaskList) {
  std::string text(strTaskList.View());
  for (const char* spelling : {"SVCHOST.EXE", "svchost.EXE", "Svchost.exe"})
    ReplaceAll(text, spelling, kImageName);
  size_t first = text.find(kImageName);
  if (first != std::string::npos) text.erase(0, first);
  ReplaceAll(text, kImageName, "");
  size_t start = 0;
  while (start < text.size() && IsBlank(text[start])) ++start;
  text.erase(0, start);
  size_t space = text.find(' ');
  text = space == std::string::npos ? std::string() : text.substr(0, space);
  while (!text.empty() && IsBlank(text.back())) text.pop_back();
  return IsProcessId(text) ? CString(text) : CString();
}
