// A fixture for driving the settings, advanced and About dialogs as a user would, headless, with
// a private settings folder and fresh application and credit objects per test.
#pragma once

#include <gtest/gtest.h>
#include <kx/dialog_driver.h>
#include <windows.h>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "app/crypt.h"
#include "app/globals.h"
#include "app/kalyx.h"
#include "support/headless_desktop.h"
#include "support/temp_home.h"

namespace kx::test {

inline constexpr char kSettingsCaption[] = "KALYX Display - Settings";
inline constexpr char kAdvancedCaption[] = "Advanced Configuration";
inline constexpr char kAboutCaption[] = "";  // the About box has no caption

using DialogSteps = std::function<void(DialogDriver&)>;

class SettingsDialogs : public HeadlessDesktop {
 protected:
  void SetUp() override {
    HeadlessDesktop::SetUp();
    clearShownMessageBoxes();
    m_kalyx = std::make_unique<CKalyx>();
    m_kalyx->hInstance = GetModuleHandleA(nullptr);  // as the entry sets it: the icon is the program's
    m_crypt = std::make_unique<CCrypt>();
    lpKalyx = m_kalyx.get();
    lpCrypt = m_crypt.get();
    // Each dialog gets the steps queued for its caption; one without steps is cancelled headless.
    setDialogOpenHook([this](DialogDriver& dialog) {
      ++opened[dialog.caption()];
      auto found = steps.find(dialog.caption());
      if (found != steps.end()) found->second(dialog);
    });
  }
  void TearDown() override {
    setDialogOpenHook(nullptr);
    lpKalyx = nullptr;
    lpCrypt = nullptr;
    m_kalyx.reset();  // its dialog font and brush go before the leak check
    m_crypt.reset();
    HeadlessDesktop::TearDown();
  }

  CKalyx& kalyx() { return *m_kalyx; }
  const CCrypt& crypt() const { return *m_crypt; }

  INT_PTR RunDialog(const char* name, DLGPROC proc) {
    return DialogBoxParamA(m_kalyx->hInstance, name, nullptr, proc, 0);
  }

  std::filesystem::path IniFile() const { return home.windowsDirectory() / "Kalyx.ini"; }
  // The stored text of a key, "<absent>" when there is none.
  static std::string Stored(const char* key) {
    char text[1024] = {};
    GetPrivateProfileStringA("Settings", key, "<absent>", text, sizeof text, "Kalyx.ini");
    return text;
  }

  TempHome home;  // first: the application object reads the settings from here
  std::map<std::string, DialogSteps> steps;
  std::map<std::string, int> opened;

 private:
  std::unique_ptr<CKalyx> m_kalyx;
  std::unique_ptr<CCrypt> m_crypt;
};

// Clicks into an edit, goes to the end of its text and types over all of it.
inline void Retype(DialogDriver& dialog, int id, const std::string& text) {
  dialog.click(id);
  for (int i = 0; i < 8; ++i) dialog.press(VK_DOWN);
  dialog.press(VK_END).then([id](HWND hDlg) {
    int length = GetWindowTextLengthA(GetDlgItem(hDlg, id));
    for (int i = 0; i < length; ++i) injectChar('\b');
  });
  dialog.type(text);
}

inline std::string ItemText(HWND hDlg, int id) {
  char text[1024] = {};
  GetDlgItemTextA(hDlg, id, text, sizeof text);
  return text;
}

}  // namespace kx::test
