// SetTimer and KillTimer, and the WM_TIMER messages of due timers.
#include "user/timer.h"

#include <algorithm>
#include <vector>

#include "user/desktop.h"
#include "user/message_queue.h"
#include "user/window.h"

namespace kx {

namespace {

struct Timer {
  HWND hwnd = nullptr;
  UINT_PTR id = 0;
  UINT period = 0;
  TIMERPROC proc = nullptr;
  uint64_t due = 0;
};

// Insertion order: of two timers due together, the older ticks first.
std::vector<Timer>& timers() {
  static std::vector<Timer> table;
  return table;
}

Timer* findTimer(HWND hwnd, UINT_PTR id) {
  for (Timer& t : timers()) {
    if (t.hwnd == hwnd && t.id == id) return &t;
  }
  return nullptr;
}

uint64_t now() {
  return Desktop::instance().clock().now();
}

// Ids of window-less timers, which SetTimer chooses itself.
constexpr UINT_PTR kFirstThreadTimerId = 0x7FFE;

}  // namespace

void clearTimers() {
  timers().clear();
}

void killWindowTimers(HWND hwnd) {
  auto& table = timers();
  table.erase(std::remove_if(table.begin(), table.end(), [hwnd](const Timer& t) { return t.hwnd == hwnd; }),
              table.end());
}

std::optional<uint64_t> nextTimerDue(uint64_t lookedAt) {
  std::optional<uint64_t> next;
  for (const Timer& t : timers()) {
    if (t.due > lookedAt && (!next || t.due < *next)) next = t.due;
  }
  return next;
}

bool takeTimerMessage(HWND filter, bool remove, MSG& msg) {
  uint64_t current = now();
  Timer* best = nullptr;
  for (Timer& t : timers()) {
    if (t.due > current || !matchesWindowFilter(filter, t.hwnd)) continue;
    if (!best || t.due < best->due) best = &t;
  }
  if (!best) return false;
  msg = makeMessage(best->hwnd, WM_TIMER, best->id, reinterpret_cast<LPARAM>(best->proc));
  // A timer keeps its cadence, but one taken more than a period late does not catch up: its next
  // tick is a whole period away.
  if (remove) {
    best->due += best->period;
    if (best->due <= current) best->due = current + best->period;
  }
  return true;
}

bool isTimerProc(HWND hwnd, UINT_PTR id, TIMERPROC proc) {
  Timer* t = findTimer(hwnd, id);
  return t && t->proc == proc;
}

}  // namespace kx

using namespace kx;

UINT_PTR WINAPI SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc) {
  if (hWnd && !checkWindow(hWnd)) return 0;
  Desktop::instance().ensureStarted();
  uElapse = std::clamp<UINT>(uElapse, USER_TIMER_MINIMUM, 0x7FFFFFFF);
  if (!hWnd && !findTimer(nullptr, nIDEvent)) {
    nIDEvent = kFirstThreadTimerId;
    while (findTimer(nullptr, nIDEvent)) ++nIDEvent;
  }
  Timer* timer = findTimer(hWnd, nIDEvent);
  if (!timer) {
    timers().push_back(Timer{hWnd, nIDEvent, 0, nullptr, 0});
    timer = &timers().back();
  }
  // Setting an existing timer again starts its period anew.
  timer->period = uElapse;
  timer->proc = lpTimerFunc;
  timer->due = now() + uElapse;
  return hWnd ? (nIDEvent ? nIDEvent : 1) : nIDEvent;
}

BOOL WINAPI KillTimer(HWND hWnd, UINT_PTR uIDEvent) {
  auto& table = timers();
  auto it = std::find_if(table.begin(), table.end(),
                         [&](const Timer& t) { return t.hwnd == hWnd && t.id == uIDEvent; });
  if (it == table.end()) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  table.erase(it);
  return TRUE;
}
