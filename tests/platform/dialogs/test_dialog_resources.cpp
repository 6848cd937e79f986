#include "test_dialog_resources.h"

#include <fstream>
#include <iterator>

namespace kx::test {
namespace {

uint32_t dwordAt(const std::vector<uint8_t>& bytes, size_t pos) {
  return bytes[pos] | bytes[pos + 1] << 8 | bytes[pos + 2] << 16 |
         static_cast<uint32_t>(bytes[pos + 3]) << 24;
}

// A .res entry's type or name: an ordinal (0xFFFF, n) or a NUL-terminated UTF-16 string.
std::string nameAt(const std::vector<uint8_t>& bytes, size_t& pos) {
  if (bytes[pos] == 0xFF && bytes[pos + 1] == 0xFF) {
    std::string ordinal = "#" + std::to_string(bytes[pos + 2] | bytes[pos + 3] << 8);
    pos += 4;
    return ordinal;
  }
  std::string name;
  for (; bytes[pos] || bytes[pos + 1]; pos += 2) name.push_back(static_cast<char>(bytes[pos]));
  pos += 2;
  return name;
}

}  // namespace

std::vector<uint8_t> testDialogTemplate(const std::string& name) {
  std::ifstream file(KALYX_TEST_DIALOGS_RES, std::ios::binary);
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  for (size_t pos = 0; pos + 8 <= bytes.size();) {
    uint32_t dataSize = dwordAt(bytes, pos);
    uint32_t headerSize = dwordAt(bytes, pos + 4);
    size_t field = pos + 8;
    std::string type = nameAt(bytes, field);
    std::string entry = nameAt(bytes, field);
    size_t data = pos + headerSize;
    if (type == "#5" && entry == name) return {bytes.begin() + data, bytes.begin() + data + dataSize};
    pos = (data + dataSize + 3) & ~size_t{3};
  }
  return {};
}

}  // namespace kx::test
