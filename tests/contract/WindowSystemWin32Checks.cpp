// The Win32 window system on real windows: dialogs built from template
// tables, the dialog procedure's routing, controls, images and the tray.
// Needs a display (scripts/windows-tests provides a virtual one).
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "framework/Resources.h"
#include "platform/win32/WinApi.h"
#include "platform/win32/WindowSystemWin32.h"
#include "resources/resource.h"

namespace {

// Resources of ContractResourcesWin32.rc.
constexpr int kAppIcon = 2;
constexpr int kWindowIcon = 3;
constexpr int kGreenButton = 10;
constexpr int kGreenButtonDown = 11;
constexpr int kRedButton = 12;
constexpr int kBackground = 13;

using plat::ControlKind;

const plat::ControlTemplate kControls[] = {
    {1004, ControlKind::OwnerDrawButton, "Connect", {7, 150, 64, 19}, true, plat::kStyleTransparent, 0},
    {1008, ControlKind::Edit, "", {45, 110, 66, 12}, true, plat::kStyleAutoScroll | plat::kStyleBorder, 0},
    {1009, ControlKind::Edit, "", {45, 125, 97, 12}, true, plat::kStylePassword | plat::kStyleBorder, 0},
    {1006, ControlKind::CheckBox, "", {46, 140, 8, 8}, true, 0, 0},
    {1007, ControlKind::ComboDropList, "", {27, 26, 113, 64}, false, 0, 0},
    {1036, ControlKind::ComboDropDown, "", {45, 95, 116, 60}, true, 0, 0},
    {1050, ControlKind::ListBox, "", {120, 5, 40, 40}, true, 0, 0},
    {1021, ControlKind::Progress, "", {12, 54, 141, 11}, false, 0, 0},
    {1025, ControlKind::RadioButton, "全局模式", {12, 70, 47, 10}, false, plat::kStyleGroup, 0},
    {1026, ControlKind::RadioButton, "针对海外加速", {60, 70, 56, 10}, false, plat::kStyleDisabled, 0},
    {1003, ControlKind::Browser, "", {4, 3, 100, 40}, true, 0, 0},
    {1060, ControlKind::Picture, "", {0, 0, 20, 20}, true, 0, kAppIcon},
    {1038, ControlKind::Picture, "", {0, 0, 169, 193}, true, plat::kStyleRealSize, kBackground},
};

const plat::DialogTemplate kTemplate = {
    900,
    "",
    168,
    191,
    "MS Shell Dlg 2",
    9,
    plat::kDlgCaption | plat::kDlgSysMenu | plat::kDlgMinimizeBox | plat::kDlgAppWindow,
    kControls};

constexpr UINT kStep = WM_APP + 1;     // runs the next step of a case
constexpr UINT kAnswer = WM_APP + 2;   // handled with a result
constexpr UINT kIgnored = WM_APP + 3;  // left to default processing

// A sink that records what reaches it and runs a case's steps, one per
// posted kStep, so that each step sees the messages the previous one caused.
class ScriptedSink final : public plat::IWindowSink {
 public:
  using Step = std::function<void(HWND)>;
  explicit ScriptedSink(std::vector<Step> steps) : m_steps(std::move(steps)) {}

  LRESULT OnWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) override {
    handled = true;
    switch (msg) {
      case WM_CREATE:
        seen.push_back(msg);
        createHadStruct = lParam != 0;
        return 0;
      case WM_INITDIALOG:
        seen.push_back(msg);
        ::PostMessageW(hwnd, kStep, 0, 0);
        return TRUE;
      case kStep:
        if (m_next < m_steps.size()) m_steps[m_next++](hwnd);
        if (m_next < m_steps.size())
          ::PostMessageW(hwnd, kStep, 0, 0);
        else
          ::EndDialog(hwnd, 42);
        return 0;
      case kAnswer:
        return 1234;
      case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED) clicks.push_back(LOWORD(wParam));
        return 0;
      case WM_TIMER:
        timers.push_back(wParam);
        ::KillTimer(hwnd, wParam);
        return 0;
      default:
        handled = false;
        return 0;
    }
  }

  std::vector<UINT> seen;
  bool createHadStruct = false;
  std::vector<UINT> clicks;
  std::vector<WPARAM> timers;

 private:
  std::vector<Step> m_steps;
  size_t m_next = 0;
};

class WindowSystemWin32 : public ::testing::Test {
 protected:
  // Runs the dialog; every step ran when it ends with the sink's result.
  void Run(ScriptedSink& sink) { ASSERT_EQ(m_windows.DialogBox(kTemplate, nullptr, sink), 42); }
  HWND Item(HWND dlg, int id) { return m_windows.GetDlgItem(dlg, id); }
  static LONG Style(HWND hwnd) { return ::GetWindowLongW(hwnd, GWL_STYLE); }
  static LONG ExStyle(HWND hwnd) { return ::GetWindowLongW(hwnd, GWL_EXSTYLE); }
  // Colour at the middle of a window as painted on screen.
  static COLORREF MiddlePixel(HWND hwnd) {
    ::UpdateWindow(hwnd);
    RECT rc{};
    ::GetClientRect(hwnd, &rc);
    HDC dc = ::GetDC(hwnd);
    COLORREF color = ::GetPixel(dc, rc.right / 2, 2);
    ::ReleaseDC(hwnd, dc);
    return color;
  }

  win32::WindowSystemWin32 m_windows{::GetModuleHandleW(nullptr)};
};

TEST_F(WindowSystemWin32, DialogSendsCreateBeforeInitDialogAndReturnsTheEndResult) {
  ScriptedSink sink({[](HWND) {}});
  Run(sink);
  EXPECT_EQ(sink.seen, (std::vector<UINT>{WM_CREATE, WM_INITDIALOG}));
  EXPECT_TRUE(sink.createHadStruct);
}

TEST_F(WindowSystemWin32, HandledResultsReachTheSenderAndUnhandledOnesGetDefaults) {
  LRESULT answered = 0, ignored = -1;
  ScriptedSink sink({[&](HWND dlg) {
    answered = m_windows.SendMessage(dlg, kAnswer, 0, 0);
    ignored = m_windows.SendMessage(dlg, kIgnored, 0, 0);
  }});
  Run(sink);
  EXPECT_EQ(answered, 1234);
  EXPECT_EQ(ignored, 0);
}

TEST_F(WindowSystemWin32, TemplateStylesBecomeWindowStyles) {
  ScriptedSink sink({[&](HWND dlg) {
    EXPECT_TRUE(ExStyle(dlg) & WS_EX_APPWINDOW);
    EXPECT_TRUE(Style(dlg) & WS_MINIMIZEBOX);
    HWND connect = Item(dlg, 1004);
    EXPECT_EQ(Style(connect) & BS_TYPEMASK, BS_OWNERDRAW);
    EXPECT_TRUE(ExStyle(connect) & WS_EX_TRANSPARENT);
    HWND password = Item(dlg, 1009);
    EXPECT_TRUE(Style(password) & ES_PASSWORD);
    // The dialog manager turns a control's border into the sunken edge.
    EXPECT_TRUE((Style(password) & WS_BORDER) || (ExStyle(password) & WS_EX_CLIENTEDGE));
    EXPECT_TRUE(Style(Item(dlg, 1008)) & ES_AUTOHSCROLL);
    EXPECT_EQ(Style(Item(dlg, 1006)) & BS_TYPEMASK, BS_AUTOCHECKBOX);
    EXPECT_EQ(Style(Item(dlg, 1007)) & 0x3, CBS_DROPDOWNLIST);
    EXPECT_EQ(Style(Item(dlg, 1036)) & 0x3, CBS_DROPDOWN);
    EXPECT_FALSE(Style(Item(dlg, 1036)) & CBS_SORT);
    EXPECT_FALSE(Style(Item(dlg, 1050)) & LBS_SORT);
    EXPECT_TRUE(Style(Item(dlg, 1025)) & WS_GROUP);
    EXPECT_EQ(Style(Item(dlg, 1025)) & BS_TYPEMASK, BS_AUTORADIOBUTTON);
    EXPECT_FALSE(m_windows.IsWindowEnabled(Item(dlg, 1026)));
    EXPECT_FALSE(Style(Item(dlg, 1007)) & WS_VISIBLE);
    EXPECT_TRUE(Style(Item(dlg, 1036)) & WS_VISIBLE);
    EXPECT_EQ(m_windows.GetWindowText(Item(dlg, 1026)), "针对海外加速");
    HWND background = Item(dlg, 1038);
    EXPECT_EQ(Style(background) & SS_TYPEMASK, SS_BITMAP);
    EXPECT_NE(::SendMessageW(background, STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
    EXPECT_EQ(Style(Item(dlg, 1060)) & SS_TYPEMASK, SS_ICON);
    wchar_t className[32] = {};
    ::GetClassNameW(Item(dlg, 1021), className, 32);
    EXPECT_STREQ(className, PROGRESS_CLASSW);
  }});
  Run(sink);
}

TEST_F(WindowSystemWin32, TextsRoundTripAsUtf8AndFindTheWindow) {
  ScriptedSink sink({[&](HWND dlg) {
    m_windows.SetWindowText(dlg, "Velk VPN 벨크 维尔克");
    EXPECT_EQ(m_windows.GetWindowText(dlg), "Velk VPN 벨크 维尔克");
    EXPECT_EQ(m_windows.FindWindow("Velk VPN 벨크 维尔克"), dlg);
    EXPECT_EQ(m_windows.FindWindow("no such window"), nullptr);
    HWND user = Item(dlg, 1008);
    m_windows.SetWindowText(user, "");
    EXPECT_EQ(m_windows.GetWindowText(user), "");
  }});
  Run(sink);
}

TEST_F(WindowSystemWin32, ComboAndListBoxesKeepInsertionOrder) {
  ScriptedSink sink({[&](HWND dlg) {
    for (int id : {1036, 1050}) {
      SCOPED_TRACE(id);
      HWND list = Item(dlg, id);
      EXPECT_EQ(m_windows.AddString(list, "서울 1"), 0);
      EXPECT_EQ(m_windows.AddString(list, "上海 2"), 1);
      EXPECT_EQ(m_windows.AddString(list, "A 0"), 2);
      EXPECT_EQ(m_windows.GetCount(list), 3);
      EXPECT_EQ(m_windows.GetCurSel(list), -1);
      EXPECT_EQ(m_windows.SetCurSel(list, 1), 1);
      EXPECT_EQ(m_windows.GetCurSel(list), 1);
      EXPECT_EQ(m_windows.SetCurSel(list, 3), -1);

      std::string text = "#sentinel#";
      EXPECT_EQ(m_windows.GetItemText(list, 0, text), 8);  // bytes of the UTF-8 text
      EXPECT_EQ(text, "서울 1");
      EXPECT_EQ(m_windows.GetItemText(list, 3, text), -1);

      EXPECT_EQ(m_windows.DeleteString(list, 0), 2);
      EXPECT_EQ(m_windows.GetItemText(list, 0, text), 8);
      EXPECT_EQ(text, "上海 2");
      m_windows.ResetContent(list);
      EXPECT_EQ(m_windows.GetCount(list), 0);
    }
    HWND server = Item(dlg, 1036);
    m_windows.AddString(server, "上海 2");
    m_windows.SetCurSel(server, 0);
    EXPECT_EQ(m_windows.GetWindowText(server), "上海 2");
  }});
  Run(sink);
}

TEST_F(WindowSystemWin32, ButtonsAndProgressKeepTheirState) {
  ScriptedSink sink({[&](HWND dlg) {
    HWND check = Item(dlg, 1006);
    EXPECT_EQ(m_windows.GetCheck(check), 0);
    m_windows.SetCheck(check, 1);
    EXPECT_EQ(m_windows.GetCheck(check), 1);
    HWND bar = Item(dlg, 1021);
    m_windows.SetProgressRange(bar, 0, 500);
    EXPECT_EQ(m_windows.SetProgressPos(bar, 300), 0);
    EXPECT_EQ(m_windows.SetProgressPos(bar, 100), 300);
    HWND hidden = Item(dlg, 1007);
    EXPECT_FALSE(m_windows.ShowWindow(hidden, SW_SHOW));
    EXPECT_TRUE(m_windows.ShowWindow(hidden, SW_HIDE));
    m_windows.EnableWindow(hidden, false);
    EXPECT_FALSE(m_windows.IsWindowEnabled(hidden));
  }});
  Run(sink);
}

TEST_F(WindowSystemWin32, ImageButtonTakesTheSizeAndDrawsTheImageOfItsState) {
  COLORREF connectLook = 0, disconnectLook = 0;
  ScriptedSink sink({[&](HWND dlg) {
                       HWND connect = Item(dlg, 1004);
                       m_windows.SetButtonBitmaps(connect, kGreenButton, kGreenButtonDown, kGreenButton,
                                                  kGreenButton);
                       m_windows.SizeToBitmap(connect);
                       plat::Rect rc = m_windows.GetWindowRect(connect);
                       int cx = 0, cy = 0;
                       ASSERT_TRUE(AfxGetBitmapSize(IDB_CONNECT, cx, cy));  // the same file as kGreenButton
                       EXPECT_EQ(rc.Width(), cx);
                       EXPECT_EQ(rc.Height(), cy);
                     },
                     [&](HWND dlg) { connectLook = MiddlePixel(Item(dlg, 1004)); },
                     [&](HWND dlg) {
                       m_windows.SetButtonBitmaps(Item(dlg, 1004), kRedButton, 0, 0, 0);
                       m_windows.SizeToBitmap(Item(dlg, 1004));
                     },
                     [&](HWND dlg) { disconnectLook = MiddlePixel(Item(dlg, 1004)); }});
  Run(sink);
  EXPECT_GT(GetGValue(connectLook), GetRValue(connectLook)) << std::hex << connectLook;
  EXPECT_GT(GetRValue(disconnectLook), GetGValue(disconnectLook)) << std::hex << disconnectLook;
}

TEST_F(WindowSystemWin32, EnterRunsTheDefaultButton) {
  ScriptedSink sink({[&](HWND dlg) {
                       m_windows.SetDefaultId(dlg, 1004);
                       EXPECT_EQ(LOWORD(::SendMessageW(dlg, DM_GETDEFID, 0, 0)), 1004);
                       HWND password = Item(dlg, 1009);
                       ::SetFocus(password);
                       m_windows.PostMessage(password, WM_KEYDOWN, VK_RETURN, 0);
                     },
                     [](HWND) {}});
  Run(sink);
  EXPECT_EQ(sink.clicks, (std::vector<UINT>{1004}));
}

TEST_F(WindowSystemWin32, TimersAndPostedMessagesReachTheSink) {
  ScriptedSink sink({[&](HWND dlg) { EXPECT_EQ(m_windows.SetTimer(dlg, 77, 1), 77u); },
                     [&](HWND dlg) {
                       // Runs the modal loop until the timer has fired.
                       MSG msg;
                       while (sink.timers.empty() && ::GetMessageW(&msg, nullptr, 0, 0)) {
                         if (!::IsDialogMessageW(dlg, &msg)) ::DispatchMessageW(&msg);
                       }
                     }});
  Run(sink);
  EXPECT_EQ(sink.timers, (std::vector<WPARAM>{77}));
}

TEST_F(WindowSystemWin32, IconsSystemMenuAndNotificationArea) {
  ScriptedSink sink({[&](HWND dlg) {
    HICON icon = m_windows.LoadIcon(kWindowIcon);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(m_windows.LoadIcon(999), nullptr);
    m_windows.SetIcon(dlg, icon, true);
    EXPECT_EQ(reinterpret_cast<HICON>(::SendMessageW(dlg, WM_GETICON, ICON_BIG, 0)), icon);

    m_windows.AppendSystemMenu(dlg, MF_SEPARATOR, 0, "");
    m_windows.AppendSystemMenu(dlg, MF_STRING, 16, "Dorvanta 关于");
    wchar_t item[32] = {};
    EXPECT_GT(::GetMenuStringW(::GetSystemMenu(dlg, FALSE), 16, item, 32, MF_BYCOMMAND), 0);
    EXPECT_STREQ(item, L"Dorvanta 关于");

    plat::NotifyIconRecord record;
    record.cbSize = 488;
    record.hWnd = dlg;
    record.uID = 143;
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record.uCallbackMessage = WM_USER + 100;
    record.hIcon = icon;
    std::snprintf(record.szTip, sizeof(record.szTip), "VPN");
    EXPECT_TRUE(m_windows.NotifyIcon(NIM_ADD, record));
    record.uFlags = NIF_TIP | NIF_INFO;
    record.uTimeout = 1000;
    record.dwInfoFlags = NIIF_USER;
    std::snprintf(record.szInfoTitle, sizeof(record.szInfoTitle), "Velk VPN");
    std::snprintf(record.szInfo, sizeof(record.szInfo), "VPN 연결되었습니다");
    EXPECT_TRUE(m_windows.NotifyIcon(NIM_MODIFY, record));
    EXPECT_TRUE(m_windows.NotifyIcon(NIM_DELETE, record));
    EXPECT_FALSE(m_windows.NotifyIcon(NIM_MODIFY, record));
  }});
  Run(sink);
}

}  // namespace

namespace {

// The browser control is hosted after the dialog's first paint, where the
// system has an engine; where it has none (a test prefix without one) every
// browser call must still be safe.
TEST_F(WindowSystemWin32, BrowserIsHostedAfterTheFirstPaintWithTheNavigationAskedBefore) {
  ScriptedSink sink({[&](HWND dlg) {
                       HWND banner = Item(dlg, 1003);
                       ASSERT_NE(banner, nullptr);
                       m_windows.Navigate(banner, "http://dir.velk.example:8000/webadmin/logo1.php");
                       m_windows.SetBrowserVisible(banner, true);
                       // Not painted yet: the placeholder is still empty.
                       EXPECT_EQ(::GetWindow(banner, GW_CHILD), nullptr);
                       EXPECT_EQ(m_windows.GetBrowserDocument(banner), nullptr);
                       ::UpdateWindow(dlg);
                     },
                     [&](HWND dlg) {
                       HWND banner = Item(dlg, 1003);
                       // Hosted, the control's own window sits in the placeholder.
                       bool hosted = ::GetWindow(banner, GW_CHILD) != nullptr;
                       RecordProperty("browser_hosted", hosted ? "yes" : "no");
                       std::printf("browser control hosted: %s\n", hosted ? "yes" : "no");
                       auto document = m_windows.GetBrowserDocument(banner);
                       std::printf("document: %s\n", document ? "present" : "none");
                       if (document) document->SetBodyScroll("no");
                       m_windows.Navigate(banner, "http://dir.velk.example:8000/webadmin/logo2.php");
                       EXPECT_TRUE(::IsWindow(banner));
                       // A control that is no browser takes none of it.
                       HWND user = Item(dlg, 1008);
                       m_windows.Navigate(user, "http://dir.velk.example/");
                       m_windows.SetBrowserVisible(user, true);
                       EXPECT_EQ(m_windows.GetBrowserDocument(user), nullptr);
                       EXPECT_EQ(m_windows.GetWindowText(user), "");
                       EXPECT_EQ(::GetWindow(user, GW_CHILD), nullptr);
                     },
                     [&](HWND dlg) {
                       // Whatever the navigation sent meanwhile has been dispatched.
                       EXPECT_TRUE(::IsWindow(Item(dlg, 1003)));
                     }});
  Run(sink);
}

TEST_F(WindowSystemWin32, CursorShapeIsTheSystemCursor) {
  ScriptedSink sink({[&](HWND) {
    m_windows.SetCursorShape(32649);
    EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32649)));
    m_windows.SetCursorShape(32512);
    EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)));
  }});
  Run(sink);
}

}  // namespace
