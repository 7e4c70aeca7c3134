// Windows scalar and handle types, declared so that they match <windows.h>
// exactly: translation units may see both.
#pragma once

#include <cstddef>
#include <cstdint>

#ifdef _WIN32
using DWORD = unsigned long;
using LONG = long;
#else
using DWORD = std::uint32_t;
using LONG = std::int32_t;
#endif
using BOOL = int;
using UINT = unsigned int;
using BYTE = unsigned char;
using WORD = unsigned short;
using UINT_PTR = std::uintptr_t;
using INT_PTR = std::intptr_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif

struct HWND__;
using HWND = HWND__*;
struct HICON__;
using HICON = HICON__*;
struct HRASCONN__;
using HRASCONN = HRASCONN__*;
