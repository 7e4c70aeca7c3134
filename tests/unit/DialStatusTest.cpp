// A line's dial state takes only its current dial's notifications.
#include <gtest/gtest.h>

#include "connection/DialStatus.h"

namespace {

constexpr DWORD kAuthenticate = 5;
constexpr DWORD kConnected = 0x2000;
constexpr DWORD kDisconnected = 0x2001;

class ErrorTextsOnly final : public plat::IRemoteAccess {
 public:
  DWORD Dial(std::string_view, const plat::RasDialParams&, plat::RasDialNotifier, HRASCONN*) override {
    return 1;
  }
  DWORD GetErrorString(DWORD code, std::string& text) override {
    text = "error " + std::to_string(code);
    return 0;
  }
  DWORD GetIpAddress(HRASCONN, std::string&) override { return 6; }
  DWORD GetConnectStatus(HRASCONN, DWORD&) override { return 6; }
  DWORD EnumConnections(std::vector<plat::RasConnection>&) override { return 0; }
  DWORD HangUp(HRASCONN) override { return 6; }
};

TEST(DialStatus, AnEarlierDialsNotificationsNeverEndTheCurrentWait) {
  ErrorTextsOnly ras;
  CDialStatus status(ras);
  unsigned first = status.BeginDial();
  unsigned second = status.BeginDial();
  status.OnDialProgress(first, 0, kConnected, 0);
  status.OnDialProgress(first, 0, 0, 691);
  EXPECT_FALSE(status.Done());
  EXPECT_EQ(status.Text(), "");

  status.OnDialProgress(second, 0, kAuthenticate, 0);
  EXPECT_FALSE(status.Done());
  EXPECT_EQ(status.Text(), "인증과정이 시작됩니다");
  status.OnDialProgress(second, 0, kConnected, 0);
  EXPECT_TRUE(status.Done());
  EXPECT_EQ(status.Text(), "연결성공");

  // Nothing after the outcome changes it.
  status.OnDialProgress(second, 0, kDisconnected, 0);
  EXPECT_EQ(status.Text(), "연결성공");
}

TEST(DialStatus, AnErrorEndsTheDialWithTheServiceTextAndAGivenUpDialStaysEnded) {
  ErrorTextsOnly ras;
  CDialStatus status(ras);
  unsigned serial = status.BeginDial();
  status.OnDialProgress(serial, 0, kAuthenticate, 691);
  EXPECT_TRUE(status.Done());
  EXPECT_EQ(status.Flatten(), "메시지：691:error 691");
  EXPECT_EQ(status.Error(), 691u);
  EXPECT_EQ(status.ServiceText(), "error 691");

  serial = status.BeginDial();
  EXPECT_EQ(status.Error(), 0u);
  status.Finish(638, "given up");
  status.OnDialProgress(serial, 0, kConnected, 0);
  EXPECT_EQ(status.Text(), "메시지：638\ngiven up");
  EXPECT_EQ(status.Error(), 638u);
}

}  // namespace
