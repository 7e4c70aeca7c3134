#include "framework/BmpSize.h"

#include <cstdint>
#include <cstdlib>

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kCoreHeaderSize = 12;  // BITMAPCOREHEADER: 16-bit sizes
constexpr uint32_t kInfoHeaderSize = 40;  // BITMAPINFOHEADER and its successors

uint32_t Little(std::span<const unsigned char> bytes, size_t at, size_t count) {
  uint32_t value = 0;
  for (size_t i = count; i-- > 0;) value = (value << 8) | bytes[at + i];
  return value;
}

}  // namespace

std::optional<BmpSize> ReadBmpSize(std::span<const unsigned char> file) {
  if (file.size() < kFileHeaderSize + 4 || file[0] != 'B' || file[1] != 'M') return std::nullopt;
  uint32_t headerSize = Little(file, kFileHeaderSize, 4);
  BmpSize size;
  if (headerSize == kCoreHeaderSize && file.size() >= kFileHeaderSize + kCoreHeaderSize) {
    size.cx = static_cast<int>(Little(file, 18, 2));
    size.cy = static_cast<int>(Little(file, 20, 2));
  } else if (headerSize >= kInfoHeaderSize && file.size() >= kFileHeaderSize + 12) {
    size.cx = static_cast<int32_t>(Little(file, 18, 4));
    // A negative height marks rows stored top-down.
    size.cy = std::abs(static_cast<int32_t>(Little(file, 22, 4)));
  } else {
    return std::nullopt;
  }
  if (size.cx <= 0 || size.cy <= 0) return std::nullopt;
  return size;
}
