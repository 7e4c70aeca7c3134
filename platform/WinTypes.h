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
#if defined(_WIN32) && !defined(_WIN64)
// LONG_PTR of the 32-bit headers is long, where intptr_t is int.
using LPARAM = long;
using LRESULT = long;
#else
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
#endif

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
