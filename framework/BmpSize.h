// The pixel size a Windows bitmap file's headers declare.
#pragma once

#include <cstddef>
#include <optional>
#include <span>

struct BmpSize {
  int cx = 0, cy = 0;
  bool operator==(const BmpSize&) const = default;
};

// From the start of a .bmp file; empty when it is not one.
std::optional<BmpSize> ReadBmpSize(std::span<const unsigned char> file);
