// The Win32 window system on real windows, where the shared contract cannot
// look: the styles a template gives, the progress bar, image buttons as
// painted, the default button, icons, the system menu, the browser control,
// the cursor, and the main window's pixel layout (two pixels per dialog unit
// whatever the font, times the DPI, laid out again on a DPI change). Needs a
// display (scripts/windows-tests provides a virtual one).
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "platform/win32/BoxesAndMenusWin32.h"
#include "platform/win32/BrowserPortWin32.h"
#include "platform/win32/Dpi.h"
#include "platform/win32/WinApi.h"
#include "platform/win32/WinText.h"
#include "platform/win32/WindowingWin32.h"
#include "resources/DialogTemplates.h"
#include "resources/resource.h"
#include "tests/contract/ScriptedSink.h"

namespace {

// Resources of ContractResourcesWin32.rc.
constexpr int kAppIcon = 2;
constexpr int kWindowIcon = 3;
constexpr int kGreenButton = 10;
constexpr int kGreenButtonDown = 11;
constexpr int kRedButton = 12;
constexpr int kBackground = 13;

using contract::ScriptedSink;
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

class WindowSystemWin32 : public ::testing::Test {
 protected:
  // Runs the dialog; every step ran when it ends with the script's result.
  // Gives the sink, which saw the messages.
  ScriptedSink Run(std::vector<ScriptedSink::Step> steps, const plat::DialogTemplate& tmpl = kTemplate) {
    ScriptedSink sink(m_windows, std::move(steps));
    EXPECT_EQ(m_windows.DialogBox(tmpl, nullptr, sink), contract::kEndResult);
    return sink;
  }
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

  win32::BrowserHosts m_browserHosts;
  win32::WindowingWin32 m_windows{::GetModuleHandleW(nullptr), m_browserHosts};
  win32::BoxesAndMenusWin32 m_boxes;
  win32::BrowserPortWin32 m_browser{m_browserHosts};
};

TEST_F(WindowSystemWin32, TemplateStylesBecomeWindowStyles) {
  Run({[&](HWND dlg) {
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
    EXPECT_FALSE(Style(Item(dlg, 1007)) & WS_VISIBLE);
    EXPECT_TRUE(Style(Item(dlg, 1036)) & WS_VISIBLE);
    HWND background = Item(dlg, 1038);
    EXPECT_EQ(Style(background) & SS_TYPEMASK, SS_BITMAP);
    EXPECT_NE(::SendMessageW(background, STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
    EXPECT_EQ(Style(Item(dlg, 1060)) & SS_TYPEMASK, SS_ICON);
    wchar_t className[32] = {};
    ::GetClassNameW(Item(dlg, 1021), className, 32);
    EXPECT_STREQ(className, PROGRESS_CLASSW);
  }});
}

TEST_F(WindowSystemWin32, ProgressGivesThePreviousPosition) {
  Run({[&](HWND dlg) {
    HWND bar = Item(dlg, 1021);
    m_windows.SetProgressRange(bar, 0, 500);
    EXPECT_EQ(m_windows.SetProgressPos(bar, 300), 0);
    EXPECT_EQ(m_windows.SetProgressPos(bar, 100), 300);
  }});
}

TEST_F(WindowSystemWin32, ImageButtonDrawsTheImageOfItsState) {
  COLORREF connectLook = 0, disconnectLook = 0;
  Run({[&](HWND dlg) {
         HWND connect = Item(dlg, 1004);
         m_windows.SetButtonBitmaps(connect, kGreenButton, kGreenButtonDown, kGreenButton, kGreenButton);
         m_windows.SizeToBitmap(connect);
       },
       [&](HWND dlg) { connectLook = MiddlePixel(Item(dlg, 1004)); },
       [&](HWND dlg) {
         m_windows.SetButtonBitmaps(Item(dlg, 1004), kRedButton, 0, 0, 0);
         m_windows.SizeToBitmap(Item(dlg, 1004));
       },
       [&](HWND dlg) { disconnectLook = MiddlePixel(Item(dlg, 1004)); }});
  EXPECT_GT(GetGValue(connectLook), GetRValue(connectLook)) << std::hex << connectLook;
  EXPECT_GT(GetRValue(disconnectLook), GetGValue(disconnectLook)) << std::hex << disconnectLook;
}

TEST_F(WindowSystemWin32, EnterRunsTheDefaultButton) {
  ScriptedSink sink = Run({[&](HWND dlg) {
                             m_windows.SetDefaultId(dlg, 1004);
                             EXPECT_EQ(LOWORD(::SendMessageW(dlg, DM_GETDEFID, 0, 0)), 1004);
                             HWND password = Item(dlg, 1009);
                             ::SetFocus(password);
                             m_windows.PostMessage(password, WM_KEYDOWN, VK_RETURN, 0);
                           },
                           [](HWND) {}});
  EXPECT_EQ(sink.clicks, (std::vector<int>{1004}));
}

TEST_F(WindowSystemWin32, IconsAndSystemMenu) {
  Run({[&](HWND dlg) {
    HICON icon = m_windows.LoadIcon(kWindowIcon);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(m_windows.LoadIcon(999), nullptr);
    m_windows.SetIcon(dlg, icon, true);
    EXPECT_EQ(reinterpret_cast<HICON>(::SendMessageW(dlg, WM_GETICON, ICON_BIG, 0)), icon);

    m_boxes.AppendSystemMenu(dlg, MF_SEPARATOR, 0, "");
    m_boxes.AppendSystemMenu(dlg, MF_STRING, 16, "Dorvanta 关于");
    wchar_t item[32] = {};
    EXPECT_GT(::GetMenuStringW(::GetSystemMenu(dlg, FALSE), 16, item, 32, MF_BYCOMMAND), 0);
    EXPECT_STREQ(item, L"Dorvanta 关于");
  }});
}

// The browser control is hosted after the dialog's first paint, where the
// system has an engine; where it has none (a test prefix without one) every
// browser call must still be safe.
TEST_F(WindowSystemWin32, BrowserIsHostedAfterTheFirstPaintWithTheNavigationAskedBefore) {
  Run({[&](HWND dlg) {
         HWND banner = Item(dlg, 1003);
         ASSERT_NE(banner, nullptr);
         m_browser.Navigate(banner, "http://dir.velk.example:8000/webadmin/logo1.php");
         m_browser.SetBrowserVisible(banner, true);
         // Not painted yet: the placeholder is still empty.
         EXPECT_EQ(::GetWindow(banner, GW_CHILD), nullptr);
         EXPECT_EQ(m_browser.GetBrowserDocument(banner), nullptr);
         ::UpdateWindow(dlg);
       },
       [&](HWND dlg) {
         HWND banner = Item(dlg, 1003);
         // Hosted, the control's own window sits in the placeholder.
         bool hosted = ::GetWindow(banner, GW_CHILD) != nullptr;
         RecordProperty("browser_hosted", hosted ? "yes" : "no");
         std::printf("browser control hosted: %s\n", hosted ? "yes" : "no");
         auto document = m_browser.GetBrowserDocument(banner);
         std::printf("document: %s\n", document ? "present" : "none");
         if (document) document->SetBodyScroll("no");
         m_browser.Navigate(banner, "http://dir.velk.example:8000/webadmin/logo2.php");
         EXPECT_TRUE(::IsWindow(banner));
         // A control that is no browser takes none of it.
         HWND user = Item(dlg, 1008);
         m_browser.Navigate(user, "http://dir.velk.example/");
         m_browser.SetBrowserVisible(user, true);
         EXPECT_EQ(m_browser.GetBrowserDocument(user), nullptr);
         EXPECT_EQ(m_windows.GetWindowText(user), "");
         EXPECT_EQ(::GetWindow(user, GW_CHILD), nullptr);
       },
       [&](HWND dlg) {
         // Whatever the navigation sent meanwhile has been dispatched.
         EXPECT_TRUE(::IsWindow(Item(dlg, 1003)));
       }});
}

TEST_F(WindowSystemWin32, CursorShapeIsTheSystemCursor) {
  Run({[&](HWND) {
    m_boxes.SetCursorShape(32649);
    EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32649)));
    m_boxes.SetCursorShape(32512);
    EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)));
  }});
}

RECT ClientRectOf(HWND control) {
  RECT rc{};
  ::GetWindowRect(control, &rc);
  ::MapWindowPoints(nullptr, ::GetParent(control), reinterpret_cast<POINT*>(&rc), 2);
  return rc;
}

int Px(int units, UINT dpi) {
  return win32::ScaleToDpi(units * plat::kPixelsPerDialogUnit, dpi);
}

SIZE ImageSize(HWND picture) {
  BITMAP info{};
  auto image = reinterpret_cast<HGDIOBJ>(::SendMessageW(picture, STM_GETIMAGE, IMAGE_BITMAP, 0));
  if (image == nullptr || ::GetObjectW(image, sizeof(info), &info) == 0) return {0, 0};
  return {info.bmWidth, info.bmHeight};
}

LONG FontHeight(HWND control) {
  LOGFONTW font{};
  auto handle = reinterpret_cast<HGDIOBJ>(::SendMessageW(control, WM_GETFONT, 0, 0));
  if (handle == nullptr || ::GetObjectW(handle, sizeof(font), &font) == 0) return 0;
  return font.lfHeight;
}

class PixelLayoutWin32 : public WindowSystemWin32 {
 protected:
  // Runs one check once the dialog is up, then ends it; returns how often
  // each message was left to default processing.
  std::map<UINT, int> Run(const plat::DialogTemplate& tmpl, ScriptedSink::Step check) {
    return WindowSystemWin32::Run({std::move(check)}, tmpl).unhandled;
  }

  // Every control of the template at its place for dpi: the named ones by
  // id, the unnamed labels in order.
  static void ExpectControlsAt(HWND dlg, const plat::DialogTemplate& tmpl, UINT dpi) {
    std::vector<HWND> unnamed;
    for (HWND child = ::GetWindow(dlg, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
      if (::GetDlgCtrlID(child) == -1) unnamed.push_back(child);
    size_t nextUnnamed = 0;
    for (const plat::ControlTemplate& ct : tmpl.controls) {
      if (ct.kind == plat::ControlKind::Picture) continue;
      SCOPED_TRACE(ct.text);
      SCOPED_TRACE(ct.id);
      HWND control = ct.id != -1 ? ::GetDlgItem(dlg, ct.id) : unnamed.at(nextUnnamed++);
      if (ct.id == -1) {
        wchar_t text[32] = {};
        ::GetWindowTextW(control, text, 32);
        EXPECT_EQ(win32::WideToUtf8(text), ct.text);
      }
      RECT rc = ClientRectOf(control);
      EXPECT_EQ(rc.left, Px(ct.rc.x, dpi));
      EXPECT_EQ(rc.top, Px(ct.rc.y, dpi));
      EXPECT_EQ(rc.right, Px(ct.rc.x + ct.rc.cx, dpi));
      bool combo = ct.kind == plat::ControlKind::ComboDropDown || ct.kind == plat::ControlKind::ComboDropList;
      // A closed combo box shows its field, an edit field's height.
      EXPECT_EQ(rc.bottom, combo ? Px(ct.rc.y + 12, dpi) : Px(ct.rc.y + ct.rc.cy, dpi));
    }
  }

  // The skin's image at its own size fills the client area.
  static void ExpectSkinFillsTheClientArea(HWND dlg, UINT dpi) {
    HWND skin = ::GetDlgItem(dlg, IDC_BACKGROUND);
    SIZE image = ImageSize(skin);
    EXPECT_EQ(image.cx, win32::ScaleToDpi(338, dpi));
    EXPECT_EQ(image.cy, win32::ScaleToDpi(385, dpi));
    RECT client{};
    ::GetClientRect(dlg, &client);
    EXPECT_EQ(client.right, image.cx);
    EXPECT_EQ(client.bottom, image.cy);
    RECT rc = ClientRectOf(skin);
    EXPECT_EQ(rc.left, 0);
    EXPECT_EQ(rc.top, 0);
    EXPECT_EQ(rc.right, image.cx);
    EXPECT_EQ(rc.bottom, image.cy);
  }
};

TEST_F(PixelLayoutWin32, MainWindowSitsAtTwoPixelsPerUnitWhateverTheFont) {
  struct Font {
    const char* face;
    int points;
  };
  for (Font font : {Font{kMainDialogTemplate.fontFace, kMainDialogTemplate.pointSize}, Font{"SimSun", 9},
                    Font{"Tahoma", 8}, Font{"Gulim", 14}}) {
    SCOPED_TRACE(font.face);
    plat::DialogTemplate tmpl = kMainDialogTemplate;
    tmpl.fontFace = font.face;
    tmpl.pointSize = font.points;
    Run(tmpl, [&](HWND dlg) {
      UINT dpi = win32::DpiOf(dlg);
      ExpectControlsAt(dlg, tmpl, dpi);
      ExpectSkinFillsTheClientArea(dlg, dpi);
      EXPECT_EQ(FontHeight(::GetDlgItem(dlg, IDC_USER)), -::MulDiv(font.points, static_cast<int>(dpi), 72));
    });
  }
}

// The layout creates the controls itself, as the dialog manager would have:
// template order is the z-order, with the template's styles and texts.
TEST_F(PixelLayoutWin32, ControlsComeInTemplateOrderWithTheirStylesAndTexts) {
  Run(kMainDialogTemplate, [&](HWND dlg) {
    std::vector<int> ids;
    for (HWND child = ::GetWindow(dlg, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
      ids.push_back(::GetDlgCtrlID(child));
      EXPECT_TRUE(::GetWindowLongW(child, GWL_EXSTYLE) & WS_EX_NOPARENTNOTIFY);
    }
    std::vector<int> expected;
    for (const plat::ControlTemplate& ct : kMainDialogTemplate.controls) expected.push_back(ct.id);
    ASSERT_GE(ids.size(), expected.size());
    EXPECT_EQ(std::vector<int>(ids.begin(), ids.begin() + static_cast<long>(expected.size())), expected);

    HWND password = ::GetDlgItem(dlg, IDC_PASSWORD);
    EXPECT_EQ(::GetWindowLongW(password, GWL_STYLE) & (ES_PASSWORD | WS_VISIBLE), ES_PASSWORD | WS_VISIBLE);
    EXPECT_FALSE(::GetWindowLongW(::GetDlgItem(dlg, IDC_LINE), GWL_STYLE) & WS_VISIBLE);
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(dlg, IDC_ROUTE_OVERSEAS)));
    wchar_t text[32] = {};
    ::GetWindowTextW(::GetDlgItem(dlg, IDC_RELAY), text, 32);
    EXPECT_EQ(win32::WideToUtf8(text), "启用");
  });
}

TEST_F(PixelLayoutWin32, DpiChangeMovesAndRescalesEverything) {
  std::map<UINT, int> unhandled = Run(kMainDialogTemplate, [&](HWND dlg) {
    const UINT before = win32::DpiOf(dlg);
    HWND connect = ::GetDlgItem(dlg, IDC_CONNECT);
    m_windows.SetButtonBitmaps(connect, IDB_CONNECT, IDB_CONNECT_DOWN, IDB_CONNECT, IDB_CONNECT);
    m_windows.SizeToBitmap(connect);

    for (UINT dpi : {144u, 192u, before}) {
      SCOPED_TRACE(dpi);
      RECT window{};
      ::GetWindowRect(dlg, &window);
      RECT suggested{window.left + 10, window.top + 20, window.left + 600, window.top + 700};
      ::SendMessageW(dlg, win32::kWmDpiChanged, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
      ::GetWindowRect(dlg, &window);
      EXPECT_EQ(window.left, suggested.left);
      EXPECT_EQ(window.top, suggested.top);
      ExpectSkinFillsTheClientArea(dlg, dpi);
      RECT button = ClientRectOf(connect);
      EXPECT_EQ(button.left, Px(7, dpi));
      EXPECT_EQ(button.top, Px(168, dpi));
      EXPECT_EQ(button.right - button.left, win32::ScaleToDpi(127, dpi));
      EXPECT_EQ(button.bottom - button.top, win32::ScaleToDpi(43, dpi));
      RECT server = ClientRectOf(::GetDlgItem(dlg, IDC_SERVER));
      EXPECT_EQ(server.left, Px(45, dpi));
      EXPECT_EQ(server.bottom - server.top, Px(12, dpi));
      EXPECT_EQ(FontHeight(::GetDlgItem(dlg, IDC_PASSWORD)), -::MulDiv(12, static_cast<int>(dpi), 72));
    }
  });
  EXPECT_EQ(unhandled[win32::kWmDpiChanged], 3);  // the window's own handlers hear of each change
}

TEST_F(PixelLayoutWin32, OtherDialogsKeepTheirFontsLayout) {
  Run(kAboutDialogTemplate, [&](HWND dlg) {
    RECT ok = ClientRectOf(::GetDlgItem(dlg, IDOK));
    RECT units{178, 7, 228, 21};
    ::MapDialogRect(dlg, &units);
    EXPECT_EQ(ok.left, units.left);
    EXPECT_EQ(ok.bottom, units.bottom);
  });
}

}  // namespace
