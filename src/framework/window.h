// A GUI object that owns one window and receives that window's messages as a virtual call.
//
// The derived class registers its window class with ObjWndProc and kWndExtra bytes of window
// extra data, then creates the window with createParam as the creation parameter. From
// WM_CREATE on, every message of the window is a WndProc call on the object.
#pragma once

#include <windows.h>

#include "framework/gui_obj.h"

class BWindow : public BGuiObj {
 public:
  // Room for the object pointer at index 0 (4 bytes on 32-bit Windows).
  static constexpr int kWndExtra = static_cast<int>(sizeof(LONG_PTR));

  BWindow(BGui* app, const char* className, const char* windowName);
  // Destroys a window that still exists. The object is a plain BWindow by then, so the
  // WM_DESTROY this produces reaches BWindow::WndProc, not the derived class's.
  ~BWindow() override;

  // Forgets the window on WM_DESTROY; every message then goes to DefWindowProc.
  virtual LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

  // The one window procedure of every window made from a BWindow.
  static LRESULT CALLBACK ObjWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

  const char* className;   // not owned
  const char* windowName;  // not owned, may be null
  HWND hwnd = nullptr;
  BWindow* createParam;  // the object itself, handed to CreateWindowEx
};
