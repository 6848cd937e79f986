// A window's drawing leaves alone the pixels of the visible top-level windows above it, whichever
// GDI call draws and whether the window or its controls repaint.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>

#include "kx/platform.h"
#include "support/headless_desktop.h"

namespace kx::test {
namespace {

constexpr RECT kLower{0, 0, 200, 200};
constexpr RECT kUpper{50, 40, 150, 120};
constexpr COLORREF kUpperColour = RGB(0, 255, 0);
constexpr COLORREF kDrawn = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

class WindowCanvasTest : public HeadlessDesktop {
 protected:
  // A window whose own pixels are kUpperColour, as if it had just painted itself.
  HWND createPainted(DWORD style, RECT rect) {
    HWND hwnd = createWindow(style, rect);
    pumpMessages();
    fillClient(hwnd, kUpperColour);
    return hwnd;
  }
  static void fillClient(HWND hwnd, COLORREF colour) {
    RECT client;
    GetClientRect(hwnd, &client);
    HDC hdc = GetDC(hwnd);
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(hdc, &client, brush);
    DeleteObject(brush);
    ReleaseDC(hwnd, hdc);
  }
  // Every pixel of `area` inside `inside` has one colour and every other pixel of `area` another;
  // the first pixel that differs, or "".
  static std::string firstMismatch(RECT area, RECT inside, COLORREF in, COLORREF out) {
    for (int y = area.top; y < area.bottom; ++y) {
      for (int x = area.left; x < area.right; ++x) {
        COLORREF expected = PtInRect(&inside, POINT{x, y}) ? in : out;
        if (desktopPixel(x, y) != expected) return std::to_string(x) + "," + std::to_string(y);
      }
    }
    return "";
  }
};

TEST_F(WindowCanvasTest, EveryDrawingCallLeavesTheWindowAboveAlone) {
  struct Drawing {
    const char* what;
    std::function<void(HDC)> draw;  // paints the lower window's whole client area kDrawn
  };
  const Drawing drawings[] = {
      {"FillRect", [](HDC hdc) { FillRect(hdc, &kLower, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))); }},
      {"PatBlt", [](HDC hdc) { PatBlt(hdc, 0, 0, 200, 200, WHITENESS); }},
      {"Rectangle",
       [](HDC hdc) {
         HGDIOBJ pen = SelectObject(hdc, GetStockObject(WHITE_PEN));
         Rectangle(hdc, 0, 0, 200, 200);  // the default brush is white
         SelectObject(hdc, pen);
       }},
      {"LineTo",
       [](HDC hdc) {
         HGDIOBJ pen = SelectObject(hdc, GetStockObject(WHITE_PEN));
         for (int y = 0; y < 200; ++y) {
           MoveToEx(hdc, 0, y, nullptr);
           LineTo(hdc, 200, y);
         }
         SelectObject(hdc, pen);
       }},
      {"SetPixel",
       [](HDC hdc) {
         for (int y = 0; y < 200; ++y) {
           for (int x = 0; x < 200; ++x) SetPixel(hdc, x, y, kDrawn);
         }
       }},
      {"BitBlt",
       [](HDC hdc) {
         HDC memory = CreateCompatibleDC(hdc);
         HBITMAP bitmap = CreateCompatibleBitmap(hdc, 200, 200);
         HGDIOBJ old = SelectObject(memory, bitmap);
         PatBlt(memory, 0, 0, 200, 200, WHITENESS);
         BitBlt(hdc, 0, 0, 200, 200, memory, 0, 0, SRCCOPY);
         SelectObject(memory, old);
         DeleteObject(bitmap);
         DeleteDC(memory);
       }},
  };
  for (const Drawing& d : drawings) {
    HWND lower = createWindow(WS_POPUP | WS_VISIBLE, kLower);
    HWND upper = createPainted(WS_POPUP | WS_VISIBLE, kUpper);
    HDC hdc = GetDC(lower);
    d.draw(hdc);
    ReleaseDC(lower, hdc);
    EXPECT_EQ(firstMismatch(kLower, kUpper, kUpperColour, kDrawn), "") << d.what;
    DestroyWindow(upper);
    DestroyWindow(lower);
  }
}

TEST_F(WindowCanvasTest, OnlyVisibleWindowsAboveKeepTheirPixels) {
  struct Case {
    const char* what;
    bool upperFirst;  // created before the lower window, so it lies beneath
    bool visible;
    bool kept;
  };
  const Case cases[] = {
      {"visible above", false, true, true},
      {"hidden above", false, false, false},
      {"visible beneath", true, true, false},
  };
  for (const Case& c : cases) {
    HWND upper = c.upperFirst ? createPainted(WS_POPUP | WS_VISIBLE, kUpper) : nullptr;
    HWND lower = createWindow(WS_POPUP | WS_VISIBLE, kLower);
    if (!upper) upper = createPainted(WS_POPUP | WS_VISIBLE, kUpper);
    if (!c.visible) ShowWindow(upper, SW_HIDE);
    pumpMessages();
    fillClient(lower, kDrawn);
    COLORREF inside = c.kept ? kUpperColour : kDrawn;
    EXPECT_EQ(firstMismatch(kLower, kUpper, inside, kDrawn), "") << c.what;
    DestroyWindow(upper);
    DestroyWindow(lower);
  }
}

TEST_F(WindowCanvasTest, ControlsRepaintingBeneathAWindowStayBeneathIt) {
  HWND lower = createWindow(WS_POPUP | WS_VISIBLE, kLower);
  // A push button half under the window above, and one clear of it.
  HWND covered = CreateWindowExA(0, "BUTTON", "Covered", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 100, 100, 80,
                                 40, lower, nullptr, nullptr, nullptr);
  HWND clear = CreateWindowExA(0, "BUTTON", "Clear", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 150, 80, 40,
                               lower, nullptr, nullptr, nullptr);
  ASSERT_NE(covered, nullptr);
  ASSERT_NE(clear, nullptr);
  HWND upper = createPainted(WS_POPUP | WS_VISIBLE, kUpper);
  fillClient(lower, kBlack);  // the buttons' faces are gone until they repaint
  InvalidateRect(lower, nullptr, TRUE);
  pumpMessages();
  EXPECT_EQ(firstMismatch(kUpper, kUpper, kUpperColour, kUpperColour), "");
  EXPECT_EQ(desktopPixel(20, 170), GetSysColor(COLOR_BTNFACE)) << "the clear button repainted";
  EXPECT_EQ(desktopPixel(170, 130), GetSysColor(COLOR_BTNFACE)) << "so did the covered one, where it shows";
  DestroyWindow(upper);
}

TEST_F(WindowCanvasTest, AWindowBroughtToTheTopRepaintsWhatWasCovered) {
  HWND lower = createWindow(WS_POPUP | WS_VISIBLE, kLower);
  createPainted(WS_POPUP | WS_VISIBLE, kUpper);
  SetActiveWindow(lower);
  pumpMessages();
  // The lower window's class background (black) now shows where the other window was.
  EXPECT_EQ(firstMismatch(kLower, kUpper, kBlack, kBlack), "");
}

// A window's brush origin is counted from its client area's top-left corner (Microsoft's
// documentation of SetBrushOrgEx): a hatch in a child window at (13, 21) of a parent at (100, 50)
// lines up with the child, not with the screen.
TEST_F(WindowCanvasTest, HatchCellsAlignToTheWindowsClientArea) {
  HWND parent = createWindow(WS_POPUP | WS_VISIBLE, {100, 50, 300, 250});
  HWND child = createWindow(WS_CHILD | WS_VISIBLE, {13, 21, 53, 61}, parent);
  pumpMessages();
  HDC hdc = GetDC(child);
  HBRUSH hatch = CreateHatchBrush(HS_CROSS, kDrawn);
  SetBkColor(hdc, RGB(0, 0, 255));
  SetBrushOrgEx(hdc, 2, 1, nullptr);
  const RECT all{0, 0, 40, 40};
  FillRect(hdc, &all, hatch);
  DeleteObject(hatch);
  ReleaseDC(child, hdc);
  // HS_CROSS: column 4 and row 3 of the cell, moved by the origin to client x = 6 and y = 4.
  const POINT client{113, 71};
  struct Probe {
    int x, y;
    COLORREF expected;
  };
  const Probe probes[] = {{6, 0, kDrawn},        {14, 9, kDrawn},        {0, 4, kDrawn},
                          {9, 12, kDrawn},       {5, 0, RGB(0, 0, 255)}, {7, 5, RGB(0, 0, 255)},
                          {0, 0, RGB(0, 0, 255)}};
  for (const Probe& p : probes) {
    EXPECT_EQ(desktopPixel(client.x + p.x, client.y + p.y), p.expected) << p.x << "," << p.y;
  }
}

}  // namespace
}  // namespace kx::test
