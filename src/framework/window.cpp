#include "framework/window.h"

BWindow::BWindow(BGui* app, const char* className, const char* windowName)
    : BGuiObj(app), className(className), windowName(windowName), createParam(this) {}

BWindow::~BWindow() {
  if (hwnd != nullptr) {
    DestroyWindow(hwnd);
    hwnd = nullptr;
  }
}

LRESULT BWindow::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_DESTROY) this->hwnd = nullptr;
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK BWindow::ObjWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_CREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    auto* object = static_cast<BWindow*>(create->lpCreateParams);
    SetWindowLongPtrA(hwnd, 0, reinterpret_cast<LONG_PTR>(object));
    if (object != nullptr) return object->WndProc(hwnd, msg, wParam, lParam);
    return DefWindowProcA(hwnd, msg, wParam, lParam);
  }
  // Messages before WM_CREATE (WM_NCCREATE and the like) find no object yet.
  auto* object = reinterpret_cast<BWindow*>(GetWindowLongPtrA(hwnd, 0));
  if (object == nullptr) return DefWindowProcA(hwnd, msg, wParam, lParam);
  return object->WndProc(hwnd, msg, wParam, lParam);
}
