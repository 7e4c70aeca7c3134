// The phonebook entry composed around an entry name.
#include "connection/Phonebook.h"
#include "tests/fuzz/FuzzTarget.h"

FUZZ_TARGET("Phonebook") {
  if (input.empty()) return;
  unsigned flags = static_cast<unsigned char>(input.front());
  CString strName(input.substr(1));
  PhonebookTemplate tmpl = (flags & 1) ? PhonebookTemplate::L : PhonebookTemplate::P;
  CString strText = ComposePhonebookEntry(tmpl, strName, (flags & 2) != 0, (flags & 4) != 0);
  FUZZ_CHECK(strText.Find("pelmarok") < 0 || strName.Find("pelmarok") >= 0);
  // The entry is under its name. (The main line's edits would also change
  // a name holding one of the edited "key=value" texts; the dialer's names
  // have no "=".)
  if (strName.Find('=') < 0) FUZZ_CHECK(strText.Find("[" + std::string(strName.View()) + "]") >= 0);
}
