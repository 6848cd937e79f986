#include "user/dialog_template.h"

namespace kx {
namespace {

// Reads little-endian fields; a read past the end marks the reader failed and yields zeros.
class TemplateReader {
 public:
  explicit TemplateReader(std::span<const uint8_t> bytes) : m_bytes(bytes) {}

  bool failed() const { return m_failed; }

  uint16_t word() {
    if (!need(2)) return 0;
    uint16_t value = static_cast<uint16_t>(m_bytes[m_pos] | (m_bytes[m_pos + 1] << 8));
    m_pos += 2;
    return value;
  }
  uint32_t dword() {
    uint32_t low = word();
    return low | (static_cast<uint32_t>(word()) << 16);
  }
  int16_t shortValue() { return static_cast<int16_t>(word()); }
  uint8_t byte() {
    if (!need(1)) return 0;
    return m_bytes[m_pos++];
  }

  // Items start on DWORD boundaries counted from the template's first byte.
  void alignToDword() { m_pos = (m_pos + 3) & ~size_t{3}; }

  // A NUL-terminated UTF-16 string, narrowed to the single-byte code page (Latin-1 here).
  std::string string() {
    std::string text;
    for (uint16_t unit = word(); unit != 0 && !m_failed; unit = word())
      text.push_back(unit < 0x100 ? static_cast<char>(unit) : '?');
    return text;
  }

  // A string or an ordinal: 0 means none, 0xFFFF an ordinal follows, anything else starts a string.
  struct NameOrOrdinal {
    std::string name;
    int ordinal = -1;
  };
  NameOrOrdinal nameOrOrdinal() {
    NameOrOrdinal result;
    if (!need(2)) return result;
    uint16_t first = static_cast<uint16_t>(m_bytes[m_pos] | (m_bytes[m_pos + 1] << 8));
    if (first == 0xFFFF) {
      m_pos += 2;
      result.ordinal = word();
    } else {
      result.name = string();
    }
    return result;
  }

 private:
  bool need(size_t count) {
    if (m_failed || m_pos + count > m_bytes.size()) {
      m_failed = true;
      return false;
    }
    return true;
  }

  std::span<const uint8_t> m_bytes;
  size_t m_pos = 0;
  bool m_failed = false;
};

std::string predefinedClassName(int ordinal) {
  switch (ordinal) {
    case 0x80:
      return "BUTTON";
    case 0x81:
      return "EDIT";
    case 0x82:
      return "STATIC";
    case 0x83:
      return "LISTBOX";
    case 0x84:
      return "SCROLLBAR";
    case 0x85:
      return "COMBOBOX";
    default:
      return "#" + std::to_string(ordinal);
  }
}

std::string nameOf(const TemplateReader::NameOrOrdinal& value) {
  return value.ordinal >= 0 ? "#" + std::to_string(value.ordinal) : value.name;
}

DialogUnits readUnits(TemplateReader& reader) {
  DialogUnits units;
  units.x = reader.shortValue();
  units.y = reader.shortValue();
  units.cx = reader.shortValue();
  units.cy = reader.shortValue();
  return units;
}

DialogItemTemplate readItem(TemplateReader& reader, bool extended) {
  DialogItemTemplate item;
  reader.alignToDword();
  if (extended) {
    reader.dword();  // help id
    item.exStyle = reader.dword();
    item.style = reader.dword();
  } else {
    item.style = reader.dword();
    item.exStyle = reader.dword();
  }
  item.units = readUnits(reader);
  item.id = extended ? static_cast<int>(reader.dword()) : reader.shortValue();
  auto cls = reader.nameOrOrdinal();
  item.className = cls.ordinal >= 0 ? predefinedClassName(cls.ordinal) : cls.name;
  auto title = reader.nameOrOrdinal();
  item.title = title.name;
  item.titleOrdinal = title.ordinal;
  uint16_t extra = reader.word();
  for (uint16_t i = 0; i < extra; ++i) reader.byte();  // creation data: no control of ours takes any
  return item;
}

}  // namespace

std::optional<DialogTemplate> parseDialogTemplate(std::span<const uint8_t> bytes) {
  TemplateReader reader(bytes);
  DialogTemplate dialog;
  uint16_t first = reader.word();
  uint16_t second = reader.word();
  dialog.extended = first == 1 && second == 0xFFFF;
  if (dialog.extended) {
    reader.dword();  // help id
    dialog.exStyle = reader.dword();
    dialog.style = reader.dword();
  } else {
    dialog.style = first | (static_cast<DWORD>(second) << 16);
    dialog.exStyle = reader.dword();
  }
  uint16_t count = reader.word();
  dialog.units = readUnits(reader);
  dialog.menu = nameOf(reader.nameOrOrdinal());
  dialog.className = nameOf(reader.nameOrOrdinal());
  dialog.caption = reader.string();
  if (dialog.style & DS_SETFONT) {
    dialog.hasFont = true;
    dialog.pointSize = reader.word();
    if (dialog.extended) {
      dialog.weight = reader.word();
      dialog.italic = reader.byte() != 0;
      reader.byte();  // character set
    }
    dialog.typeface = reader.string();
  }
  for (uint16_t i = 0; i < count && !reader.failed(); ++i)
    dialog.items.push_back(readItem(reader, dialog.extended));
  if (reader.failed()) return std::nullopt;
  return dialog;
}

}  // namespace kx
