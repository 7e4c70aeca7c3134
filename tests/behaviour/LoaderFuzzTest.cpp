// Random and malformed server lists, directories and settings files through
// the loaders: nothing may crash, hang or grow without bound.
#include <random>

#include "app/ConfigFile.h"
#include "console/DialerProgram.h"
#include "directory/ServerLines.h"
#include "resources/resource.h"
#include "sim/IniReader.h"
#include "tests/behaviour/ServiceFixture.h"

namespace {

// Random bytes biased towards the characters the formats care about.
std::string RandomText(std::mt19937& random, size_t maxLength) {
  static const std::string kAlphabet =
      "=|[]\r\n\r\n ;\"'-0x9Count=Ver=Group1IP1Server1userpassmodel2tp\xCD\xF5\x81";
  std::uniform_int_distribution<size_t> length(0, maxLength);
  std::uniform_int_distribution<int> pick(0, 3);
  std::uniform_int_distribution<size_t> letter(0, kAlphabet.size() - 1);
  std::uniform_int_distribution<int> byte(0, 255);
  std::string text(length(random), '\0');
  for (char& c : text) c = pick(random) ? kAlphabet[letter(random)] : static_cast<char>(byte(random));
  return text;
}

class LoaderFuzzStart : public ServiceTest {};

TEST_F(LoaderFuzzStart, RandomFilesAtStartAndGroupChange) {
  std::mt19937 random(7);
  for (int run = 0; run < 12; ++run) {
    sim::Machine box;
    sim::Driver hands(box, DialerProgram());
    box.Web().Serve(endpoints::kDirectoryHost, endpoints::kServerListPath, 200, RandomText(random, 4000));
    std::string directory =
        "[System]\r\nCount=" + std::to_string(random()) + "\r\n" + RandomText(random, 3000);
    ASSERT_TRUE(box.Disk().WriteBytes(std::string(kSystemDir) + "Server.ini", directory));
    ASSERT_TRUE(box.Disk().WriteBytes(std::string(kSystemDir) + "Config.dat", RandomText(random, 500)));
    hands.Start();
    ASSERT_TRUE(hands.Running()) << run;
    EXPECT_LE(hands.Control(IDC_SERVER)->items.size(), 100u);
    EXPECT_LE(hands.Control(IDC_GROUP)->items.size(), 256u);
    EXPECT_LE(hands.Control(IDC_RELAY_LINE)->items.size(), 256u);
    if (!hands.Control(IDC_GROUP)->items.empty()) {
      hands.ShowControl(IDC_GROUP);
      EXPECT_EQ(hands.Select(IDC_GROUP, 0), "");
      EXPECT_LE(hands.Control(IDC_LINE)->items.size(), 256u);
    }
  }
}

}  // namespace
