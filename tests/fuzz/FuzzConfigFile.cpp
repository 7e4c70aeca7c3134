// Config.dat as a load-save-load round trip: what the format can hold comes
// back unchanged.
#include "app/ConfigFile.h"
#include "tests/fuzz/FuzzTarget.h"

namespace {

// The lines as the text-mode reader hands them over: split at LF, one CR
// before it dropped.
CConfigValues Load(std::string_view text) {
  CConfigValues values;
  while (!text.empty()) {
    size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (end != std::string_view::npos && !line.empty() && line.back() == '\r') line.remove_suffix(1);
    ApplyConfigLine(CString(line), values);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
  return values;
}

}  // namespace

FUZZ_TARGET("ConfigFile") {
  CConfigValues first = Load(input);
  FUZZ_CHECK(first.nRouteMode == 0);
  FUZZ_CHECK(first.bL2tp == 0 || first.bL2tp == 1);
  CString saved = ComposeConfig(first);
  CConfigValues second = Load(saved.View());
  FUZZ_CHECK(second.bL2tp == first.bL2tp);
  FUZZ_CHECK(second.nRouteMode == first.nRouteMode);
  FUZZ_CHECK(second.bRemember == 1);
  // The save writes each value with "%s", which ends it at a NUL: a value
  // with one is outside what the file can hold.
  if (first.strUser.View().find('\0') == std::string_view::npos) FUZZ_CHECK(second.strUser == first.strUser);
  if (first.strPassword.View().find('\0') == std::string_view::npos)
    FUZZ_CHECK(second.strPassword == first.strPassword);
}
