// The private-profile functions: a thin front over the profile text and whole-file access.
//
// Every call reads the file afresh (no cache), so a profile changed by another program is seen at
// once; the system reads a handful of keys at start-up, where this costs nothing.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "kernel/file_io.h"
#include "kernel/paths.h"
#include "kernel/profile_text.h"

namespace {

DWORD copyOut(std::string_view text, LPSTR buffer, DWORD size) {
  if (!buffer || size == 0) return 0;
  size_t count = std::min<size_t>(text.size(), size - 1);
  if (count > 0) std::memcpy(buffer, text.data(), count);
  buffer[count] = '\0';
  return static_cast<DWORD>(count);
}

// Names one after another, each ending in NUL, with one more NUL after the last. A list too long
// for the buffer is cut, still ends in two NULs, and the result is nSize - 2.
DWORD copyOutList(const std::vector<std::string_view>& names, LPSTR buffer, DWORD size) {
  if (!buffer || size == 0) return 0;
  if (size == 1) {
    buffer[0] = '\0';
    return 0;
  }
  size_t pos = 0;
  for (std::string_view name : names) {
    if (pos + name.size() + 2 > size) {
      size_t fits = pos < size - 2 ? size - 2 - pos : 0;
      if (fits > 0) std::memcpy(buffer + pos, name.data(), fits);
      buffer[size - 2] = '\0';
      buffer[size - 1] = '\0';
      return size - 2;
    }
    if (!name.empty()) std::memcpy(buffer + pos, name.data(), name.size());
    pos += name.size();
    buffer[pos++] = '\0';
  }
  buffer[pos] = '\0';
  if (pos == 0) buffer[1] = '\0';
  return static_cast<DWORD>(pos);
}

std::string_view defaultWithoutTrailingSpaces(LPCSTR lpDefault) {
  std::string_view text = lpDefault ? lpDefault : "";
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

bool hasLineBreak(LPCSTR text) {
  return text && std::strpbrk(text, "\r\n");
}

}  // namespace

DWORD WINAPI GetPrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpDefault,
                                      LPSTR lpReturnedString, DWORD nSize, LPCSTR lpFileName) {
  std::optional<std::filesystem::path> path = kx::profilePathFromWin32(lpFileName);
  std::optional<std::string> text = path ? kx::readWholeFile(*path) : std::nullopt;
  if (!lpAppName)
    return copyOutList(text ? kx::profileSectionNames(*text) : std::vector<std::string_view>(),
                       lpReturnedString, nSize);
  if (!lpKeyName) {
    return copyOutList(text ? kx::profileKeyNames(*text, lpAppName) : std::vector<std::string_view>(),
                       lpReturnedString, nSize);
  }
  std::optional<std::string_view> value =
      text ? kx::findProfileValue(*text, lpAppName, lpKeyName) : std::nullopt;
  if (!value) return copyOut(defaultWithoutTrailingSpaces(lpDefault), lpReturnedString, nSize);
  return copyOut(kx::unquotedProfileValue(*value), lpReturnedString, nSize);
}

UINT WINAPI GetPrivateProfileIntA(LPCSTR lpAppName, LPCSTR lpKeyName, INT nDefault, LPCSTR lpFileName) {
  if (!lpAppName || !lpKeyName) return static_cast<UINT>(nDefault);
  std::optional<std::filesystem::path> path = kx::profilePathFromWin32(lpFileName);
  std::optional<std::string> text = path ? kx::readWholeFile(*path) : std::nullopt;
  std::optional<std::string_view> found =
      text ? kx::findProfileValue(*text, lpAppName, lpKeyName) : std::nullopt;
  std::string_view value = found ? kx::unquotedProfileValue(*found) : std::string_view();
  if (value.empty()) return static_cast<UINT>(nDefault);
  // An optional sign, then decimal digits up to the first other character; a value with no
  // digits is 0, not the default, and large values wrap modulo 2^32.
  size_t pos = 0;
  bool negative = value[0] == '-';
  if (value[0] == '-' || value[0] == '+') ++pos;
  UINT number = 0;
  for (; pos < value.size() && value[pos] >= '0' && value[pos] <= '9'; ++pos) {
    number = number * 10u + static_cast<UINT>(value[pos] - '0');
  }
  return negative ? 0u - number : number;
}

BOOL WINAPI WritePrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpString,
                                       LPCSTR lpFileName) {
  std::optional<std::filesystem::path> path = kx::profilePathFromWin32(lpFileName);
  // A line break inside a name or value would write lines of its own into the file.
  if (!lpAppName || !path || hasLineBreak(lpAppName) || hasLineBreak(lpKeyName) || hasLineBreak(lpString)) {
    SetLastError(path ? ERROR_INVALID_PARAMETER : ERROR_PATH_NOT_FOUND);
    return FALSE;
  }
  std::optional<std::string> text = kx::readWholeFile(*path);
  if (!text) {
    if (GetLastError() != ERROR_FILE_NOT_FOUND) return FALSE;  // never overwrite what could not be read
    text.emplace();
  }
  std::optional<std::string> edited = kx::editProfileText(*text, lpAppName, lpKeyName, lpString);
  if (!edited) return TRUE;
  kx::createMappedFolderFor(*path);
  return kx::replaceWholeFile(*path, *edited) ? TRUE : FALSE;
}
