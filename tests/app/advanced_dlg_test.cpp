#include "app/advanced_dlg.h"

#include <cstring>
#include <string>

#include "app/config_dlg.h"
#include "app/settings_dialogs.h"
#include "resource.h"

namespace kx::test {
namespace {

class AdvancedDialog : public SettingsDialogs {
 protected:
  INT_PTR Run() { return RunDialog("DLG_ADVCFG", AdvancedDlgProc); }
  std::string CommText() { return kalyx().CommText != nullptr ? kalyx().CommText : "<null>"; }
};

TEST_F(AdvancedDialog, OpensWithTheValuesInMemory) {
  struct Case {
    int clrCd;
    UINT highColor;  // only 2 is the high-colour scheme
  };
  for (Case c : {Case{2, BST_CHECKED}, Case{1, BST_UNCHECKED}, Case{3, BST_UNCHECKED}}) {
    kalyx().ClkScndCnt = 7;
    kalyx().ClrCd = c.clrCd;
    std::string frames, text;
    UINT checked = 99;
    steps[kAdvancedCaption] = [&](DialogDriver& d) {
      d.then([&](HWND hDlg) {
        frames = ItemText(hDlg, IDC_CLK_SCND_CNT);
        checked = IsDlgButtonChecked(hDlg, IDC_HIGH_COLOR);
        text = ItemText(hDlg, IDC_COMM_TEXT);
      });
      d.press(VK_ESCAPE);
    };
    Run();
    EXPECT_EQ(frames, "7");
    EXPECT_EQ(checked, c.highColor) << "ClrCd " << c.clrCd;
    EXPECT_EQ(text, "INCOMING SUBSPACE MESSAGE:\r\nCommander Tarvell");
  }
}

TEST_F(AdvancedDialog, AcceptedFrameRatesSetTheTimerPeriod) {
  struct Case {
    const char* typed;
    int frames;
    int period;  // 1000 / frames + 1, whole milliseconds
  };
  const Case cases[] = {{"1", 1, 1001}, {"3", 3, 334}, {"1000", 1000, 2}, {"5000", 5000, 1}};
  for (const Case& c : cases) {
    steps[kAdvancedCaption] = [&](DialogDriver& d) {
      Retype(d, IDC_CLK_SCND_CNT, c.typed);
      d.click(IDOK);
    };
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(kalyx().ClkScndCnt, c.frames);
    EXPECT_EQ(kalyx().TimerPeriod, c.period) << c.typed;
  }
  EXPECT_TRUE(shownMessageBoxes().empty());
}

TEST_F(AdvancedDialog, RefusedFrameRateKeepsTheDialogOpenButTakesColourAndMessage) {
  struct Case {
    const char* typed;
    const char* shown;
  };
  const Case cases[] = {{"0", "0"}, {"abc", "0"}, {"-3", "-3"}, {"99999999999", "0"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    clearShownMessageBoxes();
    kalyx().ClrCd = 1;
    kalyx().ClkScndCnt = 4;
    kalyx().TimerPeriod = 251;
    bool stayedOpen = false;
    HWND dialog = nullptr;
    steps[kAdvancedCaption] = [&](DialogDriver& d) {
      dialog = d.dialog();
      Retype(d, IDC_CLK_SCND_CNT, c.typed);
      d.click(IDC_HIGH_COLOR);
      Retype(d, IDC_COMM_TEXT, "Shields up");
      d.click(IDOK).then([&](HWND hDlg) { stayedOpen = IsWindowVisible(hDlg) != FALSE; });
      d.press(VK_ESCAPE);
    };
    Run();
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(shownMessageBoxes().size(), 1u);
    EXPECT_EQ(shownMessageBoxes()[0].text,
              std::string(c.shown) + " frames per second is invalid\r\nPlease enter a positive number");
    EXPECT_EQ(shownMessageBoxes()[0].caption, "KALYX - Error");
    EXPECT_EQ(shownMessageBoxes()[0].type, static_cast<UINT>(MB_ICONEXCLAMATION));
    EXPECT_EQ(shownMessageBoxes()[0].owner, dialog);
    EXPECT_EQ(kalyx().ClkScndCnt, 4);
    EXPECT_EQ(kalyx().TimerPeriod, 251);
    EXPECT_EQ(kalyx().ClrCd, 2);
    EXPECT_EQ(CommText(), "Shields up");
    EXPECT_FALSE(std::filesystem::exists(IniFile()));
  }
}

// The file gives back 255 characters of the message, so the dialog keeps no more: typing stops
// there, and a longer text put into the edit is cut (never through a CR LF).
TEST_F(AdvancedDialog, MessageIsKeptToWhatTheFileGivesBack) {
  const std::string cutLine = std::string(254, 'a') + "\r\nb";
  struct Case {
    const char* name;
    std::function<void(DialogDriver&)> enter;
    std::string expected;
  };
  const Case cases[] = {
      {"typed", [](DialogDriver& d) { Retype(d, IDC_COMM_TEXT, std::string(300, 'x')); },
       std::string(255, 'x')},
      {"set",
       [](DialogDriver& d) {
         d.then([](HWND h) { SetDlgItemTextA(h, IDC_COMM_TEXT, std::string(10000, 'y').c_str()); });
       },
       std::string(255, 'y')},
      {"cut line",
       [&](DialogDriver& d) { d.then([&](HWND h) { SetDlgItemTextA(h, IDC_COMM_TEXT, cutLine.c_str()); }); },
       std::string(254, 'a')},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    steps[kSettingsCaption] = [](DialogDriver& d) { d.click(IDC_ADVANCED).click(IDOK); };
    steps[kAdvancedCaption] = [&](DialogDriver& d) {
      c.enter(d);
      d.click(IDOK);
    };
    RunDialog("DLG_CONFIG", ConfigDlgProc);
    EXPECT_EQ(CommText(), c.expected);
    EXPECT_EQ(Stored("CommText"), c.expected);
    CKalyx reloaded;
    ASSERT_NE(reloaded.CommText, nullptr);
    EXPECT_EQ(std::string(reloaded.CommText), c.expected);
  }
}

TEST_F(AdvancedDialog, EmptyMessageIsStoredEmptyAndLoadsAsNoText) {
  steps[kSettingsCaption] = [](DialogDriver& d) { d.click(IDC_ADVANCED).click(IDOK); };
  steps[kAdvancedCaption] = [](DialogDriver& d) {
    Retype(d, IDC_COMM_TEXT, "");
    d.click(IDOK);
  };
  RunDialog("DLG_CONFIG", ConfigDlgProc);
  EXPECT_EQ(kalyx().CommText, nullptr);
  EXPECT_EQ(Stored("CommText"), "");
  CKalyx reloaded;
  EXPECT_EQ(reloaded.CommText, nullptr);
}

}  // namespace
}  // namespace kx::test
