#include "kernel/paths.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>
#include <string>
#include <system_error>

namespace kx {
namespace {

namespace fs = std::filesystem;

// $HOME, or the user's home in the password database when it is unset; never a folder others
// share, where anyone could plant settings.
fs::path homeFolder() {
  const char* home = std::getenv("HOME");
  if (home && home[0] == '/') return home;
  if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir && entry->pw_dir[0] == '/')
    return entry->pw_dir;
  return "/nonexistent";  // reads find nothing and writes fail, as for a missing home
}

fs::path xdgFolder(const char* variable, const char* fallbackUnderHome) {
  // The XDG rules ignore a relative value.
  const char* value = std::getenv(variable);
  if (value && value[0] == '/') return fs::path(value) / "kalyx";
  return homeFolder() / fallbackUnderHome / "kalyx";
}

bool isDriveLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The folders below a drive's root, with "." dropped and ".." stopping at the root as Windows
// resolves them, so no name climbs out of the mapped drive.
fs::path underDriveRoot(const std::string& rest) {
  fs::path result;
  size_t start = 0;
  while (start <= rest.size()) {
    size_t end = rest.find_first_of("\\/", start);
    if (end == std::string::npos) end = rest.size();
    std::string part = rest.substr(start, end - start);
    if (part == "..") {
      if (result.has_relative_path()) result = result.parent_path();
    } else if (!part.empty() && part != ".") {
      result /= part;
    }
    start = end + 1;
  }
  return result;
}

fs::path onDriveC(const std::string& rest) {
  fs::path below = underDriveRoot(rest);
  return below.empty() ? driveCRoot() : driveCRoot() / below;
}

}  // namespace

fs::path windowsDirectory() {
  return xdgFolder("XDG_CONFIG_HOME", ".config");
}

fs::path driveCRoot() {
  return xdgFolder("XDG_STATE_HOME", ".local/state");
}

std::optional<fs::path> linuxPathFromWin32(const char* win32Path) {
  if (!win32Path || !win32Path[0]) return std::nullopt;
  std::string name = win32Path;
  if (name.size() >= 2 && name[1] == ':' && isDriveLetter(name[0])) {
    if (name[0] != 'c' && name[0] != 'C') return std::nullopt;
    // "c:name" is relative to the drive's current folder, which is always its root here.
    return onDriveC(name.substr(2));
  }
  // "\\name" is the root of the current drive; "/name" stays a Linux path.
  if (name[0] == '\\') return onDriveC(name);
  for (char& c : name) {
    if (c == '\\') c = '/';
  }
  return fs::path(name);
}

std::optional<fs::path> profilePathFromWin32(const char* win32Path) {
  std::optional<fs::path> path = linuxPathFromWin32(win32Path);
  if (path && !path->has_parent_path()) return windowsDirectory() / *path;
  return path;
}

void createMappedFolderFor(const fs::path& file) {
  fs::path folder = file.parent_path();
  if (folder == windowsDirectory() || folder == driveCRoot()) {
    std::error_code ignored;  // a folder that cannot be made shows up as the write's own failure
    fs::create_directories(folder, ignored);
  }
}

}  // namespace kx
