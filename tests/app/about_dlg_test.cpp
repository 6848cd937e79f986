#include "app/about_dlg.h"

#include <string>
#include <vector>

#include "app/config_dlg.h"
#include "app/settings_dialogs.h"
#include "resource.h"

namespace kx::test {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGrey = RGB(127, 127, 127);
constexpr COLORREF kBlack = RGB(0, 0, 0);

class AboutBox : public SettingsDialogs {
 protected:
  INT_PTR Run() { return RunDialog("DLG_ABOUT", AboutDlgProc); }
};

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  lines.push_back(text.substr(start));
  return lines;
}

TEST_F(AboutBox, ShowsTitleVersionThreeCreditLinesAndATwoLineNotice) {
  std::string title, version, credits, notice;
  steps[kAboutCaption] = [&](DialogDriver& d) {
    d.then([&](HWND hDlg) {
      title = ItemText(hDlg, IDC_ABOUT_TITLE);
      version = ItemText(hDlg, IDC_ABOUT_VERSION);
      credits = ItemText(hDlg, IDC_ABOUT_CREDITS);
      notice = ItemText(hDlg, IDC_ABOUT_NOTICE);
    });
    d.press(VK_RETURN);
  };
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(title, crypt().lpszCredit[5]);
  EXPECT_EQ(version, std::string(crypt().lpszCredit[4]) + "\r\nVersion 1.20");
  std::vector<std::string> creditLines = Lines(credits);
  ASSERT_EQ(creditLines.size(), 3u) << credits;
  EXPECT_EQ(creditLines[0].rfind(crypt().lpszCredit[0], 0), 0u) << "the first line is string 0 and its years";
  EXPECT_EQ(creditLines[0].rfind("by ", 0), 0u);
  EXPECT_EQ(creditLines[1], crypt().lpszCredit[1]);
  EXPECT_EQ(creditLines[2], crypt().lpszCredit[2]);
  std::vector<std::string> noticeLines = Lines(notice);
  ASSERT_EQ(noticeLines.size(), 2u) << notice;
  EXPECT_FALSE(noticeLines[0].empty());
  EXPECT_FALSE(noticeLines[1].empty());
}

TEST_F(AboutBox, OkEscapeAndTheButtonEndIt) {
  const std::function<void(DialogDriver&)> ends[] = {
      [](DialogDriver& d) { d.press(VK_RETURN); },
      [](DialogDriver& d) { d.press(VK_ESCAPE); },
      [](DialogDriver& d) { d.click(IDOK); },
  };
  for (const auto& end : ends) {
    steps[kAboutCaption] = end;
    testing::internal::CaptureStderr();
    EXPECT_EQ(Run(), 0);
    // A box the driver had to cancel would say so here.
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  }
}

TEST_F(AboutBox, OpensFromTheSettingsDialog) {
  HWND settings = nullptr, owner = nullptr;
  steps[kSettingsCaption] = [&](DialogDriver& d) {
    settings = d.dialog();
    d.click(IDC_ABOUT).press(VK_ESCAPE);
  };
  steps[kAboutCaption] = [&](DialogDriver& d) {
    owner = GetParent(d.dialog());  // a pop-up's owner
    d.click(IDOK);
  };
  RunDialog("DLG_CONFIG", ConfigDlgProc);
  EXPECT_EQ(opened[kAboutCaption], 1);
  EXPECT_EQ(owner, settings);
}

// Where the bevels fall: a raised two-pixel frame along the client rectangle less its last row and
// column, a sunken one 10 pixels in from the sides reaching 5 pixels past the credits and the
// notice, and a line 5 pixels below the credits, all measured from the window's top.
struct Probe {
  const char* where;
  POINT client;
  COLORREF colour;
};

std::vector<Probe> DecorationProbes(HWND hDlg) {
  RECT c, w, credits, notice;
  GetClientRect(hDlg, &c);
  GetWindowRect(hDlg, &w);
  GetWindowRect(GetDlgItem(hDlg, IDC_ABOUT_CREDITS), &credits);
  GetWindowRect(GetDlgItem(hDlg, IDC_ABOUT_NOTICE), &notice);
  const LONG r = c.right - 1, b = c.bottom - 1, midX = c.right / 2, midY = c.bottom / 2;
  const LONG top = credits.top - w.top - 5, bottom = notice.bottom - w.top + 5;
  const LONG line = credits.bottom - w.top + 5;
  return {
      {"outer left", {0, midY}, kWhite},
      {"outer left inner", {1, midY}, kWhite},
      {"outer top", {midX, 0}, kWhite},
      {"outer top inner", {midX, 1}, kWhite},
      {"outer right", {r, midY}, kGrey},
      {"outer right inner", {r - 1, midY}, kGrey},
      {"outer bottom", {midX, b}, kGrey},
      {"outer bottom inner", {midX, b - 1}, kGrey},
      {"frame top", {midX, top}, kGrey},
      {"frame top inner", {midX, top + 1}, kGrey},
      {"frame left", {10, top + 2}, kGrey},
      {"frame left inner", {11, top + 2}, kGrey},
      {"frame right", {c.right - 10, top + 2}, kWhite},
      {"frame right inner", {c.right - 11, top + 2}, kWhite},
      {"frame bottom", {midX, bottom}, kWhite},
      {"frame bottom inner", {midX, bottom - 1}, kWhite},
      {"line", {midX, line}, kBlack},
      {"line start", {25, line}, kBlack},
      {"line end", {c.right - 26, line}, kBlack},
  };
}

TEST_F(AboutBox, BevelsAndLineAreDrawnOverEveryPaintOfTheBox) {
  std::vector<std::string> wrong;
  auto probeAll = [&wrong](HWND hDlg) {
    for (const Probe& p : DecorationProbes(hDlg)) {
      POINT screen = p.client;
      ClientToScreen(hDlg, &screen);
      COLORREF seen = desktopPixel(screen.x, screen.y);
      if (seen != p.colour) wrong.push_back(p.where);
    }
  };
  COLORREF beforeLine = 0, afterLine = 0;
  steps[kAboutCaption] = [&](DialogDriver& d) {
    d.then(probeAll);
    // The next paint erases everything; the decoration must come back with it.
    d.then([](HWND hDlg) { InvalidateRect(hDlg, nullptr, TRUE); }).then(probeAll);
    d.then([&](HWND hDlg) {
      RECT c, w, credits;
      GetClientRect(hDlg, &c);
      GetWindowRect(hDlg, &w);
      GetWindowRect(GetDlgItem(hDlg, IDC_ABOUT_CREDITS), &credits);
      POINT before{24, credits.bottom - w.top + 5}, after{c.right - 25, before.y};
      ClientToScreen(hDlg, &before);
      ClientToScreen(hDlg, &after);
      beforeLine = desktopPixel(before.x, before.y);
      afterLine = desktopPixel(after.x, after.y);
    });
    d.press(VK_RETURN);
  };
  Run();
  EXPECT_TRUE(wrong.empty()) << ::testing::PrintToString(wrong);
  // The line runs from x 25 up to, not including, 25 pixels before the right edge.
  EXPECT_NE(beforeLine, kBlack);
  EXPECT_NE(afterLine, kBlack);
}

}  // namespace
}  // namespace kx::test
