// Input from the devices (the backend's events or injected ones) becoming queued messages.
#pragma once

#include <windows.h>

#include "backends/backend.h"

namespace kx {

void deliverInput(const InputEvent& event);
// Collects the backend's waiting events into the queue.
void pumpBackendInput();
// Called as an input message leaves the queue: WM_SETCURSOR for mouse messages, activation on a
// click into an inactive window.
void beforeInputDelivered(const MSG& msg);
// What TranslateMessage makes of a key with the current shift state (US layout); 0 for none.
char characterForKey(UINT virtualKey);
POINT cursorPosition();
void setCursorPosition(POINT point);
// A window just shown under the cursor hears of the mouse as if it had moved there: a WM_MOUSEMOVE
// at the cursor joins the input for the window now under it, when that lies within `shown`.
void mouseMoveIfUnderCursor(HWND shown);
// The deepest enabled, visible window under a desktop point, or null for the bare desktop.
HWND windowAtPoint(POINT point);
void resetInputState();

}  // namespace kx
