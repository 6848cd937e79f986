#include "app/kalyx.h"

#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <new>

#include "app/screen_table.h"
#include "framework/owned_str.h"

namespace {

const char kIniFile[] = "Kalyx.ini";
const char kSection[] = "Settings";
const char kDefaultCommText[] = "INCOMING SUBSPACE MESSAGE:||Commander Tarvell";
// A stored text is read into this many bytes, so at most 255 characters survive.
constexpr DWORD kCommTextBuffer = 256;

struct IntKey {
  const char* key;
  int CKalyx::*field;
  int fallback;  // when the key is absent
};

// The file's order, which SaveSettings keeps: these keys, the screens' enable keys, then the tail.
const IntKey kLeadKeys[] = {
    {"ClrCd", &CKalyx::ClrCd, 1},
    {"ScrnScnds", &CKalyx::ScrnScnds, 30},
    {"ClkScndCnt", &CKalyx::ClkScndCnt, 2},
};
const IntKey kTailKeys[] = {
    {"ScrnAnim", &CKalyx::ScrnAnim, 1},
    {"ScrnTran", &CKalyx::ScrnTran, 1},
};
// A stored screen is enabled when its key is absent.
constexpr int kScreenFallback = 1;

// Visits every stored integer setting in the file's order.
template <class Visit>
void ForEachIntKey(Visit visit) {
  for (const IntKey& k : kLeadKeys) visit(k.key, k.field, k.fallback);
  for (const ScreenEntry& screen : aScreens) {
    if (screen.key != nullptr) visit(screen.key, screen.enable, kScreenFallback);
  }
  for (const IntKey& k : kTailKeys) visit(k.key, k.field, k.fallback);
}

struct SlotColors {
  BYTE high[3];
  BYTE low[3];  // the 256-colour scheme: graded families collapse to one colour each
};

const SlotColors kSlotColors[CKalyx::kColorSlots] = {
    {{0, 0, 0}, {0, 0, 0}},
    {{255, 255, 255}, {255, 255, 255}},
    {{255, 255, 0}, {255, 255, 0}},
    {{128, 128, 0}, {128, 128, 0}},
    {{0, 255, 255}, {0, 255, 255}},
    {{0, 0, 255}, {0, 0, 255}},
    {{0, 0, 128}, {0, 0, 128}},
    {{128, 0, 0}, {128, 0, 0}},
    {{255, 0, 0}, {255, 0, 0}},
    {{255, 255, 96}, {255, 255, 64}},
    {{255, 255, 64}, {255, 255, 64}},
    {{128, 255, 255}, {128, 255, 255}},
    {{255, 128, 128}, {255, 128, 128}},
    {{255, 192, 192}, {255, 192, 192}},
    {{223, 192, 223}, {128, 96, 128}},
    {{128, 255, 128}, {128, 255, 128}},
    {{255, 212, 64}, {255, 255, 64}},
    {{255, 228, 96}, {255, 255, 64}},
    {{255, 244, 128}, {255, 255, 64}},
    {{64, 228, 228}, {128, 255, 255}},
    {{144, 255, 255}, {128, 255, 255}},
    {{212, 255, 255}, {128, 255, 255}},
    {{160, 64, 160}, {160, 64, 160}},
    {{196, 96, 196}, {160, 64, 160}},
    {{196, 128, 196}, {160, 64, 160}},
    {{96, 96, 255}, {128, 128, 255}},
    {{128, 128, 255}, {128, 128, 255}},
    {{164, 164, 255}, {128, 128, 255}},
};

// Replaces every pair `from`, searched from the left, by `to` in place (both two characters).
void ReplacePairs(char* text, const char (&from)[3], const char (&to)[3]) {
  for (char* p = text; p[0] != '\0' && p[1] != '\0';) {
    if (p[0] == from[0] && p[1] == from[1]) {
      p[0] = to[0];
      p[1] = to[1];
      p += 2;
    } else {
      ++p;
    }
  }
}

HFONT MakeFont(LONG height, LONG width, const char* face) {
  LOGFONTA lf{};
  lf.lfHeight = height;
  lf.lfWidth = width;
  std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
  return CreateFontIndirectA(&lf);
}

}  // namespace

CKalyx::CKalyx() {
  LoadSettings();
}

CKalyx::~CKalyx() {
  delete[] CommText;
  for (CGfxClr*& clr : clrTable) {
    delete clr;
    clr = nullptr;
  }
}

void CKalyx::LoadSettings() {
  ForEachIntKey([this](const char* key, int CKalyx::*field, int fallback) {
    this->*field = static_cast<int>(GetPrivateProfileIntA(kSection, key, fallback, kIniFile));
  });
  if (ScrnScnds <= 0) ScrnScnds = 30;
  if (ClkScndCnt <= 0) ClkScndCnt = 2;
  TimerPeriod = 1000 / ClkScndCnt + 1;
  CountDisplays();

  char text[kCommTextBuffer] = {};
  DWORD length =
      GetPrivateProfileStringA(kSection, "CommText", kDefaultCommText, text, kCommTextBuffer, kIniFile);
  // A key with an empty value keeps whatever text there was (none on the first load).
  if (length == 0) return;
  if (StrAssign(&CommText, text) != nullptr) ReplacePairs(CommText, "||", "\r\n");
}

void CKalyx::SaveSettings() {
  ForEachIntKey([this](const char* key, int CKalyx::*field, int) {
    char* number = IntToText(this->*field);
    WritePrivateProfileStringA(kSection, key, number != nullptr ? number : "0", kIniFile);
    delete[] number;
  });
  char* stored = nullptr;
  // A lone CR or LF is kept as it is; only CR LF pairs become "||".
  if (StrDup(&stored, CommText) != nullptr) ReplacePairs(stored, "\r\n", "||");
  WritePrivateProfileStringA(kSection, "CommText", stored != nullptr ? stored : "", kIniFile);
  delete[] stored;
  CountDisplays();
}

void CKalyx::CountDisplays() {
  DispCnt = 0;
  for (const ScreenEntry& screen : aScreens) {
    if (screen.key != nullptr && this->*screen.enable != 0) ++DispCnt;
  }
  if (DispCnt != 0) DispTest = 0;
}

int CKalyx::BuildColors() {
  for (CGfxClr*& clr : clrTable) {
    if (clr == nullptr) clr = new (std::nothrow) CGfxClr;
  }
  for (int slot = 0; slot < kColorSlots; ++slot) {
    if (clrTable[slot] == nullptr) continue;
    const BYTE* rgb = ClrCd == kHighColor ? kSlotColors[slot].high : kSlotColors[slot].low;
    clrTable[slot]->SetRGB(rgb[0], rgb[1], rgb[2]);
  }
  return 0;
}

CGfxClr* CKalyx::Clr(int slot) const {
  return slot >= 0 && slot < kColorSlots ? clrTable[slot] : nullptr;
}

int CKalyx::Rand15() {
  return std::rand() & 0x7FFF;
}

double CKalyx::RandomRange(double lo, double hi) const {
  long double r = Rand15();
  return static_cast<double>(lo + r * (1.0L / 32767) * (static_cast<long double>(hi) - lo));
}

HFONT CKalyx::CreateSmallFont(HDC hdc) const {
  if (hdc == nullptr) return nullptr;
  int logPixelsY = GetDeviceCaps(hdc, LOGPIXELSY);
  if (logPixelsY == 0) return nullptr;
  return MakeFont(-MulDiv(8, logPixelsY, 72), 0, "MS Sans Serif");
}

HFONT CKalyx::CreateScreenFont(HDC hdc) const {
  if (hdc == nullptr) return nullptr;
  int vertRes = GetDeviceCaps(hdc, VERTRES);
  if (vertRes == 0) return nullptr;
  return MakeFont(-(vertRes / 15), -(GetDeviceCaps(hdc, HORZRES) / 88), "Arial");
}
