// Templates 100 (About box), 104 (speed test) and 155 (server select).
#include "platform/WinConstants.h"
#include "resources/DialogTemplates.h"
#include "resources/Release.h"
#include "resources/resource.h"

namespace {

// clang-format off
using plat::ControlKind;

const plat::ControlTemplate kAboutControls[] = {
    {-1, ControlKind::Picture, "", {11, 17, 20, 20}, true, 0, IDI_APP},
    {-1, ControlKind::Static, release::kProductName, {40, 8, 119, 8}, true, 0, 0},
    {-1, ControlKind::Static, "벨크 VPN 클라이언트 · 维尔克VPN客户端", {40, 20, 140, 8}, true, 0, 0},
    {-1, ControlKind::Static, release::kCopyright, {40, 32, 140, 8}, true, 0, 0},
    {IDOK, ControlKind::DefPushButton, "OK", {178, 7, 50, 14}, true, plat::kStyleGroup, 0},
};

const plat::ControlTemplate kServerControls[] = {
    {IDOK, ControlKind::DefPushButton, "OK", {7, 31, 50, 14}, true, 0, 0},
    {IDCANCEL, ControlKind::PushButton, "Cancel", {89, 31, 50, 14}, true, 0, 0},
    {IDC_SERVER_SELECT_COMBO, ControlKind::ComboDropDown, "", {7, 7, 132, 14}, true, plat::kStyleVScroll, 0},
    {IDC_CONNECT, ControlKind::OwnerDrawButton, "", {52, 23, 35, 22}, true, 0, 0},
};

// The thin bar under the list shows that a probe is running.
const plat::ControlTemplate kSpeedTestControls[] = {
    {IDOK, ControlKind::DefPushButton, "OK", {115, 7, 50, 14}, false, 0, 0},
    {IDCANCEL, ControlKind::PushButton, "Cancel", {115, 127, 50, 14}, false, 0, 0},
    {IDC_PING_LIST, ControlKind::ListBox, "", {7, 7, 155, 116}, true, plat::kStyleBorder | plat::kStyleVScroll, 0},
    {IDC_PING_EXIT, ControlKind::PushButton, "退出", {92, 128, 61, 13}, true, 0, 0},
    {IDC_PING_ADDRESS, ControlKind::Edit, "", {29, 124, 65, 12}, false, plat::kStyleBorder | plat::kStyleAutoScroll, 0},
    {IDC_PING, ControlKind::PushButton, "Ping", {14, 128, 62, 13}, true, 0, 0},
    {-1, ControlKind::Static, "地址：", {7, 124, 31, 17}, false, 0, 0},
    {IDC_PING_BUSY, ControlKind::Progress, "", {7, 124, 155, 3}, true, 0, 0},
};

// clang-format on

}  // namespace

const plat::DialogTemplate kAboutDialogTemplate = {
    IDD_ABOUTBOX,
    "About Dorvanta",
    235,
    55,
    kDialogFontFace,
    9,
    plat::kDlgCaption | plat::kDlgSysMenu | plat::kDlgModalFrame,
    kAboutControls};

const plat::DialogTemplate kServerDialogTemplate = {
    IDD_SERVER,
    "Server",
    146,
    52,
    "System",
    10,
    plat::kDlgCaption | plat::kDlgSysMenu | plat::kDlgModalFrame | plat::kDlgToolWindow,
    kServerControls};

const plat::DialogTemplate kSpeedTestDialogTemplate = {
    IDD_SPEEDTEST,
    "测速:(部分PC测试不准确或无法使用)",
    172,
    148,
    "System",
    8,
    plat::kDlgCaption | plat::kDlgSysMenu | plat::kDlgModalFrame,
    kSpeedTestControls};
