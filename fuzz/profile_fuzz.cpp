// The profile-file reader and editor on any bytes: every reading function walks the text, and an
// edit with a fuzzed section, key and value must read back as written.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "kernel/profile_text.h"

namespace {

// Names and values the writing function would accept: no line breaks.
std::string withoutBreaks(std::string text) {
  std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
  return text;
}

// A name or value that reads back unchanged: letters and digits only, so no blanks to trim, no
// quotes to remove and no '=' or ']' to end it early.
bool plain(const std::string& text) {
  if (text.empty()) return false;
  for (unsigned char c : text) {
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))) return false;
  }
  return true;
}

void readAll(std::string_view text) {
  kx::ProfileLines lines(text);
  kx::ProfileLine line;
  size_t last = text.starts_with("\xEF\xBB\xBF") ? 3 : 0;  // the lines start after a UTF-8 mark
  while (lines.next(line)) {
    if (line.begin != last || line.end < line.begin || line.end > text.size()) std::abort();
    last = line.end;
  }
  // Every lookup walks the whole text, so a text of thousands of tiny sections would cost millions
  // of walks an input; a few sections and keys each reach every path of the lookup just as well.
  constexpr int kLookups = 32;
  int lookups = 0;
  for (std::string_view section : kx::profileSectionNames(text)) {
    if (++lookups > kLookups) return;
    for (std::string_view key : kx::profileKeyNames(text, section)) {
      if (++lookups > kLookups) return;
      std::optional<std::string_view> value = kx::findProfileValue(text, section, key);
      if (value) kx::unquotedProfileValue(*value);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string section = withoutBreaks(input.ConsumeRandomLengthString(16));
  const std::string key = withoutBreaks(input.ConsumeRandomLengthString(16));
  const std::string value = withoutBreaks(input.ConsumeRandomLengthString(16));
  const int action = input.ConsumeIntegralInRange(0, 2);  // set, delete the key, delete the section
  const std::string text = input.ConsumeRemainingBytesAsString();

  readAll(text);
  std::optional<std::string> edited = kx::editProfileText(text, section, action == 2 ? nullptr : key.c_str(),
                                                          action == 0 ? value.c_str() : nullptr);
  const std::string& after = edited ? *edited : text;
  readAll(after);
  if (action == 0 && plain(section) && plain(key) && plain(value)) {
    std::optional<std::string_view> found = kx::findProfileValue(after, section, key);
    if (!found || *found != value) std::abort();
  }
  if (action != 0 && plain(section) && plain(key) && kx::findProfileValue(after, section, key)) std::abort();
  return 0;
}
