#include "kernel/profile_text.h"

#include <cstring>

namespace kx {
namespace {

constexpr std::string_view kBlanks = " \t\r\v\f";
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kLineBreak = "\r\n";

std::string_view trimmed(std::string_view text) {
  size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  size_t last = text.find_last_not_of(kBlanks);
  return text.substr(first, last - first + 1);
}

char lowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 0x20) : c;
}

void classify(std::string_view content, ProfileLine& line) {
  std::string_view body = trimmed(content);
  line.kind = ProfileLine::Kind::Other;
  line.name = {};
  line.value = {};
  if (body.empty() || body.front() == ';') return;
  if (body.front() == '[') {
    // A header without its closing bracket still names a section, up to the end of the line.
    size_t close = body.find(']');
    line.kind = ProfileLine::Kind::Section;
    line.name = trimmed(body.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
    return;
  }
  size_t equals = body.find('=');
  if (equals == std::string_view::npos) return;
  line.kind = ProfileLine::Kind::Entry;
  line.name = trimmed(body.substr(0, equals));
  line.value = trimmed(body.substr(equals + 1));
}

// Walks the lines with a flag for "inside a section of this name".
template <class Visit>
void forEachLineInSections(std::string_view text, std::string_view section, Visit visit) {
  ProfileLines lines(text);
  ProfileLine line;
  bool inside = false;
  while (lines.next(line)) {
    if (line.kind == ProfileLine::Kind::Section) inside = sameProfileName(line.name, section);
    if (!visit(line, inside)) return;
  }
}

}  // namespace

ProfileLines::ProfileLines(std::string_view text) : m_text(text) {
  if (m_text.substr(0, kUtf8Mark.size()) == kUtf8Mark) m_pos = kUtf8Mark.size();
}

// A line ends at CR LF, LF or a lone CR, whichever style the file was written in.
bool ProfileLines::next(ProfileLine& line) {
  if (m_pos >= m_text.size()) return false;
  size_t breakAt = m_text.find_first_of(kLineBreak, m_pos);
  size_t length = (breakAt == std::string_view::npos ? m_text.size() : breakAt) - m_pos;
  line.begin = m_pos;
  line.hasBreak = breakAt != std::string_view::npos;
  line.end = m_pos + length;
  if (line.hasBreak) line.end += m_text.substr(breakAt, 2) == "\r\n" ? 2 : 1;
  classify(m_text.substr(m_pos, length), line);
  m_pos = line.end;
  return true;
}

std::string_view profileLineBreak(std::string_view text) {
  size_t breakAt = text.find_first_of(kLineBreak);
  if (breakAt == std::string_view::npos) return kLineBreak;
  if (text[breakAt] == '\n') return "\n";
  return text.substr(breakAt, 2) == kLineBreak ? kLineBreak : "\r";
}

bool sameProfileName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
  }
  return true;
}

std::string_view unquotedProfileValue(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

std::optional<std::string_view> findProfileValue(std::string_view text, std::string_view section,
                                                 std::string_view key) {
  std::optional<std::string_view> found;
  section = trimmed(section);
  key = trimmed(key);
  forEachLineInSections(text, section, [&](const ProfileLine& line, bool inside) {
    if (inside && line.kind == ProfileLine::Kind::Entry && sameProfileName(line.name, key)) {
      found = line.value;
      return false;
    }
    return true;
  });
  return found;
}

std::vector<std::string_view> profileSectionNames(std::string_view text) {
  std::vector<std::string_view> names;
  ProfileLines lines(text);
  ProfileLine line;
  while (lines.next(line)) {
    if (line.kind == ProfileLine::Kind::Section) names.push_back(line.name);
  }
  return names;
}

std::vector<std::string_view> profileKeyNames(std::string_view text, std::string_view section) {
  std::vector<std::string_view> names;
  forEachLineInSections(text, trimmed(section), [&](const ProfileLine& line, bool inside) {
    if (inside && line.kind == ProfileLine::Kind::Entry) names.push_back(line.name);
    return true;
  });
  return names;
}

std::optional<std::string> editProfileText(std::string_view text, std::string_view section, const char* key,
                                           const char* value) {
  std::string_view sectionName = trimmed(section);
  std::string_view keyName = key ? trimmed(key) : std::string_view();
  // Deleting drops whole lines; setting replaces one line or inserts one at a point.
  struct Range {
    size_t begin, end;
  };
  std::vector<Range> dropped;
  std::optional<Range> replaced;
  std::string_view spelling = keyName;
  size_t insertAt = std::string_view::npos;
  bool insertAfterUnbrokenLine = false;
  bool sectionSeen = false;
  bool inFirstSection = false;

  forEachLineInSections(text, sectionName, [&](const ProfileLine& line, bool inside) {
    if (line.kind == ProfileLine::Kind::Section) {
      inFirstSection = inside && !sectionSeen;
      sectionSeen = sectionSeen || inside;
    }
    if (!inside) return true;
    bool keyLine = key && line.kind == ProfileLine::Kind::Entry && sameProfileName(line.name, keyName);
    if (!key || (keyLine && !value)) dropped.push_back({line.begin, line.end});
    if (keyLine && value && !replaced) {
      replaced = Range{line.begin, line.end};
      spelling = line.name;
    }
    // A new key follows the section's last entry, ahead of the blank lines that separate sections.
    if (inFirstSection && line.kind != ProfileLine::Kind::Other) {
      insertAt = line.end;
      insertAfterUnbrokenLine = !line.hasBreak;
    }
    return true;
  });

  std::string result;
  if (key && value) {
    const std::string_view lineBreak = profileLineBreak(text);
    std::string newLine;
    if (!replaced && !sectionSeen) {
      if (!text.empty() && text.back() != '\n' && text.back() != '\r') newLine.append(lineBreak);
      newLine.append("[").append(sectionName).append("]").append(lineBreak);
      insertAt = text.size();
    } else if (!replaced && insertAfterUnbrokenLine) {
      newLine.append(lineBreak);
    }
    newLine.append(spelling).append("=").append(value).append(lineBreak);
    Range range = replaced ? *replaced : Range{insertAt, insertAt};
    result.reserve(text.size() + newLine.size());
    result.append(text.substr(0, range.begin)).append(newLine).append(text.substr(range.end));
    return result;
  }
  if (dropped.empty()) return std::nullopt;
  result.reserve(text.size());
  size_t pos = 0;
  for (const Range& range : dropped) {
    result.append(text.substr(pos, range.begin - pos));
    pos = range.end;
  }
  result.append(text.substr(pos));
  return result;
}

}  // namespace kx
