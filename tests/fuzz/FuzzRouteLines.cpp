// Route.txt lines and the addresses in them.
#include "routing/RouteText.h"
#include "tests/fuzz/FuzzTarget.h"

FUZZ_TARGET("RouteLines") {
  if (std::optional<CRouteLine> line = ParseRouteLine(input)) {
    FUZZ_CHECK(input.size() > 14 && input.find('|') != std::string_view::npos);
    FUZZ_CHECK(line->strDestination.find('|') == std::string::npos);
  }
  if (std::optional<DWORD> address = ParseRouteAddress(input))
    FUZZ_CHECK(ParseRouteAddress(FormatRouteAddress(*address)) == address);
}
