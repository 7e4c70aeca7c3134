// Server-list lines and the entries made of them.
#include "directory/ServerLines.h"
#include "tests/fuzz/FuzzTarget.h"

FUZZ_TARGET("ServerLines") {
  CString strLine(input);
  CServerLine line = SplitServerLine(strLine);
  size_t eq = input.find('=');
  if (eq == std::string_view::npos) {
    FUZZ_CHECK(line.strName.View() == input && line.strAddr.IsEmpty());
  } else {
    FUZZ_CHECK(line.strName.View() == input.substr(0, eq) && line.strAddr.View() == input.substr(eq + 1));
  }
  FUZZ_CHECK(ChosenAddressOf(strLine).View() ==
             (eq == std::string_view::npos ? input : input.substr(eq + 1)));
  FUZZ_CHECK(IsAcceptedChoice(strLine) == (eq != std::string_view::npos && input.size() - eq - 1 >= 5));

  // An entry gives its address back, NUL bytes and all.
  CString strEntry = ComposeLineEntry(line.strName, line.strAddr);
  if (line.strName.Find('|') < 0) FUZZ_CHECK(AddressOfEntry(strEntry) == line.strAddr);
}
