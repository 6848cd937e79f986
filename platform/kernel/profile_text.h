// The text of a profile (INI) file: reading it line by line (lines end in CR LF, LF or CR) and
// editing it.
//
// Both work in one pass over the bytes and keep nothing per line, so a 50 MB file costs time in
// proportion to its size and no more memory than its own copy.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kx {

struct ProfileLine {
  enum class Kind { Section, Entry, Other };
  Kind kind = Kind::Other;
  std::string_view name;   // section or key name without the blanks around it
  std::string_view value;  // an entry's value without the blanks around it, quotes kept
  size_t begin = 0;        // offset of the line's first byte
  size_t end = 0;          // offset just after its line break
  bool hasBreak = false;   // false only for a last line that ends without one
};

class ProfileLines {
 public:
  explicit ProfileLines(std::string_view text);
  bool next(ProfileLine& line);

 private:
  std::string_view m_text;
  size_t m_pos = 0;
};

// Section and key names match without regard to case.
bool sameProfileName(std::string_view a, std::string_view b);
// A value loses one outer pair of matching quotes, as the reading functions return it.
std::string_view unquotedProfileValue(std::string_view value);

// The value of the first key of that name in any section of that name.
std::optional<std::string_view> findProfileValue(std::string_view text, std::string_view section,
                                                 std::string_view key);
std::vector<std::string_view> profileSectionNames(std::string_view text);
std::vector<std::string_view> profileKeyNames(std::string_view text, std::string_view section);

// The line break the text already uses (that of its first line): CR LF, LF or CR; CR LF for a
// text of one line.
std::string_view profileLineBreak(std::string_view text);

// Sets a key's value (the first key of that name keeps its place and spelling; a new one goes to
// the end of its section, a new section to the end of the text), deletes a key when value is
// null, or deletes the section when key is null. New lines end in the text's own line break.
// Returns the edited text, or nothing when the text does not change.
std::optional<std::string> editProfileText(std::string_view text, std::string_view section, const char* key,
                                           const char* value);

}  // namespace kx
