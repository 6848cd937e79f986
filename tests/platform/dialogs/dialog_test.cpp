#include <gtest/gtest.h>
#include <kx/dialog_driver.h>
#include <kx/platform.h>

#include <string>
#include <vector>

#include "support/headless_desktop.h"
#include "test_dialog_resources.h"
#include "user/dialog_manager.h"

namespace kx {
namespace {

// Ids of the test script's DLG_PLAIN (its title, 10, is never looked up).
constexpr int kCheck = 11, kNumber = 12, kNotes = 13, kApply = 14;

struct DialogLog {
  LPARAM initParam = 0;
  std::vector<int> commands;
};
DialogLog* g_log = nullptr;

// Ends on OK, Cancel and Apply with the button's id.
INT_PTR CALLBACK testDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_INITDIALOG) {
    if (g_log) g_log->initParam = lParam;
    return TRUE;
  }
  if (msg != WM_COMMAND) return FALSE;
  int id = LOWORD(wParam);
  if (g_log) g_log->commands.push_back(id);
  if (id == IDOK || id == IDCANCEL || id == kApply) EndDialog(dialog, id);
  return TRUE;
}

class DialogTest : public test::HeadlessDesktop {
 protected:
  void SetUp() override {
    HeadlessDesktop::SetUp();
    g_log = &m_log;
  }
  void TearDown() override {
    setDialogOpenHook(nullptr);
    g_log = nullptr;
    HeadlessDesktop::TearDown();
  }

  INT_PTR run(const char* name, DialogOpenHook hook, HWND owner = nullptr, LPARAM param = 0) {
    auto dialog = parseDialogTemplate(test::testDialogTemplate(name));
    EXPECT_TRUE(dialog);
    if (!dialog) return -2;
    setDialogOpenHook(std::move(hook));
    return runModalDialog(*dialog, nullptr, owner, testDialogProc, param);
  }

  DialogLog m_log;
};

int focusedId() {
  return GetDlgCtrlID(GetFocus());
}

TEST_F(DialogTest, EnterPushesTheDefaultButtonAndEscapeCancels) {
  EXPECT_EQ(run("DLG_PLAIN", [](DialogDriver& d) { d.press(VK_RETURN); }), IDOK);
  EXPECT_EQ(run("DLG_PLAIN", [](DialogDriver& d) { d.press(VK_ESCAPE); }), IDCANCEL);
  EXPECT_EQ(m_log.commands, (std::vector<int>{IDOK, IDCANCEL}));
}

TEST_F(DialogTest, EnterPushesTheFocusedPushButton) {
  auto hook = [](DialogDriver& d) {
    d.then([](HWND dialog) { SetFocus(GetDlgItem(dialog, kApply)); }).press(VK_RETURN);
  };
  EXPECT_EQ(run("DLG_PLAIN", hook), kApply);
}

TEST_F(DialogTest, TabOrderFollowsTheTemplateBothWays) {
  std::vector<int> forward, backward;
  auto hook = [&](DialogDriver& d) {
    d.then([&](HWND) { forward.push_back(focusedId()); });
    for (int i = 0; i < 6; ++i) d.press(VK_TAB).then([&](HWND) { forward.push_back(focusedId()); });
    for (int i = 0; i < 2; ++i) d.press(VK_TAB, true).then([&](HWND) { backward.push_back(focusedId()); });
    d.press(VK_ESCAPE);
  };
  run("DLG_PLAIN", hook);
  // The labels and the group box are no tab stops; the first tab stop has the focus at the start.
  EXPECT_EQ(forward, (std::vector<int>{kCheck, kNumber, kNotes, IDOK, IDCANCEL, kApply, kCheck}));
  EXPECT_EQ(backward, (std::vector<int>{kApply, IDCANCEL}));
}

TEST_F(DialogTest, ArrowsMoveWithinAGroupButNotOutOfAnEdit) {
  std::vector<int> seen;
  auto record = [&](HWND) { seen.push_back(focusedId()); };
  auto hook = [&](DialogDriver& d) {
    d.press(VK_DOWN).then(record);  // the check box's group holds only labels besides it
    for (int i = 0; i < 3; ++i) d.press(VK_TAB);
    d.then(record);
    for (int i = 0; i < 3; ++i) d.press(VK_RIGHT).then(record);
    d.press(VK_LEFT).then(record).press(VK_LEFT).then(record).press(VK_ESCAPE);
  };
  run("DLG_PLAIN", hook);
  // The buttons share a group with the label "Number:" and both edits; an edit keeps its arrows.
  EXPECT_EQ(seen, (std::vector<int>{kCheck, IDOK, IDCANCEL, kApply, kNumber, kNumber, kNumber}));
}

TEST_F(DialogTest, GetDlgItemIntReadsTypedText) {
  struct Case {
    const char* typed;
    int value;
    BOOL translated;
  };
  const Case cases[] = {{"12", 12, TRUE}, {"-5", -5, TRUE}, {"abc", 0, FALSE}, {"", 0, FALSE}};
  for (const Case& c : cases) {
    int value = -99;
    BOOL translated = -1;
    auto hook = [&](DialogDriver& d) {
      d.press(VK_TAB).type(c.typed).then(
          [&](HWND dialog) { value = static_cast<int>(GetDlgItemInt(dialog, kNumber, &translated, TRUE)); });
      d.press(VK_ESCAPE);
    };
    run("DLG_PLAIN", hook);
    EXPECT_EQ(value, c.value) << c.typed;
    EXPECT_EQ(translated, c.translated) << c.typed;
  }
}

TEST_F(DialogTest, LimitTextStopsTypingButNotSetText) {
  std::string typed, set;
  auto hook = [&](DialogDriver& d) {
    d.then([](HWND dialog) { SendDlgItemMessageA(dialog, kNumber, EM_LIMITTEXT, 20, 0); })
        .press(VK_TAB)
        .type(std::string(25, '7'))
        .then([&](HWND dialog) {
          char text[64] = {};
          GetDlgItemTextA(dialog, kNumber, text, sizeof text);
          typed = text;
          SetDlgItemTextA(dialog, kNumber, std::string(30, 'x').c_str());
          set.resize(static_cast<size_t>(SendDlgItemMessageA(dialog, kNumber, WM_GETTEXTLENGTH, 0, 0)));
        })
        .press(VK_ESCAPE);
  };
  run("DLG_PLAIN", hook);
  EXPECT_EQ(typed, std::string(20, '7'));
  EXPECT_EQ(set.size(), 30u);
}

TEST_F(DialogTest, EnterInAMultiLineEditWithWantReturnBreaksTheLine) {
  std::string notes;
  auto hook = [&](DialogDriver& d) {
    d.click(kNotes).type("ab").press(VK_RETURN).type("c").press(VK_BACK).type("d");
    d.then([&](HWND dialog) {
      char text[64] = {};
      GetDlgItemTextA(dialog, kNotes, text, sizeof text);
      notes = text;
    });
    d.press(VK_ESCAPE);
  };
  EXPECT_EQ(run("DLG_PLAIN", hook), IDCANCEL);
  EXPECT_EQ(notes, "ab\r\nd");
}

TEST_F(DialogTest, CheckBoxesToggleByClickAndSpace) {
  std::vector<UINT> states;
  auto hook = [&](DialogDriver& d) {
    auto record = [&](HWND dialog) { states.push_back(IsDlgButtonChecked(dialog, kCheck)); };
    d.click(kCheck).then(record).press(VK_SPACE).then(record);
    d.then([](HWND dialog) { CheckDlgButton(dialog, kCheck, BST_CHECKED); }).then(record);
    d.press(VK_ESCAPE);
  };
  run("DLG_PLAIN", hook);
  EXPECT_EQ(states, (std::vector<UINT>{BST_CHECKED, BST_UNCHECKED, BST_CHECKED}));
  // Each click and each Space reports BN_CLICKED; CheckDlgButton does not.
  EXPECT_EQ(m_log.commands, (std::vector<int>{kCheck, kCheck, IDCANCEL}));
}

TEST_F(DialogTest, TheParameterReachesInitDialogAndTheOwnerIsDisabledMeanwhile) {
  WNDCLASSA cls{};
  cls.lpfnWndProc = DefWindowProcA;
  cls.lpszClassName = "DialogTestOwner";
  RegisterClassA(&cls);
  HWND owner = CreateWindowExA(0, "DialogTestOwner", "owner", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr,
                               nullptr, nullptr, nullptr);
  ASSERT_TRUE(owner);
  BOOL enabledDuring = TRUE;
  run(
      "DLG_PLAIN",
      [&](DialogDriver& d) {
        d.then([&](HWND) { enabledDuring = IsWindowEnabled(owner); }).press(VK_ESCAPE);
      },
      owner, 1234);
  EXPECT_EQ(m_log.initParam, 1234);
  EXPECT_FALSE(enabledDuring);
  EXPECT_TRUE(IsWindowEnabled(owner));
  DestroyWindow(owner);
}

TEST_F(DialogTest, AMissingTemplateGivesMinusOne) {
  EXPECT_EQ(DialogBoxParamA(nullptr, "NO_SUCH_DIALOG", nullptr, testDialogProc, 0), -1);
}

TEST_F(DialogTest, UnknownClassesOpenAsEmptyStaticsOutsideTheTabOrder) {
  std::vector<int> order;
  HWND unknown = nullptr;
  auto hook = [&](DialogDriver& d) {
    d.then([&](HWND dialog) { unknown = GetDlgItem(dialog, 22), order.push_back(focusedId()); });
    for (int i = 0; i < 3; ++i) d.press(VK_TAB).then([&](HWND) { order.push_back(focusedId()); });
    d.press(VK_ESCAPE);
  };
  EXPECT_EQ(run("DLG_EXTENDED", hook), IDCANCEL);
  EXPECT_NE(unknown, nullptr);
  EXPECT_EQ(order, (std::vector<int>{21, 23, IDOK, IDCANCEL}));
}

TEST_F(DialogTest, AnUndrivenHeadlessDialogIsCancelled) {
  testing::internal::CaptureStderr();
  EXPECT_EQ(run("DLG_NOFONT", nullptr), IDCANCEL);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("cancelled"), std::string::npos);
}

TEST_F(DialogTest, DrawsTheClassicLook) {
  COLORREF face = 0, frame = 0, editInside = 0;
  auto hook = [&](DialogDriver& d) {
    d.then([&](HWND dialog) {
      UpdateWindow(dialog);
      POINT client{2, 2};
      ClientToScreen(dialog, &client);
      face = desktopPixel(client.x, client.y);
      RECT ok, edit;
      GetWindowRect(GetDlgItem(dialog, IDOK), &ok);
      frame = desktopPixel(ok.left + (ok.right - ok.left) / 2, ok.top);
      GetWindowRect(GetDlgItem(dialog, kNumber), &edit);
      editInside = desktopPixel(edit.right - 4, edit.bottom - 4);
    });
    d.press(VK_ESCAPE);
  };
  run("DLG_PLAIN", hook);
  EXPECT_EQ(face, RGB(192, 192, 192));
  EXPECT_EQ(frame, RGB(0, 0, 0));  // the default button's dark frame
  EXPECT_EQ(editInside, RGB(255, 255, 255));
}

TEST_F(DialogTest, MapDialogRectUsesTheDialogFont) {
  RECT mapped{4, 8, 8, 16};
  run("DLG_PLAIN", [&](DialogDriver& d) {
    d.then([&](HWND dialog) { MapDialogRect(dialog, &mapped); }).press(VK_ESCAPE);
  });
  // One average character across and one line down: 8-point MS Sans Serif has base units 6 x 13.
  EXPECT_EQ(mapped.left, 6);
  EXPECT_EQ(mapped.right, 12);
  EXPECT_EQ(mapped.top, 13);
  EXPECT_EQ(mapped.bottom, 26);
}

}  // namespace
}  // namespace kx
