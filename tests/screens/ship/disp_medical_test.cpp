#include "screens/ship/disp_medical.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "display/display_fixture.h"
#include "support/memory_frame.h"

namespace {

constexpr COLORREF kCyan = RGB(0, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kMarker = RGB(1, 2, 3);

struct SlotProbe {
  const char* what;
  int x, y;
  int slot;  // -1: black, the background
};

// At 1024 x 768, one pixel inside each frame shape with the slot this screen gives it.
constexpr SlotProbe kFrameProbes[] = {
    {"colTop", 100, 50, 20},           {"bendUpper", 100, 150, 19},      {"bendLower", 100, 350, 12},
    {"colBlock1", 100, 450, 12},       {"colBlock2", 100, 520, 16},      {"colBlock3", 100, 580, 16},
    {"colBlock4", 100, 700, 16},       {"barUpper1", 490, 263, 20},      {"barLower1", 490, 277, 12},
    {"barUpper2", 600, 263, 20},       {"barLower2", 600, 274, 12},      {"barUpper3", 850, 263, 20},
    {"barLower3", 850, 277, 12},       {"barUpper4", 995, 263, 20},      {"barLower4", 995, 277, 12},
    {"ovalTopLeft", 803, 133, 20},     {"ovalBottomLeft", 803, 207, 17}, {"ovalTopRight", 947, 133, 13},
    {"ovalBottomRight", 947, 207, 12},
};

// The bracket about the scan field (685, 315, 996, 625), with the first pixels outside each part.
// Upper bend (685, 315, 986, 350) with arms {25, 10}; bar (685, 355, 710, 585); lower bend
// (685, 590, 986, 625); end caps 10 pixels square at the right ends of the bends' arms.
// Whether a pen-less half-round paints its own last column (996) is the platform's null-pen
// rule, so the cap is probed one column inside it and one beyond.
constexpr SlotProbe kBracketProbes[] = {
    {"upper bend arm, top row", 800, 315, 17},
    {"upper bend arm, last row", 800, 324, 17},
    {"below the upper arm", 800, 325, -1},
    {"upper bend column", 690, 340, 17},
    {"upper bend arm, last column", 985, 320, 17},
    {"upper cap", 990, 320, 17},
    {"upper cap, inner column", 995, 320, 17},
    {"right of the upper cap", 997, 320, -1},
    {"bar, first pixel", 685, 355, 19},
    {"bar, last pixel", 709, 584, 19},
    {"above the bar", 697, 354, -1},
    {"below the bar", 697, 585, -1},
    {"right of the bar", 710, 470, -1},
    {"left of the bar", 684, 470, -1},
    {"lower bend column", 690, 600, 17},
    {"lower bend arm, top row", 800, 615, 17},
    {"lower bend arm, last row", 800, 624, 17},
    {"above the lower arm", 800, 614, -1},
    {"lower cap", 990, 620, 17},
};

// A colour cycle's records, (ticks, slot), as the screen registers them.
struct Cycle {
  const char* what;
  std::vector<CCycleStep> steps;
};

class DispMedicalTest : public DisplayTest, public testing::WithParamInterface<int> {
 protected:
  void SetUp() override {
    clrCd = GetParam();
    DisplayTest::SetUp();
  }
  COLORREF Slot(int slot) const { return slot < 0 ? kBlack : app->Clr(slot)->GetRGB(); }
  bool HighColour() const { return GetParam() == CKalyx::kHighColor; }

  // Paints the screen through the main window's WM_PAINT, panels included, as the host does.
  void Show(CDispMedical& medical) {
    screen = &medical;
    InvalidateRect(hwndMain, nullptr, TRUE);
    Pump();
  }

  static int Count(const RECT& area, COLORREF colour) {
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
      for (int x = area.left; x < area.right; ++x) n += At(x, y) == colour;
    return n;
  }
};

TEST_P(DispMedicalTest, LaysOutTheScanFieldAndItsPanelsFromTheLowerArea) {
  CDispMedical medical(app.get());
  EXPECT_EQ(medical.id, 2);
  EXPECT_STREQ(medical.title, "BIOMOLECULAR SCAN");
  ASSERT_EQ(medical.SetUp(), 0);
  EXPECT_EQ(Trace(), "");

  // rcLower (194, 292, 1013, 768), 819 x 476: left 194 + 491.4, right 1013 - 16.38, top
  // 292 + 23.8, bottom 768 - 142.8, each truncated.
  const RECT& f = medical.rcScan;
  EXPECT_EQ((std::vector<LONG>{f.left, f.top, f.right, f.bottom}), (std::vector<LONG>{685, 315, 996, 625}));
  EXPECT_EQ(medical.scanWidth, 311);
  EXPECT_EQ(medical.scanHeight, 310);

  // The still helix: radius trunc(0.07 x 311) = 21, in the field less trunc(0.1 x 311) = 31 at the right.
  ASSERT_NE(medical.helix, nullptr);
  EXPECT_EQ(medical.helix->count, 24);
  EXPECT_EQ(medical.helix->radius, 21);
  EXPECT_EQ(medical.helix->layout.right, 965);
  EXPECT_EQ(medical.helix->topX, 825);
  EXPECT_EQ(medical.helix->topY, 315);

  const RECT& mol = medical.subLower->rect;
  EXPECT_EQ((std::vector<LONG>{mol.left, mol.top, mol.right, mol.bottom}),
            (std::vector<LONG>{194, 292, 675, 768}));
  const RECT& scan = medical.subScan->rect;  // top 625 + trunc(0.03 x 476)
  EXPECT_EQ((std::vector<LONG>{scan.left, scan.top, scan.right, scan.bottom}),
            (std::vector<LONG>{685, 639, 996, 768}));
  EXPECT_EQ(medical.subScan->textClr, app->Clr(4));
  EXPECT_EQ(medical.subScan->backClr, app->Clr(0));
  EXPECT_EQ(medical.subUpper->rect.right, medical.rcUpper.right);
  // The molecule panel's helix: r = trunc(0.17 x 481) = 81.
  ASSERT_NE(medical.subLower->molecule, nullptr);
  EXPECT_EQ(medical.subLower->molecule->radius, 81);
}

TEST_P(DispMedicalTest, PaintsFrameAndBracketInTheirColours) {
  CDispMedical medical(app.get());
  ASSERT_EQ(medical.SetUp(), 0);
  Show(medical);
  for (const SlotProbe& p : kFrameProbes) EXPECT_EQ(At(p.x, p.y), Slot(p.slot)) << p.what;
  for (const SlotProbe& p : kBracketProbes) EXPECT_EQ(At(p.x, p.y), Slot(p.slot)) << p.what;
  // The title in slot 16, somewhere in the right part of its rectangle.
  const RECT& t = medical.rcTitle;
  EXPECT_GT(Count(RECT{t.right - 200, t.top, t.right, t.bottom}, Slot(16)), 0);
}

// Drawn into a context of its own, without the panels' windows over it: the bands above and
// below the field are black from edge to edge of the field, and no atom shows in them.
TEST_P(DispMedicalTest, BlackBandsHideTheStillHelixOutsideTheScanField) {
  CDispMedical medical(app.get());
  ASSERT_EQ(medical.SetUp(), 0);
  const CMolecule& helix = *medical.helix;
  const RECT& f = medical.rcScan;
  const RECT& l = medical.rcLower;
  // The helix does run past the field at both ends.
  ASSERT_LT(helix.atoms[0]->axis.y - helix.radius, f.top);
  ASSERT_GT(helix.atoms[23]->axis.y + helix.radius, f.bottom);

  kx::test::MemoryFrame frame(kWidth, kHeight);
  HBRUSH marker = CreateSolidBrush(kMarker);
  const RECT all{0, 0, kWidth, kHeight};
  FillRect(frame.dc(), &all, marker);
  DeleteObject(marker);
  EXPECT_EQ(medical.Paint(hwndMain, frame.dc()), 0);
  auto at = [&](int x, int y) { return GetPixel(frame.dc(), x, y); };

  const RECT bands[] = {{f.left, l.top, f.right, f.top}, {f.left, f.bottom, f.right, l.bottom}};
  for (const RECT& band : bands) {
    int cyan = 0, unpainted = 0;
    for (int y = band.top; y < band.bottom; ++y) {
      for (int x = band.left; x < band.right; ++x) {
        cyan += at(x, y) == kCyan;
        unpainted += at(x, y) == kMarker;
      }
    }
    EXPECT_EQ(cyan, 0) << band.top;
    EXPECT_EQ(unpainted, 0) << band.top;
  }
  // The bands' edges: the last pixels painted black, the first left alone.
  EXPECT_EQ(at(f.left, l.top), kBlack);
  EXPECT_EQ(at(f.left - 1, l.top + 5), kMarker);
  EXPECT_EQ(at(f.right - 1, l.top + 5), kBlack);
  EXPECT_EQ(at(f.right, l.top + 5), kMarker);
  EXPECT_EQ(at(800, l.top - 1), kMarker);
  EXPECT_EQ(at(800, f.top - 1), kBlack);
  EXPECT_EQ(at(f.left + 100, l.bottom - 1), kBlack);
  EXPECT_EQ(at(f.right, l.bottom - 1), kMarker);

  // Inside the field the helix shows: cyan outlines, 1 pixel wide, and black discs.
  int cyan = 0;
  for (int y = f.top; y < f.bottom; ++y)
    for (int x = f.left; x < f.right; ++x) cyan += at(x, y) == kCyan;
  EXPECT_GT(cyan, 0);
  const CAtom* mid = helix.atoms[12];
  EXPECT_EQ(at(mid->centre.x, mid->centre.y), kBlack);
}

TEST_P(DispMedicalTest, ScanNumbersAreCyanAndUpperNumbersWhite) {
  CDispMedical medical(app.get());
  ASSERT_EQ(medical.SetUp(), 0);
  Show(medical);
  const RECT& scan = medical.subScan->rect;
  const RECT firstLine{scan.left, scan.top, scan.right, scan.top + 13};
  EXPECT_GT(Count(firstLine, kCyan), 0);
  EXPECT_EQ(Count(firstLine, kWhite), 0);
  const RECT& upper = medical.rcUpper;
  EXPECT_GT(Count(RECT{upper.left, upper.top, upper.right, upper.top + 13}, kWhite), 0);
}

TEST_P(DispMedicalTest, MoleculePanelShowsCyanOutlinesOnBlackAndTurnsEachTick) {
  CDispMedical medical(app.get());
  ASSERT_EQ(medical.SetUp(), 0);
  Show(medical);
  const RECT& mol = medical.subLower->rect;
  auto snapshot = [&](const RECT& area) {
    std::vector<COLORREF> pixels;
    for (int y = area.top; y < area.bottom; y += 2)
      for (int x = area.left; x < area.right; x += 2) pixels.push_back(At(x, y));
    return pixels;
  };
  const int cyan = Count(mol, kCyan);
  EXPECT_GT(cyan, 0);
  EXPECT_EQ(Count(mol, kBlack) + cyan, (mol.right - mol.left) * (mol.bottom - mol.top));

  const std::vector<COLORREF> panelBefore = snapshot(mol);
  const std::vector<COLORREF> fieldBefore = snapshot(medical.rcScan);
  const int angle = medical.subLower->molecule->atoms[0]->angle;
  const int stillAngle = medical.helix->atoms[0]->angle;
  app->hwndOwner = hwndMain;
  EXPECT_EQ(medical.Animate(1), 0);
  Pump();
  EXPECT_EQ(medical.subLower->molecule->atoms[0]->angle, angle + 12);
  EXPECT_EQ(medical.helix->atoms[0]->angle, stillAngle);
  EXPECT_NE(snapshot(mol), panelBefore);
  EXPECT_EQ(snapshot(medical.rcScan), fieldBefore);
}

// Ordinary ticks leave both numbers panels alone; a whole second adds a line to each.
TEST_P(DispMedicalTest, NumbersPanelsMoveOnlyOnWholeSeconds) {
  CDispMedical medical(app.get());
  ASSERT_EQ(medical.SetUp(), 0);
  Show(medical);
  app->hwndOwner = hwndMain;
  medical.Animate(1);
  EXPECT_EQ(medical.subUpper->count, 0);
  EXPECT_EQ(medical.subScan->count, 0);
  medical.Animate(2);
  EXPECT_EQ(medical.subUpper->count, 1);
  EXPECT_EQ(medical.subScan->count, 1);
}

// A shape keeps its set-up colour until the last record's ticks + 1 seconds have passed, takes
// that record's colour, then each record's colour ticks + 1 seconds after the change before.
TEST_P(DispMedicalTest, ColourBlockAndOvalCycleOnceASecond) {
  CDispMedical medical(app.get());
  ASSERT_EQ(medical.SetUp(), 0);
  app->hwndOwner = hwndMain;
  const std::vector<Cycle> cycles = HighColour()
                                        ? std::vector<Cycle>{{"colBlock3", {{2, 20}, {1, 17}, {3, 16}}},
                                                             {"ovalBottomRight", {{3, 0}, {2, 12}, {4, 20}}}}
                                        : std::vector<Cycle>{{"colBlock3", {{2, 9}, {3, 11}}},
                                                             {"ovalBottomRight", {{3, 0}, {2, 12}, {4, 11}}}};
  CGfxShape* shapes[] = {&medical.colBlock3, &medical.ovalBottomRight};
  const int setUpSlots[] = {16, 12};
  std::vector<std::vector<int>> expected(2, std::vector<int>(31));
  for (int c = 0; c < 2; ++c) {
    const std::vector<CCycleStep>& steps = cycles[c].steps;
    int slot = setUpSlots[c];
    int next = steps.back().ticks + 1;
    size_t record = steps.size() - 1;
    for (int second = 1; second <= 30; ++second) {
      if (second == next) {
        slot = steps[record].slot;
        record = (record + 1) % steps.size();
        next += steps[record].ticks + 1;
      }
      expected[c][second] = slot;
    }
  }
  for (int c = 0; c < 2; ++c) EXPECT_EQ(shapes[c]->clr, app->Clr(setUpSlots[c])) << cycles[c].what;
  for (int second = 1; second <= 30; ++second) {
    medical.Animate(1);
    medical.Animate(2);
    for (int c = 0; c < 2; ++c) {
      EXPECT_EQ(shapes[c]->clr, app->Clr(expected[c][second])) << cycles[c].what << " at " << second;
    }
  }
}

// The panels are shown at the first paint of the first such screen in the process only.
TEST_P(DispMedicalTest, ShowsItsPanelsAtTheFirstPaintOfTheProcessOnly) {
  CDispMedical::bPanelsShown = false;
  auto hideAll = [](CDispMedical& medical) {
    for (CSubDisp* panel :
         {static_cast<CSubDisp*>(medical.subUpper), static_cast<CSubDisp*>(medical.subLower),
          static_cast<CSubDisp*>(medical.subScan)}) {
      ShowWindow(panel->hwnd, SW_HIDE);
    }
  };
  auto visible = [](CDispMedical& medical) {
    return (IsWindowVisible(medical.subUpper->hwnd) ? 1 : 0) +
           (IsWindowVisible(medical.subLower->hwnd) ? 1 : 0) +
           (IsWindowVisible(medical.subScan->hwnd) ? 1 : 0);
  };
  {
    CDispMedical first(app.get());
    ASSERT_EQ(first.SetUp(), 0);
    hideAll(first);
    EXPECT_EQ(first.Paint(hwndMain, nullptr), 0);
    EXPECT_TRUE(CDispMedical::bPanelsShown);
    EXPECT_EQ(visible(first), 3);
  }
  CDispMedical second(app.get());
  ASSERT_EQ(second.SetUp(), 0);
  hideAll(second);
  EXPECT_EQ(second.Paint(hwndMain, nullptr), 0);
  EXPECT_EQ(visible(second), 0);
}

INSTANTIATE_TEST_SUITE_P(ColourSchemes, DispMedicalTest, testing::Values(2, 1),
                         [](const testing::TestParamInfo<int>& info) {
                           return info.param == 2 ? std::string("HighColour") : std::string("Colours256");
                         });

// Panels that fail on demand, standing in for a panel whose window or helix cannot be made.
class FailingNbrs : public CSubNbrs {
 public:
  using CSubNbrs::CSubNbrs;
  int SetUp() override { return -1; }
};

class FailingMolecule : public CSubMolecule {
 public:
  using CSubMolecule::CSubMolecule;
  int SetUp() override { return -991; }
};

enum class Panel { kNone, kUpper, kMolecule, kScan };

struct CascadeCase {
  Panel failing;
  bool missing;  // the panel does not exist at all, rather than failing its set-up
  const char* trace;
};

constexpr const char* kUpperError = "\r\nError setting up upper sub display";
constexpr const char* kLowerError = "\r\nError setting up lower sub display";
constexpr const char* kScanError = "\r\nError setting up numbers 3 sub display";

class DispMedicalCascade : public DisplayTest {};

// One failing panel writes its own message and those of every panel after it; those panels are
// not created, and the screen still sets up and paints its frame.
TEST_F(DispMedicalCascade, AFailingPanelReportsItselfAndEveryPanelAfterIt) {
  const std::string all = std::string(kUpperError) + kLowerError + kScanError;
  const std::string lowerOn = std::string(kLowerError) + kScanError;
  const CascadeCase cases[] = {
      {Panel::kNone, false, ""},
      {Panel::kUpper, false, all.c_str()},
      {Panel::kUpper, true, all.c_str()},
      {Panel::kMolecule, false, lowerOn.c_str()},
      {Panel::kMolecule, true, lowerOn.c_str()},
      {Panel::kScan, false, kScanError},
      {Panel::kScan, true, kScanError},
  };
  for (const CascadeCase& c : cases) {
    const std::string label =
        std::to_string(static_cast<int>(c.failing)) + (c.missing ? " missing" : " failing");
    CKalyx::bTraceFresh = true;
    CKalyx::ClearTrace();
    auto medical = std::make_unique<CDispMedical>(app.get());
    switch (c.failing) {
      case Panel::kNone:
        break;
      case Panel::kUpper:
        delete medical->subUpper;
        medical->subUpper = c.missing ? nullptr : new FailingNbrs(app.get());
        break;
      case Panel::kMolecule:
        delete medical->subLower;
        medical->subLower = c.missing ? nullptr : new FailingMolecule(app.get());
        break;
      case Panel::kScan:
        delete medical->subScan;
        medical->subScan = c.missing ? nullptr : new FailingNbrs(app.get());
        break;
    }
    EXPECT_EQ(medical->SetUp(), c.failing == Panel::kNone ? 0 : -1) << label;
    EXPECT_EQ(Trace(), c.trace) << label;
    // Panels after the failing one get no window.
    if (c.failing == Panel::kUpper) {
      EXPECT_TRUE(!medical->subLower || !medical->subLower->hwnd) << label;
      EXPECT_TRUE(!medical->subScan || !medical->subScan->hwnd) << label;
    }
    if (c.failing == Panel::kMolecule) {
      EXPECT_TRUE(!medical->subScan || !medical->subScan->hwnd) << label;
    }
    // The screen goes on: it paints and animates with what it has.
    screen = medical.get();
    InvalidateRect(hwndMain, nullptr, TRUE);
    Pump();
    EXPECT_EQ(At(100, 50), app->Clr(20)->GetRGB()) << label;
    app->hwndOwner = hwndMain;
    EXPECT_EQ(medical->Animate(1), 0) << label;
    EXPECT_EQ(medical->Animate(2), 0) << label;
    EXPECT_EQ(medical->Paint(hwndMain, nullptr), 0) << label;
    screen = nullptr;
    medical.reset();
    Pump();
  }
}

}  // namespace
