// The Linux-only face of the platform layer: start-up, the clock, injected input and the desktop's
// pixels. The launcher and the tests use it; the system (src/) never does.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace kx {

enum class BackendKind {
  Headless,  // an off-screen desktop on a virtual clock; nothing is shown
  Sdl,       // a real window (or a full-screen desktop) on the real clock
  XWindow,   // an X window made by someone else (or the root window), at its size, real clock
};

struct PlatformOptions {
  BackendKind backend = BackendKind::Headless;
  int width = 1024;  // the desktop's size; with fullScreen the display's size wins
  int height = 768;
  bool fullScreen = false;    // SDL only: the desktop covers the whole display
  unsigned long xWindow = 0;  // XWindow only: the window drawn in; 0 for the root window
  // Headless only: displays side by side (the first primary), in any common coordinates; the
  // desktop is then their union. Empty: one display of width x height.
  std::vector<RECT> monitors;
};

// Starts the platform: the backend, the desktop surface and the clock. Returns an empty string on
// success, otherwise a sentence naming the cause ("no X display: DISPLAY is not set"). Starting a
// started platform stops it first. Win32 calls made before any start run on a default headless
// desktop that is started on first use.
std::string startPlatform(const PlatformOptions& options = {});

// Named objects (mutexes) made from now on are seen by this process only and lock nothing on the
// machine, for a run that shares nothing with other programs (a recording beside a saver).
void keepNamesPrivate(bool keep);

// Destroys the windows still open, kills every timer, empties the queue and shuts the backend.
void stopPlatform();

bool platformStarted();
// The window the desktop is shown in has changed size since the start (XWindow only); the desktop
// keeps its size, so the caller starts the platform again.
bool desktopResized();
BackendKind platformBackend();

// The clock under GetTickCount, Sleep and the timers, in milliseconds.
DWORD clockNow();
// Moves the virtual clock forward (headless only; the real clock ignores it). Timers that fall
// due post their WM_TIMER the next time the queue is read.
void advanceClock(DWORD milliseconds);
bool clockIsVirtual();

// Injected input, queued as a device would deliver it: keys go to the focus window (or, when
// nothing has the focus, as WM_SYSKEY* to the active window), mouse messages to the window under
// the point (screen coordinates). Alt held turns keys into WM_SYSKEYDOWN/WM_SYSKEYUP.
void injectKeyDown(UINT virtualKey, bool alt = false);
void injectKeyUp(UINT virtualKey, bool alt = false);
void injectChar(char character);  // a WM_CHAR to the focus window, for text a key cannot name
void injectMouseMove(int x, int y);
enum class MouseButton { Left, Right, Middle };
void injectMouseButton(MouseButton button, bool down, int x, int y);
// The desktop loses the focus (another program was switched to): the active window is deactivated
// as a message sent from outside, handled the next time the queue is read.
void injectFocusLoss();
void injectFocusGain();

// The desktop's pixels, 0x00RRGGBB in rows of `stride` pixels, top row first.
struct DesktopPixels {
  const uint32_t* pixels = nullptr;
  int width = 0;
  int height = 0;
  int stride = 0;
};
DesktopPixels desktopPixels();
// CLR_INVALID outside the desktop.
COLORREF desktopPixel(int x, int y);
// Writes the desktop as a PNG file; returns an empty string or the reason it failed.
std::string saveDesktopPng(const std::string& path);

// Called after each dispatched WM_TIMER with the clock's time, for recording frames.
using FrameObserver = std::function<void(DWORD now)>;
void setFrameObserver(FrameObserver observer);

// Headless only: called when the queue is empty, before the clock jumps to the next timer. It may
// inject input or post messages and returns true when it did something. Dialog drivers use it to
// act inside a modal loop.
using IdleHandler = std::function<bool()>;
void setIdleHandler(IdleHandler handler);

}  // namespace kx
