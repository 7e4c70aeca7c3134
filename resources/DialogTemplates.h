// The program's dialog templates.
#pragma once

#include "platform/DialogTemplate.h"

// A face that shows Korean and Chinese text (font linking supplies both scripts).
inline constexpr const char* kDialogFontFace = "MS Shell Dlg 2";

extern const plat::DialogTemplate kAboutDialogTemplate;
extern const plat::DialogTemplate kMainDialogTemplate;
extern const plat::DialogTemplate kServerDialogTemplate;
extern const plat::DialogTemplate kSpeedTestDialogTemplate;
