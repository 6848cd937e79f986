#include "screens/ship/disp_comm.h"

#include <gtest/gtest.h>
#include <kx/dialog_driver.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

#include "app/screen_table.h"
#include "bitmap/bmp_w.h"
#include "display/display_fixture.h"
#include "framework/owned_str.h"
#include "gfx/gfx_shape.h"

namespace {

constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kMarker = RGB(255, 0, 255);

// The layout of one window size, as the worked example gives it for 640 x 480.
struct Layout {
  int width, height;
  int a, b, c, d, e, f, t, y1, y2;
  int logoTop, logoBottom;
  RECT text;
};

constexpr Layout kLayouts[] = {
    // 0.95 x 480 and 0.6 x 480 fall just below 456 and 288; the 247-row logo grows its area to 295.
    {640, 480, 12, 35, 41, 598, 604, 627, 23, 24, 455, 48, 295, {41, 318, 598, 432}},
    // Here 0.6 x 768 leaves room for the logo, so its area keeps its own bottom.
    {1024, 768, 20, 56, 66, 957, 967, 1003, 36, 38, 729, 75, 460, {66, 496, 957, 693}},
};

class CommScreen : public DisplayTest, public testing::WithParamInterface<Layout> {
 protected:
  void SetUp() override {
    desktopWidth = GetParam().width;
    desktopHeight = GetParam().height;
    DisplayTest::SetUp();
    kx::clearShownMessageBoxes();
  }
};

INSTANTIATE_TEST_SUITE_P(Sizes, CommScreen, testing::ValuesIn(kLayouts),
                         [](const auto& info) { return std::to_string(info.param.width); });

TEST_P(CommScreen, LaysOutTheBarsTheLogoAndTheTextArea) {
  const Layout& want = GetParam();
  CDispComm screen(app.get());
  EXPECT_EQ(screen.id, 3);
  ASSERT_EQ(screen.SetUp(), 0);
  // Caps keep their box one pixel wider and taller than the one they are given.
  const RECT& capLeft = screen.shapes[0]->rect;
  const RECT& barTop = screen.shapes[1]->rect;
  const RECT& capRight = screen.shapes[2]->rect;
  const RECT& barBottom = screen.shapes[4]->rect;
  const struct {
    const char* name;
    long actual, expected;
  } values[] = {
      {"a", capLeft.left, want.a},
      {"b", capLeft.right - 1, want.b},
      {"c", barTop.left, want.c},
      {"d", barTop.right, want.d},
      {"e", capRight.left, want.e},
      {"f", capRight.right - 1, want.f},
      {"t", barTop.bottom - barTop.top, want.t},
      {"y1", barTop.top, want.y1},
      {"y2", barBottom.bottom, want.y2},
      {"bottom bar top", barBottom.top, want.y2 - want.t},
      {"bottom-left cap top", screen.shapes[3]->rect.top, want.y2 - want.t},
      {"logo left", screen.rcLogo.left, 0},
      {"logo right", screen.rcLogo.right, want.width},
      {"logo top", screen.rcLogo.top, want.logoTop},
      {"logo bottom", screen.rcLogo.bottom, want.logoBottom},
      {"text left", screen.rcText.left, want.text.left},
      {"text top", screen.rcText.top, want.text.top},
      {"text right", screen.rcText.right, want.text.right},
      {"text bottom", screen.rcText.bottom, want.text.bottom},
  };
  for (const auto& v : values) EXPECT_EQ(v.actual, v.expected) << v.name;
  for (CGfxShape* shape : screen.shapes) EXPECT_EQ(shape->clr, app->Clr(6));
}

TEST_P(CommScreen, IsTheThirdScreenOfTheTable) {
  ASSERT_NE(aScreens[2].create, nullptr);
  std::unique_ptr<CDisplay> screen(aScreens[2].create(app.get()));
  ASSERT_NE(dynamic_cast<CDispComm*>(screen.get()), nullptr);
  EXPECT_EQ(screen->id, 3);
}

// Rows of the text area holding white pixels, grouped into bands of touching rows, with the
// leftmost and rightmost white column of each band.
struct Band {
  int top, bottom, left, right;
};

class CommPixels : public DisplayTest {
 protected:
  void SetUp() override {
    desktopWidth = 640;
    desktopHeight = 480;
    DisplayTest::SetUp();
    kx::clearShownMessageBoxes();
  }

  // As the host shows a screen: erase the window black, then paint.
  void ShowScreen(CDispComm& comm) {
    screen = &comm;
    InvalidateRect(hwndMain, nullptr, TRUE);
    Pump();
  }

  void SetText(const char* text) { StrAssign(&app->CommText, text); }

  static std::vector<Band> WhiteBands(const RECT& area) {
    std::vector<Band> bands;
    bool inBand = false;
    for (int y = area.top; y < area.bottom; ++y) {
      int left = area.right, right = area.left - 1;
      for (int x = area.left; x < area.right; ++x) {
        if (At(x, y) == kWhite) {
          left = std::min(left, x);
          right = std::max(right, x);
        }
      }
      if (right < left) {
        inBand = false;
        continue;
      }
      if (!inBand) bands.push_back(Band{y, y, left, right});
      Band& band = bands.back();
      band.bottom = y;
      band.left = std::min(band.left, left);
      band.right = std::max(band.right, right);
      inBand = true;
    }
    return bands;
  }

  static int CountNot(const RECT& area, COLORREF colour) {
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
      for (int x = area.left; x < area.right; ++x) n += At(x, y) != colour;
    return n;
  }

  // The logo's pixels, top row first, decoded from the resource's source file.
  static std::vector<COLORREF> LogoPixels() {
    std::ifstream in(KALYX_SOURCE_DIR "/resources/logo.bmp", std::ios::binary);
    const std::vector<uint8_t> file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<COLORREF> pixels;
    if (file.size() < 118 + 247 * 156) return pixels;
    for (int y = 0; y < 247; ++y) {
      const uint8_t* row = &file[118 + size_t(246 - y) * 156];
      for (int x = 0; x < 312; ++x) {
        const int index = (row[x / 2] >> (x % 2 ? 0 : 4)) & 15;
        const uint8_t* quad = &file[54 + 4 * index];
        pixels.push_back(RGB(quad[2], quad[1], quad[0]));
      }
    }
    return pixels;
  }
};

struct Probe {
  const char* what;
  int x, y;
  COLORREF colour;
};

// The 640 x 480 example by pixels: bars from c to d - 1 and rows y1 to y1 + t - 1, caps from a to
// b, and the black gaps between caps and bars.
constexpr Probe kBarProbes[] = {
    {"top bar first pixel", 41, 24, kNavy},
    {"top bar last pixel", 597, 46, kNavy},
    {"above the top bar", 300, 23, kBlack},
    {"below the top bar", 300, 47, kBlack},
    {"left of the top bar", 40, 35, kBlack},
    {"right of the top bar", 598, 35, kBlack},
    {"left cap's left end", 12, 35, kNavy},
    {"left of the left cap", 11, 35, kBlack},
    {"left cap's flat end", 35, 35, kNavy},
    {"gap after the left cap", 36, 35, kBlack},
    {"right cap's flat end", 604, 35, kNavy},
    {"gap before the right cap", 603, 35, kBlack},
    {"right cap's right end", 627, 35, kNavy},
    {"right of the right cap", 628, 35, kBlack},
    {"cap's top row", 35, 24, kNavy},
    {"cap's bottom row", 35, 46, kNavy},
    {"left cap's round corner", 12, 24, kBlack},
    {"right cap's flat corner", 604, 24, kNavy},
    {"right cap's round corner", 627, 24, kBlack},
    {"bottom-right flat corner", 604, 454, kNavy},
    {"bottom bar first pixel", 41, 432, kNavy},
    {"bottom bar last pixel", 597, 454, kNavy},
    {"above the bottom bar", 300, 431, kBlack},
    {"below the bottom bar", 300, 455, kBlack},
    {"bottom-left cap", 20, 443, kNavy},
    {"bottom gap", 38, 443, kBlack},
    {"bottom-right cap", 620, 443, kNavy},
    {"bottom-right gap", 600, 443, kBlack},
};

TEST_F(CommPixels, PaintsTheBarsAndTheLogoInItsOwnColours) {
  CDispComm comm(app.get());
  ASSERT_EQ(comm.SetUp(), 0);
  // A marker under the screen shows exactly what the paint covers.
  HDC hdc = GetDC(hwndMain);
  HBRUSH marker = CreateSolidBrush(kMarker);
  const RECT all{0, 0, 640, 480};
  FillRect(hdc, &all, marker);
  DeleteObject(marker);
  EXPECT_EQ(comm.Paint(hwndMain, hdc), 0);
  ReleaseDC(hwndMain, hdc);

  // The logo is centred across the width, (640 - 312) / 2 = 164, and fills its grown area's rows.
  const std::vector<COLORREF> logo = LogoPixels();
  ASSERT_EQ(logo.size(), 312u * 247u);
  int wrong = 0;
  for (int y = 0; y < 247; ++y)
    for (int x = 0; x < 312; ++x) wrong += At(164 + x, 48 + y) != logo[size_t(y) * 312 + x];
  EXPECT_EQ(wrong, 0);
  for (int y = 48; y < 295; y += 41) {
    EXPECT_EQ(At(163, y), kMarker) << y;
    EXPECT_EQ(At(476, y), kMarker) << y;
  }
  for (int x = 164; x < 476; x += 31) {
    EXPECT_EQ(At(x, 47), kMarker) << x;
    EXPECT_EQ(At(x, 295), kMarker) << x;
  }

  ShowScreen(comm);
  for (const Probe& p : kBarProbes) EXPECT_EQ(At(p.x, p.y), p.colour) << p.what;
}

// The heading above the name, each line centred in the text area, the spare height a quarter
// above the text and three quarters below.
TEST_F(CommPixels, TheDefaultTextShowsAsTwoCentredLines) {
  ASSERT_STREQ(app->CommText, "INCOMING SUBSPACE MESSAGE:\r\nCommander Tarvell");
  CDispComm comm(app.get());
  ASSERT_EQ(comm.SetUp(), 0);
  ShowScreen(comm);
  const std::vector<Band> bands = WhiteBands(comm.rcText);
  ASSERT_EQ(bands.size(), 2u);
  EXPECT_GT(bands[0].right - bands[0].left, bands[1].right - bands[1].left);  // the heading is longer
  const int centre2 = comm.rcText.left + comm.rcText.right;                   // twice the area's centre
  for (const Band& band : bands) EXPECT_NEAR(band.left + band.right, centre2, 3);
  const int above = bands.front().top - comm.rcText.top;
  const int below = comm.rcText.bottom - 1 - bands.back().bottom;
  EXPECT_GT(above, 0);
  EXPECT_LT(above, below / 2);
  EXPECT_EQ(CountNot(RECT{0, comm.rcText.top, comm.rcText.left, comm.rcText.bottom}, kBlack), 0);
}

TEST_F(CommPixels, AnEmptyOrMissingTextDrawsNothing) {
  CDispComm comm(app.get());
  ASSERT_EQ(comm.SetUp(), 0);
  for (const char* text : {"", static_cast<const char*>(nullptr)}) {
    SetText(text);
    ShowScreen(comm);
    EXPECT_EQ(CountNot(comm.rcText, kBlack), 0);
    HDC hdc = GetDC(hwndMain);
    EXPECT_EQ(comm.DrawMessage(hwndMain, hdc), -1);
    ReleaseDC(hwndMain, hdc);
  }
  EXPECT_EQ(comm.DrawMessage(hwndMain, nullptr), -1);
  EXPECT_EQ(Trace(), "");
}

// Measured with word breaks, drawn without: a line wider than the area stays one line, centred
// and cut at the sides of the rectangle the measure gave.
TEST_F(CommPixels, ALineWiderThanTheAreaIsNotWrapped) {
  SetText(
      "ALPHA BRAVO CHARLIE DELTA ECHO FOXTROT GOLF HOTEL INDIA JULIET KILO LIMA MIKE NOVEMBER OSCAR PAPA "
      "QUEBEC ROMEO SIERRA");
  CDispComm comm(app.get());
  ASSERT_EQ(comm.SetUp(), 0);
  ShowScreen(comm);
  const std::vector<Band> bands = WhiteBands(RECT{0, comm.rcText.top, 640, comm.rcText.bottom});
  ASSERT_EQ(bands.size(), 1u);
  // Measured, the text wraps to more than one line of the area's width.
  HDC hdc = GetDC(hwndMain);
  HFONT font = app->CreateScreenFont(hdc);
  HGDIOBJ old = SelectObject(hdc, font);
  RECT measure{0, 0, 10000, 100};
  DrawTextA(hdc, app->CommText, -1, &measure, DT_CALCRECT);
  SelectObject(hdc, old);
  DeleteObject(font);
  ReleaseDC(hwndMain, hdc);
  EXPECT_GT(measure.right, comm.rcText.right - comm.rcText.left);
  EXPECT_GE(bands[0].left, comm.rcText.left);
  EXPECT_LT(bands[0].right, comm.rcText.right);
  EXPECT_NEAR(bands[0].left + bands[0].right, comm.rcText.left + comm.rcText.right, 3);
}

TEST_F(CommPixels, AChangedTextShowsAtTheNextPaint) {
  CDispComm comm(app.get());
  ASSERT_EQ(comm.SetUp(), 0);
  ShowScreen(comm);
  ASSERT_EQ(WhiteBands(comm.rcText).size(), 2u);
  SetText("RED\r\nALERT\r\nNOW");
  ShowScreen(comm);
  EXPECT_EQ(WhiteBands(comm.rcText).size(), 3u);
}

// Without a logo the screen still shows its bars and text; the logo's area stays black.
TEST_F(CommPixels, AMissingOrBrokenLogoLeavesItsAreaBlack) {
  const std::filesystem::path broken = home.root() / "broken.bmp";
  std::ofstream(broken, std::ios::binary) << "BM not a picture";
  for (bool withObject : {true, false}) {
    kx::clearShownMessageBoxes();
    CDispComm comm(app.get());
    delete comm.bmpLogo;
    comm.bmpLogo = nullptr;
    if (withObject) {
      comm.bmpLogo = new CBmpW(app.get(), CBmpW::kFromFile);
      comm.bmpLogo->SetFileName(broken.string().c_str());
    }
    EXPECT_EQ(comm.SetUp(), withObject ? -1 : 0);
    EXPECT_EQ(kx::shownMessageBoxes().size(), withObject ? 2u : 0u);
    // Without the logo's rows the area keeps 0.6 x 480 as its bottom.
    EXPECT_EQ(comm.rcLogo.bottom, 287);
    ShowScreen(comm);
    EXPECT_EQ(CountNot(comm.rcLogo, kBlack), 0);
    EXPECT_EQ(At(300, 30), kNavy);
    EXPECT_EQ(At(300, 440), kNavy);
    EXPECT_EQ(WhiteBands(comm.rcText).size(), 2u);
    EXPECT_EQ(kx::shownMessageBoxes().size(), withObject ? 2u : 0u);  // painting adds no box
  }
}

}  // namespace
