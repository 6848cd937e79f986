// Creating, showing and destroying windows: the messages in Windows' order, and the window state.
#include <gtest/gtest.h>
#include <windows.h>

#include "message_log.h"
#include "support/headless_desktop.h"

namespace kx::test {
namespace {

constexpr const char* kLogged = "KxLoggedWindow";

class WindowTest : public HeadlessDesktop {
 protected:
  void SetUp() override {
    HeadlessDesktop::SetUp();
    registerClass(kLogged, LoggingWndProc, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)), 16);
    messageLog().clear();
  }
  HWND create(DWORD style, HWND parent = nullptr, RECT r = {10, 20, 110, 70}, int id = 0) {
    return CreateWindowExA(0, kLogged, "title", style, r.left, r.top, r.right - r.left, r.bottom - r.top,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  }
};

// The sequences below come from Windows' own message tests of CreateWindowEx, ShowWindow and
// DestroyWindow.
TEST_F(WindowTest, CreatingSendsMessagesInWindowsOrder) {
  struct Case {
    const char* name;
    DWORD style;
    std::vector<ExpectedMessage> expected;
  };
  const std::vector<Case> cases = {
      {"hidden pop-up", WS_POPUP, {{WM_NCCREATE}, {WM_NCCALCSIZE}, {WM_CREATE}, {WM_SIZE}, {WM_MOVE}}},
      {"visible pop-up",
       WS_POPUP | WS_VISIBLE,
       {{WM_NCCREATE},
        {WM_NCCALCSIZE},
        {WM_CREATE},
        {WM_SIZE},
        {WM_MOVE},
        {WM_SHOWWINDOW},
        {WM_WINDOWPOSCHANGING},
        {WM_ACTIVATEAPP},
        {WM_NCACTIVATE},
        {WM_ACTIVATE},
        {WM_SETFOCUS},
        {WM_NCPAINT},
        {WM_ERASEBKGND},
        {WM_WINDOWPOSCHANGED}}},
  };
  for (const Case& c : cases) {
    messageLog().clear();
    HWND hwnd = create(c.style);
    ASSERT_NE(hwnd, nullptr) << c.name;
    EXPECT_EQ(compareSequence(c.expected), "") << c.name;
    DestroyWindow(hwnd);
  }
}

TEST_F(WindowTest, ChildCreationNotifiesTheParentAfterItsOwnMessages) {
  HWND parent = create(WS_POPUP);
  messageLog().clear();
  HWND child = create(WS_CHILD, parent, {1, 2, 11, 12}, 7);
  ASSERT_NE(child, nullptr);
  EXPECT_EQ(compareSequence({{WM_NCCREATE, child},
                             {WM_NCCALCSIZE, child},
                             {WM_CREATE, child},
                             {WM_SIZE, child},
                             {WM_MOVE, child},
                             {WM_PARENTNOTIFY, parent}}),
            "");
  EXPECT_EQ(messageLog().back().wParam, MAKEWPARAM(WM_CREATE, 7));
  EXPECT_EQ(GetParent(child), parent);
}

TEST_F(WindowTest, DestroyingAnActiveWindowDeactivatesThenDestroys) {
  HWND hwnd = create(WS_POPUP | WS_VISIBLE);
  ASSERT_EQ(GetActiveWindow(), hwnd);
  ASSERT_EQ(GetFocus(), hwnd);
  messageLog().clear();
  EXPECT_TRUE(DestroyWindow(hwnd));
  EXPECT_EQ(compareSequence({{WM_WINDOWPOSCHANGING},
                             {WM_WINDOWPOSCHANGED},
                             {WM_NCACTIVATE},
                             {WM_ACTIVATE},
                             {WM_ACTIVATEAPP},
                             {WM_KILLFOCUS},
                             {WM_DESTROY},
                             {WM_NCDESTROY}}),
            "");
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_EQ(GetActiveWindow(), nullptr);
  EXPECT_EQ(GetFocus(), nullptr);
}

TEST_F(WindowTest, DestroyReachesParentFirstAndFreesChildrenFirst) {
  HWND parent = create(WS_POPUP);
  HWND first = create(WS_CHILD, parent);
  HWND second = create(WS_CHILD, parent);
  HWND grandchild = create(WS_CHILD, first);
  messageLog().clear();
  DestroyWindow(parent);
  EXPECT_EQ(compareSequence({{WM_DESTROY, parent},
                             {WM_DESTROY, first},
                             {WM_DESTROY, grandchild},
                             {WM_DESTROY, second},
                             {WM_NCDESTROY, grandchild},
                             {WM_NCDESTROY, first},
                             {WM_NCDESTROY, second},
                             {WM_NCDESTROY, parent}}),
            "");
  for (HWND w : {parent, first, second, grandchild}) EXPECT_FALSE(IsWindow(w));
}

LRESULT CALLBACK FailingCreateProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  LoggingWndProc(hwnd, message, wParam, lParam);
  return message == WM_CREATE ? -1 : DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST_F(WindowTest, CreateReturningMinusOneDestroysTheWindow) {
  registerClass("KxFailingCreate", FailingCreateProc);
  HWND hwnd = CreateWindowExA(0, "KxFailingCreate", "", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr,
                              nullptr, nullptr);
  EXPECT_EQ(hwnd, nullptr);
  EXPECT_EQ(compareSequence({{WM_NCCREATE}, {WM_NCCALCSIZE}, {WM_CREATE}, {WM_DESTROY}, {WM_NCDESTROY}}), "");
  EXPECT_TRUE(UnregisterClassA("KxFailingCreate", nullptr)) << "no window of the class is left";
  EXPECT_TRUE(RegisterClassA(&*std::make_unique<WNDCLASSA>(WNDCLASSA{
      0, FailingCreateProc, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, "KxFailingCreate"})));
}

TEST_F(WindowTest, CreateFailsForUnknownClassOrOrphanChild) {
  SetLastError(0);
  EXPECT_EQ(CreateWindowExA(0, "NoSuchClass", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr),
            nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CANNOT_FIND_WND_CLASS));
  EXPECT_EQ(create(WS_CHILD), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_TLW_WITH_WSCHILD));
}

TEST_F(WindowTest, ShowAndHideReturnThePreviousVisibility) {
  HWND hwnd = create(WS_POPUP);
  HWND child = create(WS_CHILD | WS_VISIBLE, hwnd);
  EXPECT_FALSE(IsWindowVisible(child)) << "a visible child of a hidden parent is not shown";
  EXPECT_FALSE(ShowWindow(hwnd, SW_SHOW));
  EXPECT_TRUE(IsWindowVisible(child));
  EXPECT_TRUE(ShowWindow(hwnd, SW_SHOW));
  messageLog().clear();
  EXPECT_TRUE(ShowWindow(hwnd, SW_HIDE));
  EXPECT_EQ(compareSequence({{WM_SHOWWINDOW, hwnd},
                             {WM_WINDOWPOSCHANGING, hwnd},
                             {WM_WINDOWPOSCHANGED, hwnd},
                             {WM_NCACTIVATE, hwnd},
                             {WM_ACTIVATE, hwnd},
                             {WM_ACTIVATEAPP, hwnd},
                             {WM_KILLFOCUS, hwnd}}),
            "");
  EXPECT_FALSE(ShowWindow(hwnd, SW_HIDE));
}

TEST_F(WindowTest, FocusMovesWithKillAndSetFocus) {
  HWND top = create(WS_POPUP | WS_VISIBLE);
  HWND a = create(WS_CHILD | WS_VISIBLE, top);
  HWND b = create(WS_CHILD | WS_VISIBLE, top);
  EXPECT_EQ(SetFocus(a), top);
  messageLog().clear();
  EXPECT_EQ(SetFocus(b), a);
  EXPECT_EQ(compareSequence({{WM_KILLFOCUS, a}, {WM_SETFOCUS, b}}), "");
  EXPECT_EQ(messageLog()[0].wParam, reinterpret_cast<WPARAM>(b));
  EXPECT_EQ(messageLog()[1].wParam, reinterpret_cast<WPARAM>(a));

  messageLog().clear();
  EXPECT_FALSE(EnableWindow(b, FALSE));
  EXPECT_EQ(GetFocus(), nullptr) << "a disabled window gives up the focus";
  EXPECT_EQ(compareSequence({{WM_KILLFOCUS, b}, {WM_ENABLE, b}}), "");
  EXPECT_EQ(SetFocus(b), nullptr) << "nor can it take it";
  EXPECT_TRUE(EnableWindow(b, TRUE));
  EXPECT_TRUE(IsWindowEnabled(b));
}

TEST_F(WindowTest, RectanglesFollowTheFrameOfTheStyle) {
  struct Case {
    DWORD style;
    RECT window;      // as created, screen coordinates
    RECT clientSize;  // GetClientRect
    POINT clientOrigin;
  };
  // A caption of 18 pixels inside a 3-pixel dialog frame; a plain border of 1; none for a pop-up.
  const Case cases[] = {
      {WS_POPUP, {10, 20, 110, 70}, {0, 0, 100, 50}, {10, 20}},
      {WS_POPUP | WS_BORDER, {10, 20, 110, 70}, {0, 0, 98, 48}, {11, 21}},
      {WS_POPUP | WS_CAPTION, {10, 20, 110, 70}, {0, 0, 94, 26}, {13, 41}},
  };
  for (const Case& c : cases) {
    HWND hwnd = create(c.style, nullptr, c.window);
    RECT window, client;
    ASSERT_TRUE(GetWindowRect(hwnd, &window));
    ASSERT_TRUE(GetClientRect(hwnd, &client));
    EXPECT_TRUE(EqualRect(&window, &c.window));
    EXPECT_TRUE(EqualRect(&client, &c.clientSize)) << client.right << " x " << client.bottom;
    POINT p{0, 0};
    ClientToScreen(hwnd, &p);
    EXPECT_EQ(p.x, c.clientOrigin.x);
    EXPECT_EQ(p.y, c.clientOrigin.y);
    ScreenToClient(hwnd, &p);
    EXPECT_EQ(p.x, 0);
    DestroyWindow(hwnd);
  }
}

TEST_F(WindowTest, ChildCoordinatesAddUpThroughParents) {
  HWND top = create(WS_POPUP, nullptr, {100, 100, 400, 400});
  HWND child = create(WS_CHILD, top, {10, 20, 110, 120});
  HWND inner = create(WS_CHILD, child, {5, 5, 15, 15});
  RECT r;
  GetWindowRect(inner, &r);
  EXPECT_EQ(r.left, 115);
  EXPECT_EQ(r.top, 125);
  EXPECT_TRUE(MoveWindow(child, 0, 0, 50, 60, FALSE));
  GetWindowRect(inner, &r);
  EXPECT_EQ(r.left, 105);
  GetClientRect(child, &r);
  EXPECT_EQ(r.right, 50);
  EXPECT_EQ(r.bottom, 60);
}

TEST_F(WindowTest, WindowLongsReachExtraBytesAndFields) {
  HWND hwnd = create(WS_POPUP);
  EXPECT_EQ(SetWindowLongA(hwnd, 4, 0x12345678), 0);
  EXPECT_EQ(GetWindowLongA(hwnd, 4), 0x12345678);
  auto pointer = reinterpret_cast<LONG_PTR>(&messageLog());
  EXPECT_EQ(SetWindowLongPtrA(hwnd, 8, pointer), 0);
  EXPECT_EQ(GetWindowLongPtrA(hwnd, 8), pointer);
  EXPECT_EQ(SetWindowLongPtrA(hwnd, GWLP_USERDATA, pointer), 0);
  EXPECT_EQ(GetWindowLongPtrA(hwnd, GWLP_USERDATA), pointer);
  EXPECT_EQ(GetWindowLongPtrA(hwnd, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(LoggingWndProc));
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)), static_cast<DWORD>(WS_POPUP));

  // Past the 16 extra bytes, and a pointer field through the 32-bit form, as in 64-bit Windows.
  for (int index : {13, 16, 1000}) {
    SetLastError(0);
    EXPECT_EQ(GetWindowLongA(hwnd, index), 0) << index;
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_INDEX)) << index;
  }
  SetLastError(0);
  EXPECT_EQ(GetWindowLongA(hwnd, GWL_WNDPROC), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_INDEX));
}

TEST_F(WindowTest, DialogSlotsFitInDialogExtraBytes) {
  registerClass("KxDialogLike", DefWindowProcA, nullptr, DLGWINDOWEXTRA);
  HWND dlg =
      CreateWindowExA(0, "KxDialogLike", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  for (int slot : {DWLP_MSGRESULT, DWLP_DLGPROC, DWLP_USER}) {
    SetWindowLongPtrA(dlg, slot, 0x1000 + slot);
  }
  for (int slot : {DWLP_MSGRESULT, DWLP_DLGPROC, DWLP_USER})
    EXPECT_EQ(GetWindowLongPtrA(dlg, slot), 0x1000 + slot);
}

TEST_F(WindowTest, TextAndFindWindow) {
  HWND hwnd = create(WS_POPUP);
  char buffer[4];
  EXPECT_EQ(GetWindowTextLengthA(hwnd), 5);
  EXPECT_EQ(GetWindowTextA(hwnd, buffer, sizeof buffer), 3) << "cut to the buffer";
  EXPECT_STREQ(buffer, "tit");
  EXPECT_TRUE(SetWindowTextA(hwnd, "Other"));
  EXPECT_EQ(FindWindowA(kLogged, "other"), hwnd);
  EXPECT_EQ(FindWindowA("klOGGedwindow", nullptr), nullptr) << "no such class";
  EXPECT_EQ(FindWindowA("kxloggedwindow", nullptr), hwnd);
  EXPECT_EQ(FindWindowA(nullptr, "title"), nullptr);
}

TEST_F(WindowTest, ClassesAreUniqueAndQueryable) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.lpszClassName = "KXLOGGEDWINDOW";
  SetLastError(0);
  EXPECT_EQ(RegisterClassA(&wc), 0) << "names compare without regard to case";
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_ALREADY_EXISTS));
  WNDCLASSA info{};
  ASSERT_TRUE(GetClassInfoA(nullptr, kLogged, &info));
  EXPECT_EQ(info.cbWndExtra, 16);
  HWND hwnd = create(WS_POPUP);
  EXPECT_FALSE(UnregisterClassA(kLogged, nullptr)) << "a window of the class exists";
  DestroyWindow(hwnd);
}

// The class owns the brush it was registered with (Microsoft's WNDCLASS notes): unregistering
// deletes it, while stock brushes and COLOR_* + 1 values are left alone.
TEST_F(WindowTest, UnregisteringDeletesTheClassBrush) {
  const size_t before = countGdiObjects().total();
  const HBRUSH brushes[] = {CreateSolidBrush(RGB(1, 2, 3)), static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)),
                            reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1))};
  for (HBRUSH brush : brushes) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hbrBackground = brush;
    wc.lpszClassName = "KxBrushOwner";
    ASSERT_NE(RegisterClassA(&wc), 0);
    SetLastError(0);
    EXPECT_TRUE(UnregisterClassA("KxBrushOwner", nullptr));
    EXPECT_EQ(GetLastError(), 0u);
  }
  EXPECT_EQ(countGdiObjects().total(), before);
  HDC dc = GetDC(nullptr);
  EXPECT_NE(SelectObject(dc, GetStockObject(GRAY_BRUSH)), nullptr) << "the stock brush lives on";
  ReleaseDC(nullptr, dc);
}

TEST_F(WindowTest, DesktopWindowCoversTheScreen) {
  HWND desktop = GetDesktopWindow();
  RECT r;
  ASSERT_TRUE(GetWindowRect(desktop, &r));
  EXPECT_EQ(r.right, kWidth);
  EXPECT_EQ(r.bottom, kHeight);
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), kWidth);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), kHeight);
  EXPECT_FALSE(DestroyWindow(desktop));
}

}  // namespace
}  // namespace kx::test
