// Contract of what a screen reader learns of a dialog's controls through
// the system's accessibility interface (names annotated on the windows,
// roles and states), and of the keyboard focus, on the controls the main
// window's user reaches.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "platform/Ports.h"
#include "platform/WinConstants.h"
#include "tests/contract/ContractEnvironment.h"

namespace {

using plat::ControlKind;

constexpr int kConnect = 1004;
constexpr int kRemember = 1006;
constexpr int kUser = 1008;
constexpr int kPassword = 1009;
constexpr int kOverseasMode = 1026;
constexpr int kSkinClose = 1028;
constexpr int kProductLink = 1031;
constexpr int kServer = 1036;

const plat::ControlTemplate kControls[] = {
    {kConnect, ControlKind::OwnerDrawButton, "Connect", {7, 168, 64, 19}, true, plat::kStyleTransparent, 0},
    {kUser, ControlKind::Edit, "", {45, 133, 66, 12}, true, plat::kStyleAutoScroll | plat::kStyleBorder, 0},
    {kPassword, ControlKind::Edit, "", {45, 145, 97, 12}, true, plat::kStylePassword | plat::kStyleBorder, 0},
    {kRemember, ControlKind::CheckBox, "", {46, 159, 8, 8}, true, plat::kStyleTransparent, 0},
    {kProductLink, ControlKind::OwnerDrawButton, "Velk VPN", {104, 175, 61, 12}, true, 0, 0},
    {kSkinClose, ControlKind::OwnerDrawButton, "Button9", {145, 11, 7, 8}, false, 0, 0},
    {kOverseasMode,
     ControlKind::RadioButton,
     "针对海外加速",
     {30, 100, 56, 10},
     true,
     plat::kStyleDisabled,
     0},
    {kServer, ControlKind::ComboDropDown, "", {45, 120, 116, 60}, true, 0, 0},
};

const plat::DialogTemplate kTemplate = {
    903,      "Dorvanta 접근성 无障碍", 168, 191, "MS Shell Dlg 2", 9, plat::kDlgCaption | plat::kDlgSysMenu,
    kControls};

constexpr UINT kStep = WM_USER + 0x221;
constexpr INT_PTR kEndResult = 7;

// Runs one body once the dialog is up, then ends it.
class BodySink final : public plat::IWindowSink {
 public:
  BodySink(plat::IWindowSystem& windows, std::function<void(HWND)> body)
      : m_windows(windows), m_body(std::move(body)) {}

  LRESULT OnWindowMessage(HWND hwnd, UINT msg, WPARAM, LPARAM, bool& handled) override {
    handled = msg == WM_INITDIALOG || msg == kStep;
    if (msg == WM_INITDIALOG) m_windows.PostMessage(hwnd, kStep, 0, 0);
    if (msg == kStep) {
      m_body(hwnd);
      m_windows.EndDialog(hwnd, kEndResult);
    }
    return msg == WM_INITDIALOG ? TRUE : 0;
  }

 private:
  plat::IWindowSystem& m_windows;
  std::function<void(HWND)> m_body;
};

// The states compared; the rest (focusable, hot...) differ between proxies.
constexpr long kComparedStates = plat::kStateUnavailable | plat::kStateChecked | plat::kStateInvisible |
                                 plat::kStateProtected | plat::kStateFocused;

class AccessibilityContract : public ::testing::Test {
 protected:
  void SetUp() override { m_env = MakeContractEnvironment(); }

  plat::IWindowSystem& Windows() { return *plat::Current().windows; }
  HWND Item(HWND dlg, int id) { return Windows().GetDlgItem(dlg, id); }
  void Run(std::function<void(HWND)> body) {
    BodySink sink(Windows(), std::move(body));
    ASSERT_EQ(Windows().DialogBox(kTemplate, nullptr, sink), kEndResult);
  }
  plat::AccessibleFacts Facts(HWND dlg, int id) {
    plat::AccessibleFacts facts;
    facts.name = "#sentinel#";
    EXPECT_TRUE(Windows().GetAccessibleFacts(Item(dlg, id), facts)) << "control " << id;
    return facts;
  }

  std::unique_ptr<ContractEnvironment> m_env;
};

// Wine's proxies know the edit field's role; buttons, check boxes, radio
// buttons and combo boxes get the client role of a plain window.
void ExpectWineRole(long role, long expected) {
  if (expected == plat::kRoleText)
    EXPECT_EQ(role, expected);
  else
    EXPECT_EQ(role, plat::kRoleClient) << "known gap of Wine: roles of buttons and combo boxes";
}

// Wine's proxies tell no check box's checked state; the others they tell.
void ExpectWineState(long state, long expected) {
  if (expected & plat::kStateChecked)
    EXPECT_EQ(state & kComparedStates, expected & ~plat::kStateChecked) << "known gap of Wine: checked state";
  else
    EXPECT_EQ(state & kComparedStates, expected);
}

struct Expected {
  int id;
  const char* name;
  long role;
  long state;
};

TEST_F(AccessibilityContract, AnnotatedNamesRolesAndStatesReachTheReader) {
  const Expected expected[] = {
      // The dialog manager gave the first tab stop the focus.
      {kConnect, "연결 连接", plat::kRolePushButton, plat::kStateFocused},
      {kUser, "아이디 用户名", plat::kRoleText, 0},
      {kPassword, "비밀번호 密码", plat::kRoleText, plat::kStateProtected},
      {kRemember, "로그인 정보 저장 记住密码", plat::kRoleCheckButton, plat::kStateChecked},
      {kProductLink, "Velk VPN 홈페이지 · 官网 www.velk.example", plat::kRoleLink, 0},
      {kSkinClose, "닫기 关闭", plat::kRolePushButton, plat::kStateInvisible},
      {kServer, "서버 服务器", plat::kRoleComboBox, 0},
  };
  Run([&](HWND dlg) {
    for (const Expected& e : expected) Windows().SetAccessibleName(Item(dlg, e.id), e.name);
    Windows().SetAccessibleRole(Item(dlg, kProductLink), plat::kRoleLink);
    Windows().SetCheck(Item(dlg, kRemember), 1);

    for (const Expected& e : expected) {
      SCOPED_TRACE(e.id);
      plat::AccessibleFacts facts = Facts(dlg, e.id);
      if (!m_env->IsWine()) {
        EXPECT_EQ(facts.name, e.name);
        EXPECT_EQ(facts.role, e.role);
        EXPECT_EQ(facts.state & kComparedStates, e.state);
        continue;
      }
      // Wine's accessibility library takes the annotations and keeps none.
      EXPECT_NE(facts.name, e.name) << "known gap of Wine: annotated names";
      ExpectWineRole(facts.role, e.role);
      ExpectWineState(facts.state, e.state);
    }
  });
}

TEST_F(AccessibilityContract, UnannotatedButtonsAreReadByTheirTextAndDisabledOnesAreUnavailable) {
  Run([&](HWND dlg) {
    plat::AccessibleFacts facts = Facts(dlg, kOverseasMode);
    EXPECT_EQ(facts.name, "针对海外加速");
    EXPECT_EQ(facts.state & kComparedStates, plat::kStateUnavailable);
    if (m_env->IsWine())
      ExpectWineRole(facts.role, plat::kRoleRadioButton);
    else
      EXPECT_EQ(facts.role, plat::kRoleRadioButton);
  });
}

TEST_F(AccessibilityContract, FocusMovesToShownEnabledControlsAndIsRead) {
  Run([&](HWND dlg) {
    Windows().SetFocus(dlg, Item(dlg, kPassword));
    EXPECT_EQ(Windows().GetFocus(), Item(dlg, kPassword));
    EXPECT_EQ(Facts(dlg, kPassword).state & kComparedStates, plat::kStateProtected | plat::kStateFocused);

    // A drop-down combo box holds the focus in its edit field; it counts as the combo box's.
    Windows().SetFocus(dlg, Item(dlg, kServer));
    EXPECT_EQ(Windows().GetFocus(), Item(dlg, kServer));
    EXPECT_EQ(Facts(dlg, kPassword).state & plat::kStateFocused, 0);

    Windows().SetFocus(dlg, Item(dlg, kConnect));
    EXPECT_EQ(Windows().GetFocus(), Item(dlg, kConnect));
    EXPECT_EQ(Facts(dlg, kConnect).state & kComparedStates, plat::kStateFocused);
  });
}

}  // namespace
