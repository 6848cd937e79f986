// The application root: instance, main window, the owner of message boxes, dialog font and brush.
#pragma once

#include <windows.h>

#include "framework/object.h"

class BGui : public BObject {
 public:
  BGui() = default;
  // Deletes the dialog font and brush.
  ~BGui() override;

  // Attaches the main window, which also becomes the owner window, and reads its text metrics
  // (kept as they were when no DC is available). Always 1.
  int SetMainWindow(HWND hwnd);
  // "Error!" box owned by hwndOwner; returns MessageBox's result.
  int ErrorBox(const char* text);
  // "Notice" box of a StrFormat text (%c %i %l %s %x); a fallback text when formatting fails.
  void NoticeBox(const char* format, ...);
  // Makes the 8-point dialog font and the light grey dialog brush. Always 0.
  int PrepareDialog(HWND hwndDlg);

  HINSTANCE hInstance = nullptr;
  HWND hwndMain = nullptr;
  // Owner of message boxes, and the window screens invalidate while animating.
  HWND hwndOwner = nullptr;
  TEXTMETRICA tm{};
  HFONT hfontDlg = nullptr;  // owned
  HBRUSH hbrDlg = nullptr;   // owned
};

// "Memory Error" box without an owner, and a second box with the diagnostic when there is one.
int MemoryErrorBox(const char* diagnostic);

// |n| nested one-pixel frames in hwnd's DC: raised (white top-left) for n < 0, sunken for n > 0.
void DrawBevel(HWND hwnd, int left, int top, int right, int bottom, int n);
