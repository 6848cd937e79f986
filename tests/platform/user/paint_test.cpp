// Invalidation, erasing and painting, checked by messages and by the desktop's pixels.
#include <gtest/gtest.h>
#include <windows.h>

#include "kx/platform.h"
#include "message_log.h"
#include "support/headless_desktop.h"

namespace kx::test {
namespace {

constexpr const char* kLogged = "KxPaintWindow";
constexpr COLORREF kBackground = RGB(0, 0, 255);

class PaintTest : public HeadlessDesktop {
 protected:
  void SetUp() override {
    // Made before the leak count starts; unregistering the class deletes it.
    brush = CreateSolidBrush(kBackground);
    HeadlessDesktop::SetUp();
    registerClass(kLogged, LoggingWndProc, brush);
  }
  HWND create(DWORD style, RECT r, HWND parent = nullptr) {
    return CreateWindowExA(0, kLogged, "", style, r.left, r.top, r.right - r.left, r.bottom - r.top, parent,
                           nullptr, nullptr, nullptr);
  }
  HBRUSH brush = nullptr;
};

TEST_F(PaintTest, InvalidateWithEraseGivesEraseThenPaint) {
  HWND hwnd = create(WS_POPUP | WS_VISIBLE, {0, 0, 50, 50});
  pumpMessages();
  messageLog().clear();
  RECT part{10, 10, 20, 20};
  InvalidateRect(hwnd, &part, TRUE);
  RECT update;
  EXPECT_TRUE(GetUpdateRect(hwnd, &update, FALSE));
  EXPECT_TRUE(EqualRect(&update, &part));
  pumpMessages();
  EXPECT_EQ(compareSequence({{WM_PAINT}, {WM_ERASEBKGND}}), "") << "BeginPaint erases inside WM_PAINT";
  EXPECT_FALSE(GetUpdateRect(hwnd, &update, FALSE));
  EXPECT_TRUE(IsRectEmpty(&update));

  messageLog().clear();
  InvalidateRect(hwnd, nullptr, FALSE);
  pumpMessages();
  EXPECT_EQ(compareSequence({{WM_PAINT}}), "") << "no erase was asked for";
}

TEST_F(PaintTest, ShowingErasesWithTheClassBrushAndLeavesTheRestAlone) {
  HWND hwnd = create(WS_POPUP | WS_VISIBLE, {100, 50, 140, 70});
  ASSERT_NE(hwnd, nullptr);
  struct Probe {
    int x, y;
    COLORREF colour;
  };
  // The window covers 100..139 x 50..69; the bare desktop is black.
  const Probe probes[] = {{100, 50, kBackground},
                          {139, 69, kBackground},
                          {140, 60, RGB(0, 0, 0)},
                          {120, 70, RGB(0, 0, 0)},
                          {99, 50, RGB(0, 0, 0)}};
  for (const Probe& p : probes) EXPECT_EQ(desktopPixel(p.x, p.y), p.colour) << p.x << "," << p.y;
}

TEST_F(PaintTest, ChildrenRepaintWithTheirParentUnlessItClipsThem) {
  struct Case {
    DWORD parentStyle;
    bool childRepaints;
  };
  for (Case c : {Case{0, true}, Case{WS_CLIPCHILDREN, false}}) {
    HWND parent = create(WS_POPUP | WS_VISIBLE | c.parentStyle, {0, 0, 200, 200});
    HWND child = create(WS_CHILD | WS_VISIBLE, {50, 50, 100, 100}, parent);
    HWND outside = create(WS_CHILD | WS_VISIBLE, {150, 150, 190, 190}, parent);
    pumpMessages();
    messageLog().clear();
    RECT part{40, 40, 60, 60};
    InvalidateRect(parent, &part, TRUE);
    pumpMessages();
    std::vector<ExpectedMessage> expected = {{WM_PAINT, parent}, {WM_ERASEBKGND, parent}};
    if (c.childRepaints) expected.insert(expected.end(), {{WM_PAINT, child}, {WM_ERASEBKGND, child}});
    EXPECT_EQ(compareSequence(expected), "") << "style " << c.parentStyle;
    RECT update;
    EXPECT_FALSE(GetUpdateRect(outside, &update, FALSE));
    DestroyWindow(parent);
  }
}

// BeginPaint's DC, and the erase it sends, reach only the update region (Microsoft's BeginPaint
// notes): the whole client filled through it changes nothing outside the invalidated part.
TEST_F(PaintTest, PaintDcIsClippedToTheUpdateRegion) {
  constexpr COLORREF kBefore = RGB(0, 255, 0);
  constexpr COLORREF kPainted = RGB(255, 0, 0);
  HWND hwnd = create(WS_POPUP | WS_VISIBLE, {100, 100, 150, 150});
  pumpMessages();
  const RECT client{0, 0, 50, 50};
  HDC dc = GetDC(hwnd);
  HBRUSH before = CreateSolidBrush(kBefore);
  FillRect(dc, &client, before);
  DeleteObject(before);
  ReleaseDC(hwnd, dc);

  const RECT part{10, 20, 30, 25};
  InvalidateRect(hwnd, &part, TRUE);
  PAINTSTRUCT ps;
  ASSERT_NE(BeginPaint(hwnd, &ps), nullptr);
  EXPECT_EQ(desktopPixel(100 + 15, 100 + 22), kBackground) << "erased inside";
  EXPECT_EQ(desktopPixel(100 + 15, 100 + 30), kBefore) << "not erased outside";
  HBRUSH painted = CreateSolidBrush(kPainted);
  FillRect(ps.hdc, &client, painted);
  DeleteObject(painted);
  EndPaint(hwnd, &ps);

  struct Probe {
    int x, y;
    COLORREF expected;
  };
  const Probe probes[] = {{10, 20, kPainted}, {29, 24, kPainted}, {9, 20, kBefore}, {30, 22, kBefore},
                          {15, 19, kBefore},  {15, 25, kBefore},  {0, 0, kBefore},  {49, 49, kBefore}};
  for (const Probe& p : probes)
    EXPECT_EQ(desktopPixel(100 + p.x, 100 + p.y), p.expected) << p.x << "," << p.y;
}

TEST_F(PaintTest, UpdateWindowPaintsAtOnceAndValidateRectShrinks) {
  HWND hwnd = create(WS_POPUP | WS_VISIBLE, {0, 0, 100, 100});
  messageLog().clear();
  UpdateWindow(hwnd);
  EXPECT_EQ(compareSequence({{WM_PAINT}}), "") << "sent directly; the erase was done by ShowWindow";
  messageLog().clear();
  UpdateWindow(hwnd);
  EXPECT_EQ(compareSequence({}), "") << "nothing left to paint";

  InvalidateRect(hwnd, nullptr, FALSE);
  RECT top{0, 0, 100, 30};
  ValidateRect(hwnd, &top);
  RECT update;
  GetUpdateRect(hwnd, &update, FALSE);
  EXPECT_TRUE(EqualRect(&update, &*std::make_unique<RECT>(RECT{0, 30, 100, 100})));
  ValidateRect(hwnd, nullptr);
  EXPECT_FALSE(GetUpdateRect(hwnd, nullptr, FALSE));
}

TEST_F(PaintTest, HiddenWindowsGetNoPaintAndDrawNothing) {
  HWND hwnd = create(WS_POPUP, {0, 0, 20, 20});
  InvalidateRect(hwnd, nullptr, TRUE);
  MSG msg;
  EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_NOREMOVE));
  HDC hdc = GetDC(hwnd);
  RECT all{0, 0, 20, 20};
  FillRect(hdc, &all, brush);
  ReleaseDC(hwnd, hdc);
  EXPECT_EQ(desktopPixel(5, 5), RGB(0, 0, 0));
}

TEST_F(PaintTest, HidingUncoversTheDesktopAndTheWindowsBeneath) {
  HWND below = create(WS_POPUP | WS_VISIBLE, {0, 0, 100, 100});
  HWND above = createWindow(WS_POPUP | WS_VISIBLE, {50, 50, 150, 150});  // black background
  pumpMessages();
  EXPECT_EQ(desktopPixel(60, 60), RGB(0, 0, 0));
  ShowWindow(above, SW_HIDE);
  pumpMessages();
  EXPECT_EQ(desktopPixel(60, 60), kBackground) << "the lower window repainted where it was covered";
  EXPECT_EQ(GetActiveWindow(), below);
}

}  // namespace
}  // namespace kx::test
