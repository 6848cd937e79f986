// Where Win32 file names land on Linux.
//
// The Windows directory is $XDG_CONFIG_HOME/kalyx (~/.config/kalyx when unset); drive C: is
// $XDG_STATE_HOME/kalyx (~/.local/state/kalyx), and a name starting with a backslash is on it.
// Backslashes separate folders; ".." stops at the drive's root. Other drive letters do not exist.
// A name starting with "/" or without a drive keeps its Linux meaning (absolute, or relative to
// the working directory), so tests and the launcher may pass ordinary Linux paths.
#pragma once

#include <filesystem>
#include <optional>

namespace kx {

std::filesystem::path windowsDirectory();
std::filesystem::path driveCRoot();

// The Linux path of a Win32 file name; nothing for a name that cannot exist (an unknown drive,
// an empty name).
std::optional<std::filesystem::path> linuxPathFromWin32(const char* win32Path);

// As linuxPathFromWin32, except that a bare file name lives in the Windows directory, as the
// profile functions want it.
std::optional<std::filesystem::path> profilePathFromWin32(const char* win32Path);

// The folders the layer maps (the Windows directory, the root of C:) spring into existence when a
// file is written directly in them; any other folder must already exist, as on Windows.
void createMappedFolderFor(const std::filesystem::path& file);

}  // namespace kx
