// The task list's output and the service group's multi-string.
#include <algorithm>
#include <cctype>

#include "connection/RestartText.h"
#include "tests/fuzz/FuzzTarget.h"

FUZZ_TARGET("TaskList") {
  // The id goes into an elevated command line: digits only, 1 to 10 of them.
  CString strPid = FindHostProcessId(CString(input));
  std::string_view pid = strPid.View();
  FUZZ_CHECK(pid.size() <= 10);
  FUZZ_CHECK(std::all_of(pid.begin(), pid.end(),
                         [](char ch) { return std::isdigit(static_cast<unsigned char>(ch)); }));

  // The walk stays inside the bytes given.
  CString strNames =
      JoinMultiString(reinterpret_cast<const BYTE*>(input.data()), static_cast<DWORD>(input.size()));
  FUZZ_CHECK(strNames.View().size() <= input.size());
  FUZZ_CHECK(strNames.View().find('\0') == std::string_view::npos);
}
