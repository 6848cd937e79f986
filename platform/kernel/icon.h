// Icons and cursors as the layer keeps them: decoded pictures behind HICON and HCURSOR handles.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "kernel/handle_table.h"
#include "kernel/res_file.h"

namespace kx {

// Pixels are 0xAARRGGBB with straight (not premultiplied) alpha, rows top-down.
struct IconImage {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> argb;
};

class IconObject : public HandleObject {
 public:
  static constexpr HandleKind kKind = HandleKind::Icon;
  explicit IconObject(IconImage image)
      : HandleObject(kKind), width(image.width), height(image.height), argb(std::move(image.argb)) {}
  int width;
  int height;
  std::vector<uint32_t> argb;
};

class CursorObject : public HandleObject {
 public:
  static constexpr HandleKind kKind = HandleKind::Cursor;
  CursorObject(IconImage image, int hotX, int hotY)
      : HandleObject(kKind),
        width(image.width),
        height(image.height),
        hotX(hotX),
        hotY(hotY),
        argb(std::move(image.argb)) {}
  int width;
  int height;
  int hotX;
  int hotY;
  std::vector<uint32_t> argb;
};

// One icon image of an RT_ICON resource: a DIB (BITMAPINFOHEADER, colour bits, then the AND mask,
// with biHeight counting both) of 1, 4, 8, 24 or 32 bits a pixel. Nothing for malformed data.
std::optional<IconImage> decodeIconImage(const uint8_t* data, size_t size);

// The RT_ICON id that an RT_GROUP_ICON directory offers as the best match for size x size: that
// size exactly with the most colours, else the nearest size. Nothing for an empty or bad directory.
std::optional<uint16_t> bestIconInGroup(const uint8_t* data, size_t size, int wanted);

// The group's best image, scaled (nearest pixel) to size x size when no image has that size.
std::optional<IconImage> loadIconFromResources(const ResFile& resources, const ResName& group, int size);

// The built-in pictures of the IDI_* icons and IDC_* cursors (32 x 32); nothing for other ids.
std::optional<IconImage> stockIconImage(uint16_t id);
struct StockCursor {
  IconImage image;
  int hotX;
  int hotY;
};
std::optional<StockCursor> stockCursor(uint16_t id);

}  // namespace kx
