#include "directory/ServerLines.h"

CServerLine SplitServerLine(const CString& strLine) {
  int nEq = strLine.Find('=');
  if (nEq < 0) return {strLine, CString()};
  return {strLine.Left(nEq), strLine.Mid(nEq + 1)};
}

CString ComposeLineEntry(const CString& strName, const CString& strAddr) {
  return strName + "                                       |" + strAddr.View();
}

CString AddressOfEntry(const CString& strEntry) {
  int nBar = strEntry.Find('|');
  return nBar < 0 ? strEntry : strEntry.Mid(nBar + 1);
}

CString NameOfEntry(const CString& strEntry) {
  int nBar = strEntry.Find('|');
  if (nBar < 0) return CString();
  std::string_view name = strEntry.View().substr(0, static_cast<size_t>(nBar));
  while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
  return CString(name);
}

CString ChosenAddressOf(const CString& strLine) {
  int nEq = strLine.Find('=');
  return nEq < 0 ? strLine : strLine.Mid(nEq + 1);
}

bool IsAcceptedChoice(const CString& strLine) {
  return strLine.Find('=') >= 0 && ChosenAddressOf(strLine).GetLength() >= 5;
}

CString CutServerLine(const CString& strLine) {
  std::string_view text = strLine.View();
  if (text.size() <= static_cast<size_t>(kMaxServerLineBytes)) return strLine;
  size_t end = kMaxServerLineBytes;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  return CString(text.substr(0, end));
}
