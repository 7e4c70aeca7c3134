// Texts of the route file and the routing table: dotted addresses and the
// lines of Route.txt.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/WinTypes.h"

// An address as inet_addr reads it ("a.b.c.d", also "a.b.c", "a.b" and "a",
// each part decimal, octal or hexadecimal), in network byte order as the
// routing table holds it; nothing where inet_addr gives INADDR_NONE for an
// invalid text.
std::optional<DWORD> ParseRouteAddress(std::string_view text);
std::string FormatRouteAddress(DWORD address);

struct CRouteLine {
  std::string strDestination;  // a dotted address or a host name
  std::string strMask;
  bool IsHostName() const;
};

// A line of more than 14 characters with a "|": destination before the
// first bar, mask after it, both without surrounding blanks. Shorter lines
// and lines without a bar give nothing.
std::optional<CRouteLine> ParseRouteLine(std::string_view line);
