// Small readers for the binary layouts inside resources, used to check what the compiler produced.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "kernel/res_file.h"

namespace kx::test {

inline kx::ResName resId(uint16_t id) {
  return kx::ResName{true, id, {}};
}
inline kx::ResName resName(const char* name) {
  return kx::ResName{false, 0, name};
}

inline uint16_t le16(const uint8_t* p) {
  return static_cast<uint16_t>(p[0] | p[1] << 8);
}
inline uint32_t le32(const uint8_t* p) {
  return le16(p) | static_cast<uint32_t>(le16(p + 2)) << 16;
}
inline int16_t les16(const uint8_t* p) {
  return static_cast<int16_t>(le16(p));
}

// A NUL-terminated UTF-16 string of ASCII characters at p; sets `units` to its length in 16-bit units
// including the terminator.
inline std::string utf16z(const uint8_t* p, size_t& units) {
  std::string text;
  for (units = 0;; ++units) {
    uint16_t unit = le16(p + 2 * units);
    if (unit == 0) break;
    text += static_cast<char>(unit);
  }
  ++units;
  return text;
}

// Whether the data holds `text` as UTF-16 (how version and dialog strings are stored).
inline bool containsUtf16(const kx::ResEntry& entry, const std::string& text) {
  std::string wide;
  for (char c : text) {
    wide += c;
    wide += '\0';
  }
  const char* begin = reinterpret_cast<const char*>(entry.data);
  return std::string(begin, entry.size).find(wide) != std::string::npos;
}

// A dialog template (DLGTEMPLATE with DS_SETFONT) and its items, as the resource compiler wrote it.
struct DialogItem {
  uint32_t style = 0;
  int16_t x = 0, y = 0, cx = 0, cy = 0;
  uint16_t id = 0;
  uint16_t classAtom = 0;  // 0x80 button, 0x81 edit, 0x82 static
  std::string text;
  uint16_t textOrdinal = 0;  // for icon statics: the icon's resource id
};

struct Dialog {
  uint32_t style = 0;
  int16_t x = 0, y = 0, cx = 0, cy = 0;
  std::string caption;
  uint16_t pointSize = 0;
  std::string face;
  std::vector<DialogItem> items;
};

inline size_t align4(size_t n) {
  return (n + 3) & ~size_t{3};
}

inline Dialog parseDialog(const uint8_t* base) {
  Dialog dlg;
  dlg.style = le32(base);
  uint16_t count = le16(base + 8);
  dlg.x = les16(base + 10), dlg.y = les16(base + 12), dlg.cx = les16(base + 14), dlg.cy = les16(base + 16);
  size_t at = 18 + 2 + 2;  // no menu, no class: one 0 word each
  size_t units = 0;
  dlg.caption = utf16z(base + at, units);
  at += 2 * units;
  dlg.pointSize = le16(base + at);
  dlg.face = utf16z(base + at + 2, units);
  at += 2 + 2 * units;
  for (uint16_t i = 0; i < count; ++i) {
    at = align4(at);
    DialogItem item;
    item.style = le32(base + at);
    item.x = les16(base + at + 8), item.y = les16(base + at + 10);
    item.cx = les16(base + at + 12), item.cy = les16(base + at + 14);
    item.id = le16(base + at + 16);
    at += 18;
    item.classAtom = le16(base + at + 2);  // 0xFFFF, atom
    at += 4;
    if (le16(base + at) == 0xFFFF) {
      item.textOrdinal = le16(base + at + 2);
      at += 4;
    } else {
      item.text = utf16z(base + at, units);
      at += 2 * units;
    }
    at += 2 + le16(base + at);  // creation data
    dlg.items.push_back(item);
  }
  return dlg;
}

// String `id` from its string-table block: 16 counted UTF-16 strings; the block's id is id / 16 + 1.
inline std::string tableString(const kx::ResEntry& block, uint16_t id) {
  size_t at = 0;
  for (uint16_t i = 0; i < id % 16; ++i) at += 2 + 2 * le16(block.data + at);
  std::string text;
  uint16_t length = le16(block.data + at);
  for (uint16_t i = 0; i < length; ++i) text += static_cast<char>(le16(block.data + at + 2 + 2 * i));
  return text;
}

}  // namespace kx::test
