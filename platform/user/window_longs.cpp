// GetWindowLongA, SetWindowLongA and their pointer-sized forms.
//
// Indexes from 0 up address the class's extra window bytes (a dialog's DWLP_ slots among them);
// the negative indexes name the window's own fields. As in 64-bit Windows, the 32-bit forms cannot
// reach a pointer field (GWLP_WNDPROC, GWLP_HINSTANCE) and fail with ERROR_INVALID_INDEX.
#include <windows.h>

#include <cstring>

#include "user/window.h"

using namespace kx;

namespace {

template <class T>
bool extraSlot(Window& w, int index, T*& slot) {
  if (index < 0 || static_cast<size_t>(index) + sizeof(T) > w.extra.size()) {
    SetLastError(ERROR_INVALID_INDEX);
    return false;
  }
  slot = reinterpret_cast<T*>(w.extra.data() + index);
  return true;
}

template <class T>
T readExtra(Window& w, int index) {
  T* slot = nullptr;
  if (!extraSlot(w, index, slot)) return 0;
  T value;
  std::memcpy(&value, slot, sizeof(T));
  return value;
}

template <class T>
T writeExtra(Window& w, int index, T value) {
  T* slot = nullptr;
  if (!extraSlot(w, index, slot)) return 0;
  T old;
  std::memcpy(&old, slot, sizeof(T));
  std::memcpy(slot, &value, sizeof(T));
  return old;
}

// The window's own fields; `wide` is false for the 32-bit forms.
bool fieldRead(Window& w, int index, bool wide, LONG_PTR& value) {
  switch (index) {
    case GWLP_WNDPROC:
    case GWLP_HINSTANCE:
      if (!wide) break;
      value =
          index == GWLP_WNDPROC ? reinterpret_cast<LONG_PTR>(w.proc) : reinterpret_cast<LONG_PTR>(w.instance);
      return true;
    case GWLP_ID:
      value = w.id;
      return true;
    case GWL_STYLE:
      value = static_cast<LONG>(w.style);
      return true;
    case GWL_EXSTYLE:
      value = static_cast<LONG>(w.exStyle);
      return true;
    case GWLP_USERDATA:
      value = w.userData;
      return true;
    default:
      break;
  }
  SetLastError(ERROR_INVALID_INDEX);
  return false;
}

bool fieldWrite(Window& w, int index, bool wide, LONG_PTR value, LONG_PTR& old) {
  if (!fieldRead(w, index, wide, old)) return false;
  switch (index) {
    case GWLP_WNDPROC:
      w.proc = reinterpret_cast<WNDPROC>(value);
      break;
    case GWLP_HINSTANCE:
      w.instance = reinterpret_cast<HINSTANCE>(value);
      break;
    case GWLP_ID:
      w.id = value;
      break;
    case GWL_STYLE:
      w.style = static_cast<DWORD>(value);
      break;
    case GWL_EXSTYLE:
      w.exStyle = static_cast<DWORD>(value);
      break;
    case GWLP_USERDATA:
      w.userData = value;
      break;
    default:
      break;
  }
  return true;
}

}  // namespace

LONG WINAPI GetWindowLongA(HWND hWnd, int nIndex) {
  Window* w = checkWindow(hWnd);
  if (!w) return 0;
  if (nIndex >= 0) return readExtra<LONG>(*w, nIndex);
  LONG_PTR value = 0;
  return fieldRead(*w, nIndex, false, value) ? static_cast<LONG>(value) : 0;
}

LONG WINAPI SetWindowLongA(HWND hWnd, int nIndex, LONG dwNewLong) {
  Window* w = checkWindow(hWnd);
  if (!w) return 0;
  if (nIndex >= 0) return writeExtra<LONG>(*w, nIndex, dwNewLong);
  LONG_PTR old = 0;
  return fieldWrite(*w, nIndex, false, dwNewLong, old) ? static_cast<LONG>(old) : 0;
}

LONG_PTR WINAPI GetWindowLongPtrA(HWND hWnd, int nIndex) {
  Window* w = checkWindow(hWnd);
  if (!w) return 0;
  if (nIndex >= 0) return readExtra<LONG_PTR>(*w, nIndex);
  LONG_PTR value = 0;
  return fieldRead(*w, nIndex, true, value) ? value : 0;
}

LONG_PTR WINAPI SetWindowLongPtrA(HWND hWnd, int nIndex, LONG_PTR dwNewLong) {
  Window* w = checkWindow(hWnd);
  if (!w) return 0;
  if (nIndex >= 0) return writeExtra<LONG_PTR>(*w, nIndex, dwNewLong);
  LONG_PTR old = 0;
  return fieldWrite(*w, nIndex, true, dwNewLong, old) ? old : 0;
}
