// Templates 100 (About box) and 155 (server select).
#include "platform/WinConstants.h"
#include "resources/DialogTemplates.h"
#include "resources/resource.h"

namespace {

// clang-format off
using plat::ControlKind;

const plat::ControlTemplate kAboutControls[] = {
    {-1, ControlKind::Picture, "", {11, 17, 20, 20}, true, 0, IDI_APP},
    {-1, ControlKind::Static, "Velk VPN Client V1.4.6", {40, 8, 119, 8}, true, 0, 0},
    {-1, ControlKind::Static, "벨크 VPN 클라이언트 · 维尔克VPN客户端", {40, 20, 140, 8}, true, 0, 0},
    {-1, ControlKind::Static, "Copyright (C) Velk Networks", {40, 32, 140, 8}, true, 0, 0},
    {IDOK, ControlKind::DefPushButton, "OK", {178, 7, 50, 14}, true, plat::kStyleGroup, 0},
};

const plat::ControlTemplate kServerControls[] = {
    {IDOK, ControlKind::DefPushButton, "OK", {7, 31, 50, 14}, true, 0, 0},
    {IDCANCEL, ControlKind::PushButton, "Cancel", {89, 31, 50, 14}, true, 0, 0},
    {IDC_SERVER_SELECT_COMBO, ControlKind::ComboDropDown, "", {7, 7, 132, 14}, true, plat::kStyleVScroll, 0},
    {IDC_CONNECT, ControlKind::OwnerDrawButton, "", {52, 23, 35, 22}, true, 0, 0},
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
