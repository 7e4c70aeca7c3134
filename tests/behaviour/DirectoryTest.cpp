// The group and relay lists from Server.ini, and choosing a group.
#include "resources/resource.h"
#include "tests/behaviour/ServiceFixture.h"

namespace {

using Texts = std::vector<std::string>;

const std::string k39Blanks(39, ' ');
constexpr const char* kNoList = "无法获取服务器列表";

std::string Entry(const std::string& name, const std::string& address) {
  return name + k39Blanks + "|" + address;
}

class DirectoryTest : public ServiceTest {
 protected:
  void SetUp() override { ServeServerList("Seoul 1=10.0.0.1\r\n"); }

  std::string SelectGroup(int index) {
    driver.ShowControl(IDC_GROUP);
    return driver.Select(IDC_GROUP, index);
  }
};

TEST_F(DirectoryTest, MissingKeysTakeTheirDefaults) {
  WriteSystemFile("Server.ini",
                  "[System]\r\nCount=2\r\nGroup2=Japan\r\n[Transfer]\r\nCount=1\r\nIP1=1.2.3.4\r\n");
  driver.Start();
  EXPECT_EQ(Items(IDC_GROUP), (Texts{"Japan", kNoList}));
  EXPECT_EQ(Items(IDC_RELAY_LINE), (Texts{Entry(kNoList, "1.2.3.4")}));
}

TEST_F(DirectoryTest, HugeAndNegativeCountsAreBounded) {
  WriteSystemFile("Server.ini",
                  "[System]\r\nCount=2147483647\r\nGroup1=Korea\r\n[Transfer]\r\nCount=-3\r\n"
                  "[Korea]\r\nCount=99999999\r\nServer1=S\r\nIP1=1.1.1.1\r\n");
  driver.Start();
  Texts groups = Items(IDC_GROUP);
  ASSERT_EQ(groups.size(), 256u);
  EXPECT_EQ(groups.back(), "Korea");
  EXPECT_TRUE(Items(IDC_RELAY_LINE).empty());

  EXPECT_EQ(SelectGroup(255), "");
  Texts lines = Items(IDC_LINE);
  ASSERT_EQ(lines.size(), 256u);
  EXPECT_EQ(lines.back(), Entry("S", "1.1.1.1"));
}

TEST_F(DirectoryTest, CountsPastTwoToThe31AreNegativeAndListNothing) {
  // The profile call hands a negative number back as its two's complement.
  WriteSystemFile("Server.ini",
                  "[System]\r\nCount=4294967295\r\nGroup1=Korea\r\n"
                  "[Transfer]\r\nCount=2147483648\r\nServer1=T\r\nIP1=2.2.2.2\r\n");
  driver.Start();
  EXPECT_TRUE(Items(IDC_GROUP).empty());
  EXPECT_TRUE(Items(IDC_RELAY_LINE).empty());
}

}  // namespace
