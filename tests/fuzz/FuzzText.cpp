// Text conversion between UTF-8 and the code pages, the cuts that keep
// characters whole, and a log line's text made safe.
#include <cstring>
#include <string>

#include "framework/CString.h"
#include "log/LogText.h"
#include "sim/FileSystem.h"
#include "sim/IniReader.h"
#include "tests/fuzz/FuzzTarget.h"

namespace {

bool IsContinuation(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

FUZZ_TARGET("Text") {
  if (input.empty()) return;
  size_t limit = static_cast<unsigned char>(input.front());
  std::string_view text = input.substr(1);

  std::string_view prefix = Utf8Prefix(text, limit);
  FUZZ_CHECK(prefix.size() <= limit || prefix.size() == text.size());
  FUZZ_CHECK(text.substr(0, prefix.size()) == prefix);
  FUZZ_CHECK(prefix.size() == text.size() || !IsContinuation(text[prefix.size()]) || prefix.empty());

  char field[64];
  std::memset(field, 'x', sizeof field);
  size_t size = limit % sizeof field;
  CopyTextToField(field, size, text);
  if (size > 0) FUZZ_CHECK(std::memchr(field, '\0', size) != nullptr);
  if (size < sizeof field) FUZZ_CHECK(field[size] == 'x');

  // A log line's text: no secret, no control byte, within its bound.
  std::string secret(text.substr(0, limit % 8));
  std::string concealed = ConcealSecrets(std::string(text), {secret, "pw"});
  if (!secret.empty()) FUZZ_CHECK(concealed.find(secret) == std::string::npos);
  std::string safe = LogSafeText(concealed, limit + 3);
  FUZZ_CHECK(safe.size() <= limit + 3);
  for (char c : safe) FUZZ_CHECK(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F);

  for (int codePage : {936, 949, 1252, 65001}) {
    const char* charset = sim::CharsetOfCodePage(codePage);
    std::string ansi = sim::ConvertText(text, "UTF-8", charset);
    std::string back = sim::ConvertText(ansi, charset, "UTF-8");
    size_t cut = sim::AnsiPrefixLength(ansi, limit, codePage);
    FUZZ_CHECK(cut <= limit && cut <= ansi.size());
    sim::ConvertText(ansi.substr(0, cut), charset, "UTF-8");
    sim::ProfileBytesAsAnsi(text, codePage);
  }
}
