// "BUTTON": push buttons, the default push button, auto check boxes and group boxes. Other
// button types are drawn as an empty face.
#include "user/control_paint.h"
#include "user/control_proc.h"

namespace kx {
namespace {

struct ButtonState : ControlState {
  UINT check = BST_UNCHECKED;
  bool pressed = false;
};

DWORD buttonType(HWND hwnd) {
  return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)) & 0x0F;
}

bool isPushButton(DWORD type) {
  return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}
bool isCheckBox(DWORD type) {
  return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE;
}

// The dark frame goes to the focused push button, or to the default one while no push button
// has the focus.
bool showsDefaultFrame(HWND hwnd) {
  HWND focus = GetFocus();
  if (focus == hwnd) return true;
  if (buttonType(hwnd) != BS_DEFPUSHBUTTON) return false;
  if (!focus || GetParent(focus) != GetParent(hwnd)) return true;
  return !(SendMessageA(focus, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON));
}

void click(HWND hwnd, ButtonState& state) {
  DWORD type = buttonType(hwnd);
  if (type == BS_AUTOCHECKBOX) state.check = state.check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
  if (type == BS_AUTO3STATE) state.check = (state.check + 1) % 3;
  InvalidateRect(hwnd, nullptr, TRUE);
  notifyParent(hwnd, BN_CLICKED);
}

void paintPushButton(HWND hwnd, HDC hdc, const ButtonState& state, RECT rect) {
  fillSolid(hdc, rect, kFaceColor);
  if (showsDefaultFrame(hwnd)) {
    drawFrame(hdc, rect, kDarkShadowColor, kDarkShadowColor);
    InflateRect(&rect, -1, -1);
  }
  RECT inner = drawBevel(hdc, rect, state.pressed ? Bevel::Pressed : Bevel::Raised);
  if (state.pressed) OffsetRect(&inner, 1, 1);
  COLORREF color = IsWindowEnabled(hwnd) ? kTextColor : kGrayTextColor;
  drawControlText(hdc, state.font, windowText(hwnd).c_str(), inner, DT_CENTER | DT_VCENTER | DT_SINGLELINE,
                  color);
  if (GetFocus() == hwnd) {
    RECT focus = inner;
    InflateRect(&focus, -2, -2);
    DrawFocusRect(hdc, &focus);
  }
}

void paintCheckBox(HWND hwnd, HDC hdc, const ButtonState& state, const RECT& rect) {
  fillSolid(hdc, rect, kFaceColor);
  const int box = 13;
  int top = rect.top + (rect.bottom - rect.top - box) / 2;
  RECT square{rect.left, top, rect.left + box, top + box};
  RECT inside = drawBevel(hdc, square, Bevel::Sunken);
  fillSolid(hdc, inside, IsWindowEnabled(hwnd) && !state.pressed ? kWindowColor : kFaceColor);
  if (state.check != BST_UNCHECKED) {
    // The classic tick: three pixels thick, from the left middle down and up to the right.
    COLORREF tick = state.check == BST_INDETERMINATE ? kShadowColor : kTextColor;
    for (int dy = 0; dy < 3; ++dy) {
      drawLine(hdc, inside.left + 1, inside.top + 3 + dy, inside.left + 3, inside.top + 5 + dy, tick);
      drawLine(hdc, inside.left + 3, inside.top + 5 + dy, inside.left + 8, inside.top + dy, tick);
    }
  }
  RECT text{rect.left + box + 4, rect.top, rect.right, rect.bottom};
  COLORREF color = IsWindowEnabled(hwnd) ? kTextColor : kGrayTextColor;
  drawControlText(hdc, state.font, windowText(hwnd).c_str(), text, DT_LEFT | DT_VCENTER | DT_SINGLELINE,
                  color);
  if (GetFocus() == hwnd) {
    HGDIOBJ old = state.font ? SelectObject(hdc, state.font) : nullptr;
    RECT measured = text;
    std::string label = windowText(hwnd);
    DrawTextA(hdc, label.c_str(), -1, &measured, DT_LEFT | DT_SINGLELINE | DT_CALCRECT);
    if (old) SelectObject(hdc, old);
    int height = measured.bottom - measured.top;
    RECT focus{text.left - 1, text.top + (text.bottom - text.top - height) / 2 - 1, measured.right + 1, 0};
    focus.bottom = focus.top + height + 2;
    DrawFocusRect(hdc, &focus);
  }
}

void paintGroupBox(HWND hwnd, HDC hdc, const ButtonState& state, const RECT& rect) {
  fillSolid(hdc, rect, kFaceColor);
  std::string label = windowText(hwnd);
  HGDIOBJ old = state.font ? SelectObject(hdc, state.font) : nullptr;
  TEXTMETRICA metrics{};
  GetTextMetricsA(hdc, &metrics);
  SIZE extent{};
  GetTextExtentPoint32A(hdc, label.c_str(), static_cast<int>(label.size()), &extent);
  if (old) SelectObject(hdc, old);
  // An etched frame whose top line runs through the middle of the caption.
  RECT frame{rect.left, rect.top + metrics.tmHeight / 2, rect.right, rect.bottom};
  RECT shadow{frame.left, frame.top, frame.right - 1, frame.bottom - 1};
  RECT light{frame.left + 1, frame.top + 1, frame.right, frame.bottom};
  drawFrame(hdc, light, kHighlightColor, kHighlightColor);
  drawFrame(hdc, shadow, kShadowColor, kShadowColor);
  if (label.empty()) return;
  RECT caption{rect.left + 8, rect.top, rect.left + 8 + extent.cx + 4, rect.top + metrics.tmHeight};
  fillSolid(hdc, caption, kFaceColor);
  caption.left += 2;
  COLORREF color = IsWindowEnabled(hwnd) ? kTextColor : kGrayTextColor;
  drawControlText(hdc, state.font, label.c_str(), caption, DT_LEFT | DT_TOP | DT_SINGLELINE, color);
}

void paint(HWND hwnd, HDC hdc, const ButtonState& state, const RECT& rect) {
  DWORD type = buttonType(hwnd);
  if (isPushButton(type))
    paintPushButton(hwnd, hdc, state, rect);
  else if (isCheckBox(type))
    paintCheckBox(hwnd, hdc, state, rect);
  else if (type == BS_GROUPBOX)
    paintGroupBox(hwnd, hdc, state, rect);
  else
    fillSolid(hdc, rect, kFaceColor);
}

LRESULT dialogCode(HWND hwnd) {
  DWORD type = buttonType(hwnd);
  if (type == BS_DEFPUSHBUTTON) return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
  if (type == BS_PUSHBUTTON) return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
  if (isCheckBox(type)) return DLGC_BUTTON;
  return DLGC_STATIC;
}

LRESULT handle(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, ButtonState& state) {
  switch (msg) {
    case WM_GETDLGCODE:
      return dialogCode(hwnd);
    case BM_GETCHECK:
      return state.check;
    case BM_SETCHECK:
      state.check = static_cast<UINT>(wParam) <= BST_INDETERMINATE ? static_cast<UINT>(wParam) : BST_CHECKED;
      InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    case BM_CLICK:
      if (IsWindowEnabled(hwnd)) click(hwnd, state);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (buttonType(hwnd) == BS_GROUPBOX) return 0;
      state.pressed = true;
      SetFocus(hwnd);
      InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    case WM_LBUTTONUP:
      if (!state.pressed) return 0;
      state.pressed = false;
      click(hwnd, state);
      return 0;
    case WM_KEYDOWN:
      if (wParam == VK_SPACE && dialogCode(hwnd) & DLGC_BUTTON) {
        state.pressed = true;
        InvalidateRect(hwnd, nullptr, TRUE);
      }
      return 0;
    case WM_KEYUP:
      if (wParam == VK_SPACE && state.pressed) {
        state.pressed = false;
        click(hwnd, state);
      }
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if (msg == WM_KILLFOCUS) state.pressed = false;
      // Focus moves the default frame among the push buttons, so the siblings repaint too.
      if (HWND parent = GetParent(hwnd)) InvalidateRect(parent, nullptr, FALSE);
      InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    case WM_ENABLE:
      InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    case WM_SETTEXT: {
      LRESULT result = DefWindowProcA(hwnd, msg, wParam, lParam);
      InvalidateRect(hwnd, nullptr, TRUE);
      return result;
    }
    default:
      return DefWindowProcA(hwnd, msg, wParam, lParam);
  }
}

}  // namespace

LRESULT CALLBACK buttonWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return controlWindowProc<ButtonState, paint, handle>(hwnd, msg, wParam, lParam);
}

}  // namespace kx
