#include "screens/propulsion/sub_warp.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "display/display_fixture.h"
#include "gfx/gfx_geometry.h"
#include "screens/propulsion/disp_warp.h"

namespace {

// The shared state as the program starts, read before any test changes it (both are constants
// until the first warp panel runs).
const int kPhaseAtStart = CSubWarp::conduitPhase;
const int kSecondCountAtStart = CSubWarp::secondCount;

// The lower panel at 1024 x 768 is rcLower (194, 292, 1013, 768): 819 x 476.
constexpr POINT kPanelAt{194, 292};

class SubWarp : public DisplayTest, public testing::WithParamInterface<int> {
 protected:
  void SetUp() override {
    clrCd = GetParam();
    DisplayTest::SetUp();
    // As at program start: the shared state is the process's, so each test begins where a fresh
    // process would.
    CSubWarp::conduitPhase = 0;
    CSubWarp::secondCount = 999;
    CDispWarp::bPanelsShown = false;
  }
  void TearDown() override {
    warp = nullptr;
    DisplayTest::TearDown();
  }

  // Set up and painted as the host does after building the screen.
  void Show(CDispWarp& screenShown) {
    ASSERT_EQ(screenShown.SetUp(), 0);
    screen = &screenShown;
    InvalidateRect(hwndMain, nullptr, TRUE);
    Pump();
  }
  static CSubWarp& Panel(CDispWarp& s) { return *static_cast<CSubWarp*>(s.subLower); }
  COLORREF Slot(int slot) const { return app->Clr(slot)->GetRGB(); }
  static COLORREF PanelAt(int x, int y) { return At(kPanelAt.x + x, kPanelAt.y + y); }

  // The residues modulo 8 of the black stripes met along a line of a conduit's inside, after
  // checking that every pixel there is a stripe (slot 0) or a gap (slot 25).
  std::set<int> StripeResidues(POINT from, POINT step, int count) {
    std::set<int> residues;
    int gaps = 0;
    for (int i = 0; i < count; ++i) {
      const int x = from.x + i * step.x, y = from.y + i * step.y;
      const COLORREF c = PanelAt(x, y);
      if (c == Slot(0)) {
        residues.insert((step.x ? x : y) & 7);
      } else {
        EXPECT_EQ(c, Slot(25)) << "panel " << x << "," << y;
        ++gaps;
      }
    }
    EXPECT_GT(gaps, 0);
    return residues;
  }
  // The three conduits' stripes for the shared phase p: vertical lines at column 4 of the cell in
  // the horizontal conduit, horizontal lines at row 3 in the upper (origin (p, p)) and lower
  // (origin (p, 7 - p)) conduits.
  void ExpectStripesOfPhase(const CSubWarp& panel, int p) {
    const int mid = panel.midY, jx = panel.junctionX;
    EXPECT_EQ(
        StripeResidues({jx + panel.unitX + 1, mid}, {1, 0}, panel.coreConduitEnd - panel.unitX - jx - 2),
        std::set<int>{(p + 4) & 7})
        << "horizontal conduit, phase " << p;
    EXPECT_EQ(
        StripeResidues({jx, panel.portConduitEnd + 1}, {0, 1}, mid - panel.unitY - panel.portConduitEnd - 2),
        std::set<int>{(p + 3) & 7})
        << "upper conduit, phase " << p;
    EXPECT_EQ(StripeResidues({jx, mid + panel.unitY + 1}, {0, 1},
                             panel.starboardConduitEnd - mid - panel.unitY - 2),
              std::set<int>{(7 - p + 3) & 7})
        << "lower conduit, phase " << p;
  }

  // The host's timer at two ticks a second: step 2 on every second tick.
  static void CALLBACK TwoTicksASecond(HWND hwnd, UINT, UINT_PTR, DWORD) {
    kalyx->hwndOwner = hwnd;
    warp->Animate(++ticks % 2 == 0 ? 2 : 1);
  }
  static inline CDispWarp* warp = nullptr;
};

// The worked layout of the panel at 1024 x 768 (819 x 476): 0.6 x 819 gives a nacelle 491 long and
// 73 thick; the hull is read back one pixel left of and above the box it was given.
TEST_P(SubWarp, LaysOutFiguresConduitsAndReadout) {
  CDispWarp warpScreen(app.get());
  Show(warpScreen);
  const CSubWarp& panel = Panel(warpScreen);
  EXPECT_EQ(BoxOf(panel.clientRect), (Box{0, 0, 819, 476}));
  EXPECT_EQ(panel.midY, 238);
  EXPECT_EQ(panel.unitX, 5);
  EXPECT_EQ(panel.unitY, 5);
  EXPECT_EQ(panel.nacelleLength, 491);
  EXPECT_EQ(panel.nacelleThickness, 73);
  EXPECT_EQ(BoxOf(panel.portBox), (Box{64, 39, 555, 112}));
  EXPECT_EQ(BoxOf(panel.starboardBox), (Box{64, 362, 555, 435}));
  EXPECT_EQ(BoxOf(panel.readoutBox), (Box{64, 166, 334, 290}));
  EXPECT_EQ(BoxOf(panel.coreBox), (Box{680, 99, 752, 376}));
  EXPECT_EQ(panel.junctionX, 407);
  EXPECT_EQ(panel.coreConduitEnd, 685);
  EXPECT_EQ(panel.portConduitEnd, 107);
  EXPECT_EQ(panel.starboardConduitEnd, 362);
  EXPECT_EQ(BoxOf(panel.spine.rect), (Box{36, 181, 50, 275}));
}

// One headless render at 1024 x 768: frame colours of the two-panel screens, white hulls, the
// yellow coil, cyan core, striped conduits and the white read-out in its gold bracket.
TEST_P(SubWarp, PaintsFrameFiguresConduitsAndReadout) {
  CDispWarp warpScreen(app.get());
  Show(warpScreen);
  const CSubWarp& panel = Panel(warpScreen);
  struct SlotProbe {
    const char* what;
    int x, y, slot;
  };
  const SlotProbe frame[] = {{"colTop", 100, 50, 27},     {"bendUpper", 100, 150, 26},
                             {"bendLower", 100, 350, 22}, {"colBlock3", 100, 580, 24},
                             {"barUpper4", 995, 263, 12}, {"ovalTopRight", 947, 133, 12}};
  for (const SlotProbe& p : frame) EXPECT_EQ(At(p.x, p.y), Slot(p.slot)) << p.what;

  const RECT& port = panel.portBox;
  const RECT& starboard = panel.starboardBox;
  const int middle = (port.left + port.right) / 2;
  const RECT& highlighted = panel.port->coils[10]->blockBox;
  const SlotProbe figures[] = {
      {"port hull's top edge", middle, port.top, 1},
      {"starboard hull's bottom edge", middle, starboard.bottom - 1, 1},
      {"above the port hull", middle, port.top - 2, 0},
      {"port's highlighted coil", highlighted.left, highlighted.top, 9},
      {"starboard's highlighted coil", panel.starboard->coils[10]->blockBox.left,
       panel.starboard->coils[10]->blockBox.top, 9},
      {"port's next coil", panel.port->coils[9]->blockBox.left, panel.port->coils[9]->blockBox.top, 4},
      {"core's wide chamber, left edge", panel.core->chamberWide.left, panel.core->chamberWide.top + 8, 4},
      {"upper bracket arm", panel.readoutBox.left, panel.readoutBox.top - 2, 16},
      {"spine", panel.readoutBox.left - 20, panel.midY, 26},
      {"conduit's upper edge", panel.junctionX + 40, panel.midY - panel.unitY, 4},
      {"conduit's lower edge", panel.junctionX + 40, panel.midY + panel.unitY, 4},
      {"below the conduit", panel.junctionX + 40, panel.midY + panel.unitY + 1, 0},
  };
  for (const SlotProbe& p : figures) EXPECT_EQ(PanelAt(p.x, p.y), Slot(p.slot)) << p.what;
  ExpectStripesOfPhase(panel, CSubWarp::conduitPhase);

  // The read-out: white text in the label column and in both value columns, nothing else but black.
  auto whiteIn = [&](int left, int right) {
    int n = 0;
    for (int y = panel.readoutBox.top; y < panel.readoutBox.bottom; ++y)
      for (int x = left; x < right; ++x) {
        const COLORREF c = PanelAt(x, y);
        n += c == Slot(1);
        EXPECT_TRUE(c == Slot(1) || c == Slot(0)) << x << "," << y;
      }
    return n;
  };
  EXPECT_GT(whiteIn(64, 160), 100);   // labels
  EXPECT_GT(whiteIn(166, 250), 100);  // port
  EXPECT_GT(whiteIn(260, 334), 100);  // starboard
}

// Each drawing of the conduits moves the phase by -2 modulo 7 and the stripes with it; a step-1
// tick draws them in place and changes nothing else.
TEST_P(SubWarp, StepOneTicksMoveTheStripesOnePhase) {
  CDispWarp warpScreen(app.get());
  Show(warpScreen);
  CSubWarp& panel = Panel(warpScreen);
  CSubWarp::conduitPhase = 0;
  const int nextNacelle = panel.nextNacelle;
  const COLORREF coil = PanelAt(panel.port->coils[10]->blockBox.left, panel.port->coils[10]->blockBox.top);
  for (int expected : {5, 3, 1, 6, 4, 2, 0, 5}) {
    EXPECT_EQ(warpScreen.Animate(1), 0);
    EXPECT_EQ(CSubWarp::conduitPhase, expected);
    ExpectStripesOfPhase(panel, expected);
  }
  EXPECT_EQ(panel.nextNacelle, nextNacelle);
  EXPECT_EQ(PanelAt(panel.port->coils[10]->blockBox.left, panel.port->coils[10]->blockBox.top), coil);
}

// Two ticks a second on the virtual clock: the conduits step on every step-1 tick and again at
// every repaint, three phase steps every two seconds. The first whole second repaints (the counter
// starts at 999) and steps the port nacelle; from then on every second whole second repaints and
// steps port and starboard in turn, so each nacelle's highlight moves left every 4 seconds and
// shows at the next repaint.
TEST_P(SubWarp, OnTheVirtualClockRepaintsEveryOtherSecondAndAlternatesNacelles) {
  CDispWarp warpScreen(app.get());
  Show(warpScreen);
  CSubWarp& panel = Panel(warpScreen);
  CSubWarp::conduitPhase = 0;
  warp = &warpScreen;
  ticks = 0;
  ASSERT_NE(SetTimer(hwndMain, 1, 500, &SubWarp::TwoTicksASecond), 0u);
  struct Second {
    int phaseAfterStep1, phaseAfterStep2;
    int port, starboard;  // highlighted coils after the second
    int yellowPort;       // the port coil shown yellow
  };
  const Second seconds[] = {
      {5, 3, 9, 10, 10}, {1, 1, 9, 10, 10}, {6, 4, 9, 9, 9}, {2, 2, 9, 9, 9},
      {0, 5, 8, 9, 9},   {3, 3, 8, 9, 9},   {1, 6, 8, 8, 8}, {4, 4, 8, 8, 8},
  };
  for (size_t s = 0; s < std::size(seconds); ++s) {
    const Second& want = seconds[s];
    kx::advanceClock(500);
    Pump();
    EXPECT_EQ(CSubWarp::conduitPhase, want.phaseAfterStep1) << "second " << s + 1 << ", step 1";
    kx::advanceClock(500);
    Pump();
    EXPECT_EQ(CSubWarp::conduitPhase, want.phaseAfterStep2) << "second " << s + 1 << ", step 2";
    EXPECT_EQ(panel.port->GetCurrent(), want.port) << "second " << s + 1;
    EXPECT_EQ(panel.starboard->GetCurrent(), want.starboard) << "second " << s + 1;
    const RECT& shown = panel.port->coils[size_t(want.yellowPort)]->blockBox;
    EXPECT_EQ(PanelAt(shown.left, shown.top), Slot(9)) << "second " << s + 1;
  }
  KillTimer(hwndMain, 1);
}

TEST(SubWarpState, StartsWithPhaseZeroAndACounterOf999) {
  EXPECT_EQ(kPhaseAtStart, 0);
  EXPECT_EQ(kSecondCountAtStart, 999);
}

// The phase and the second counter belong to the process: a new screen carries on with them.
TEST_P(SubWarp, SharedPhaseAndCounterOutliveTheScreen) {
  {
    CDispWarp first(app.get());
    Show(first);
    first.Animate(2);  // 999 + 1: the first whole second repaints
    EXPECT_EQ(CSubWarp::secondCount, 0);
    first.Animate(1);
    first.Animate(2);
    EXPECT_EQ(CSubWarp::secondCount, 1);
    screen = nullptr;
  }
  const int phase = CSubWarp::conduitPhase;
  CDispWarp second(app.get());
  ASSERT_EQ(second.SetUp(), 0);
  EXPECT_EQ(CSubWarp::conduitPhase, phase);
  second.Animate(2);
  EXPECT_EQ(CSubWarp::secondCount, 0);  // repainted at once: the count went on from 1
  EXPECT_EQ(Panel(second).port->GetCurrent(), 9);
}

// The coil pair is always odd/even, 1/2 for the rightmost coil up to 21/22 for the leftmost; each
// number takes two characters, the values their fixed widths and ranges.
TEST_P(SubWarp, ReadoutColumnsShowOddEvenPairsAndValuesInRange) {
  CSubWarp panel(app.get());
  CImgWarpNacelle nacelle(app.get());
  const std::regex column(R"(Port\n([ \d]\d)/([ \d]\d)\n(\d{4}\.\d\d)\n(0\.\d{4})\n(\d{3}\.\d{3}))");
  srand(7);
  for (int coil = 10; coil >= 0; --coil) {
    nacelle.current = coil;
    char text[CSubWarp::kColumnSize];
    panel.FormatColumn(text, "Port", nacelle);
    std::cmatch m;
    ASSERT_TRUE(std::regex_match(text, m, column)) << text;
    const int first = std::stoi(m[1]), second = std::stoi(m[2]);
    EXPECT_EQ(first, 21 - 2 * coil);
    EXPECT_EQ(first % 2, 1);
    EXPECT_EQ(second, first + 1);
    EXPECT_GE(std::stod(m[3]), 7881.06);
    EXPECT_LE(std::stod(m[3]), 7882.4);
    EXPECT_GE(std::stod(m[4]), 0.0012);
    EXPECT_LE(std::stod(m[4]), 0.0021);
    EXPECT_GE(std::stod(m[5]), 812.521);
    EXPECT_LE(std::stod(m[5]), 813.602);
  }
}

// Narrow and low panels keep units of at least two pixels; a panel of 1 x 1 or 0 x 0 sets up,
// paints and animates without harm and leaks nothing (the fixture checks GDI objects).
TEST_P(SubWarp, SmallPanelsKeepTwoPixelUnitsAndDrawSafely) {
  struct Case {
    RECT rect;
    int unitX, unitY;
  };
  const Case cases[] = {
      {{0, 0, 285, 166}, 2, 2}, {{0, 0, 286, 167}, 2, 2},  {{0, 0, 100, 40}, 2, 2},  {{10, 10, 11, 11}, 2, 2},
      {{10, 10, 10, 10}, 2, 2}, {{0, 0, 1000, 500}, 7, 6}, {{0, 0, 429, 250}, 3, 3},
  };
  for (const Case& c : cases) {
    CSubWarp panel(app.get());
    panel.RegisterClass();
    panel.SetRect(c.rect);
    ASSERT_EQ(panel.Create(0, 0), 0);
    EXPECT_EQ(panel.SetUp(), 0);
    SCOPED_TRACE(testing::Message() << c.rect.right - c.rect.left << " x " << c.rect.bottom - c.rect.top);
    EXPECT_EQ(panel.unitX, c.unitX);
    EXPECT_EQ(panel.unitY, c.unitY);
    EXPECT_EQ(panel.Paint(panel.hwnd, nullptr), 0);
    for (int step : {1, 2, 1, 2, 2}) EXPECT_EQ(panel.Animate(step), 0);
    Pump();
  }
}

INSTANTIATE_TEST_SUITE_P(ColourSchemes, SubWarp, testing::Values(2, 1),
                         [](const testing::TestParamInfo<int>& info) {
                           return info.param == 2 ? std::string("HighColour") : std::string("Colours256");
                         });

}  // namespace
