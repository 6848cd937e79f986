// The dialog loop's side of the test driver: one session per running modal dialog.
#pragma once

#include <windows.h>

#include <memory>

#include <kx/dialog_driver.h>
#include <kx/platform.h>

namespace kx {

// Calls the open hook and, for the dialog's lifetime, answers the platform's idle calls with the
// driver's steps; restores the previous idle handler when the dialog ends.
class DialogDriverSession {
 public:
  explicit DialogDriverSession(HWND dialog);
  ~DialogDriverSession();
  DialogDriverSession(const DialogDriverSession&) = delete;
  DialogDriverSession& operator=(const DialogDriverSession&) = delete;

 private:
  bool onIdle();

  HWND m_dialog;
  std::unique_ptr<DialogDriver> m_driver;
  IdleHandler m_previous;
};

void recordMessageBox(HWND owner, const char* caption, const char* text, UINT type);

}  // namespace kx
