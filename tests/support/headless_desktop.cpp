#include "support/headless_desktop.h"

namespace kx::test {

namespace {
constexpr const char* kPlainClass = "KxTestPlainWindow";
}

void HeadlessDesktop::SetUp() {
  PlatformOptions options;
  options.width = desktopWidth;
  options.height = desktopHeight;
  std::string error = startPlatform(options);
  ASSERT_EQ(error, "");
  m_gdiBefore = countGdiObjects();
}

void HeadlessDesktop::TearDown() {
  stopPlatform();
  for (const std::string& name : m_classes) UnregisterClassA(name.c_str(), nullptr);
  m_classes.clear();
  expectNoGdiLeaks(m_gdiBefore);
}

void HeadlessDesktop::registerClass(const char* name, WNDPROC proc, HBRUSH background, int windowExtra) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = proc;
  wc.cbWndExtra = windowExtra;
  wc.hbrBackground = background;
  wc.lpszClassName = name;
  ASSERT_NE(RegisterClassA(&wc), 0) << "class " << name;
  m_classes.emplace_back(name);
}

HWND HeadlessDesktop::createWindow(DWORD style, RECT rect, HWND parent) {
  WNDCLASSA existing;
  if (!GetClassInfoA(nullptr, kPlainClass, &existing)) {
    registerClass(kPlainClass, DefWindowProcA, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  }
  return CreateWindowExA(0, kPlainClass, "", style, rect.left, rect.top, rect.right - rect.left,
                         rect.bottom - rect.top, parent, nullptr, nullptr, nullptr);
}

void HeadlessDesktop::pumpMessages() {
  MSG msg;
  // WM_PAINT is generated only when nothing else waits, so this also runs every pending paint.
  while (PeekMessageA(&msg, nullptr, 0, WM_TIMER - 1, PM_REMOVE) ||
         PeekMessageA(&msg, nullptr, WM_TIMER + 1, 0xFFFF, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

}  // namespace kx::test
