// Dialog boxes: creation from templates, the modal loop, the default dialog procedure and the
// keyboard interface.
#include <algorithm>
#include <cstring>
#include <memory>

#include "user/control_paint.h"
#include "user/control_state.h"
#include "user/dialog_driver_internal.h"
#include "user/dialog_manager.h"
#include "user/dialog_navigation.h"
#include "user/window.h"

namespace kx {
namespace {

WindowStates<DialogState>& dialogs() {
  static WindowStates<DialogState> s;
  return s;
}

bool sameName(const std::string& a, const char* b) {
  return a.size() == std::strlen(b) &&
         std::equal(a.begin(), a.end(), b, [](char x, char y) { return std::toupper(x) == std::toupper(y); });
}

// The predefined class for a template's class name; anything else becomes an empty static.
const char* controlClass(const std::string& name) {
  for (const char* known : {"BUTTON", "EDIT", "STATIC"})
    if (sameName(name, known)) return known;
  return nullptr;
}

HFONT createDialogFont(const DialogTemplate& dialog) {
  if (!dialog.hasFont) return nullptr;
  HDC screen = GetDC(nullptr);
  int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen) ReleaseDC(nullptr, screen);
  return CreateFontA(-MulDiv(dialog.pointSize, dpi, 72), 0, 0, 0, dialog.weight ? dialog.weight : FW_NORMAL,
                     dialog.italic, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                     DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, dialog.typeface.c_str());
}

DialogBaseUnits baseUnitsOf(HFONT font) {
  HDC screen = GetDC(nullptr);
  DialogBaseUnits base{8, 16};
  if (!screen) return base;
  HGDIOBJ old = SelectObject(screen, font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
  TEXTMETRICA metrics{};
  SIZE extent{};
  if (GetTextMetricsA(screen, &metrics) && GetTextExtentPoint32A(screen, kAllLetters, 52, &extent) &&
      extent.cx > 0) {
    base.x = averageLetterWidth(extent.cx);
    base.y = metrics.tmHeight;
  }
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  return base;
}

// Where the dialog goes on the screen: its template position from the owner's client area
// (DS_CENTER centres it), kept on the desktop.
RECT dialogWindowRect(const DialogTemplate& dialog, const DialogBaseUnits& base, HWND owner, DWORD style,
                      DWORD exStyle) {
  RECT insets = nonClientInsets(style, exStyle);
  int width = dialogUnitsToPixelsX(dialog.units.cx, base) + insets.left + insets.right;
  int height = dialogUnitsToPixelsY(dialog.units.cy, base) + insets.top + insets.bottom;
  RECT desktop;
  GetClientRect(GetDesktopWindow(), &desktop);
  POINT origin{dialogUnitsToPixelsX(dialog.units.x, base), dialogUnitsToPixelsY(dialog.units.y, base)};
  if (dialog.style & DS_CENTER) {
    origin = {(desktop.right - width) / 2, (desktop.bottom - height) / 2};
  } else if (owner && !(dialog.style & DS_ABSALIGN)) {
    ClientToScreen(owner, &origin);
  }
  origin.x = std::max<LONG>(0, std::min<LONG>(origin.x, desktop.right - width));
  origin.y = std::max<LONG>(0, std::min<LONG>(origin.y, desktop.bottom - height));
  return RECT{origin.x, origin.y, origin.x + width, origin.y + height};
}

HWND createControl(HWND dialog, const DialogItemTemplate& item, const DialogState& state,
                   HINSTANCE instance) {
  const char* cls = controlClass(item.className);
  DWORD style = item.style;
  std::string title = item.title;
  if (!cls) {
    cls = "STATIC";
    style = (style & 0xFFFF0000 & ~WS_TABSTOP) | SS_LEFT;
    title.clear();
  }
  int x = dialogUnitsToPixelsX(item.units.x, state.base);
  int y = dialogUnitsToPixelsY(item.units.y, state.base);
  int cx = dialogUnitsToPixelsX(item.units.cx, state.base);
  int cy = dialogUnitsToPixelsY(item.units.cy, state.base);
  bool icon = std::strcmp(cls, "STATIC") == 0 && (style & 0x1F) == SS_ICON;
  if (icon) {
    cx = GetSystemMetrics(SM_CXICON);
    cy = GetSystemMetrics(SM_CYICON);
  }
  HWND control =
      CreateWindowExA(item.exStyle, cls, title.c_str(), (style | WS_CHILD) & ~WS_POPUP, x, y, cx, cy, dialog,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(item.id)), instance, nullptr);
  if (!control) return nullptr;
  HFONT font = state.font ? state.font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  if (icon && item.titleOrdinal >= 0) {
    HICON loaded = LoadIconA(instance, MAKEINTRESOURCEA(item.titleOrdinal));
    if (loaded) SendMessageA(control, STM_SETICON, reinterpret_cast<WPARAM>(loaded), 0);
  }
  return control;
}

std::vector<TabCandidate> tabCandidates(const DialogState& state) {
  std::vector<TabCandidate> candidates;
  for (HWND control : state.controls) {
    DWORD style = static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE));
    candidates.push_back({IsWindowVisible(control) != FALSE, IsWindowEnabled(control) != FALSE,
                          (style & WS_TABSTOP) != 0, (style & WS_GROUP) != 0,
                          (SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_STATIC) != 0});
  }
  return candidates;
}

HWND tabStopFrom(const DialogState& state, HWND from, bool backwards) {
  auto it = std::find(state.controls.begin(), state.controls.end(), from);
  int index = it == state.controls.end() ? -1 : static_cast<int>(it - state.controls.begin());
  int next = nextTabStop(tabCandidates(state), index, backwards);
  return next < 0 ? nullptr : state.controls[static_cast<size_t>(next)];
}

HWND groupItemFrom(const DialogState& state, HWND from, bool backwards) {
  auto it = std::find(state.controls.begin(), state.controls.end(), from);
  if (it == state.controls.end()) return nullptr;
  int next = nextGroupItem(tabCandidates(state), static_cast<int>(it - state.controls.begin()), backwards);
  return next < 0 ? nullptr : state.controls[static_cast<size_t>(next)];
}

// The message a DLGPROC returns itself rather than through DWLP_MSGRESULT.
bool returnsDirectly(UINT msg) {
  return msg == WM_INITDIALOG || (msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC);
}

LRESULT defaultDialogHandling(HWND hwnd, DialogState* state, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_ERASEBKGND: {
      RECT rect;
      GetClientRect(hwnd, &rect);
      fillSolid(reinterpret_cast<HDC>(wParam), rect, kFaceColor);
      return 1;
    }
    case WM_CLOSE:
      SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(hwnd, IDCANCEL)));
      return 0;
    case WM_SETFOCUS:
      if (state) {
        HWND target = state->lastFocus && IsWindow(state->lastFocus) ? state->lastFocus
                                                                     : tabStopFrom(*state, nullptr, false);
        if (target) SetFocus(target);
      }
      return 0;
    case WM_GETFONT:
      return state ? reinterpret_cast<LRESULT>(state->font) : 0;
    case WM_NCDESTROY:
      if (state) {
        if (state->font) DeleteObject(state->font);
        dialogs().destroy(hwnd);
      }
      return DefWindowProcA(hwnd, msg, wParam, lParam);
    default:
      return DefWindowProcA(hwnd, msg, wParam, lParam);
  }
}

INT_PTR callDialogProc(HWND hwnd, DialogState& state, UINT msg, WPARAM wParam, LPARAM lParam) {
  ++state.procDepth;
  INT_PTR result = state.proc(hwnd, msg, wParam, lParam);
  if (DialogState* still = findDialog(hwnd)) --still->procDepth;
  return result;
}

HWND focusedControlOf(HWND dialog) {
  HWND focus = GetFocus();
  return focus && focus != dialog && isDescendant(dialog, focus) ? focus : nullptr;
}

void pressButton(HWND dialog, int id) {
  HWND button = GetDlgItem(dialog, id);
  if (button && !IsWindowEnabled(button)) return;
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

// Enter: the focused push button, else the default push button, else IDOK.
void pressDefault(HWND dialog, const DialogState& state, HWND focus) {
  if (focus && SendMessageA(focus, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) {
    pressButton(dialog, GetDlgCtrlID(focus));
    return;
  }
  for (HWND control : state.controls)
    if (SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON) {
      pressButton(dialog, GetDlgCtrlID(control));
      return;
    }
  pressButton(dialog, IDOK);
}

bool wantsReturn(HWND control) {
  Window* window = control ? findWindow(control) : nullptr;
  if (!window || !window->windowClass || !sameName(window->windowClass->name, "EDIT")) return false;
  return (window->style & ES_MULTILINE) && (window->style & ES_WANTRETURN);
}

bool isGroupBox(HWND control) {
  Window* window = control ? findWindow(control) : nullptr;
  return window && window->windowClass && sameName(window->windowClass->name, "BUTTON") &&
         (window->style & 0x0F) == BS_GROUPBOX;
}

// A group box lets clicks through to the controls it frames, as Windows' HTTRANSPARENT does.
void passClickThroughGroupBox(const DialogState& state, MSG& msg) {
  if (msg.message < WM_LBUTTONDOWN || msg.message > WM_MBUTTONDBLCLK || !isGroupBox(msg.hwnd)) return;
  POINT point{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
  ClientToScreen(msg.hwnd, &point);
  for (HWND control : state.controls) {
    RECT rect;
    if (control == msg.hwnd || isGroupBox(control) || !IsWindowVisible(control) ||
        !GetWindowRect(control, &rect) || !PtInRect(&rect, point))
      continue;
    ScreenToClient(control, &point);
    msg.hwnd = control;
    msg.lParam = MAKELPARAM(point.x, point.y);
    return;
  }
}

// Handles the dialog keys of a WM_KEYDOWN; false when the key belongs to the control.
bool handleDialogKey(HWND dialog, DialogState& state, const MSG& msg) {
  HWND focus = focusedControlOf(dialog);
  LRESULT code = focus ? SendMessageA(focus, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg)) : 0;
  if (code & DLGC_WANTMESSAGE) return false;
  switch (msg.wParam) {
    case VK_TAB: {
      if (code & DLGC_WANTTAB) return false;
      HWND next = tabStopFrom(state, focus, state.shiftDown);
      if (next) SetFocus(next);
      return true;
    }
    case VK_RETURN:
      if (wantsReturn(focus)) return false;
      pressDefault(dialog, state, focus);
      return true;
    case VK_ESCAPE:
      pressButton(dialog, IDCANCEL);
      return true;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: {
      if (!focus || code & DLGC_WANTARROWS) return false;
      HWND next = groupItemFrom(state, focus, msg.wParam == VK_LEFT || msg.wParam == VK_UP);
      if (next && next != focus) SetFocus(next);
      return true;
    }
    default:
      return false;
  }
}

}  // namespace

DialogState* findDialog(HWND hwnd) {
  return dialogs().find(hwnd);
}

DialogBaseUnits systemDialogBaseUnits() {
  return baseUnitsOf(nullptr);
}

LRESULT CALLBACK dialogWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  DialogState* state = findDialog(hwnd);
  if (state && state->proc) {
    SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, 0);
    INT_PTR handled = callDialogProc(hwnd, *state, msg, wParam, lParam);
    if (handled) return returnsDirectly(msg) ? handled : GetWindowLongPtrA(hwnd, DWLP_MSGRESULT);
    state = findDialog(hwnd);
  }
  return defaultDialogHandling(hwnd, state, msg, wParam, lParam);
}

HWND createDialog(const DialogTemplate& dialog, HINSTANCE instance, HWND owner, DLGPROC proc, LPARAM param) {
  registerControlClasses();
  auto pending = std::make_unique<DialogState>();
  pending->font = createDialogFont(dialog);
  pending->base = baseUnitsOf(pending->font);
  DWORD style = (dialog.style & ~(WS_VISIBLE | WS_CHILD)) | WS_POPUP;
  DWORD exStyle = dialog.exStyle | (dialog.style & DS_MODALFRAME ? WS_EX_DLGMODALFRAME : 0);
  RECT place = dialogWindowRect(dialog, pending->base, owner, style, exStyle);
  const char* cls = dialog.className.empty() ? "#32770" : dialog.className.c_str();
  HWND hwnd =
      CreateWindowExA(exStyle, cls, dialog.caption.c_str(), style, place.left, place.top,
                      place.right - place.left, place.bottom - place.top, owner, nullptr, instance, nullptr);
  if (!hwnd) {
    if (pending->font) DeleteObject(pending->font);
    return nullptr;
  }
  DialogState& state = dialogs().create(hwnd);
  state = std::move(*pending);
  state.proc = proc;
  SetWindowLongPtrA(hwnd, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(proc));
  for (const DialogItemTemplate& item : dialog.items)
    if (HWND control = createControl(hwnd, item, state, instance)) state.controls.push_back(control);
  HWND first = tabStopFrom(state, nullptr, false);
  INT_PTR focusFirst =
      proc ? callDialogProc(hwnd, state, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), param) : TRUE;
  if (!IsWindow(hwnd)) return nullptr;
  if (focusFirst && first) findDialog(hwnd)->lastFocus = first;
  return hwnd;
}

INT_PTR runModalDialog(const DialogTemplate& dialog, HINSTANCE instance, HWND owner, DLGPROC proc,
                       LPARAM param) {
  HWND hwnd = createDialog(dialog, instance, owner, proc, param);
  if (!hwnd) return -1;
  DialogState* state = findDialog(hwnd);
  bool ownerWasEnabled = owner && IsWindowEnabled(owner);
  if (ownerWasEnabled) EnableWindow(owner, FALSE);
  if (!state->ended) {
    ShowWindow(hwnd, SW_SHOW);
    if (state->lastFocus) SetFocus(state->lastFocus);
    UpdateWindow(hwnd);
  }
  DialogDriverSession driver(hwnd);
  MSG msg;
  while ((state = findDialog(hwnd)) && !state->ended) {
    BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // the outer loop must see the quit too
      break;
    }
    if (got < 0) break;
    if (!IsDialogMessageA(hwnd, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  INT_PTR result = state ? state->result : 0;
  if (ownerWasEnabled) EnableWindow(owner, TRUE);
  if (IsWindow(hwnd)) DestroyWindow(hwnd);
  if (owner && IsWindow(owner)) SetActiveWindow(owner);
  return result;
}

}  // namespace kx

using namespace kx;

INT_PTR WINAPI DialogBoxParamA(HINSTANCE hInstance, LPCSTR lpTemplateName, HWND hWndParent,
                               DLGPROC lpDialogFunc, LPARAM dwInitParam) {
  HRSRC found = FindResourceA(hInstance, lpTemplateName, RT_DIALOG);
  HGLOBAL loaded = found ? LoadResource(hInstance, found) : nullptr;
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes) return -1;
  auto dialog = parseDialogTemplate(
      std::span(static_cast<const uint8_t*>(bytes), static_cast<size_t>(SizeofResource(hInstance, found))));
  if (!dialog) {
    SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
    return -1;
  }
  return runModalDialog(*dialog, hInstance, hWndParent, lpDialogFunc, dwInitParam);
}

BOOL WINAPI EndDialog(HWND hDlg, INT_PTR nResult) {
  DialogState* state = findDialog(hDlg);
  if (!state) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  state->ended = true;
  state->result = nResult;
  ShowWindow(hDlg, SW_HIDE);
  PostMessageA(hDlg, WM_NULL, 0, 0);  // wakes the loop so it sees the end
  return TRUE;
}

LRESULT WINAPI DefDlgProcA(HWND hDlg, UINT Msg, WPARAM wParam, LPARAM lParam) {
  DialogState* state = findDialog(hDlg);
  // Called from inside its own dialog procedure, DefDlgProc does not call that procedure again.
  if (state && state->procDepth > 0) return defaultDialogHandling(hDlg, state, Msg, wParam, lParam);
  return dialogWindowProc(hDlg, Msg, wParam, lParam);
}

BOOL WINAPI IsDialogMessageA(HWND hDlg, LPMSG lpMsg) {
  DialogState* state = findDialog(hDlg);
  if (!state || !lpMsg || !lpMsg->hwnd || !isDescendant(hDlg, lpMsg->hwnd)) return FALSE;
  if ((lpMsg->message == WM_KEYDOWN || lpMsg->message == WM_KEYUP) && lpMsg->wParam == VK_SHIFT)
    state->shiftDown = lpMsg->message == WM_KEYDOWN;
  if (lpMsg->message == WM_KEYDOWN && handleDialogKey(hDlg, *state, *lpMsg)) return TRUE;
  passClickThroughGroupBox(*state, *lpMsg);
  if (DialogState* still = findDialog(hDlg)) {
    if (HWND focus = focusedControlOf(hDlg)) still->lastFocus = focus;
  }
  TranslateMessage(lpMsg);
  DispatchMessageA(lpMsg);
  return TRUE;
}
