// The saver's host: run mode, main window, frame timer and the choice of screens.
//
// One of each object exists per process, so they are plain globals, as the timer callback and the
// window procedure both reach them without a window long.
#pragma once

#include <windows.h>

#include "app/globals.h"
#include "app/screen_table.h"

class CDisplay;

extern CDisplay* lpDisplay;  // the screen shown now; owned here, deleted only by DeleteDisplay
extern HBRUSH hbrMain;       // black background of the main window class
extern int nTicks;           // timer ticks since the last whole-second tick
extern int nSeconds;         // whole seconds the current screen has been shown
extern bool bSeeded;         // rand() has been seeded in this process

inline constexpr char kMutexName[] = "KALYX32 Screen Saver";
inline constexpr char kMainClass[] = "KalyxMain";
inline constexpr UINT_PTR kFrameTimer = 1;
inline constexpr WPARAM kCmdExit = 101;
inline constexpr WPARAM kCmdNextDisplay = 201;

// A start-up hook run on the settings right after they are read, before anything uses them; null
// normally. A launcher uses it to show one screen only, without touching the settings file.
extern void (*lpfnSettingsHook)(CKalyx* app);

bool IsSaverMode(const char* cmdLine);
ATOM RegisterMainClass(HINSTANCE hInstance);
int CreateMainWindow(HINSTANCE hInstance, int nCmdShow);
LRESULT CALLBACK MainWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT OnCommand(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
int SelectNextDisplay();
// The choice itself for a drawn x (0 to 10): the candidate visited when the count reaches x.
int SelectDisplayAt(float x);
int DeleteDisplay();
void CALLBACK TimerProc(HWND hwnd, UINT msg, UINT_PTR idEvent, DWORD time);
