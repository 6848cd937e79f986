#include "bitmap/bmp_w.h"

#include <gtest/gtest.h>
#include <kx/dialog_driver.h>

#include <memory>
#include <string>
#include <vector>

#include "app/kalyx.h"
#include "bitmap/bmp_bytes.h"
#include "support/headless_desktop.h"
#include "support/memory_frame.h"
#include "support/temp_home.h"

namespace kx::test {
namespace {

constexpr COLORREF kMarker = RGB(255, 0, 255);
constexpr int kFrameW = 40, kFrameH = 30;

class BmpWTest : public HeadlessDesktop {
 protected:
  void SetUp() override {
    HeadlessDesktop::SetUp();
    app = std::make_unique<CKalyx>();
    clearShownMessageBoxes();
  }
  void TearDown() override {
    app.reset();
    HeadlessDesktop::TearDown();
  }

  // A file-mode bitmap over the given bytes.
  std::unique_ptr<CBmpW> FromFile(const std::vector<uint8_t>& data) {
    const std::filesystem::path path = home.root() / "test.bmp";
    WriteBytes(path, data);
    auto bmp = std::make_unique<CBmpW>(app.get(), CBmpW::kFromFile);
    bmp->SetFileName(path.string().c_str());
    return bmp;
  }

  static std::vector<std::string> Boxes() {
    std::vector<std::string> texts;
    for (const ShownMessageBox& box : shownMessageBoxes()) texts.push_back(box.caption + ": " + box.text);
    return texts;
  }

  // Whole-frame check: the test picture at (x, y), the marker everywhere else.
  static void ExpectPictureAt(const MemoryFrame& frame, int x, int y, int w, int h, int bits,
                              const std::string& what) {
    int wrong = 0;
    for (int py = 0; py < kFrameH; ++py) {
      for (int px = 0; px < kFrameW; ++px) {
        const bool inside = px >= x && px < x + w && py >= y && py < y + h;
        const COLORREF want = inside ? BmpColorAt(px - x, py - y, bits) : kMarker;
        if (GetPixel(frame.dc(), px, py) != want && ++wrong <= 3) {
          ADD_FAILURE() << what << ": pixel " << px << "," << py;
        }
      }
    }
  }

  static void FillMarker(const MemoryFrame& frame) {
    HBRUSH brush = CreateSolidBrush(kMarker);
    RECT all{0, 0, kFrameW, kFrameH};
    FillRect(frame.dc(), &all, brush);
    DeleteObject(brush);
  }

  TempHome home;
  std::unique_ptr<CKalyx> app;
};

// The logo is 312 x 247 at 4 bits a pixel: 16 table entries put the bits 40 + 64 = 104 bytes into
// the resource, and each row of 312 nibbles pads to 156 bytes.
TEST_F(BmpWTest, TheLogoResourceHoldsItsBitsAfterTheHeaderAndTable) {
  CBmpW logo(app.get(), 1);
  ASSERT_EQ(logo.Load(52, 0), 0);
  EXPECT_EQ(logo.resId, 52);
  EXPECT_EQ(logo.bFromFile, 0);
  EXPECT_EQ(logo.lpbi->biBitCount, 4);
  EXPECT_EQ(logo.nColors, 16);
  EXPECT_EQ(logo.lpBits - reinterpret_cast<BYTE*>(logo.lpbi), 104);
  EXPECT_EQ(logo.GetSize()->cx, 312);
  EXPECT_EQ(logo.GetSize()->cy, 247);
  HRSRC hrsrc = FindResourceA(nullptr, MAKEINTRESOURCEA(52), RT_BITMAP);
  EXPECT_EQ(SizeofResource(nullptr, hrsrc), 104u + 247u * 156u);
  EXPECT_EQ(247 * 156, 38532);

  // A loaded bitmap is not loaded again.
  HBITMAP first = logo.hbm;
  EXPECT_EQ(logo.Load(52, 0), 0);
  EXPECT_EQ(logo.hbm, first);
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(BmpWTest, AMissingResourceIsReportedAndDrawsNothing) {
  CBmpW bmp(app.get(), 1);
  EXPECT_EQ(bmp.Load(53, 0), -1);
  EXPECT_EQ(Boxes(), (std::vector<std::string>{"Error!: FindResource failed",
                                               "Notice: Error loading BMP from file or resource, rc -1"}));
  MemoryFrame frame(kFrameW, kFrameH);
  FillMarker(frame);
  EXPECT_EQ(bmp.Draw(frame.dc(), nullptr, nullptr), -1);
  EXPECT_EQ(GetPixel(frame.dc(), 0, 0), kMarker);
  EXPECT_EQ(Boxes().size(), 2u);  // drawing nothing is not reported again
}

// Every depth the loader reads, stored either way up, draws the same picture at (0, 0).
TEST_F(BmpWTest, FilesOfEveryDepthDrawTheirPixels) {
  for (int bits : {1, 4, 8, 24, 32}) {
    for (int height : {3, -3}) {
      const std::string what = std::to_string(bits) + " bits, height " + std::to_string(height);
      std::unique_ptr<CBmpW> bmp = FromFile(MakeBmp(5, height, bits));
      ASSERT_EQ(bmp->Load(0, 0), 0) << what;
      EXPECT_EQ(bmp->GetSize()->cx, 5);
      EXPECT_EQ(bmp->GetSize()->cy, 3) << what;
      MemoryFrame frame(kFrameW, kFrameH);
      FillMarker(frame);
      EXPECT_EQ(bmp->Draw(frame.dc(), nullptr, nullptr), 0) << what;
      ExpectPictureAt(frame, 0, 0, 5, 3, bits, what);
    }
  }
  EXPECT_TRUE(Boxes().empty());
}

// Files that are unusual but sound: pixels after a gap, a longer header, a 24-bit picture with
// an optional table.
TEST_F(BmpWTest, GapsAndLongerHeadersAreRead) {
  std::vector<uint8_t> gap = MakeBmp(5, 3, 8);
  gap.insert(gap.begin() + 54 + 1024, 100, 0xEE);
  PutLE(gap, 10, 54 + 1024 + 100, 4);
  std::vector<uint8_t> longHeader = MakeBmp(5, 3, 4);
  longHeader.insert(longHeader.begin() + 54, 84, 0);
  PutLE(longHeader, 14, 124, 4);
  PutLE(longHeader, 10, 54 + 84 + 64, 4);
  std::vector<uint8_t> table24 = MakeBmp(5, -3, 24);
  table24.insert(table24.begin() + 54, 8, 0x77);
  PutLE(table24, 46, 2, 4);
  PutLE(table24, 10, 54 + 8, 4);
  const std::pair<const char*, std::vector<uint8_t>> cases[] = {
      {"gap", gap}, {"long header", longHeader}, {"24 with table", table24}};
  const int bits[] = {8, 4, 24};
  for (int i = 0; i < 3; ++i) {
    std::unique_ptr<CBmpW> bmp = FromFile(cases[i].second);
    ASSERT_EQ(bmp->Load(0, 0), 0) << cases[i].first;
    MemoryFrame frame(kFrameW, kFrameH);
    FillMarker(frame);
    EXPECT_EQ(bmp->Draw(frame.dc(), nullptr, nullptr), 0);
    ExpectPictureAt(frame, 0, 0, 5, 3, bits[i], cases[i].first);
  }
}

// Centred in a larger area (halves truncate), at the left or top edge where the area is smaller
// (by two pixels, so that centring would have moved it one to the left or up),
// in the window's client area when no area is given, and at (0, 0) without a window.
TEST_F(BmpWTest, DrawCentresInTheAreaOrKeepsToItsEdges) {
  HWND hwnd = createWindow(WS_POPUP | WS_VISIBLE, {0, 0, kFrameW, kFrameH});
  struct Case {
    const char* what;
    bool window, withArea;
    RECT area;
    int x, y;
  };
  const Case cases[] = {
      {"larger", true, true, {10, 10, 30, 20}, 17, 13},   {"narrower", true, true, {10, 10, 13, 20}, 10, 13},
      {"shorter", true, true, {10, 10, 30, 11}, 17, 10},  {"exact", true, true, {2, 4, 7, 7}, 2, 4},
      {"one wider", true, true, {2, 4, 8, 8}, 2, 4},      {"client", true, false, {}, 17, 13},
      {"no window", false, true, {10, 10, 30, 20}, 0, 0},
  };
  std::unique_ptr<CBmpW> bmp = FromFile(MakeBmp(5, 3, 4));
  ASSERT_EQ(bmp->Load(0, 0), 0);
  for (const Case& c : cases) {
    MemoryFrame frame(kFrameW, kFrameH);
    FillMarker(frame);
    EXPECT_EQ(bmp->Draw(frame.dc(), c.window ? hwnd : nullptr, c.withArea ? &c.area : nullptr), 0);
    ExpectPictureAt(frame, c.x, c.y, 5, 3, 4, c.what);
  }
}

// Every size in a file is checked before it is used; a bad file is refused with its reason and
// the loader's summary, and nothing is drawn from it.
TEST_F(BmpWTest, BrokenFilesAreRefusedWithTheirReason) {
  struct Patch {
    size_t at;
    uint32_t value;
    int bytes;
  };
  struct Case {
    const char* what;
    std::vector<Patch> patches;
    size_t keep;  // bytes of the file kept; 0 all
    const char* reason;
  };
  // The 4-bit 5 x 3 file: headers 54 bytes, table 64, bits at 118, 12 image bytes, 130 in all.
  const Case cases[] = {
      {"not BM", {{0, 'X', 1}}, 0, "Not a BMP file"},
      {"offset over 64 KB", {{10, 0x10000 + 118, 4}}, 0, "BMP pixel offset out of range"},
      {"offset past the end", {{10, 131, 4}}, 0, "BMP pixel offset out of range"},
      {"offset inside the table", {{10, 117, 4}}, 0, "BMP colour table overlaps the pixels"},
      {"core header", {{14, 12, 4}}, 0, "BMP header size not supported"},
      {"huge header", {{14, 0xFFFFFFFF, 4}}, 0, "BMP header size not supported"},
      {"two planes", {{26, 2, 2}}, 0, "BMP planes not 1"},
      {"16 bits", {{28, 16, 2}}, 0, "BMP bits per pixel not supported"},
      {"0 bits", {{28, 0, 2}}, 0, "BMP bits per pixel not supported"},
      {"run-length", {{30, BI_RLE4, 4}}, 0, "BMP compression not supported"},
      {"zero width", {{18, 0, 4}}, 0, "BMP width or height out of range"},
      {"negative width", {{18, uint32_t(-5), 4}}, 0, "BMP width or height out of range"},
      {"zero height", {{22, 0, 4}}, 0, "BMP width or height out of range"},
      {"most negative height", {{22, 0x80000000, 4}}, 0, "BMP width or height out of range"},
      {"huge", {{18, 1 << 20, 4}, {22, 1 << 20, 4}}, 0, "BMP width or height out of range"},
      {"17 colours of 16", {{46, 17, 4}}, 0, "BMP colour table too large"},
      {"image size too small", {{34, 11, 4}}, 0, "BMP image size too small"},
      {"taller than the file", {{22, 4, 4}, {34, 0, 4}}, 0, "BMP file shorter than its image"},
      {"last row cut", {}, 129, "BMP file shorter than its image"},
      {"file header cut", {}, 10, "Error reading BMP file - FileHeader"},
      {"info header cut", {{10, 20, 4}}, 30, "Error reading BMP file - InfoHeader"},
  };
  for (const Case& c : cases) {
    std::vector<uint8_t> data = MakeBmp(5, 3, 4);
    ASSERT_EQ(data.size(), 130u);
    for (const Patch& p : c.patches) PutLE(data, p.at, p.value, p.bytes);
    if (c.keep) data.resize(c.keep);
    clearShownMessageBoxes();
    std::unique_ptr<CBmpW> bmp = FromFile(data);
    EXPECT_EQ(bmp->Load(0, 0), -1) << c.what;
    EXPECT_EQ(Boxes(), (std::vector<std::string>{std::string("Error!: ") + c.reason,
                                                 "Notice: Error loading BMP from file or resource, rc -1"}))
        << c.what;
    EXPECT_EQ(bmp->hbm, nullptr);
    MemoryFrame frame(kFrameW, kFrameH);
    FillMarker(frame);
    EXPECT_EQ(bmp->Draw(frame.dc(), nullptr, nullptr), -1) << c.what;
    EXPECT_EQ(GetPixel(frame.dc(), 0, 0), kMarker) << c.what;
  }
}

TEST_F(BmpWTest, AMissingOrUnnamedFileCannotBeOpened) {
  for (const char* name : {"/nonexistent/logo.bmp", static_cast<const char*>(nullptr)}) {
    clearShownMessageBoxes();
    CBmpW bmp(app.get(), CBmpW::kFromFile);
    bmp.SetFileName(name);
    EXPECT_EQ(bmp.Load(0, 0), -1);
    EXPECT_EQ(Boxes(), (std::vector<std::string>{"Error!: File open failed",
                                                 "Notice: Error loading BMP from file or resource, rc -1"}));
  }
}

}  // namespace
}  // namespace kx::test
