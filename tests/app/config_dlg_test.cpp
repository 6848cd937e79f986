#include "app/config_dlg.h"

#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/file_bytes.h"
#include "app/host.h"
#include "app/screen_table.h"
#include "display/display.h"
#include "app/settings_dialogs.h"
#include "resource.h"

namespace kx::test {
namespace {

const char kFullIni[] =
    "[Settings]\r\nClrCd=1\r\nScrnScnds=30\r\nClkScndCnt=2\r\nDispShld=1\r\nDispMedc=1\r\nDispComm=1\r\n"
    "DispWarp=1\r\nDispOrbt=1\r\nScrnAnim=1\r\nScrnTran=1\r\nCommText=\r\n";

const int kScreenBoxes[] = {IDC_DISP_SHLD, IDC_DISP_MEDC, IDC_DISP_COMM, IDC_DISP_WARP, IDC_DISP_ORBT};

struct KeyValue {
  const char* key;
  const char* value;
};

class ConfigDialog : public SettingsDialogs {
 protected:
  INT_PTR Run() { return RunDialog("DLG_CONFIG", ConfigDlgProc); }

  // The user's session of the "Must show" kind: one box off, new seconds, and in the advanced
  // dialog a new frame rate, the other colour scheme and a two-line message.
  void QueueEdits(UINT settingsEnd) {
    steps[kSettingsCaption] = [settingsEnd](DialogDriver& d) {
      d.click(IDC_DISP_WARP);
      Retype(d, IDC_SCRN_SCNDS, "45");
      d.click(IDC_ADVANCED);
      d.press(settingsEnd);
    };
    steps[kAdvancedCaption] = [](DialogDriver& d) {
      Retype(d, IDC_CLK_SCND_CNT, "10");
      d.click(IDC_HIGH_COLOR);
      Retype(d, IDC_COMM_TEXT, "Red alert");
      d.press(VK_RETURN).type("All hands");
      d.click(IDOK);
    };
  }
};

TEST_F(ConfigDialog, OkStoresExactlyWhatTheUserChangedInBothDialogs) {
  WriteBytes(IniFile(), kFullIni);
  QueueEdits(VK_RETURN);
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(opened[kAdvancedCaption], 1);
  const KeyValue expected[] = {
      {"ClrCd", "2"},
      {"ScrnScnds", "45"},
      {"ClkScndCnt", "10"},
      {"DispShld", "1"},
      {"DispMedc", "1"},
      {"DispComm", "1"},
      {"DispWarp", "0"},
      {"DispOrbt", "1"},
      {"ScrnAnim", "1"},
      {"ScrnTran", "0"},
      {"CommText", "Red alert||All hands"},
  };
  for (const KeyValue& kv : expected) EXPECT_EQ(Stored(kv.key), kv.value) << kv.key;
  EXPECT_TRUE(shownMessageBoxes().empty());
}

TEST_F(ConfigDialog, CancelLeavesTheFileAsItWasAfterAnAcceptedAdvancedDialog) {
  for (bool withFile : {true, false}) {
    std::filesystem::remove(IniFile());
    if (withFile) WriteBytes(IniFile(), kFullIni);
    QueueEdits(VK_ESCAPE);
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(std::filesystem::exists(IniFile()), withFile);
    if (withFile) {
      EXPECT_EQ(ReadBytes(IniFile()), kFullIni);
    }
  }
}

TEST_F(ConfigDialog, RefusalsShowTheirMessageKeepTheDialogOpenAndWriteNothing) {
  struct Case {
    const char* seconds;
    bool uncheckAll;
    const char* message;
  };
  const char* noScreen = "You must select at least\none of the displays";
  const Case cases[] = {
      {"abc", false, "0 seconds per screen is invalid"},
      {"-5", false, "-5 seconds per screen is invalid"},
      {"", false, "0 seconds per screen is invalid"},
      // More than 32 bits is no number to GetDlgItemInt: refused, never wrapped round.
      {"99999999999", false, "0 seconds per screen is invalid"},
      {"2147483648", false, "0 seconds per screen is invalid"},
      {"30", true, noScreen},
      // Bad seconds skip the screen check: one box only.
      {"abc", true, "0 seconds per screen is invalid"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.seconds) + (c.uncheckAll ? ", no screen" : ""));
    clearShownMessageBoxes();
    bool stayedOpen = false;
    HWND dialog = nullptr;
    steps[kSettingsCaption] = [&](DialogDriver& d) {
      dialog = d.dialog();
      if (c.uncheckAll)
        for (int id : kScreenBoxes) d.click(id);
      Retype(d, IDC_SCRN_SCNDS, c.seconds);
      d.click(IDOK).then([&](HWND hDlg) { stayedOpen = IsWindowVisible(hDlg) != FALSE; });
      d.press(VK_ESCAPE);
    };
    Run();
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(shownMessageBoxes().size(), 1u);
    const ShownMessageBox& box = shownMessageBoxes()[0];
    EXPECT_EQ(box.text, c.message);
    EXPECT_EQ(box.caption, "KALYX Settings - Error");
    EXPECT_EQ(box.type, static_cast<UINT>(MB_ICONEXCLAMATION));
    EXPECT_EQ(box.owner, dialog);
    EXPECT_FALSE(std::filesystem::exists(IniFile()));
  }
}

TEST_F(ConfigDialog, ASaveThatFailsIsShownAndKeepsTheDialogOpen) {
  struct Case {
    const char* what;
    void (*plant)(const std::filesystem::path& ini);
  } cases[] = {
      {"a folder", [](const std::filesystem::path& ini) { std::filesystem::create_directories(ini); }},
      {"a FIFO",
       [](const std::filesystem::path& ini) {
         std::filesystem::create_directories(ini.parent_path());
         ::mkfifo(ini.c_str(), 0600);
       }},
      {"a link that loops",
       [](const std::filesystem::path& ini) {
         std::filesystem::create_directories(ini.parent_path());
         std::filesystem::create_symlink(ini.filename(), ini);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove_all(IniFile());
    c.plant(IniFile());
    clearShownMessageBoxes();
    bool stayedOpen = false;
    HWND dialog = nullptr;
    steps[kSettingsCaption] = [&](DialogDriver& d) {
      dialog = d.dialog();
      d.click(IDOK).then([&](HWND hDlg) { stayedOpen = IsWindowVisible(hDlg) != FALSE; });
      d.press(VK_ESCAPE);
    };
    Run();
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(shownMessageBoxes().size(), 1u);
    EXPECT_EQ(shownMessageBoxes()[0].text, "The settings could not be saved:\nKalyx.ini cannot be written");
    EXPECT_EQ(shownMessageBoxes()[0].caption, "KALYX Settings - Error");
    EXPECT_EQ(shownMessageBoxes()[0].owner, dialog);
  }
  std::filesystem::remove_all(IniFile());
}

TEST_F(ConfigDialog, ZeroSecondsAndTheLogoScreenAloneAreAccepted) {
  steps[kSettingsCaption] = [](DialogDriver& d) {
    for (int id : {IDC_DISP_SHLD, IDC_DISP_MEDC, IDC_DISP_WARP, IDC_DISP_ORBT}) d.click(id);
    Retype(d, IDC_SCRN_SCNDS, "0");
    d.click(IDOK);
  };
  Run();
  EXPECT_TRUE(shownMessageBoxes().empty());
  const KeyValue expected[] = {{"ScrnScnds", "0"}, {"DispShld", "0"}, {"DispMedc", "0"},
                               {"DispComm", "1"},  {"DispWarp", "0"}, {"DispOrbt", "0"}};
  for (const KeyValue& kv : expected) EXPECT_EQ(Stored(kv.key), kv.value) << kv.key;
  // The saver reads stored 0 seconds as 30.
  CKalyx reloaded;
  EXPECT_EQ(reloaded.ScrnScnds, 30);
  EXPECT_EQ(reloaded.DispCnt, 1);
}

TEST_F(ConfigDialog, RepaintingSettingsStayBeneathTheAdvancedDialog) {
  steps[kSettingsCaption] = [](DialogDriver& d) {
    d.click(IDC_ADVANCED);
    d.press(VK_ESCAPE);
  };
  RECT advanced{};
  std::vector<COLORREF> before, after;
  auto snapshot = [&advanced](std::vector<COLORREF>& pixels) {
    for (LONG y = advanced.top; y < advanced.bottom; ++y) {
      for (LONG x = advanced.left; x < advanced.right; ++x) pixels.push_back(desktopPixel(x, y));
    }
  };
  steps[kAdvancedCaption] = [&](DialogDriver& d) {
    d.then([&](HWND hDlg) {
      GetWindowRect(hDlg, &advanced);
      snapshot(before);
      // The settings dialog and all its controls repaint while the advanced dialog is open.
      InvalidateRect(GetParent(hDlg), nullptr, TRUE);
    });
    d.then([&](HWND) { snapshot(after); });
    d.press(VK_ESCAPE);
  };
  Run();
  ASSERT_EQ(opened[kAdvancedCaption], 1);
  ASSERT_FALSE(before.empty());
  EXPECT_TRUE(before == after) << "the settings dialog painted over the advanced dialog";
}

TEST_F(ConfigDialog, OpensWithTheFileValuesNotThoseInMemory) {
  WriteBytes(IniFile(), "[Settings]\r\nScrnScnds=12\r\nDispMedc=0\r\nDispOrbt=0\r\nScrnAnim=0\r\n");
  kalyx().ScrnScnds = 99;
  kalyx().DispMedc = 1;
  struct Shown {
    int id;
    UINT checked;
  };
  const Shown boxes[] = {{IDC_DISP_SHLD, BST_CHECKED},   {IDC_DISP_MEDC, BST_UNCHECKED},
                         {IDC_DISP_COMM, BST_CHECKED},   {IDC_DISP_WARP, BST_CHECKED},
                         {IDC_DISP_ORBT, BST_UNCHECKED}, {IDC_SCRN_ANIM, BST_UNCHECKED}};
  std::vector<UINT> seen;
  std::string seconds, title, version;
  steps[kSettingsCaption] = [&](DialogDriver& d) {
    d.then([&](HWND hDlg) {
      for (const Shown& box : boxes) seen.push_back(IsDlgButtonChecked(hDlg, box.id));
      seconds = ItemText(hDlg, IDC_SCRN_SCNDS);
      title = ItemText(hDlg, IDC_CFG_TITLE);
      version = ItemText(hDlg, IDC_CFG_VERSION);
    });
    d.press(VK_ESCAPE);
  };
  Run();
  ASSERT_EQ(seen.size(), std::size(boxes));
  for (size_t i = 0; i < seen.size(); ++i) EXPECT_EQ(seen[i], boxes[i].checked) << "box " << boxes[i].id;
  EXPECT_EQ(seconds, "12");
  EXPECT_EQ(title, "Kalyx Operations Console");
  EXPECT_EQ(version, "Version 1.20");
}

// A screen of the test's own in slot 2, stored under a key of its own: the one table entry is all
// the settings file, the dialog and the chooser know of it.
class FakeScreen : public CDisplay {
 public:
  explicit FakeScreen(CKalyx* app) : CDisplay(app) { id = 2; }
};

CDisplay* CreateFakeScreen(CKalyx* app) {
  return new FakeScreen(app);
}

TEST_F(ConfigDialog, AScreenJoinsTheSettingsTheDialogAndTheChooserThroughItsTableEntry) {
  const ScreenEntry saved = aScreens[1];
  aScreens[1] = {2, "DispFake", &CKalyx::DispMedc, IDC_DISP_MEDC, &CreateFakeScreen};
  WriteBytes(IniFile(), "[Settings]\r\nDispFake=0\r\n");
  UINT shown = BST_CHECKED;
  steps[kSettingsCaption] = [&](DialogDriver& d) {
    d.then([&](HWND hDlg) { shown = IsDlgButtonChecked(hDlg, IDC_DISP_MEDC); });
    d.click(IDC_DISP_MEDC);
    d.click(IDOK);
  };
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(shown, static_cast<UINT>(BST_UNCHECKED));
  const std::string ini = ReadBytes(IniFile());
  EXPECT_NE(ini.find("DispFake=1\r\n"), std::string::npos) << ini;
  EXPECT_EQ(ini.find("DispMedc"), std::string::npos) << ini;

  // Only the fake is enabled now: the chooser builds it through the entry's creator.
  for (const ScreenEntry& screen : aScreens) kalyx().*screen.enable = screen.number == 2 ? 1 : 0;
  SelectDisplayAt(0);
  EXPECT_NE(dynamic_cast<FakeScreen*>(lpDisplay), nullptr);
  DeleteDisplay();
  aScreens[1] = saved;
}

}  // namespace
}  // namespace kx::test
