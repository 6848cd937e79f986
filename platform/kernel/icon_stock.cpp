// The layer's own pictures for the standard icons and cursors, drawn from small shape tests.
#include <array>
#include <functional>

#include "kernel/icon.h"

namespace kx {
namespace {

constexpr int kSize = 32;
constexpr uint32_t kClear = 0x00000000;
constexpr uint32_t kBlack = 0xFF000000;
constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr uint32_t kRed = 0xFFD02020;
constexpr uint32_t kBlue = 0xFF2050C0;
constexpr uint32_t kYellow = 0xFFF0D020;

// 5 x 7 marks, one row a byte, drawn three times their size in the middle of an icon.
using Glyph = std::array<uint8_t, 7>;
constexpr Glyph kCross = {0b10001, 0b10001, 0b01010, 0b00100, 0b01010, 0b10001, 0b10001};
constexpr Glyph kQuestion = {0b01110, 0b10001, 0b00001, 0b00110, 0b00100, 0b00000, 0b00100};
constexpr Glyph kExclamation = {0b00100, 0b00100, 0b00100, 0b00100, 0b00100, 0b00000, 0b00100};
constexpr Glyph kInformation = {0b00100, 0b00000, 0b01100, 0b00100, 0b00100, 0b00100, 0b01110};

bool glyphAt(const Glyph& glyph, int x, int y) {
  int gx = (x - 9) / 3, gy = (y - 6) / 3;
  if (x < 9 || y < 6 || gx >= 5 || gy >= 7) return false;
  return (glyph[static_cast<size_t>(gy)] >> (4 - gx)) & 1;
}

bool inDisc(int x, int y) {
  int dx = 2 * x + 1 - kSize, dy = 2 * y + 1 - kSize;
  return dx * dx + dy * dy <= 28 * 28;
}

IconImage paint(const std::function<uint32_t(int, int)>& colourAt) {
  IconImage image{kSize, kSize, std::vector<uint32_t>(kSize * kSize)};
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) image.argb[static_cast<size_t>(y * kSize + x)] = colourAt(x, y);
  }
  return image;
}

IconImage discWithMark(uint32_t disc, const Glyph& mark) {
  return paint([&](int x, int y) { return !inDisc(x, y) ? kClear : glyphAt(mark, x, y) ? kWhite : disc; });
}

// A filled shape: black on its edge, white inside, clear outside.
IconImage outlined(const std::function<bool(int, int)>& inside) {
  return paint([&](int x, int y) {
    if (!inside(x, y)) return kClear;
    bool edge = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
    return edge ? kBlack : kWhite;
  });
}

}  // namespace

std::optional<IconImage> stockIconImage(uint16_t id) {
  switch (id) {
    case 32512:  // IDI_APPLICATION: a window with a title bar
      return paint([](int x, int y) {
        if (x < 2 || x > 29 || y < 4 || y > 27) return kClear;
        if (x == 2 || x == 29 || y == 4 || y == 27) return kBlack;
        return y <= 8 ? kBlue : kWhite;
      });
    case 32513:  // IDI_HAND
      return discWithMark(kRed, kCross);
    case 32514:  // IDI_QUESTION
      return discWithMark(kBlue, kQuestion);
    case 32515:  // IDI_EXCLAMATION: a yellow triangle
      return paint([](int x, int y) {
        int halfWidth = (y - 2) / 2;
        if (y < 2 || y > 29 || x < 16 - halfWidth || x > 15 + halfWidth) return kClear;
        if (y == 29 || x == 16 - halfWidth || x == 15 + halfWidth) return kBlack;
        return glyphAt(kExclamation, x, y) ? kBlack : kYellow;
      });
    case 32516:  // IDI_ASTERISK: information
      return discWithMark(kBlue, kInformation);
    default:
      return std::nullopt;
  }
}

std::optional<StockCursor> stockCursor(uint16_t id) {
  switch (id) {
    case 32512:  // IDC_ARROW, pointing up and left from its hot spot
      return StockCursor{outlined([](int x, int y) {
                           bool head = x >= 0 && y >= 0 && y < 17 && 3 * x <= 2 * y;
                           bool shaft = y >= 12 && y < 21 && x >= y - 13 && x <= y - 9;
                           return head || shaft;
                         }),
                         0, 0};
    case 32513:  // IDC_IBEAM
      return StockCursor{paint([](int x, int y) {
                           bool stem = (x == 15 || x == 16) && y >= 8 && y <= 24;
                           bool serif = (y == 8 || y == 24) && x >= 12 && x <= 19;
                           return stem || serif ? kBlack : kClear;
                         }),
                         16, 16};
    case 32514:  // IDC_WAIT: an hourglass
      return StockCursor{outlined([](int x, int y) {
                           int fromMiddle = y < 16 ? 15 - y : y - 16;
                           return y >= 4 && y <= 27 && x >= 16 - fromMiddle / 2 - 2 &&
                                  x <= 15 + fromMiddle / 2 + 2;
                         }),
                         16, 16};
    default:
      return std::nullopt;
  }
}

}  // namespace kx
