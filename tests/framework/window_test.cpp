#include "framework/window.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/headless_desktop.h"

namespace {

// A window object that notes which messages reach it.
class CRecorder : public BWindow {
 public:
  explicit CRecorder(std::vector<UINT>* seen) : BWindow(nullptr, nullptr, nullptr), seen(seen) {
    className = "KxRecorder";
  }
  LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override {
    seen->push_back(msg);
    return BWindow::WndProc(hwnd, msg, wParam, lParam);
  }
  HWND Create() {
    return CreateWindowExA(0, className, windowName, WS_POPUP, 0, 0, 64, 48, nullptr, nullptr, nullptr,
                           createParam);
  }
  std::vector<UINT>* seen;
};

bool Contains(const std::vector<UINT>& seen, UINT msg) {
  for (UINT m : seen) {
    if (m == msg) return true;
  }
  return false;
}

class BWindowTest : public kx::test::HeadlessDesktop {
 protected:
  void SetUp() override {
    HeadlessDesktop::SetUp();
    registerClass("KxRecorder", BWindow::ObjWndProc, nullptr, BWindow::kWndExtra);
  }
};

TEST_F(BWindowTest, MessagesFromCreateOnReachTheObject) {
  std::vector<UINT> seen;
  CRecorder recorder(&seen);
  HWND hwnd = recorder.Create();
  recorder.hwnd = hwnd;
  ASSERT_NE(hwnd, nullptr);
  // WM_NCCREATE comes before the object is known and goes to DefWindowProc.
  EXPECT_FALSE(Contains(seen, WM_NCCREATE));
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen.front(), WM_CREATE);
  SendMessageA(hwnd, WM_USER + 5, 0, 0);
  EXPECT_EQ(seen.back(), WM_USER + 5u);
}

TEST_F(BWindowTest, DestroyingTheWindowForgetsIt) {
  std::vector<UINT> seen;
  CRecorder recorder(&seen);
  recorder.hwnd = recorder.Create();
  DestroyWindow(recorder.hwnd);
  EXPECT_TRUE(Contains(seen, WM_DESTROY));
  EXPECT_EQ(recorder.hwnd, nullptr);
}

TEST_F(BWindowTest, DeletingTheObjectDestroysItsWindow) {
  std::vector<UINT> seen;
  auto* recorder = new CRecorder(&seen);
  HWND hwnd = recorder->Create();
  recorder->hwnd = hwnd;
  delete recorder;
  EXPECT_FALSE(IsWindow(hwnd));
  // By then the object was a plain BWindow: its WM_DESTROY no longer reached the recorder.
  EXPECT_FALSE(Contains(seen, WM_DESTROY));
}

}  // namespace
