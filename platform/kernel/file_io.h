// Whole-file reading and replacing for the layer's own use (profile files).
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include <windows.h>

namespace kx {

// The Win32 error for a failed call's errno.
DWORD win32ErrorFromErrno(int error);

// The file's bytes; nothing (with the last error set) for a missing or unreadable file or a folder.
std::optional<std::string> readWholeFile(const std::filesystem::path& path);

// Writes the bytes to a new file in the same folder and renames it over the old one, so the old
// file stays whole when anything fails. A link is written through: its final target is replaced
// and the link stays. Sets the last error and returns false on failure.
bool replaceWholeFile(const std::filesystem::path& path, const std::string& bytes);

}  // namespace kx
