// Records the messages that reach test windows, to compare with the sequences Windows sends.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace kx::test {

struct LoggedMessage {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

struct ExpectedMessage {
  UINT message;
  HWND hwnd = nullptr;  // null: any window
  bool optional = false;
};

// The log every LoggingWndProc appends to.
std::vector<LoggedMessage>& messageLog();
// Records the message, then leaves it to DefWindowProcA.
LRESULT CALLBACK LoggingWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Messages outside this set are left out of comparisons (WM_GETTEXT and the like come and go).
bool isTrackedMessage(UINT message);
// An empty string when the tracked messages of the log match the expected sequence in order;
// otherwise both sequences, side by side.
std::string compareSequence(const std::vector<ExpectedMessage>& expected);
const char* messageName(UINT message);

}  // namespace kx::test
