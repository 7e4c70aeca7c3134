// The main window's pixel layout on real windows: two pixels per dialog unit
// whatever the font, times the DPI, and everything laid out again on a DPI
// change. Needs a display (scripts/windows-tests provides a virtual one).
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "platform/win32/Dpi.h"
#include "platform/win32/WinApi.h"
#include "platform/win32/WinText.h"
#include "platform/win32/WindowSystemWin32.h"
#include "resources/DialogTemplates.h"
#include "resources/resource.h"
#include "tests/contract/ScriptedSink.h"

namespace {

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

class PixelLayoutWin32 : public ::testing::Test {
 protected:
  // Runs one check once the dialog is up, then ends it; returns how often
  // each message was left to default processing.
  std::map<UINT, int> Run(const plat::DialogTemplate& tmpl, contract::ScriptedSink::Step check) {
    contract::ScriptedSink sink(m_windows, {std::move(check)});
    EXPECT_EQ(m_windows.DialogBox(tmpl, nullptr, sink), contract::kEndResult);
    return sink.unhandled;
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

  win32::WindowSystemWin32 m_windows{::GetModuleHandleW(nullptr)};
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
