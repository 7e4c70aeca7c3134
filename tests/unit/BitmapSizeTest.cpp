// Bitmap sizes as the header reader finds them.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "framework/BmpSize.h"

namespace {

void PutLittle(std::vector<unsigned char>& bytes, size_t at, uint32_t value, size_t count) {
  for (size_t i = 0; i < count; ++i) bytes[at + i] = static_cast<unsigned char>(value >> (8 * i));
}

std::vector<unsigned char> InfoHeaderFile(int32_t cx, int32_t cy) {
  std::vector<unsigned char> file(54, 0);
  file[0] = 'B';
  file[1] = 'M';
  PutLittle(file, 14, 40, 4);
  PutLittle(file, 18, static_cast<uint32_t>(cx), 4);
  PutLittle(file, 22, static_cast<uint32_t>(cy), 4);
  return file;
}

TEST(BmpSize, ReadsInfoAndCoreHeadersAndTopDownRows) {
  EXPECT_EQ(ReadBmpSize(InfoHeaderFile(338, 385)), (BmpSize{338, 385}));
  EXPECT_EQ(ReadBmpSize(InfoHeaderFile(127, -43)), (BmpSize{127, 43}));  // stored top-down
  EXPECT_EQ(ReadBmpSize(InfoHeaderFile(70000, 2)), (BmpSize{70000, 2}));

  std::vector<unsigned char> core(26, 0);
  core[0] = 'B';
  core[1] = 'M';
  PutLittle(core, 14, 12, 4);
  PutLittle(core, 18, 48, 2);
  PutLittle(core, 20, 300, 2);
  EXPECT_EQ(ReadBmpSize(core), (BmpSize{48, 300}));
}

TEST(BmpSize, RefusesWhatIsNoBitmap) {
  std::vector<unsigned char> file = InfoHeaderFile(10, 10);
  file[0] = 'P';
  EXPECT_FALSE(ReadBmpSize(file));
  std::vector<unsigned char> truncated = InfoHeaderFile(10, 10);
  truncated.resize(24);  // cut inside the height
  EXPECT_FALSE(ReadBmpSize(truncated));
  EXPECT_FALSE(ReadBmpSize(InfoHeaderFile(0, 10)));
  EXPECT_FALSE(ReadBmpSize(InfoHeaderFile(-5, 10)));
  std::vector<unsigned char> unknownHeader = InfoHeaderFile(10, 10);
  PutLittle(unknownHeader, 14, 20, 4);
  EXPECT_FALSE(ReadBmpSize(unknownHeader));
  EXPECT_FALSE(ReadBmpSize({}));
}

}  // namespace
