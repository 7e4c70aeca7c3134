#include "connection/Phonebook.h"

#include "framework/CStdioFile.h"

namespace {

CString ReplaceAll(const CString& text, std::string_view from, std::string_view to) {
  std::string result = text.Str();
  for (size_t at = result.find(from); at != std::string::npos; at = result.find(from, at + to.size()))
    result.replace(at, from.size(), to);
  return result;
}

constexpr unsigned kWriteMode = CFile::modeCreate | CFile::modeReadWrite | CFile::typeText;

}  // namespace

CString ComposePhonebookEntry(PhonebookTemplate tmpl, const CString& strEntryName, bool bMainLineEdits,
                              bool bPreferLocalRoutes) {
  CString text = ReplaceAll(LoadPhonebookTemplate(tmpl), "pelmarok", strEntryName.View());
  if (!bMainLineEdits) return text;
  text = ReplaceAll(text, "AuthRestrictions=264", "AuthRestrictions=840");
  text = ReplaceAll(text, "DataEncryption=0", "DataEncryption=8");
  if (bPreferLocalRoutes) text = ReplaceAll(text, "IpPrioritizeRemote=1", "IpPrioritizeRemote=0");
  return text;
}

bool WritePhonebookEntry(plat::IFiles& files, const CString& strPath, PhonebookTemplate tmpl,
                         const CString& strEntryName, bool bMainLineEdits, bool bPreferLocalRoutes) {
  CStdioFile file(files);
  if (!file.Open(strPath, kWriteMode)) return false;
  bool written =
      file.WriteString(ComposePhonebookEntry(tmpl, strEntryName, bMainLineEdits, bPreferLocalRoutes));
  return file.Close() && written;
}

bool CreatePhonebookFile(plat::IFiles& files, const CString& strPath) {
  CStdioFile file(files);
  return file.Open(strPath, kWriteMode) && file.Close();
}
