#include <gtest/gtest.h>

#include "platform/ProxyChoice.h"

namespace {

using plat::PlanProxy;
using plat::ProxyPlan;

// Each setting keeps its place, trimmed; a script only over http or https; a bypass list only
// with a proxy; an overlong setting or one with a control character is dropped whole.
TEST(ProxyChoiceTest, SettingsKeptOrDropped) {
  EXPECT_EQ(
      PlanProxy({true, " HTTP://wpad.corp.example/proxy.pac ", "proxy.corp.example:8080", "*.velk.example"}),
      (ProxyPlan{true, "HTTP://wpad.corp.example/proxy.pac", "proxy.corp.example:8080", "*.velk.example"}));
  EXPECT_EQ(PlanProxy({false, "file://C:/proxy.pac", "", "*.example"}), ProxyPlan{});
  EXPECT_EQ(PlanProxy({false, "http://", "", ""}), ProxyPlan{});
  std::string longest(2048, 'a');
  EXPECT_EQ(PlanProxy({false, "", longest, "b"}).proxy, longest);
  EXPECT_EQ(PlanProxy({false, "", longest + "a", "b"}), ProxyPlan{});
  EXPECT_EQ(PlanProxy({false, "", "proxy:8080\r\nHost: x", ""}), ProxyPlan{});
  EXPECT_EQ(PlanProxy({false, "", "proxy:8080", "a\x01"}), (ProxyPlan{false, "", "proxy:8080", ""}));
}

}  // namespace
