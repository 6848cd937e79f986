// The Win32 subset that KALYX runs on outside Windows.
//
// Names, types, values and results are Windows' own, so the system's sources compile unchanged
// against this header and against the real one. Each area's header says what it leaves out of
// Microsoft's behaviour. Only the "A" (ANSI) entry points exist; the plain names map to them.
#pragma once

#include "win32/base.h"
#include "win32/kernel.h"
#include "win32/gdi.h"
#include "win32/user.h"
