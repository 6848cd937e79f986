// The frame timer: counts ticks into whole seconds, changes the screen when its time is up and
// otherwise steps it.
#include "app/host.h"
#include "app/kalyx.h"
#include "display/display.h"

void CALLBACK TimerProc(HWND hwnd, UINT /*msg*/, UINT_PTR /*idEvent*/, DWORD /*time*/) {
  if (lpKalyx == nullptr) {
    CKalyx::WriteTrace("TimerProc - Error, lpKalyx is null!");
    return;
  }
  if (lpDisplay == nullptr) {
    nTicks = 0;
    nSeconds = 0;
  } else {
    ++nTicks;
    int step = 1;
    if (lpKalyx->TimerPeriod * nTicks >= 1000) {
      step = 2;
      ++nSeconds;
      nTicks = 0;
    }
    if (lpKalyx->DispCnt > 1 && nSeconds > lpKalyx->ScrnScnds) {
      nSeconds = 0;
      nTicks = 0;
      PostMessageA(lpKalyx->hwndMain, WM_COMMAND, kCmdNextDisplay, 0);
    } else if (lpKalyx->ScrnAnim != 0) {
      // Screens invalidate this window when their animated shapes change.
      lpKalyx->hwndOwner = hwnd;
      lpDisplay->Animate(step);
    }
  }
  // A slow frame must not be followed by a burst of late ones.
  MSG msg;
  while (PeekMessageA(&msg, lpKalyx->hwndMain, WM_TIMER, WM_TIMER, PM_REMOVE)) {
  }
}
