#include "kernel/file_io.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kx {
namespace {

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : m_fd(fd) {}
  ~FileDescriptor() {
    if (m_fd >= 0) ::close(m_fd);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return m_fd; }
  // Closes now, reporting whether the last writes reached the file.
  bool close() {
    int fd = m_fd;
    m_fd = -1;
    return ::close(fd) == 0;
  }

 private:
  int m_fd;
};

bool writeAll(int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

}  // namespace

DWORD win32ErrorFromErrno(int error) {
  switch (error) {
    case ENOENT:
      return ERROR_FILE_NOT_FOUND;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
      return ERROR_PATH_NOT_FOUND;
    case EEXIST:
      return ERROR_FILE_EXISTS;
    case ENOMEM:
      return ERROR_NOT_ENOUGH_MEMORY;
    case ENOSPC:
    case EDQUOT:
      return ERROR_DISK_FULL;
    case EBADF:
      return ERROR_INVALID_HANDLE;
    case EINVAL:
      return ERROR_INVALID_PARAMETER;
    default:
      return ERROR_ACCESS_DENIED;
  }
}

std::optional<std::string> readWholeFile(const std::filesystem::path& path) {
  // O_NONBLOCK keeps a FIFO in the file's place from stalling the open; it is refused below.
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  struct stat info {};
  if (file.get() < 0 || ::fstat(file.get(), &info) != 0) {
    SetLastError(win32ErrorFromErrno(errno));
    return std::nullopt;
  }
  if (!S_ISREG(info.st_mode)) {
    SetLastError(ERROR_ACCESS_DENIED);
    return std::nullopt;
  }
  std::string bytes;
  bytes.reserve(static_cast<size_t>(info.st_size));
  char chunk[65536];
  for (;;) {
    ssize_t n = ::read(file.get(), chunk, sizeof chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      SetLastError(win32ErrorFromErrno(errno));
      return std::nullopt;
    }
    if (n == 0) return bytes;
    bytes.append(chunk, static_cast<size_t>(n));
  }
}

namespace {

// The file a chain of links ends at (the path itself when it is no link), so a linked profile is
// written where the link points and the link stays; nothing after 40 links, as the kernel gives up.
std::optional<std::filesystem::path> finalTarget(std::filesystem::path path) {
  for (int links = 0; links <= 40; ++links) {
    std::error_code error;
    if (!std::filesystem::is_symlink(std::filesystem::symlink_status(path, error))) return path;
    std::filesystem::path target = std::filesystem::read_symlink(path, error);
    if (error) return std::nullopt;
    path = target.is_absolute() ? target : path.parent_path() / target;
  }
  return std::nullopt;
}

}  // namespace

bool replaceWholeFile(const std::filesystem::path& link, const std::string& bytes) {
  std::optional<std::filesystem::path> target = finalTarget(link);
  if (!target) {
    SetLastError(ERROR_CANT_RESOLVE_FILENAME);
    return false;
  }
  const std::filesystem::path& path = *target;
  struct stat old {};
  bool existed = ::stat(path.c_str(), &old) == 0;
  if (existed && !S_ISREG(old.st_mode)) {
    SetLastError(ERROR_ACCESS_DENIED);
    return false;
  }
  std::string temporary = (path.parent_path() / ("." + path.filename().string() + ".XXXXXX")).string();
  FileDescriptor file(::mkostemp(temporary.data(), O_CLOEXEC));
  if (file.get() < 0) {
    SetLastError(errno == ENOENT ? ERROR_PATH_NOT_FOUND : win32ErrorFromErrno(errno));
    return false;
  }
  // The new file takes the old one's permissions; a new profile is readable by everyone, as usual.
  bool written = ::fchmod(file.get(), existed ? (old.st_mode & 07777) : 0644) == 0 &&
                 writeAll(file.get(), bytes) && ::fsync(file.get()) == 0;
  int error = errno;
  written = file.close() && written;
  if (!written || ::rename(temporary.c_str(), path.c_str()) != 0) {
    if (written) error = errno;
    ::unlink(temporary.c_str());
    SetLastError(win32ErrorFromErrno(error));
    return false;
  }
  return true;
}

}  // namespace kx
