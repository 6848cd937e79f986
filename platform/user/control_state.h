// Per-window state of the layer's own window classes, owned here and released on WM_NCDESTROY.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <unordered_map>

namespace kx {

template <class State>
class WindowStates {
 public:
  State* find(HWND hwnd) const {
    auto it = m_states.find(hwnd);
    return it == m_states.end() ? nullptr : it->second.get();
  }
  State& create(HWND hwnd) { return *(m_states[hwnd] = std::make_unique<State>()); }
  void destroy(HWND hwnd) { m_states.erase(hwnd); }

 private:
  std::unordered_map<HWND, std::unique_ptr<State>> m_states;
};

// Window classes "BUTTON", "EDIT" and "STATIC" (and the dialog class); safe to call again.
void registerControlClasses();

LRESULT CALLBACK buttonWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK editWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK staticWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Tells the parent, as controls do: WM_COMMAND with the id and the notification code.
void notifyParent(HWND control, WORD code);

// The control's text through WM_GETTEXT, which every class answers.
std::string windowText(HWND hwnd);

}  // namespace kx
