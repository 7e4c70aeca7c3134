// Where the updater is looked for.
#include <gtest/gtest.h>

#include "update/Updater.h"

namespace {

TEST(UpdaterPath, IsBesideTheExecutable) {
  EXPECT_EQ(UpdaterPathFor("C:\\Program Files\\Velk VPN\\Dorvanta.exe"),
            "C:\\Program Files\\Velk VPN\\updata.exe");
  EXPECT_EQ(UpdaterPathFor("C:\\Dorvanta.exe"), "C:\\updata.exe");
  EXPECT_EQ(UpdaterPathFor("C:\\a\\b\\c\\x.exe"), "C:\\a\\b\\c\\updata.exe");
  EXPECT_EQ(UpdaterPathFor("Dorvanta.exe"), "");
  EXPECT_EQ(UpdaterPathFor(""), "");
}

}  // namespace
