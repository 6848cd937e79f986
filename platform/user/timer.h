// Timers: the table behind SetTimer and KillTimer, and the WM_TIMER messages it generates.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

namespace kx {

void clearTimers();
void killWindowTimers(HWND hwnd);
// When the first timer falls due that was not yet due at `lookedAt`, the time the queue was last
// looked at; timers due before then were offered and turned away by the caller's filter.
std::optional<uint64_t> nextTimerDue(uint64_t lookedAt);
// The WM_TIMER of a due timer that passes the window filter. A timer has at most one tick
// waiting, however long it was not served; removing it starts the next period.
bool takeTimerMessage(HWND filter, bool remove, MSG& msg);
// Whether a WM_TIMER's lParam names a live timer procedure for its window and id.
bool isTimerProc(HWND hwnd, UINT_PTR id, TIMERPROC proc);

}  // namespace kx
