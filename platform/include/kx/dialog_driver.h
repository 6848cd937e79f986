// Driving modal dialogs and message boxes from tests (Linux only; the system never uses it).
//
// A hook is called each time a dialog opens, after WM_INITDIALOG, with a driver for that dialog.
// The hook queues steps; the dialog's own loop carries them out one at a time, each whenever its
// queue has run empty, so every step sees the effects of the steps before it. Keys and clicks
// travel as injected input (the focus window gets the keys, the window under the point the
// clicks), exactly as a user's would.
//
//   kx::setDialogOpenHook([](kx::DialogDriver& dialog) {
//     dialog.type("12").press(VK_TAB).click(IDOK);
//   });
//   INT_PTR result = DialogBoxParamA(instance, "DLG_CONFIG", nullptr, ConfigDlgProc, 0);
//
// Headless, a dialog whose steps have run out while its loop waits for input that cannot come is
// cancelled (EndDialog with IDCANCEL) and a line on stderr says so, so no test can hang.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kx {

class DialogDriver {
 public:
  explicit DialogDriver(HWND dialog) : m_dialog(dialog) {}
  DialogDriver(const DialogDriver&) = delete;
  DialogDriver& operator=(const DialogDriver&) = delete;

  HWND dialog() const { return m_dialog; }
  std::string caption() const;
  // The control with this id, or null.
  HWND control(int id) const;

  // Each character as a WM_CHAR to the focus window.
  DialogDriver& type(std::string_view text);
  // A key pressed and released; with shift, Shift is held around it.
  DialogDriver& press(UINT virtualKey, bool shift = false);
  // A left click in the middle of the control (or at a point of its client area).
  DialogDriver& click(int id);
  DialogDriver& clickAt(int id, POINT clientPoint);
  // Any other step, run in turn with the dialog's handle.
  DialogDriver& then(std::function<void(HWND dialog)> step);

  // Runs the next step; false when none is left.
  bool runNextStep();

 private:
  HWND m_dialog;
  std::vector<std::function<void()>> m_steps;
  size_t m_next = 0;
};

using DialogOpenHook = std::function<void(DialogDriver& dialog)>;
// Replaces the hook; an empty hook removes it.
void setDialogOpenHook(DialogOpenHook hook);

// Every MessageBoxA call since the last clear, windowed or not.
struct ShownMessageBox {
  HWND owner = nullptr;
  std::string caption;
  std::string text;
  UINT type = 0;
};
const std::vector<ShownMessageBox>& shownMessageBoxes();
void clearShownMessageBoxes();

}  // namespace kx
