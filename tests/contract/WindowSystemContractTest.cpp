// Contract of the window-system port as the dialer uses it: dialogs from
// template tables, texts, control state, list items, timers, posted and
// sent messages, message boxes, the notification area, and what a screen
// reader learns of the controls (annotated names, roles, states, focus).
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/Ports.h"
#include "platform/WinConstants.h"
#include "tests/contract/ContractEnvironment.h"
#include "tests/contract/ScriptedSink.h"
#include "tests/contract/WineDeparture.h"

namespace {

constexpr const char* kSentinel = "#sentinel#sentinel#";
constexpr int kAppIcon = 2;  // an icon resource of the test program

constexpr int kConnect = 1004;
constexpr int kCheck = 1006;
constexpr int kEdit = 1008;
constexpr int kPassword = 1009;
constexpr int kProductLink = 1031;
constexpr int kSkinClose = 1028;
constexpr int kDropList = 1007;
constexpr int kDropDown = 1036;
constexpr int kList = 1050;
constexpr int kGlobalMode = 1025;
constexpr int kOverseasMode = 1026;

using plat::ControlKind;

const plat::ControlTemplate kControls[] = {
    {kConnect, ControlKind::OwnerDrawButton, "Connect", {7, 168, 64, 19}, true, plat::kStyleTransparent, 0},
    {kCheck, ControlKind::CheckBox, "", {46, 140, 8, 8}, true, 0, 0},
    {kEdit, ControlKind::Edit, "", {45, 110, 66, 12}, true, plat::kStyleAutoScroll | plat::kStyleBorder, 0},
    {kPassword, ControlKind::Edit, "", {45, 125, 97, 12}, true, plat::kStylePassword | plat::kStyleBorder, 0},
    {kProductLink, ControlKind::OwnerDrawButton, "Velk VPN", {104, 175, 61, 12}, true, 0, 0},
    {kSkinClose, ControlKind::OwnerDrawButton, "Button9", {145, 11, 7, 8}, false, 0, 0},
    {kDropList, ControlKind::ComboDropList, "", {27, 26, 113, 64}, false, 0, 0},
    {kDropDown, ControlKind::ComboDropDown, "", {45, 95, 116, 60}, true, 0, 0},
    {kList, ControlKind::ListBox, "", {120, 5, 40, 40}, true, 0, 0},
    {kGlobalMode, ControlKind::RadioButton, "全局模式", {12, 70, 47, 10}, true, plat::kStyleGroup, 0},
    {kOverseasMode,
     ControlKind::RadioButton,
     "针对海外加速",
     {60, 70, 56, 10},
     true,
     plat::kStyleDisabled,
     0},
};

const plat::DialogTemplate kTemplate = {
    901,      "Dorvanta 계약 合约", 168, 191, "MS Shell Dlg 2", 9, plat::kDlgCaption | plat::kDlgSysMenu,
    kControls};

using contract::kEndResult;
using contract::kIgnored;
using contract::kPosted;
using contract::kSent;
using contract::ScriptedSink;

class WindowSystemContract : public ContractTest {
 protected:
  plat::IWindowing& Windows() { return *plat::Current().windows; }
  plat::IBoxesAndMenus& Boxes() { return *plat::Current().boxesAndMenus; }
  plat::INotificationArea& Tray() { return *plat::Current().notificationArea; }
  plat::IAccessibility& Access() { return *plat::Current().accessibility; }
  HWND Item(HWND dlg, int id) { return Windows().GetDlgItem(dlg, id); }
  // Runs the dialog; every step ran when it ends with the script's result.
  void Run(ScriptedSink& sink) { ASSERT_EQ(Windows().DialogBox(kTemplate, nullptr, sink), kEndResult); }
  void Run(std::vector<ScriptedSink::Step> steps) {
    ScriptedSink sink(Windows(), std::move(steps));
    Run(sink);
  }
  // The text of a list's item, read into a sentinel-filled string, and the length returned.
  std::pair<int, std::string> ItemText(HWND list, int index) {
    std::string text = kSentinel;
    int length = Windows().GetItemText(list, index, text);
    return {length, text};
  }
  plat::AccessibleFacts Facts(HWND dlg, int id) {
    plat::AccessibleFacts facts;
    facts.name = kSentinel;
    EXPECT_TRUE(Access().GetAccessibleFacts(Item(dlg, id), facts)) << "control " << id;
    return facts;
  }
};

using Log = std::vector<std::string>;

TEST_F(WindowSystemContract, DialogGetsCreateThenInitDialogAndReturnsTheEndResult) {
  HWND seen = nullptr;
  ScriptedSink sink(Windows(), {[&](HWND dlg) {
                      seen = dlg;
                      EXPECT_TRUE(Windows().IsWindowVisible(dlg));
                      EXPECT_NE(Item(dlg, kCheck), nullptr);
                      EXPECT_NE(Item(dlg, kCheck), Item(dlg, kEdit));
                      EXPECT_EQ(Item(dlg, 4711), nullptr);
                    }});
  Run(sink);
  EXPECT_EQ(sink.log, (Log{"create", "initdialog"}));
  // Gap of the simulated desktop: WM_CREATE comes without a creation record
  // (the framework's OnCreate reads none).
  if (!m_env->IsSimulated()) {
    EXPECT_TRUE(sink.createHadRecord);
  }

  // The window is gone once the dialog returns.
  ASSERT_NE(seen, nullptr);
  EXPECT_FALSE(Windows().PostMessage(seen, kPosted, 0, 0));
  EXPECT_EQ(Item(seen, kCheck), nullptr);
  EXPECT_FALSE(Windows().IsWindowVisible(seen));
}

TEST_F(WindowSystemContract, CreateFailingEndsTheDialogWithoutInitDialog) {
  ScriptedSink sink(Windows(), {});
  sink.createResult = -1;
  EXPECT_EQ(Windows().DialogBox(kTemplate, nullptr, sink), -1);
  EXPECT_EQ(sink.log, (Log{"create"}));
}

TEST_F(WindowSystemContract, TextsRoundTripAsUtf8) {
  Run({[&](HWND dlg) {
    EXPECT_EQ(Windows().GetWindowText(dlg), "Dorvanta 계약 合约");
    EXPECT_EQ(Windows().FindWindow("Dorvanta 계약 合约"), dlg);
    EXPECT_EQ(Windows().GetWindowText(Item(dlg, kOverseasMode)), "针对海外加速");

    Windows().SetWindowText(dlg, "Velk VPN 벨크 维尔克");
    EXPECT_EQ(Windows().GetWindowText(dlg), "Velk VPN 벨크 维尔克");
    EXPECT_EQ(Windows().FindWindow("Velk VPN 벨크 维尔克"), dlg);
    EXPECT_EQ(Windows().FindWindow("Dorvanta 계약 合约"), nullptr);

    HWND edit = Item(dlg, kEdit);
    EXPECT_EQ(Windows().GetWindowText(edit), "");
    Windows().SetWindowText(edit, "사용자 用户 user");
    EXPECT_EQ(Windows().GetWindowText(edit), "사용자 用户 user");
    Windows().SetWindowText(edit, "");
    EXPECT_EQ(Windows().GetWindowText(edit), "");
  }});
}

TEST_F(WindowSystemContract, CheckShowAndEnableStates) {
  Run({[&](HWND dlg) {
    for (int id : {kCheck, kGlobalMode}) {
      SCOPED_TRACE(id);
      HWND button = Item(dlg, id);
      EXPECT_EQ(Windows().GetCheck(button), 0);
      Windows().SetCheck(button, 1);
      EXPECT_EQ(Windows().GetCheck(button), 1);
      Windows().SetCheck(button, 0);
      EXPECT_EQ(Windows().GetCheck(button), 0);
    }

    // ShowWindow answers the visibility before the call.
    HWND hidden = Item(dlg, kDropList);
    EXPECT_FALSE(Windows().IsWindowVisible(hidden));
    EXPECT_FALSE(Windows().ShowWindow(hidden, SW_SHOW));
    EXPECT_TRUE(Windows().IsWindowVisible(hidden));
    EXPECT_TRUE(Windows().ShowWindow(hidden, SW_SHOW));
    EXPECT_TRUE(Windows().ShowWindow(hidden, SW_HIDE));
    EXPECT_FALSE(Windows().IsWindowVisible(hidden));
    EXPECT_FALSE(Windows().ShowWindow(hidden, SW_HIDE));

    HWND disabled = Item(dlg, kOverseasMode);
    EXPECT_FALSE(Windows().IsWindowEnabled(disabled));
    EXPECT_TRUE(Windows().IsWindowEnabled(Item(dlg, kGlobalMode)));
    Windows().EnableWindow(disabled, true);
    EXPECT_TRUE(Windows().IsWindowEnabled(disabled));
    Windows().EnableWindow(disabled, false);
    EXPECT_FALSE(Windows().IsWindowEnabled(disabled));
  }});
}

TEST_F(WindowSystemContract, DialogMinimisesRestoresHidesAndShows) {
  Run({[&](HWND dlg) {
    EXPECT_FALSE(Windows().IsIconic(dlg));
    EXPECT_TRUE(Windows().ShowWindow(dlg, SW_MINIMIZE));
    EXPECT_TRUE(Windows().IsIconic(dlg));
    EXPECT_TRUE(Windows().IsWindowVisible(dlg));
    EXPECT_TRUE(Windows().ShowWindow(dlg, SW_RESTORE));
    EXPECT_FALSE(Windows().IsIconic(dlg));

    EXPECT_TRUE(Windows().ShowWindow(dlg, SW_HIDE));
    EXPECT_FALSE(Windows().IsWindowVisible(dlg));
    // A control of a hidden dialog is not visible either.
    EXPECT_FALSE(Windows().IsWindowVisible(Item(dlg, kCheck)));
    EXPECT_FALSE(Windows().ShowWindow(dlg, SW_SHOW));
    EXPECT_TRUE(Windows().IsWindowVisible(dlg));
    EXPECT_TRUE(Windows().IsWindowVisible(Item(dlg, kCheck)));
  }});
}

TEST_F(WindowSystemContract, ListItemsKeepInsertionOrderAndComboTextFollowsTheSelection) {
  Run({[&](HWND dlg) {
    for (int id : {kDropList, kDropDown, kList}) {
      SCOPED_TRACE(id);
      HWND list = Item(dlg, id);
      EXPECT_EQ(Windows().GetCount(list), 0);
      EXPECT_EQ(Windows().AddString(list, "서울 1"), 0);
      EXPECT_EQ(Windows().AddString(list, "上海 2"), 1);
      EXPECT_EQ(Windows().AddString(list, "A 0"), 2);
      EXPECT_EQ(Windows().GetCount(list), 3);
      EXPECT_EQ(Windows().GetCurSel(list), -1);

      using Item = std::pair<int, std::string>;
      EXPECT_EQ(ItemText(list, 1), (Item{8, "上海 2"}));  // bytes of the UTF-8 text
      EXPECT_EQ(ItemText(list, 3), (Item{-1, ""}));
      EXPECT_EQ(ItemText(list, -1), (Item{-1, ""}));

      // A combo box's text follows the selection; an index past the end clears both.
      auto expectComboText = [&](const char* text) {
        if (id != kList) {
          EXPECT_EQ(Windows().GetWindowText(list), text);
        }
      };
      EXPECT_EQ(Windows().SetCurSel(list, 1), 1);
      expectComboText("上海 2");
      EXPECT_EQ(Windows().SetCurSel(list, 3), -1);
      EXPECT_EQ(Windows().GetCurSel(list), -1);
      expectComboText("");
      EXPECT_EQ(Windows().SetCurSel(list, 2), 2);
      EXPECT_EQ(Windows().GetCurSel(list), 2);
      expectComboText("A 0");
      // Deleting an item before the selection moves the selection with its item.
      EXPECT_EQ(Windows().DeleteString(list, 0), 2);
      EXPECT_EQ(Windows().GetCurSel(list), 1);
      EXPECT_EQ(ItemText(list, 0), (Item{8, "上海 2"}));
      EXPECT_EQ(Windows().DeleteString(list, 2), -1);
      EXPECT_EQ(Windows().DeleteString(list, -1), -1);
      EXPECT_EQ(Windows().GetCount(list), 2);

      Windows().ResetContent(list);
      EXPECT_EQ(Windows().GetCount(list), 0);
      EXPECT_EQ(Windows().GetCurSel(list), -1);
      expectComboText("");
      EXPECT_EQ(Windows().SetCurSel(list, 0), -1);
    }
  }});
}

TEST_F(WindowSystemContract, SentMessagesAreHandledAtOncePostedOnesLaterInOrder) {
  LRESULT sent = 0, ignored = -1;
  Log atSend;
  ScriptedSink sink(Windows(), {[&](HWND dlg) {
                                  EXPECT_TRUE(Windows().PostMessage(dlg, kPosted, 1, 0));
                                  sent = Windows().SendMessage(dlg, kSent, 2, 0);
                                  atSend = sink.log;
                                  EXPECT_TRUE(Windows().PostMessage(dlg, kPosted, 3, 0));
                                  ignored = Windows().SendMessage(dlg, kIgnored, 0, 0);
                                },
                                [](HWND) {}});
  Run(sink);
  EXPECT_EQ(sent, 1002);
  EXPECT_EQ(ignored, 0);
  EXPECT_EQ(atSend, (Log{"create", "initdialog", "sent 2"}));
  EXPECT_EQ(sink.log, (Log{"create", "initdialog", "sent 2", "posted 1", "posted 3"}));
}

TEST_F(WindowSystemContract, TimerArrivesWithItsIdUntilKilledAndAHandlerEndsTheDialog) {
  constexpr UINT_PTR kFast = 77, kSlow = 78;
  bool killed = false, killedAgain = true;
  ScriptedSink sink(Windows(), {[&](HWND dlg) {
                      sink.Hold();
                      EXPECT_EQ(Windows().SetTimer(dlg, kFast, 20), kFast);
                    }});
  sink.onTimer = [&](HWND dlg, UINT_PTR id) {
    if (id == kFast && sink.timers.size() == 2) {
      killed = Windows().KillTimer(dlg, kFast);
      killedAgain = Windows().KillTimer(dlg, kFast);
      // Ten periods of the killed timer pass before the slow one ends the case.
      EXPECT_EQ(Windows().SetTimer(dlg, kSlow, 200), kSlow);
    } else if (id == kSlow) {
      Windows().KillTimer(dlg, kSlow);
      Windows().EndDialog(dlg, 7);
    }
  };
  // What a handler ends the dialog with is what DialogBox returns.
  EXPECT_EQ(Windows().DialogBox(kTemplate, nullptr, sink), 7);
  EXPECT_TRUE(killed);
  EXPECT_FALSE(killedAgain);
  EXPECT_EQ(sink.timers, (std::vector<UINT_PTR>{kFast, kFast, kSlow}));
}

TEST_F(WindowSystemContract, MessageBoxReturnsItsAnswerWhileTimersKeepArriving) {
  constexpr UINT_PTR kTick = 5;
  const std::string question = "Velk VPN 질문 问题";
  const std::string notice = "Velk VPN 알림 通知";
  int answered = 0, acknowledged = 0;
  size_t ticksInQuestion = 0;
  bool ownerEnabledInBox = true;
  ScriptedSink sink(
      Windows(), {[&](HWND dlg) {
        EXPECT_FALSE(m_env->AnswerMessageBox(question, IDNO));  // no box open yet
        EXPECT_EQ(Windows().SetTimer(dlg, kTick, 20), kTick);
        answered =
            Boxes().MessageBox(dlg, "연결을 끊을까요? 断开连接?", question, MB_YESNO | MB_ICONQUESTION);
        ticksInQuestion = sink.timers.size();
        EXPECT_TRUE(Windows().IsWindowEnabled(dlg));
        acknowledged = Boxes().MessageBox(dlg, "연결되었습니다 已连接", notice, MB_OK | MB_ICONINFORMATION);
        Windows().KillTimer(dlg, kTick);
      }});
  sink.onTimer = [&](HWND dlg, UINT_PTR) {
    if (sink.timers.size() == 2) {
      ownerEnabledInBox = Windows().IsWindowEnabled(dlg);
      EXPECT_TRUE(m_env->AnswerMessageBox(question, IDNO));
    }
    if (sink.timers.size() == 4) {
      EXPECT_TRUE(m_env->AnswerMessageBox(notice, IDOK));
    }
  };
  Run(sink);
  EXPECT_EQ(answered, IDNO);
  EXPECT_GE(ticksInQuestion, 2u);
  EXPECT_EQ(acknowledged, IDOK);
  EXPECT_GE(sink.timers.size(), 4u);
  // The box is modal to its owner.
  EXPECT_FALSE(ownerEnabledInBox);
}

TEST_F(WindowSystemContract, TrayIconIsAddedModifiedAndDeletedOnce) {
  Run({[&](HWND dlg) {
    plat::NotifyIconRecord record;
    record.cbSize = 488;
    record.hWnd = dlg;
    record.uID = 143;
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record.uCallbackMessage = WM_USER + 100;
    record.hIcon = Windows().LoadIcon(kAppIcon);
    std::snprintf(record.szTip, sizeof(record.szTip), "Velk VPN 벨크");
    EXPECT_TRUE(Tray().NotifyIcon(NIM_ADD, record));
    EXPECT_FALSE(Tray().NotifyIcon(NIM_ADD, record));

    record.uFlags = NIF_TIP | NIF_INFO;
    record.uTimeout = 1000;
    record.dwInfoFlags = NIIF_USER;
    std::snprintf(record.szInfoTitle, sizeof(record.szInfoTitle), "Velk VPN");
    std::snprintf(record.szInfo, sizeof(record.szInfo), "VPN 연결되었습니다 已连接");
    EXPECT_TRUE(Tray().NotifyIcon(NIM_MODIFY, record));

    EXPECT_TRUE(Tray().NotifyIcon(NIM_DELETE, record));
    EXPECT_FALSE(Tray().NotifyIcon(NIM_DELETE, record));
    EXPECT_FALSE(Tray().NotifyIcon(NIM_MODIFY, record));

    // Another id of the same window is another icon.
    record.uID = 144;
    EXPECT_FALSE(Tray().NotifyIcon(NIM_MODIFY, record));
  }});
}

// The states compared; the rest (focusable, hot...) differ between proxies.
constexpr long kComparedStates = plat::kStateUnavailable | plat::kStateChecked | plat::kStateInvisible |
                                 plat::kStateProtected | plat::kStateFocused;

// What a screen reader is told of each control: an annotated name, or else
// the control's text; the role; the state (the first tab stop has the focus).
TEST_F(WindowSystemContract, NamesRolesAndStatesReachTheReader) {
  struct Expected {
    int id;
    const char* name;
    bool annotated;
    long role;
    long state;
  };
  const Expected expected[] = {
      {kConnect, "연결 连接", true, plat::kRolePushButton, plat::kStateFocused},
      {kEdit, "아이디 用户名", true, plat::kRoleText, 0},
      {kPassword, "비밀번호 密码", true, plat::kRoleText, plat::kStateProtected},
      {kCheck, "로그인 정보 저장 记住密码", true, plat::kRoleCheckButton, plat::kStateChecked},
      {kProductLink, "Velk VPN 홈페이지 · 官网 www.velk.example", true, plat::kRoleLink, 0},
      {kSkinClose, "닫기 关闭", true, plat::kRolePushButton, plat::kStateInvisible},
      {kDropDown, "서버 服务器", true, plat::kRoleComboBox, 0},
      {kOverseasMode, "针对海外加速", false, plat::kRoleRadioButton, plat::kStateUnavailable},
  };
  Run({[&](HWND dlg) {
    for (const Expected& e : expected)
      if (e.annotated) Access().SetAccessibleName(Item(dlg, e.id), e.name);
    Access().SetAccessibleRole(Item(dlg, kProductLink), plat::kRoleLink);
    Windows().SetCheck(Item(dlg, kCheck), 1);

    for (const Expected& e : expected) {
      SCOPED_TRACE(e.id);
      plat::AccessibleFacts facts = Facts(dlg, e.id);
      // Wine's accessibility library takes the annotations and keeps none;
      // its proxies know the edit field's role only (the others get a plain
      // window's) and tell no check box's checked state.
      EXPECT_WINDOWS_ANSWER(*m_env, e.annotated, "annotated names are not kept",
                            contract::Same(facts.name, e.name));
      EXPECT_WINDOWS_ANSWER(*m_env, e.role != plat::kRoleText,
                            "controls other than edits get a window's role",
                            contract::Same(facts.role, e.role));
      EXPECT_WINDOWS_ANSWER(*m_env, (e.state & plat::kStateChecked) != 0, "no checked state",
                            contract::Same(facts.state & kComparedStates, e.state));
    }
  }});
}

TEST_F(WindowSystemContract, FocusMovesToShownEnabledControlsAndIsRead) {
  Run({[&](HWND dlg) {
    Windows().SetFocus(dlg, Item(dlg, kPassword));
    EXPECT_EQ(Windows().GetFocus(), Item(dlg, kPassword));
    EXPECT_EQ(Facts(dlg, kPassword).state & kComparedStates, plat::kStateProtected | plat::kStateFocused);

    // A drop-down combo box holds the focus in its edit field; it counts as the combo box's.
    Windows().SetFocus(dlg, Item(dlg, kDropDown));
    EXPECT_EQ(Windows().GetFocus(), Item(dlg, kDropDown));
    EXPECT_EQ(Facts(dlg, kPassword).state & plat::kStateFocused, 0);

    Windows().SetFocus(dlg, Item(dlg, kConnect));
    EXPECT_EQ(Windows().GetFocus(), Item(dlg, kConnect));
    EXPECT_EQ(Facts(dlg, kConnect).state & kComparedStates, plat::kStateFocused);
  }});
}

}  // namespace
