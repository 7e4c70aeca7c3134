// The string table.
#pragma once

#include <span>

struct StringResource {
  int id;
  const char* text;
};

extern const std::span<const StringResource> kStringTable;
