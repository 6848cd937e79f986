// The compiled resource file (.res) that the build links into the program, read in place.
//
// A .res is a run of entries, each a header (data size, header size, type, name, language, ...)
// followed by the data, both padded to 4 bytes. Types and names are either 16-bit ids or UTF-16
// strings. The reader keeps pointers into the image; the image must outlive the ResFile.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kx {

// A resource type or name: an id (MAKEINTRESOURCE) or a string; strings compare case-insensitively,
// as the resource compiler stores them in upper case while callers may spell them either way.
struct ResName {
  bool isId = false;
  uint16_t id = 0;
  std::string name;
};

bool operator==(const ResName& a, const ResName& b);

struct ResEntry {
  ResName type;
  ResName name;
  uint16_t language = 0;
  const uint8_t* data = nullptr;
  uint32_t size = 0;
};

class ResFile {
 public:
  // Parses a .res image; malformed or truncated input yields the entries read before the fault
  // (never a read past the end).
  static ResFile parse(const uint8_t* data, size_t size);
  const ResEntry* find(const ResName& type, const ResName& name) const;  // null when not found
  const std::vector<ResEntry>& entries() const { return m_entries; }

 private:
  std::vector<ResEntry> m_entries;
};

// The program's own .res (kalyx_res_begin/kalyx_res_end), parsed once.
const ResFile& programResources();

// MAKEINTRESOURCE ids, "#100" strings and names.
ResName resNameFromWin32(const char* nameOrId);

}  // namespace kx
