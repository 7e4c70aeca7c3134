#include "log/UserNameNote.h"

#include <vector>

namespace {

std::vector<std::string_view> Characters(std::string_view text) {
  std::vector<std::string_view> characters;
  for (size_t at = 0; at < text.size();) {
    size_t length = 1;
    while (at + length < text.size() && (static_cast<unsigned char>(text[at + length]) & 0xC0) == 0x80)
      ++length;
    characters.push_back(text.substr(at, length));
    at += length;
  }
  return characters;
}

}  // namespace

CString UserNameNote(const CString& strUser, const std::function<bool(std::string_view)>& canConvert) {
  std::vector<std::string_view> characters = Characters(strUser.View());
  size_t count = characters.size();
  size_t shownFirst = count >= 6 ? 2 : count >= 3 ? 1 : 0;
  size_t shownLast = count >= 6 ? 1 : 0;
  std::string masked;
  int unstorable = 0;
  for (size_t i = 0; i < count; ++i) {
    bool shown = i < shownFirst || i + shownLast >= count;
    masked += shown ? std::string(characters[i]) : std::string("*");
    if (!canConvert(characters[i])) ++unstorable;
  }
  CString strNote;
  strNote.Format("\"%s\" (%d character%s", masked.c_str(), static_cast<int>(count), count == 1 ? "" : "s");
  if (count > 0 && characters.front() == " ") strNote += ", a blank at its start";
  if (count > 1 && characters.back() == " ") strNote += ", a blank at its end";
  if (unstorable > 0) {
    CString strUnstorable;
    strUnstorable.Format(", %d the code page cannot hold", unstorable);
    strNote += strUnstorable.View();
  }
  strNote += ")";
  return strNote;
}
