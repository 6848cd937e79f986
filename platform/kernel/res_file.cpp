#include "kernel/res_file.h"

#include <cctype>
#include <cstring>
#include <optional>

extern "C" const uint8_t kalyx_res_begin[];
extern "C" const uint8_t kalyx_res_end[];

namespace kx {
namespace {

// Size of an entry header's fixed fields after its type and name: data version (4), memory flags (2),
// language (2), version (4), characteristics (4).
constexpr size_t kHeaderTail = 16;
// Data size and header size open every entry.
constexpr size_t kHeaderHead = 8;

size_t alignUp4(size_t n) {
  return (n + 3) & ~size_t{3};
}

// Bounds-checked little-endian reads over one span of bytes.
class ByteReader {
 public:
  ByteReader(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}

  std::optional<uint16_t> u16(size_t at) const {
    if (at > m_size || m_size - at < 2) return std::nullopt;
    return static_cast<uint16_t>(m_data[at] | m_data[at + 1] << 8);
  }
  std::optional<uint32_t> u32(size_t at) const {
    auto lo = u16(at);
    auto hi = u16(at + 2);
    if (!lo || !hi) return std::nullopt;
    return static_cast<uint32_t>(*lo) | static_cast<uint32_t>(*hi) << 16;
  }

 private:
  const uint8_t* m_data;
  size_t m_size;
};

void appendUtf8(std::string& out, uint16_t unit) {
  if (unit < 0x80) {
    out += static_cast<char>(unit);
  } else if (unit < 0x800) {
    out += static_cast<char>(0xC0 | unit >> 6);
    out += static_cast<char>(0x80 | (unit & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | unit >> 12);
    out += static_cast<char>(0x80 | (unit >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (unit & 0x3F));
  }
}

// Reads a type or name field at `at` (inside a header of `limit` bytes); advances `at` past it.
std::optional<ResName> readName(const ByteReader& header, size_t& at) {
  auto first = header.u16(at);
  if (!first) return std::nullopt;
  ResName result;
  if (*first == 0xFFFF) {
    auto id = header.u16(at + 2);
    if (!id) return std::nullopt;
    result.isId = true;
    result.id = *id;
    at += 4;
    return result;
  }
  for (;;) {
    auto unit = header.u16(at);
    if (!unit) return std::nullopt;
    at += 2;
    if (*unit == 0) return result;
    appendUtf8(result.name, *unit);
  }
}

// One entry starting at `offset`; sets `next` to where the following entry begins.
std::optional<ResEntry> readEntry(const uint8_t* data, size_t size, size_t offset, size_t& next) {
  size_t left = size - offset;
  ByteReader head(data + offset, left);
  auto dataSize = head.u32(0);
  auto headerSize = head.u32(4);
  if (!dataSize || !headerSize) return std::nullopt;
  if (*headerSize < kHeaderHead + 4 + 4 + kHeaderTail || *headerSize > left) return std::nullopt;
  size_t dataStart = alignUp4(*headerSize);
  if (dataStart > left || *dataSize > left - dataStart) return std::nullopt;

  // Type and name must end inside the header, leaving room for the fixed tail.
  ByteReader header(data + offset, *headerSize - kHeaderTail);
  size_t at = kHeaderHead;
  auto type = readName(header, at);
  if (!type) return std::nullopt;
  auto name = readName(header, at);
  if (!name) return std::nullopt;
  at = alignUp4(at);
  auto language = head.u16(at + 6);
  if (at + kHeaderTail > *headerSize || !language) return std::nullopt;

  ResEntry entry;
  entry.type = std::move(*type);
  entry.name = std::move(*name);
  entry.language = *language;
  entry.data = data + offset + dataStart;
  entry.size = *dataSize;
  next = offset + dataStart + alignUp4(*dataSize);
  return entry;
}

bool equalsIgnoreCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

}  // namespace

bool operator==(const ResName& a, const ResName& b) {
  if (a.isId != b.isId) return false;
  return a.isId ? a.id == b.id : equalsIgnoreCase(a.name, b.name);
}

ResFile ResFile::parse(const uint8_t* data, size_t size) {
  ResFile file;
  if (!data) return file;
  size_t offset = 0;
  while (offset < size) {
    size_t next = 0;
    auto entry = readEntry(data, size, offset, next);
    if (!entry) break;
    // The file opens with an empty entry (type 0, name 0) that only marks it as 32-bit.
    bool marker = entry->type.isId && entry->type.id == 0 && entry->size == 0;
    if (!marker) file.m_entries.push_back(std::move(*entry));
    offset = next;
  }
  return file;
}

const ResEntry* ResFile::find(const ResName& type, const ResName& name) const {
  for (const auto& entry : m_entries) {
    if (entry.type == type && entry.name == name) return &entry;
  }
  return nullptr;
}

const ResFile& programResources() {
  static const ResFile file =
      ResFile::parse(kalyx_res_begin, static_cast<size_t>(kalyx_res_end - kalyx_res_begin));
  return file;
}

ResName resNameFromWin32(const char* nameOrId) {
  ResName result;
  auto value = reinterpret_cast<uintptr_t>(nameOrId);
  if (value <= 0xFFFF) {  // IS_INTRESOURCE
    result.isId = true;
    result.id = static_cast<uint16_t>(value);
    return result;
  }
  if (nameOrId[0] == '#') {
    const char* digits = nameOrId + 1;
    size_t count = std::strlen(digits);
    bool allDigits = count > 0 && count <= 5;
    unsigned long number = 0;
    for (size_t i = 0; allDigits && i < count; ++i) {
      allDigits = std::isdigit(static_cast<unsigned char>(digits[i])) != 0;
      number = number * 10 + static_cast<unsigned long>(digits[i] - '0');
    }
    if (allDigits && number <= 0xFFFF) {
      result.isId = true;
      result.id = static_cast<uint16_t>(number);
      return result;
    }
  }
  result.name = nameOrId;
  return result;
}

}  // namespace kx
