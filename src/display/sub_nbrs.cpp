#include "display/sub_nbrs.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/kalyx.h"
#include "gfx/gfx_dc.h"

namespace {

constexpr int kColumnDigits[] = {6, 7, 5, 8, 7, 8, 9, 3};
constexpr int kColumnGap = 2;

// A random number of up to n digits, without leading zeros; the largest draw of rand gives
// 10^n itself, one digit more. The text lives in one buffer that the next call reuses.
const char* RandomDigits(int n) {
  static char text[16];
  long double scale = 1.0L;
  for (int i = 0; i < n; ++i) scale *= 10.0L;
  const int r = CKalyx::Rand15();
  const long value = static_cast<long>(static_cast<long double>(r) * (1.0L / 32767.0L) * scale);
  snprintf(text, sizeof text, "%li", value);
  return text;
}

}  // namespace

int CSubNbrs::SetColors(CGfxClr* text, CGfxClr* back) {
  textClr = text;
  backClr = back;
  return 0;
}

int CSubNbrs::SetUp() {
  return 0;
}

int CSubNbrs::Paint(HWND hwndPaint, HDC hdc) {
  CGfxDc dc(hwndPaint, hdc);
  if (tm.tmHeight == 0) {
    GetTextMetricsA(dc, &tm);
    RECT client{0, 0, 0, 0};
    GetClientRect(hwnd, &client);
    // A context without metrics would divide by zero; such a panel gets no rows.
    rows = tm.tmHeight > 0 ? (client.bottom - client.top) / tm.tmHeight : 0;
  }
  CGfxSel font(dc, app->CreateSmallFont(dc));
  const COLORREF oldText = SetTextColor(dc, textClr ? textClr->GetRGB() : GetTextColor(dc));
  const COLORREF oldBack = SetBkColor(dc, backClr ? backClr->GetRGB() : GetBkColor(dc));
  PrintLine(dc);
  SetTextColor(dc, oldText);
  SetBkColor(dc, oldBack);
  return 0;
}

void CSubNbrs::PrintLine(HDC hdc) {
  const int y = lineY;
  lineY += tm.tmHeight - tm.tmInternalLeading;
  int x = 0;
  for (int digits : kColumnDigits) {
    const char* text = RandomDigits(digits);
    TextOutA(hdc, x, y, text, static_cast<int>(strlen(text)));
    x += digits * tm.tmAveCharWidth + kColumnGap;
  }
}

int CSubNbrs::Animate(int step) {
  if (step == 1) return 0;
  ++count;
  if (count < rows) {
    Paint(hwnd, nullptr);
    return 0;
  }
  lineY = 0;
  count = 0;
  InvalidateRect(hwnd, nullptr, TRUE);
  return 0;
}
