// The queue: GetMessageA, PeekMessageA, PostMessageA, SendMessageA, DispatchMessageA,
// TranslateMessage, PostQuitMessage, WaitMessage.
//
// Retrieval order is Windows': messages sent from outside, posted messages, input, then WM_QUIT,
// then WM_PAINT and WM_TIMER, which are made up on the spot only when nothing else waits.
//
// Headless, time is simulated: when nothing waits, the clock jumps to the next timer. When no
// timer runs either, nothing can ever arrive; rather than hang, the loop is ended as if
// PostQuitMessage(0) had been called, with a line on stderr saying why.
#include "user/message_queue.h"

#include <algorithm>
#include <cstdio>

#include "user/desktop.h"
#include "user/input.h"
#include "user/paint.h"
#include "user/timer.h"
#include "user/window.h"

namespace kx {

namespace {

bool takeFrom(std::deque<MSG>& queue, MSG& msg, HWND filter, UINT first, UINT last, bool remove) {
  for (auto it = queue.begin(); it != queue.end(); ++it) {
    if (!matchesWindowFilter(filter, it->hwnd) || !matchesRangeFilter(first, last, it->message)) continue;
    msg = *it;
    if (remove) queue.erase(it);
    return true;
  }
  return false;
}

void serveIncoming() {
  MessageQueue& q = messageQueue();
  while (!q.incoming.empty()) {
    std::function<void()> call = std::move(q.incoming.front());
    q.incoming.pop_front();
    call();
  }
}

bool peek(MSG& msg, HWND filter, UINT first, UINT last, bool remove) {
  pumpBackendInput();
  serveIncoming();
  MessageQueue& q = messageQueue();
  if (takeFrom(q.posted, msg, filter, first, last, remove)) return true;
  if (takeFrom(q.input, msg, filter, first, last, remove)) {
    if (remove) beforeInputDelivered(msg);
    return true;
  }
  if (q.quitPosted) {
    msg = makeMessage(nullptr, WM_QUIT, static_cast<WPARAM>(q.quitCode), 0);
    if (remove) q.quitPosted = false;
    return true;
  }
  if (matchesRangeFilter(first, last, WM_PAINT)) {
    // WM_PAINT stays until the window validates itself; PM_REMOVE does not take it away.
    if (HWND hwnd = windowNeedingPaint(filter)) {
      msg = makeMessage(hwnd, WM_PAINT, 0, 0);
      return true;
    }
  }
  return matchesRangeFilter(first, last, WM_TIMER) && takeTimerMessage(filter, remove, msg);
}

uint64_t timeNow() {
  return Desktop::instance().clock().now();
}

// Waits for what the queue, looked at since `lookedAt`, did not have. On the real clock a timer
// may fall due while the queue is looked at or the frame is shown: that one is not waited for.
void waitForMessage(uint64_t lookedAt) {
  Desktop& desktop = Desktop::instance();
  Backend& backend = desktop.backend();
  backend.flush();
  Clock& clock = desktop.clock();
  std::optional<uint64_t> due = nextTimerDue(lookedAt);
  if (clock.simulated()) {
    if (desktop.idleHandler && desktop.idleHandler()) return;
    if (due) {
      clock.advanceTo(*due);
      return;
    }
    std::fprintf(stderr,
                 "kalyx: the message loop would wait for ever (headless: no timer runs and no input can "
                 "come); ending it as if PostQuitMessage(0) had been called\n");
    PostQuitMessage(0);
    return;
  }
  uint64_t now = clock.now();
  backend.wait(!due ? Backend::kForever : *due > now ? static_cast<DWORD>(*due - now) : 0);
}

}  // namespace

MessageQueue& messageQueue() {
  static MessageQueue queue;
  return queue;
}

void MessageQueue::clear() {
  *this = MessageQueue{};
}

void MessageQueue::purge(HWND hwnd) {
  auto addressedTo = [hwnd](const MSG& m) { return m.hwnd == hwnd; };
  posted.erase(std::remove_if(posted.begin(), posted.end(), addressedTo), posted.end());
  input.erase(std::remove_if(input.begin(), input.end(), addressedTo), input.end());
}

bool matchesWindowFilter(HWND filter, HWND hwnd) {
  return !filter || isDescendant(filter, hwnd);
}

bool matchesRangeFilter(UINT first, UINT last, UINT message) {
  if (first == 0 && last == 0) return true;
  return message >= first && message <= last;
}

bool isInputMessage(UINT message) {
  return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
         (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST);
}

MSG makeMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  MSG msg{hwnd, message, wParam, lParam, GetTickCount(), {}};
  msg.pt = cursorPosition();
  return msg;
}

}  // namespace kx

using namespace kx;

BOOL WINAPI PeekMessageA(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg) {
  if (hWnd && !checkWindow(hWnd)) return FALSE;
  MSG msg{};
  if (!peek(msg, hWnd, wMsgFilterMin, wMsgFilterMax, (wRemoveMsg & PM_REMOVE) != 0)) return FALSE;
  if (lpMsg) *lpMsg = msg;
  return TRUE;
}

BOOL WINAPI GetMessageA(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax) {
  if (!lpMsg) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return -1;
  }
  if (hWnd && !checkWindow(hWnd)) return -1;
  for (;;) {
    const uint64_t lookedAt = timeNow();
    if (peek(*lpMsg, hWnd, wMsgFilterMin, wMsgFilterMax, true)) break;
    // The window being waited for may have gone while waiting.
    if (hWnd && !checkWindow(hWnd)) return -1;
    waitForMessage(lookedAt);
  }
  return lpMsg->message == WM_QUIT ? FALSE : TRUE;
}

BOOL WINAPI WaitMessage(void) {
  MSG msg;
  const uint64_t lookedAt = timeNow();
  if (!peek(msg, nullptr, 0, 0, false)) waitForMessage(lookedAt);
  return TRUE;
}

BOOL WINAPI PostMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  if (hWnd && !checkWindow(hWnd)) return FALSE;
  Desktop::instance().ensureStarted();
  messageQueue().posted.push_back(makeMessage(hWnd, Msg, wParam, lParam));
  return TRUE;
}

void WINAPI PostQuitMessage(int nExitCode) {
  messageQueue().quitPosted = true;
  messageQueue().quitCode = nExitCode;
}

LRESULT WINAPI SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  Window* w = checkWindow(hWnd);
  if (!w) return 0;
  WNDPROC proc = w->proc;
  return proc ? proc(hWnd, Msg, wParam, lParam) : 0;
}

LRESULT WINAPI DispatchMessageA(const MSG* lpMsg) {
  if (!lpMsg) return 0;
  const MSG& msg = *lpMsg;
  bool isTimer = msg.message == WM_TIMER;
  LRESULT result = 0;
  auto* timerProc = reinterpret_cast<TIMERPROC>(msg.lParam);
  if (isTimer && timerProc) {
    // Only a procedure that SetTimer registered is called; a forged lParam is not.
    if (!isTimerProc(msg.hwnd, msg.wParam, timerProc)) return 0;
    timerProc(msg.hwnd, WM_TIMER, msg.wParam, msg.time);
  } else {
    if (!msg.hwnd) return 0;
    Window* w = checkWindow(msg.hwnd);
    if (!w) return 0;
    WNDPROC proc = w->proc;
    if (proc) result = proc(msg.hwnd, msg.message, msg.wParam, msg.lParam);
  }
  if (isTimer || msg.message == WM_PAINT) {
    Desktop& desktop = Desktop::instance();
    // A frame is complete: show it now, even if the loop never runs dry.
    if (desktop.started()) desktop.backend().flush();
    if (isTimer && desktop.frameObserver) desktop.frameObserver(static_cast<DWORD>(desktop.clock().now()));
  }
  return result;
}

BOOL WINAPI TranslateMessage(const MSG* lpMsg) {
  if (!lpMsg || (lpMsg->message != WM_KEYDOWN && lpMsg->message != WM_SYSKEYDOWN)) return FALSE;
  char ch = characterForKey(static_cast<UINT>(lpMsg->wParam));
  if (ch) {
    UINT charMessage = lpMsg->message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR;
    // The character is the very next message the loop sees.
    messageQueue().posted.push_front(
        makeMessage(lpMsg->hwnd, charMessage, static_cast<unsigned char>(ch), lpMsg->lParam));
  }
  return TRUE;
}
