// Template 102: the main window.
#include "resources/DialogTemplates.h"
#include "resources/resource.h"

namespace {

// clang-format off
using plat::ControlKind;
using enum plat::ControlStyle;

constexpr DWORD kTransparent = kStyleTransparent;

const plat::ControlTemplate kMainControls[] = {
    {IDC_CONNECT, ControlKind::OwnerDrawButton, "Connect", {7, 168, 64, 19}, true, kTransparent, 0},
    {IDC_LINK_14, ControlKind::OwnerDrawButton, "Button14", {114, 131, 47, 12}, false, 0, 0},
    {IDC_BALLOON_TEST, ControlKind::DefPushButton, "Button15", {117, 113, 44, 12}, false, 0, 0},
    {IDC_LINK_G_WEBSITE, ControlKind::OwnerDrawButton, "G Website", {32, 32, 107, 24}, false, 0, 0},
    {IDC_LINK_13, ControlKind::OwnerDrawButton, "Button13", {5, 22, 65, 10}, false, 0, 0},
    {IDC_USER, ControlKind::Edit, "", {45, 133, 66, 12}, true, kStyleAutoScroll | kStyleBorder | kTransparent, 0},
    {IDC_PASSWORD, ControlKind::Edit, "", {45, 145, 97, 12}, true,
     kStylePassword | kStyleAutoScroll | kStyleBorder | kTransparent, 0},
    {IDC_REMEMBER, ControlKind::CheckBox, "", {46, 159, 8, 8}, true, kTransparent, 0},
    {IDC_LINK_11, ControlKind::OwnerDrawButton, "Button11", {32, 74, 67, 6}, false, 0, 0},
    {IDC_LINK_PRODUCT, ControlKind::OwnerDrawButton, "Velk VPN", {104, 175, 61, 12}, true, 0, 0},
    {IDC_BROWSER_BANNER, ControlKind::Browser, "", {4, 3, 160, 114}, true, 0, 0},
    {IDC_SKIN_HIDE, ControlKind::OwnerDrawButton, "Button10", {95, 14, 10, 8}, false, 0, 0},
    {IDC_SKIN_CLOSE, ControlKind::OwnerDrawButton, "Button9", {145, 11, 7, 8}, false, 0, 0},
    {IDC_BROWSER_SMALL, ControlKind::Browser, "", {83, 2, 39, 13}, false, 0, 0},
    {-1, ControlKind::Static, "Line：", {17, 76, 34, 9}, false, 0, 0},
    {-1, ControlKind::Static, "User：", {17, 98, 33, 11}, false, 0, 0},
    {-1, ControlKind::Static, "Pass：", {17, 116, 33, 11}, false, 0, 0},
    {IDC_LINE, ControlKind::ComboDropList, "", {27, 26, 113, 64}, false, 0, 0},
    {IDC_STATUS, ControlKind::Static, "Reday", {0, 156, 104, 8}, false, kTransparent, 0},
    {IDC_BUTTON2, ControlKind::PushButton, "Button2", {25, 144, 11, 14}, false, 0, 0},
    {2, ControlKind::PushButton, "Button3", {135, 70, 13, 13}, false, kStyleDisabled, 0},
    {IDC_GET_SERVER_LIST, ControlKind::PushButton, "获得服务器列表", {9, 101, 37, 19}, false, 0, 0},
    {-1, ControlKind::Static, "Country", {17, 56, 35, 9}, false, 0, 0},
    {IDC_GROUP, ControlKind::ComboDropList, "", {39, 50, 113, 65}, false, 0, 0},
    {IDC_SPEED, ControlKind::PushButton, "Speed", {118, 65, 28, 14}, false, 0, 0},
    {IDC_LINK_OFFICIAL, ControlKind::PushButton, "访问官网", {115, 90, 34, 13}, false, 0, 0},
    {IDC_AUTO_SELECT, ControlKind::CheckBox, "自动选择", {11, 81, 63, 9}, false, 0, 0},
    {IDC_PROGRESS, ControlKind::Progress, "", {12, 54, 141, 11}, false, 0, 0},
    {IDC_UPDATE, ControlKind::PushButton, "C Update", {115, 99, 37, 14}, false, 0, 0},
    {-1, ControlKind::Static, "中转线路：", {9, 47, 42, 10}, false, 0, 0},
    {IDC_RELAY_LINE, ControlKind::ComboDropList, "", {31, 42, 113, 65}, false, 0, 0},
    {IDC_RELAY, ControlKind::PushButton, "启用", {119, 40, 27, 14}, false, 0, 0},
    {IDC_ROUTE_GLOBAL, ControlKind::RadioButton, "全局模式", {12, 140, 47, 10}, false, kStyleGroup, 0},
    {IDC_ROUTE_OVERSEAS, ControlKind::RadioButton, "针对海外加速", {30, 128, 56, 10}, false, kStyleDisabled, 0},
    {IDC_ROUTE_GAME, ControlKind::RadioButton, "台服魔兽加速", {19, 137, 55, 9}, false, kStyleDisabled, 0},
    {IDC_L2TP, ControlKind::CheckBox, "L2TP模式", {42, 141, 50, 9}, false, kStyleGroup, 0},
    {IDC_SERVER, ControlKind::ComboDropDown, "", {45, 120, 116, 12}, true, kTransparent, 0},
    {IDC_BACKGROUND, ControlKind::Picture, "", {0, 0, 169, 193}, true, kStyleRealSize, IDB_BACKGROUND},
    {IDC_CLOSE_BUTTON, ControlKind::PushButton, "Button9", {95, 103, 30, 21}, false, 0, 0},
    {IDC_BUTTON16, ControlKind::PushButton, "Button16", {126, 147, 22, 18}, false, 0, 0},
    {IDC_SELECT_SERVER, ControlKind::DefPushButton, "Button17", {72, 161, 37, 23}, false, 0, 0},
    {IDC_BUTTON18, ControlKind::OwnerDrawButton, "Button18", {140, 131, 25, 18}, false, 0, 0},
    {IDC_PROBE_BUSY, ControlKind::Progress, "", {12, 66, 141, 3}, false, 0, 0},
};

// clang-format on

}  // namespace

// Laid out in pixels: the skin is drawn at two pixels per dialog unit.
constexpr DWORD kMainStyle = plat::kDlgCaption | plat::kDlgSysMenu | plat::kDlgMinimizeBox |
                             plat::kDlgAppWindow | plat::kDlgPixelLayout;

const plat::DialogTemplate kMainDialogTemplate = {IDD_MAIN,        "", 168,        191,
                                                  kDialogFontFace, 12, kMainStyle, kMainControls};
