// The Windows headers, for the Win32 ports only. The A/W name macros that
// collide with port method names are removed; these files call the W
// functions by their full names.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif

#include <windows.h>
// clang-format off
#include <commctrl.h>
#include <ras.h>
#include <shellapi.h>
#include <iphlpapi.h>
// clang-format on

#undef CreateEvent
#undef CreateMutex
#undef DialogBox
#undef FindWindow
#undef GetCurrentDirectory
#undef GetModuleFileName
#undef GetProfileInt
#undef GetProfileString
#undef GetSystemDirectory
#undef GetSystemWow64Directory
#undef GetWindowText
#undef LoadIcon
#undef MessageBox
#undef OpenMutex
#undef OpenService
#undef PostMessage
#undef RegisterWindowMessage
#undef SendMessage
#undef SetWindowText
