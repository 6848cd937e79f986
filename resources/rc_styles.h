// Window and version constants for the resource script.
//
// windres (and rc on Windows) finds the real <windows.h>. llvm-rc on Linux preprocesses for a
// Windows target without any Windows headers, so the few values the script uses are given here.
#pragma once

#if __has_include(<windows.h>)
#include <windows.h>
#else
#define WS_POPUP 0x80000000L
#define WS_CHILD 0x40000000L
#define WS_VISIBLE 0x10000000L
#define WS_CAPTION 0x00C00000L
#define WS_BORDER 0x00800000L
#define WS_VSCROLL 0x00200000L
#define WS_SYSMENU 0x00080000L
#define WS_GROUP 0x00020000L
#define WS_TABSTOP 0x00010000L
#define DS_MODALFRAME 0x80L
#define ES_MULTILINE 0x4L
#define ES_AUTOVSCROLL 0x40L
#define ES_AUTOHSCROLL 0x80L
#define ES_WANTRETURN 0x1000L
#define VS_FFI_FILEFLAGSMASK 0x3FL
#define VOS__WINDOWS32 0x4L
#define VFT_APP 0x1L
#define VFT2_UNKNOWN 0x0L
#endif
