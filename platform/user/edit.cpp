// "EDIT": single-line and multi-line edits over an EditBuffer, with a sunken border, a caret
// line and, for WS_VSCROLL, a scroll bar that shows where the view is.
#include <algorithm>
#include <cctype>
#include <cstring>

#include "user/control_paint.h"
#include "user/control_proc.h"
#include "user/edit_buffer.h"

namespace kx {
namespace {

struct EditState : ControlState {
  EditBuffer buffer;
  size_t firstColumn = 0;  // horizontal scrolling, in bytes of every line
};

DWORD editStyle(HWND hwnd) {
  return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
}

constexpr int kScrollBarWidth = 16;
constexpr int kTextMargin = 1;

// The rectangle the text lives in: inside the border and left of the scroll bar.
RECT textArea(HWND hwnd) {
  RECT rect;
  GetClientRect(hwnd, &rect);
  DWORD style = editStyle(hwnd);
  if (style & WS_BORDER) InflateRect(&rect, -2, -2);
  if (style & WS_VSCROLL) rect.right -= kScrollBarWidth;
  InflateRect(&rect, -kTextMargin, 0);
  return rect;
}

// Measures with the control's font selected in a DC of the control.
class MeasureDc {
 public:
  MeasureDc(HWND hwnd, HFONT font) : m_hwnd(hwnd), m_hdc(GetDC(hwnd)) {
    if (m_hdc && font) m_old = SelectObject(m_hdc, font);
  }
  ~MeasureDc() {
    if (!m_hdc) return;
    if (m_old) SelectObject(m_hdc, m_old);
    ReleaseDC(m_hwnd, m_hdc);
  }
  MeasureDc(const MeasureDc&) = delete;
  MeasureDc& operator=(const MeasureDc&) = delete;

  int lineHeight() const {
    TEXTMETRICA metrics{};
    return m_hdc && GetTextMetricsA(m_hdc, &metrics) && metrics.tmHeight > 0 ? metrics.tmHeight : 16;
  }
  int width(std::string_view text) const {
    SIZE size{};
    if (!m_hdc || text.empty()) return 0;
    GetTextExtentPoint32A(m_hdc, text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
  }

 private:
  HWND m_hwnd;
  HDC m_hdc;
  HGDIOBJ m_old = nullptr;
};

size_t visibleLines(HWND hwnd, const MeasureDc& measure) {
  RECT area = textArea(hwnd);
  return static_cast<size_t>(std::max(1, static_cast<int>(area.bottom - area.top) / measure.lineHeight()));
}

// Keeps the caret in view after every change, both ways.
void scrollToCaret(HWND hwnd, EditState& state) {
  MeasureDc measure(hwnd, state.font);
  state.buffer.keepCaretVisible(visibleLines(hwnd, measure));
  size_t column = state.buffer.caret() - state.buffer.lineStart(state.buffer.lineOfCaret());
  std::string_view line = state.buffer.lineText(state.buffer.lineOfCaret());
  RECT area = textArea(hwnd);
  int width = std::max(1, static_cast<int>(area.right - area.left) - 1);
  if (column < state.firstColumn) state.firstColumn = column;
  while (state.firstColumn < column &&
         measure.width(line.substr(state.firstColumn, column - state.firstColumn)) > width)
    ++state.firstColumn;
  InvalidateRect(hwnd, nullptr, TRUE);
}

void paintScrollBar(HDC hdc, const RECT& client, const EditState& state, size_t shownLines) {
  RECT bar{client.right - kScrollBarWidth, client.top, client.right, client.bottom};
  fillSolid(hdc, bar, RGB(224, 224, 224));
  int arrow = std::min<int>(kScrollBarWidth, (bar.bottom - bar.top) / 2);
  RECT up{bar.left, bar.top, bar.right, bar.top + arrow};
  RECT down{bar.left, bar.bottom - arrow, bar.right, bar.bottom};
  for (const RECT& button : {up, down}) {
    fillSolid(hdc, button, kFaceColor);
    drawBevel(hdc, button, Bevel::Raised);
  }
  int track = bar.bottom - bar.top - 2 * arrow;
  size_t lines = state.buffer.lineCount();
  if (track <= 0 || lines <= shownLines) return;
  int thumb = std::max(8, static_cast<int>(track * shownLines / lines));
  int top = bar.top + arrow +
            static_cast<int>((track - thumb) * state.buffer.firstVisibleLine() /
                             std::max<size_t>(1, lines - shownLines));
  RECT box{bar.left, top, bar.right, std::min(top + thumb, static_cast<int>(bar.bottom - arrow))};
  fillSolid(hdc, box, kFaceColor);
  drawBevel(hdc, box, Bevel::Raised);
}

void paint(HWND hwnd, HDC hdc, const EditState& state, const RECT& client) {
  DWORD style = editStyle(hwnd);
  bool enabled = IsWindowEnabled(hwnd);
  RECT inside = client;
  if (style & WS_BORDER) inside = drawBevel(hdc, client, Bevel::Sunken);
  fillSolid(hdc, inside, enabled && !(style & ES_READONLY) ? kWindowColor : kFaceColor);

  HGDIOBJ oldFont = state.font ? SelectObject(hdc, state.font) : nullptr;
  TEXTMETRICA metrics{};
  GetTextMetricsA(hdc, &metrics);
  int lineHeight = metrics.tmHeight > 0 ? metrics.tmHeight : 16;
  RECT area = textArea(hwnd);
  size_t shown = static_cast<size_t>(std::max(1, static_cast<int>(area.bottom - area.top) / lineHeight));
  int oldMode = SetBkMode(hdc, TRANSPARENT);
  COLORREF oldColor = SetTextColor(hdc, enabled ? kTextColor : kGrayTextColor);
  const EditBuffer& buffer = state.buffer;
  size_t first = buffer.firstVisibleLine();
  // A single line sits in the middle of its box, as a dialog's edits are a little taller.
  int top = buffer.multiLine() ? area.top : area.top + (area.bottom - area.top - lineHeight) / 2;
  for (size_t line = first; line < buffer.lineCount() && line < first + shown + 1; ++line) {
    std::string_view text = buffer.lineText(line);
    if (text.size() <= state.firstColumn) continue;
    text.remove_prefix(state.firstColumn);
    RECT row{area.left, top + static_cast<int>(line - first) * lineHeight, area.right, 0};
    row.bottom = std::min(row.top + lineHeight, static_cast<int>(area.bottom));
    if (row.top >= area.bottom) break;
    std::string copy(text);
    std::replace(copy.begin(), copy.end(), '\t', ' ');
    DrawTextA(hdc, copy.c_str(), static_cast<int>(copy.size()), &row, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
  }
  if (GetFocus() == hwnd && buffer.caret() >= buffer.lineStart(buffer.lineOfCaret())) {
    size_t line = buffer.lineOfCaret();
    size_t column = buffer.caret() - buffer.lineStart(line);
    if (line >= first && line < first + shown && column >= state.firstColumn) {
      std::string before(buffer.lineText(line).substr(state.firstColumn, column - state.firstColumn));
      SIZE extent{};
      if (!before.empty())
        GetTextExtentPoint32A(hdc, before.c_str(), static_cast<int>(before.size()), &extent);
      int x = area.left + extent.cx;
      int y = top + static_cast<int>(line - first) * lineHeight;
      if (x < area.right)
        drawLine(hdc, x, y, x, std::min(y + lineHeight, static_cast<int>(area.bottom)), kTextColor);
    }
  }
  SetTextColor(hdc, oldColor);
  SetBkMode(hdc, oldMode);
  if (oldFont) SelectObject(hdc, oldFont);
  if (style & WS_VSCROLL) paintScrollBar(hdc, inside, state, shown);
}

void placeCaretAt(HWND hwnd, EditState& state, int x, int y) {
  MeasureDc measure(hwnd, state.font);
  RECT area = textArea(hwnd);
  EditBuffer& buffer = state.buffer;
  int row = buffer.multiLine() ? std::max(0, static_cast<int>(y - area.top)) / measure.lineHeight() : 0;
  size_t line = buffer.firstVisibleLine() + static_cast<size_t>(row);
  line = std::min(line, buffer.lineCount() - 1);
  std::string_view text = buffer.lineText(line);
  size_t column = std::min(state.firstColumn, text.size());
  // The caret goes to the character boundary nearest the click.
  int target = x - area.left;
  while (column < text.size()) {
    int left = measure.width(text.substr(state.firstColumn, column - state.firstColumn));
    int right = measure.width(text.substr(state.firstColumn, column + 1 - state.firstColumn));
    if (target < (left + right + 1) / 2) break;
    ++column;
  }
  buffer.setCaretAt(line, column);
}

bool handleKey(EditState& state, WPARAM key) {
  EditBuffer& buffer = state.buffer;
  switch (key) {
    case VK_LEFT:
      buffer.moveLeft();
      return false;
    case VK_RIGHT:
      buffer.moveRight();
      return false;
    case VK_UP:
      buffer.moveUp();
      return false;
    case VK_DOWN:
      buffer.moveDown();
      return false;
    case VK_HOME:
      buffer.moveHome();
      return false;
    case VK_END:
      buffer.moveEnd();
      return false;
    case VK_DELETE:
      return buffer.deleteForward();
    default:
      return false;
  }
}

bool handleChar(HWND hwnd, EditState& state, char c) {
  DWORD style = editStyle(hwnd);
  if (style & ES_READONLY) return false;
  if (c == '\b') return state.buffer.backspace();
  if (c == '\r') return state.buffer.insertLineBreak();
  auto byte = static_cast<unsigned char>(c);
  if (byte < 0x20 || byte == 0x7F) return false;
  if (style & ES_NUMBER && (c < '0' || c > '9')) return false;
  if (style & ES_UPPERCASE) c = static_cast<char>(std::toupper(byte));
  if (style & ES_LOWERCASE) c = static_cast<char>(std::tolower(byte));
  return state.buffer.insert(std::string_view(&c, 1));
}

LRESULT copyText(const EditState& state, WPARAM size, LPARAM buffer) {
  char* out = reinterpret_cast<char*>(buffer);
  if (!out || size == 0) return 0;
  size_t count = std::min(state.buffer.text().size(), static_cast<size_t>(size) - 1);
  std::memcpy(out, state.buffer.text().data(), count);
  out[count] = '\0';
  return static_cast<LRESULT>(count);
}

void changed(HWND hwnd, EditState& state) {
  scrollToCaret(hwnd, state);
  notifyParent(hwnd, EN_CHANGE);
}

LRESULT handle(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, EditState& state) {
  switch (msg) {
    case WM_NCCREATE: {
      auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
      state.buffer = EditBuffer((create->style & ES_MULTILINE) != 0);
      if (create->lpszName) state.buffer.setText(create->lpszName);
      return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    case WM_GETDLGCODE:
      return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    case WM_SETTEXT:
      state.buffer.setText(lParam ? reinterpret_cast<const char*>(lParam) : "");
      state.firstColumn = 0;
      InvalidateRect(hwnd, nullptr, TRUE);
      return TRUE;
    case WM_GETTEXT:
      return copyText(state, wParam, lParam);
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(state.buffer.text().size());
    case EM_LIMITTEXT:
      state.buffer.setLimit(static_cast<size_t>(wParam));
      return 0;
    case EM_GETSEL: {
      auto caret = static_cast<DWORD>(state.buffer.caret());
      if (wParam) *reinterpret_cast<DWORD*>(wParam) = caret;
      if (lParam) *reinterpret_cast<DWORD*>(lParam) = caret;
      return MAKELONG(caret, caret);
    }
    case EM_SETSEL:
      // Without selections, the caret goes to the end of the range.
      state.buffer.setCaret(static_cast<LONG>(lParam) < 0 ? state.buffer.text().size()
                                                          : static_cast<size_t>(lParam));
      scrollToCaret(hwnd, state);
      return 0;
    case EM_REPLACESEL:
      if (lParam && state.buffer.insert(reinterpret_cast<const char*>(lParam))) changed(hwnd, state);
      return 0;
    case WM_CHAR:
      if (handleChar(hwnd, state, static_cast<char>(wParam))) changed(hwnd, state);
      return 0;
    case WM_KEYDOWN:
      if (handleKey(state, wParam))
        changed(hwnd, state);
      else
        scrollToCaret(hwnd, state);
      return 0;
    case WM_LBUTTONDOWN:
      SetFocus(hwnd);
      placeCaretAt(hwnd, state, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
      InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    default:
      return DefWindowProcA(hwnd, msg, wParam, lParam);
  }
}

}  // namespace

LRESULT CALLBACK editWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return controlWindowProc<EditState, paint, handle>(hwnd, msg, wParam, lParam);
}

}  // namespace kx
