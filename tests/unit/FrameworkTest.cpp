// Pure pieces of the framework: text cutting and message-map lookup.
#include <gtest/gtest.h>

#include <cstring>

#include "framework/CString.h"
#include "framework/CWnd.h"
#include "framework/MessageMap.h"

namespace {

TEST(TextField, CutsOnlyBetweenCharacters) {
  // "연결" is two three-byte characters: a 5-byte room keeps only the first.
  EXPECT_EQ(Utf8Prefix("연결", 5), "연");
  EXPECT_EQ(Utf8Prefix("연결", 6), "연결");
  EXPECT_EQ(Utf8Prefix("abc", 0), "");
}

TEST(TextField, CopyNeverWritesPastTheField) {
  char buffer[8];
  std::memset(buffer, '#', sizeof buffer);
  CopyTextToField(buffer, 4, "abcdef");
  EXPECT_STREQ(buffer, "abc");
  EXPECT_EQ(buffer[4], '#');  // sentinel beyond the field untouched
  CopyTextToField(buffer, 4, "연결");
  EXPECT_STREQ(buffer, "연");
}

TEST(CStringText, FindAndMidStayInBounds) {
  CString text("name=addr=x");
  EXPECT_EQ(text.Find('='), 4);
  EXPECT_EQ(text.Mid(text.Find('=') + 1), "addr=x");
  EXPECT_EQ(text.Find('|'), -1);
  EXPECT_EQ(text.Mid(50), "");
  EXPECT_EQ(text.Left(-3), "");
  EXPECT_EQ(text.Find('=', 99), -1);
  CString formatted;
  formatted.Format("메시지：%d\n", 691);
  EXPECT_EQ(formatted, "메시지：691\n");
}

class Base : public CCmdTarget {
 public:
  int last = 0;
  LRESULT OnTimerMessage(WPARAM, LPARAM) {
    last = 1;
    return 0;
  }
  void OnClick() { last = 2; }
  DECLARE_MESSAGE_MAP()
};

class Derived : public Base {
 public:
  void OnOwnClick() { last = 3; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Base, CCmdTarget)
ON_MESSAGE(WM_TIMER, OnTimerMessage)
ON_BN_CLICKED(10, OnClick)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(Derived, Base)
ON_BN_CLICKED(10, OnOwnClick)
ON_BN_CLICKED(10, OnClick)
END_MESSAGE_MAP()

TEST(MessageMap, FirstMatchWinsFromTheClassUp) {
  Derived target;
  const AFX_MSGMAP_ENTRY* click =
      AfxFindMessageEntry(Derived::GetThisMessageMap(), WM_COMMAND, BN_CLICKED, 10);
  ASSERT_NE(click, nullptr);
  click->pfn(&target, 0, 0);
  EXPECT_EQ(target.last, 3);
  EXPECT_NE(AfxFindMessageEntry(Derived::GetThisMessageMap(), WM_TIMER, 0, 0), nullptr);  // from the base
  EXPECT_EQ(AfxFindMessageEntry(Derived::GetThisMessageMap(), WM_COMMAND, CBN_SELCHANGE, 10), nullptr);
  EXPECT_EQ(AfxFindMessageEntry(Derived::GetThisMessageMap(), WM_COMMAND, BN_CLICKED, 11), nullptr);
}

// A window whose event-sink map takes one control's document-complete event.
class BannerWindow : public CWnd {
 public:
  int completions = 0;
  void OnBannerComplete() { ++completions; }
  DECLARE_EVENTSINK_MAP()
};

BEGIN_EVENTSINK_MAP(BannerWindow, CWnd)
ON_EVENT(BannerWindow, 1003, plat::kEventDocumentComplete, OnBannerComplete)
END_EVENTSINK_MAP()

TEST(EventSinkMap, OnlyTheNamedControlsEventReachesItsHandler) {
  BannerWindow window;
  HWND hwnd = reinterpret_cast<HWND>(0x40);
  bool handled = false;
  window.OnWindowMessage(hwnd, plat::kWmControlEvent, 1003, plat::kEventDocumentComplete, handled);
  EXPECT_TRUE(handled);
  EXPECT_EQ(window.completions, 1);
  // The small browser's events and the banner's other events are left alone.
  window.OnWindowMessage(hwnd, plat::kWmControlEvent, 1002, plat::kEventDocumentComplete, handled);
  EXPECT_FALSE(handled);
  window.OnWindowMessage(hwnd, plat::kWmControlEvent, 1003, 250, handled);
  EXPECT_FALSE(handled);
  EXPECT_EQ(window.completions, 1);
}

}  // namespace
