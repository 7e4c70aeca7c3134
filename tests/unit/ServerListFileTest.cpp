#include <gtest/gtest.h>

#include "directory/ServerListFile.h"

namespace {

constexpr const char* kSystem = "C:\\Windows\\system32";
constexpr const char* kWow64 = "C:\\Windows\\SysWOW64";
constexpr const char* kData = "C:\\ProgramData";

TEST(ServerListFile, OwnFolderUnlessItIsASystemFolder) {
  CServerListPlace place = ServerListPlaceOf("D:\\Apps\\Velk VPN\\Dorvanta.exe", kSystem, kWow64, kData);
  EXPECT_EQ(place.strFolder, "D:\\Apps\\Velk VPN");
  EXPECT_FALSE(place.bDataFolder);

  for (const char* module : {"C:\\WINDOWS\\System32\\Dorvanta.exe", "c:\\windows\\syswow64\\Dorvanta.exe"}) {
    place = ServerListPlaceOf(module, kSystem, kWow64, kData);
    EXPECT_EQ(place.strFolder, "C:\\ProgramData\\Velk VPN") << module;
    EXPECT_TRUE(place.bDataFolder) << module;
  }
  // Without a 32-bit system folder, a folder named like one is the program's own.
  place = ServerListPlaceOf("C:\\Windows\\SysWOW64\\Dorvanta.exe", kSystem, "", kData);
  EXPECT_EQ(place.strFolder, "C:\\Windows\\SysWOW64");
}

TEST(ServerListFile, NoFolderOfItsOwnMeansTheDataFolder) {
  EXPECT_TRUE(ServerListPlaceOf("Dorvanta.exe", kSystem, kWow64, kData).bDataFolder);
  EXPECT_TRUE(ServerListPlaceOf("", kSystem, kWow64, "C:\\ProgramData\\").bDataFolder);
  EXPECT_EQ(ServerListPlaceOf("", kSystem, kWow64, "C:\\ProgramData\\").strFolder,
            "C:\\ProgramData\\Velk VPN");
}

}  // namespace
