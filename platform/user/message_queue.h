// The thread's message queue. One thread, so "sent" messages are direct calls; only messages that
// come from outside the program (deactivation when another program takes the focus) wait in the
// incoming list, which is served before anything else, as Windows serves sent messages.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>

namespace kx {

struct MessageQueue {
  std::deque<std::function<void()>> incoming;
  std::deque<MSG> posted;
  std::deque<MSG> input;
  bool quitPosted = false;
  int quitCode = 0;

  void clear();
  // Drops what waits for a window that is going away.
  void purge(HWND hwnd);
};

MessageQueue& messageQueue();

// Whether hwnd passes GetMessage's window filter: null takes every message, a window takes its
// own and its children's.
bool matchesWindowFilter(HWND filter, HWND hwnd);
bool matchesRangeFilter(UINT first, UINT last, UINT message);
bool isInputMessage(UINT message);

MSG makeMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace kx
