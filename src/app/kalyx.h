// The application object: settings from "Kalyx.ini", the derived timing values, the message text
// of the incoming-message screen, the colour table, two font factories, random numbers and the
// trace log. One exists per process; screens and panels keep a borrowed pointer to it.
#pragma once

#include <windows.h>

#include "framework/gui.h"
#include "gfx/gfx_clr.h"

class CKalyx : public BGui {
 public:
  static constexpr int kColorSlots = 28;
  // ClrCd of the graded (more than 256 colours) scheme; any other value is the 256-colour one.
  static constexpr int kHighColor = 2;

  // Reads the settings; the owner calls BuildColors next.
  CKalyx();
  ~CKalyx() override;

  // Reads every key (defaults and corrections included), then the derived values.
  void LoadSettings();
  // Writes every key; line breaks of CommText are stored as "||".
  void SaveSettings();
  // DispCnt from the five screen flags; a non-zero count turns the test screen off for good.
  void CountDisplays();
  // Creates the 28 colour objects and gives them the colours of the current scheme. Always 0.
  int BuildColors();
  // The colour object of a slot (0 to 27), or null for a slot that does not exist.
  CGfxClr* Clr(int slot) const;

  // 0 to 32767 from rand(), fifteen bits as Windows' rand() gives on every platform: a wider
  // generator would overshoot the ranges, columns and choices scaled from it.
  static int Rand15();
  // In [lo, hi], both ends included.
  double RandomRange(double lo, double hi) const;
  // Fonts the caller owns and deletes; null when hdc is null or the device reports no size.
  HFONT CreateSmallFont(HDC hdc) const;
  HFONT CreateScreenFont(HDC hdc) const;

  // The trace log keeps no state of the object, so it works before and after the object exists.
  static void WriteTrace(const char* format, ...);
  static BOOL ClearTrace();

  int ClrCd = kHighColor;
  int ScrnScnds = 5;
  int ClkScndCnt = 2;
  int TimerPeriod = 0;  // milliseconds
  int DispCnt = 0;
  int DispShld = 1;
  int DispMedc = 1;
  int DispComm = 1;
  int DispWarp = 1;
  int DispOrbt = 1;
  int DispTest = 1;  // never stored: on only while no other screen is enabled
  int ScrnAnim = 1;
  int ScrnTran = 1;                     // stored and loaded only
  char* CommText = nullptr;             // owned; lines separated by CR LF
  CGfxClr* clrTable[kColorSlots] = {};  // owned

  // Trace log state of the process: the next entry restarts the file while bTraceFresh is set.
  static bool bTraceFresh;
  static int nTraceCount;
};
