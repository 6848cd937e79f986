#include "app/kalyx.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/file_bytes.h"
#include "framework/owned_str.h"
#include "kx/platform.h"
#include "support/gdi_leak_check.h"
#include "support/temp_home.h"

namespace {

class KalyxSettings : public ::testing::Test {
 protected:
  void WriteIni(const std::string& settingsLines) {
    WriteBytes(home.windowsDirectory() / "Kalyx.ini", "[Settings]\r\n" + settingsLines);
  }
  kx::test::TempHome home;
};

TEST_F(KalyxSettings, MissingFileGivesTheDefaults) {
  CKalyx kalyx;
  EXPECT_EQ(kalyx.ClrCd, 1);
  EXPECT_EQ(kalyx.ScrnScnds, 30);
  EXPECT_EQ(kalyx.ClkScndCnt, 2);
  EXPECT_EQ(kalyx.TimerPeriod, 501);
  for (int flag : {kalyx.DispShld, kalyx.DispMedc, kalyx.DispComm, kalyx.DispWarp, kalyx.DispOrbt,
                   kalyx.ScrnAnim, kalyx.ScrnTran}) {
    EXPECT_EQ(flag, 1);
  }
  EXPECT_EQ(kalyx.DispCnt, 5);
  EXPECT_EQ(kalyx.DispTest, 0);
  EXPECT_STREQ(kalyx.CommText, "INCOMING SUBSPACE MESSAGE:\r\nCommander Tarvell");
}

TEST_F(KalyxSettings, NumbersAreReadWithCorrections) {
  struct Case {
    const char* line;
    int CKalyx::*field;
    int expected;
    int period;  // TimerPeriod expected with it
  };
  // Unparsable text reads as 0 and large numbers wrap modulo 2^32, as the profile reader does;
  // 99999999999 mod 2^32 = 1215752191.
  const Case cases[] = {
      {"ScrnScnds=45", &CKalyx::ScrnScnds, 45, 501},
      {"ScrnScnds=0", &CKalyx::ScrnScnds, 30, 501},
      {"ScrnScnds=-7", &CKalyx::ScrnScnds, 30, 501},
      {"ScrnScnds=abc", &CKalyx::ScrnScnds, 30, 501},
      {"ScrnScnds=0x10", &CKalyx::ScrnScnds, 30, 501},
      {"ScrnScnds=99999999999", &CKalyx::ScrnScnds, 1215752191, 501},
      {"ClkScndCnt=0", &CKalyx::ClkScndCnt, 2, 501},
      {"ClkScndCnt=-7", &CKalyx::ClkScndCnt, 2, 501},
      {"ClkScndCnt=abc", &CKalyx::ClkScndCnt, 2, 501},
      {"ClkScndCnt=10", &CKalyx::ClkScndCnt, 10, 101},
      {"ClkScndCnt=1000", &CKalyx::ClkScndCnt, 1000, 2},
      {"ClkScndCnt=1001", &CKalyx::ClkScndCnt, 1001, 1},
      {"ClkScndCnt=99999999999", &CKalyx::ClkScndCnt, 1215752191, 1},
      {"ClrCd=abc", &CKalyx::ClrCd, 0, 501},
      {"ClrCd=-7", &CKalyx::ClrCd, -7, 501},
      {"ClrCd=2", &CKalyx::ClrCd, 2, 501},
      {"ScrnTran=0", &CKalyx::ScrnTran, 0, 501},
  };
  for (const Case& c : cases) {
    WriteIni(std::string(c.line) + "\r\n");
    CKalyx kalyx;
    EXPECT_EQ(kalyx.*c.field, c.expected) << c.line;
    EXPECT_EQ(kalyx.TimerPeriod, c.period) << c.line;
  }
}

TEST_F(KalyxSettings, NoScreenEnabledKeepsTheTestScreen) {
  WriteIni("DispShld=0\r\nDispMedc=0\r\nDispComm=0\r\nDispWarp=0\r\nDispOrbt=0\r\n");
  CKalyx kalyx;
  EXPECT_EQ(kalyx.DispCnt, 0);
  EXPECT_EQ(kalyx.DispTest, 1);
  // Once a count finds a screen, the test screen stays off.
  kalyx.DispWarp = 1;
  kalyx.CountDisplays();
  kalyx.DispWarp = 0;
  kalyx.CountDisplays();
  EXPECT_EQ(kalyx.DispTest, 0);
}

TEST_F(KalyxSettings, BrokenFilesGiveTheDefaults) {
  const std::string files[] = {
      "",
      std::string("\x00\xff\xfe[Set\x01tings\r\n=\x80\x81"
                  "ClrCd\n\n\x1a",
                  22),
      "[Other]\r\nScrnScnds=9\r\n",
  };
  for (const std::string& bytes : files) {
    WriteBytes(home.windowsDirectory() / "Kalyx.ini", bytes);
    CKalyx kalyx;
    EXPECT_EQ(kalyx.ScrnScnds, 30);
    EXPECT_EQ(kalyx.ClkScndCnt, 2);
    EXPECT_STREQ(kalyx.CommText, "INCOMING SUBSPACE MESSAGE:\r\nCommander Tarvell");
  }
}

TEST_F(KalyxSettings, CommTextDecoding) {
  struct Case {
    const char* stored;
    const char* expected;  // null: no text
  };
  const Case cases[] = {
      {"CommText=\r\n", nullptr},  // present but empty: nothing to replace the (absent) text with
      {"CommText=A||B\r\n", "A\r\nB"},   {"CommText=a|||b\r\n", "a\r\n|b"},
      {"CommText=||||\r\n", "\r\n\r\n"}, {"CommText=one|line\r\n", "one|line"},
  };
  for (const Case& c : cases) {
    WriteIni(c.stored);
    CKalyx kalyx;
    if (c.expected == nullptr) {
      EXPECT_EQ(kalyx.CommText, nullptr) << c.stored;
    } else {
      EXPECT_STREQ(kalyx.CommText, c.expected) << c.stored;
    }
  }
}

TEST_F(KalyxSettings, LongCommTextIsCutTo255Characters) {
  WriteIni("CommText=" + std::string(300, 'x') + "\r\n");
  CKalyx kalyx;
  EXPECT_EQ(std::string(kalyx.CommText), std::string(255, 'x'));
}

TEST_F(KalyxSettings, EmptyCommTextKeepsTheCurrentText) {
  CKalyx kalyx;
  WriteIni("CommText=\r\n");
  kalyx.LoadSettings();
  EXPECT_STREQ(kalyx.CommText, "INCOMING SUBSPACE MESSAGE:\r\nCommander Tarvell");
}

TEST_F(KalyxSettings, SaveWritesEveryKeyAndTheTwoLineTextRoundTrips) {
  {
    CKalyx kalyx;
    kalyx.ClrCd = 2;
    kalyx.ScrnScnds = 12;
    kalyx.DispOrbt = 0;
    StrAssign(&kalyx.CommText, "A\r\nB");
    kalyx.SaveSettings();
    EXPECT_EQ(kalyx.DispCnt, 4);
  }
  std::string file = ReadBytes(home.windowsDirectory() / "Kalyx.ini");
  const char* keys[] = {"ClrCd=2",    "ScrnScnds=12", "ClkScndCnt=2", "DispShld=1",
                        "DispMedc=1", "DispComm=1",   "DispWarp=1",   "DispOrbt=0",
                        "ScrnAnim=1", "ScrnTran=1",   "CommText=A||B"};
  size_t at = 0;
  for (const char* key : keys) {
    size_t found = file.find(key, at);
    ASSERT_NE(found, std::string::npos) << key << " in order in:\n" << file;
    at = found;
  }
  CKalyx reloaded;
  EXPECT_STREQ(reloaded.CommText, "A\r\nB");
  EXPECT_EQ(reloaded.ClrCd, 2);
  EXPECT_EQ(reloaded.ScrnScnds, 12);
  EXPECT_EQ(reloaded.DispOrbt, 0);
}

TEST_F(KalyxSettings, NullCommTextIsSavedEmpty) {
  WriteIni("CommText=\r\n");
  CKalyx kalyx;
  kalyx.SaveSettings();
  EXPECT_NE(ReadBytes(home.windowsDirectory() / "Kalyx.ini").find("CommText=\r\n"), std::string::npos);
}

// All 28 slots in both schemes; only code 2 selects high colour.
TEST(KalyxColors, EverySlotInBothSchemes) {
  struct Slot {
    COLORREF high;
    COLORREF low;
  };
  const Slot slots[CKalyx::kColorSlots] = {
      {RGB(0, 0, 0), RGB(0, 0, 0)},
      {RGB(255, 255, 255), RGB(255, 255, 255)},
      {RGB(255, 255, 0), RGB(255, 255, 0)},
      {RGB(128, 128, 0), RGB(128, 128, 0)},
      {RGB(0, 255, 255), RGB(0, 255, 255)},
      {RGB(0, 0, 255), RGB(0, 0, 255)},
      {RGB(0, 0, 128), RGB(0, 0, 128)},
      {RGB(128, 0, 0), RGB(128, 0, 0)},
      {RGB(255, 0, 0), RGB(255, 0, 0)},
      {RGB(255, 255, 96), RGB(255, 255, 64)},
      {RGB(255, 255, 64), RGB(255, 255, 64)},
      {RGB(128, 255, 255), RGB(128, 255, 255)},
      {RGB(255, 128, 128), RGB(255, 128, 128)},
      {RGB(255, 192, 192), RGB(255, 192, 192)},
      {RGB(223, 192, 223), RGB(128, 96, 128)},
      {RGB(128, 255, 128), RGB(128, 255, 128)},
      {RGB(255, 212, 64), RGB(255, 255, 64)},
      {RGB(255, 228, 96), RGB(255, 255, 64)},
      {RGB(255, 244, 128), RGB(255, 255, 64)},
      {RGB(64, 228, 228), RGB(128, 255, 255)},
      {RGB(144, 255, 255), RGB(128, 255, 255)},
      {RGB(212, 255, 255), RGB(128, 255, 255)},
      {RGB(160, 64, 160), RGB(160, 64, 160)},
      {RGB(196, 96, 196), RGB(160, 64, 160)},
      {RGB(196, 128, 196), RGB(160, 64, 160)},
      {RGB(96, 96, 255), RGB(128, 128, 255)},
      {RGB(128, 128, 255), RGB(128, 128, 255)},
      {RGB(164, 164, 255), RGB(128, 128, 255)},
  };
  kx::test::TempHome home;
  for (int code : {0, 1, 2, 3}) {
    CKalyx kalyx;
    kalyx.ClrCd = code;
    EXPECT_EQ(kalyx.BuildColors(), 0);
    for (int slot = 0; slot < CKalyx::kColorSlots; ++slot) {
      ASSERT_NE(kalyx.Clr(slot), nullptr);
      EXPECT_EQ(kalyx.Clr(slot)->GetRGB(), code == 2 ? slots[slot].high : slots[slot].low)
          << "code " << code << " slot " << slot;
    }
    EXPECT_EQ(kalyx.Clr(-1), nullptr);
    EXPECT_EQ(kalyx.Clr(28), nullptr);
  }
}

TEST(KalyxRandom, StaysWithinBothEnds) {
  kx::test::TempHome home;
  CKalyx kalyx;
  struct Range {
    double lo, hi;
  };
  for (Range r : {Range{0, 1}, Range{-5, 5}, Range{10, 10}, Range{3, -3}}) {
    std::srand(7);
    double low = std::min(r.lo, r.hi), high = std::max(r.lo, r.hi);
    for (int i = 0; i < 20000; ++i) {
      double value = kalyx.RandomRange(r.lo, r.hi);
      ASSERT_GE(value, low);
      ASSERT_LE(value, high);
    }
  }
}

// Each value is lo + r / 32767 x (hi - lo) for the number r the generator draws (0 to 32767).
TEST(KalyxRandom, ValuesFollowTheDrawnNumber) {
  kx::test::TempHome home;
  CKalyx kalyx;
  struct Range {
    double lo, hi;
  };
  constexpr unsigned kSeed = 11;
  for (Range r : {Range{0, 1}, Range{-5, 5}, Range{3, -3}, Range{10, 10}, Range{100, 250}}) {
    std::srand(kSeed);
    std::vector<int> drawn(500);
    for (int& d : drawn) d = std::rand() & 0x7FFF;
    std::srand(kSeed);
    for (int d : drawn) {
      const double expected = r.lo + (r.hi - r.lo) * d / 32767.0;
      EXPECT_NEAR(kalyx.RandomRange(r.lo, r.hi), expected, 1e-12) << r.lo << ".." << r.hi << " r " << d;
    }
  }
}

class KalyxFonts : public kx::test::GdiLeakCheck {
 protected:
  static LOGFONTA Described(HFONT font) {
    LOGFONTA lf{};
    EXPECT_EQ(GetObjectA(font, sizeof lf, &lf), int(sizeof lf));
    return lf;
  }
  static void ExpectOnlySizeAndFace(const LOGFONTA& lf, LONG height, LONG width, const char* face) {
    EXPECT_EQ(lf.lfHeight, height);
    EXPECT_EQ(lf.lfWidth, width);
    EXPECT_STREQ(lf.lfFaceName, face);
    EXPECT_EQ(lf.lfWeight, 0);
    EXPECT_EQ(lf.lfEscapement, 0);
    EXPECT_EQ(lf.lfItalic, 0);
    EXPECT_EQ(lf.lfCharSet, 0);
    EXPECT_EQ(lf.lfQuality, 0);
  }
  kx::test::TempHome home;
};

// The screen font is Arial of height -(VERTRES / 15) and width -(HORZRES / 88); the small font is
// 8 points at LOGPIXELSY (96 here, so -MulDiv(8, 96, 72) = -11) in "MS Sans Serif".
TEST_F(KalyxFonts, SizesFollowTheDevice) {
  struct Case {
    int width, height;
    LONG screenHeight, screenWidth;
  };
  const Case cases[] = {
      {1024, 768, -51, -11}, {1366, 768, -51, -15}, {800, 600, -40, -9}, {1920, 1080, -72, -21}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
    kx::PlatformOptions options;
    options.width = c.width;
    options.height = c.height;
    ASSERT_EQ(kx::startPlatform(options), "");
    {
      CKalyx kalyx;
      HDC dc = CreateCompatibleDC(nullptr);
      HFONT screen = kalyx.CreateScreenFont(dc);
      HFONT small = kalyx.CreateSmallFont(dc);
      ASSERT_NE(screen, nullptr);
      ASSERT_NE(small, nullptr);
      ExpectOnlySizeAndFace(Described(screen), c.screenHeight, c.screenWidth, "Arial");
      ExpectOnlySizeAndFace(Described(small), -11, 0, "MS Sans Serif");
      DeleteObject(screen);
      DeleteObject(small);
      DeleteDC(dc);
    }
    kx::stopPlatform();
  }
}

// No context, or one whose device reports no size or resolution: no font.
TEST_F(KalyxFonts, NoFontWithoutAContextOrItsCapabilities) {
  ASSERT_EQ(kx::startPlatform(kx::PlatformOptions{}), "");
  {
    CKalyx kalyx;
    HDC notADc = reinterpret_cast<HDC>(static_cast<INT_PTR>(0x4321));
    ASSERT_EQ(GetDeviceCaps(notADc, VERTRES), 0);
    ASSERT_EQ(GetDeviceCaps(notADc, LOGPIXELSY), 0);
    for (HDC dc : {HDC(nullptr), notADc}) {
      EXPECT_EQ(kalyx.CreateSmallFont(dc), nullptr);
      EXPECT_EQ(kalyx.CreateScreenFont(dc), nullptr);
    }
  }
  kx::stopPlatform();
}

}  // namespace
