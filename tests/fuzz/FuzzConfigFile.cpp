// Config.dat as a load-save-load round trip: what the format can hold comes
// back unchanged.
#include <string>

#include "app/ConfigFile.h"
#include "tests/fuzz/FuzzTarget.h"

namespace {

// The file as the text-mode reader hands its lines over: split at LF, a CR
// at the end of a line dropped (the last line's too).
CLoginFields Load(std::string_view bytes) {
  CLoginFields values;
  while (!bytes.empty()) {
    size_t end = bytes.find('\n');
    std::string_view line = bytes.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    ApplyConfigLine(CString(line), values);
    bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
  }
  return values;
}

// The bytes the text-mode writer puts on disk: LF as CR LF.
std::string Save(const CLoginFields& values) {
  CString strText = ComposeConfig(values);
  std::string bytes;
  for (char c : strText.View()) {
    if (c == '\n') bytes += '\r';
    bytes += c;
  }
  return bytes;
}

}  // namespace

FUZZ_TARGET("ConfigFile") {
  CLoginFields first = Load(input);
  FUZZ_CHECK(first.nRouteMode == 0);
  FUZZ_CHECK(first.bL2tp == 0 || first.bL2tp == 1);
  CLoginFields second = Load(Save(first));
  FUZZ_CHECK(second.bL2tp == first.bL2tp);
  FUZZ_CHECK(second.nRouteMode == first.nRouteMode);
  FUZZ_CHECK(second.bRemember == 1);
  // A loaded value ends at a NUL, so it holds none and comes back unchanged.
  FUZZ_CHECK(first.strUser.View().find('\0') == std::string_view::npos);
  FUZZ_CHECK(first.strPassword.View().find('\0') == std::string_view::npos);
  FUZZ_CHECK(second.strUser == first.strUser);
  FUZZ_CHECK(second.strPassword == first.strPassword);
}
