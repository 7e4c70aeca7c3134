// Sizes of the bitmap resources, read from the headers of the very files
// that the executable's resource script carries.
#include <span>

#include "framework/BmpSize.h"
#include "framework/Resources.h"
#include "resources/BitmapHeaders.h"

bool AfxGetBitmapSize(int id, int& cx, int& cy) {
  for (const BitmapHeader& header : std::span(kBitmapHeaders, static_cast<size_t>(kBitmapHeaderCount))) {
    if (header.id != id) continue;
    std::optional<BmpSize> size = ReadBmpSize(header.bytes);
    if (!size) return false;
    cx = size->cx;
    cy = size->cy;
    return true;
  }
  return false;
}
