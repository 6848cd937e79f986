#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/file_bytes.h"
#include "app/password.h"
#include "app/saver_input.h"
#include "support/headless_desktop.h"
#include "support/temp_home.h"

namespace {

std::string Transformed(const char* text) {
  char copy[kPasswordChars + 1] = {};
  lstrcpynA(copy, text, sizeof copy);
  TransformPassword(copy);
  return copy;
}

// The dialog procedures run on a window that carries the dialogs' edits; the templates themselves
// come from outside the program.
class PasswordDialogs : public kx::test::HeadlessDesktop {
 protected:
  void SetUp() override {
    HeadlessDesktop::SetUp();
    szPassword[0] = '\0';
    dlg = createWindow(WS_POPUP | WS_VISIBLE, {0, 0, 300, 200});
    for (int id : {201, 202, 203}) {
      CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 10, 10 + 30 * (id - 201), 200, 24, dlg,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }
  }
  void TearDown() override {
    szPassword[0] = '\0';
    bCheckPassword = false;
    HeadlessDesktop::TearDown();
  }

  std::string Item(int id) {
    char text[64] = {};
    GetDlgItemTextA(dlg, id, text, sizeof text);
    return text;
  }
  void Type(int id, const char* text) { SetDlgItemTextA(dlg, id, text); }
  // Presses a button of the dialog; returns the procedure's result and what the boxes printed.
  std::pair<INT_PTR, std::string> Press(DLGPROC proc, WORD button) {
    testing::internal::CaptureStderr();
    INT_PTR result = proc(dlg, WM_COMMAND, button, 0);
    return {result, testing::internal::GetCapturedStderr()};
  }
  std::string StoredPassword() {
    char stored[64] = {};
    GetPrivateProfileStringA("ScreenSaver", "Password", "", stored, sizeof stored, "CONTROL.INI");
    return stored;
  }

  kx::test::TempHome home;
  HWND dlg = nullptr;
};

TEST_F(PasswordDialogs, NewPasswordTypedTwiceInAnyCaseIsStored) {
  Type(202, "abc");
  Type(203, "ABC");
  EXPECT_EQ(Press(DlgSetPasswordProc, IDOK).first, TRUE);
  EXPECT_EQ(StoredPassword(), Transformed("ABC"));
}

TEST_F(PasswordDialogs, APasswordThatCannotBeStoredIsSaidAndKeepsTheDialogOpen) {
  std::filesystem::create_directories(home.windowsDirectory() / "CONTROL.INI");  // no file to write
  Type(202, "abc");
  Type(203, "abc");
  auto [result, boxes] = Press(DlgSetPasswordProc, IDOK);
  EXPECT_EQ(result, FALSE);
  EXPECT_NE(boxes.find("Password not saved: The new password could not be saved."), std::string::npos)
      << boxes;
  EXPECT_TRUE(IsWindow(dlg));
}

TEST_F(PasswordDialogs, MismatchedNewPasswordsAreRefused) {
  Type(202, "abc");
  Type(203, "abd");
  auto [result, boxes] = Press(DlgSetPasswordProc, IDOK);
  EXPECT_EQ(result, FALSE);
  EXPECT_NE(boxes.find("Invalid password: You have entered an incorrect new password."), std::string::npos);
  EXPECT_EQ(Item(202), "");
  EXPECT_EQ(Item(203), "");
  EXPECT_EQ(StoredPassword(), "");
}

TEST_F(PasswordDialogs, ChangingNeedsTheOldPassword) {
  lstrcpynA(szPassword, Transformed("old").c_str(), sizeof szPassword);
  Type(201, "wrong");
  Type(202, "new");
  Type(203, "new");
  auto [refused, boxes] = Press(DlgSetPasswordProc, IDOK);
  EXPECT_EQ(refused, FALSE);
  EXPECT_NE(boxes.find("You have entered an incorrect old password."), std::string::npos);
  EXPECT_EQ(Item(201), "");
  Type(201, "OLD");
  EXPECT_EQ(Press(DlgSetPasswordProc, IDOK).first, TRUE);
  EXPECT_EQ(StoredPassword(), Transformed("new"));
}

TEST_F(PasswordDialogs, WrongPasswordEmptiesTheEdit) {
  lstrcpynA(szPassword, Transformed("secret").c_str(), sizeof szPassword);
  Type(201, "guess");
  auto [result, boxes] = Press(DlgGetPasswordProc, IDOK);
  EXPECT_EQ(result, TRUE);
  EXPECT_NE(boxes.find("Invalid password: You have entered an incorrect password."), std::string::npos);
  EXPECT_EQ(Item(201), "");
  Type(201, "SeCrEt");
  EXPECT_EQ(Press(DlgGetPasswordProc, IDOK).second, "");  // accepted: no box
}

TEST_F(PasswordDialogs, GateWithCheckingOn) {
  bCheckPassword = true;
  EXPECT_EQ(PasswordGate(), 1);  // nothing stored
  WritePrivateProfileStringA("ScreenSaver", "Password", Transformed("pw").c_str(), "CONTROL.INI");
  // The enter-password template is not among the program's resources, so the dialog cannot show.
  EXPECT_EQ(PasswordGate(), -1);
}

}  // namespace
