// Files: CreateFileA and the calls on its handles. Share modes are not enforced; reads and writes
// are synchronous only (no OVERLAPPED).
#include <windows.h>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "kernel/file_io.h"
#include "kernel/kernel_objects.h"
#include "kernel/paths.h"

namespace kx {

FileObject::FileObject(int fd, bool canRead, bool canWrite)
    : HandleObject(kKind), m_fd(fd), m_canRead(canRead), m_canWrite(canWrite) {}

FileObject::~FileObject() {
  ::close(m_fd);
}

}  // namespace kx

namespace {

int openFlags(DWORD access, DWORD disposition) {
  bool read = access & GENERIC_READ;
  bool write = access & GENERIC_WRITE;
  // O_NONBLOCK keeps a FIFO from stalling the open; only regular files are let through.
  int flags = O_CLOEXEC | O_NONBLOCK | (read && write ? O_RDWR : write ? O_WRONLY : O_RDONLY);
  switch (disposition) {
    case CREATE_NEW:
      return flags | O_CREAT | O_EXCL;
    case CREATE_ALWAYS:
      return flags | O_CREAT | O_TRUNC;
    case OPEN_ALWAYS:
      return flags | O_CREAT;
    case TRUNCATE_EXISTING:
      return flags | O_TRUNC;
    default:
      return flags;
  }
}

bool validDisposition(DWORD disposition) {
  return disposition >= CREATE_NEW && disposition <= TRUNCATE_EXISTING;
}

// A missing file is "file not found" only when its folder exists; the mapped folders always count
// as there, as a drive's root does.
DWORD errorForMissing(const std::filesystem::path& path) {
  struct stat info {};
  std::filesystem::path folder = path.parent_path();
  if (folder.empty() || folder == kx::windowsDirectory() || folder == kx::driveCRoot() ||
      (::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode)))
    return ERROR_FILE_NOT_FOUND;
  return ERROR_PATH_NOT_FOUND;
}

kx::FileObject* fileFor(HANDLE handle) {
  kx::FileObject* file = kx::lookup<kx::FileObject>(handle);
  if (!file) SetLastError(ERROR_INVALID_HANDLE);
  return file;
}

}  // namespace

HANDLE WINAPI CreateFileA(LPCSTR lpFileName, DWORD dwDesiredAccess, DWORD /*dwShareMode*/,
                          LPSECURITY_ATTRIBUTES /*lpSecurityAttributes*/, DWORD dwCreationDisposition,
                          DWORD /*dwFlagsAndAttributes*/, HANDLE /*hTemplateFile*/) {
  if (!validDisposition(dwCreationDisposition)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return INVALID_HANDLE_VALUE;
  }
  std::optional<std::filesystem::path> path = kx::linuxPathFromWin32(lpFileName);
  if (!path) {
    SetLastError(ERROR_PATH_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  if (dwCreationDisposition != OPEN_EXISTING && dwCreationDisposition != TRUNCATE_EXISTING) {
    kx::createMappedFolderFor(*path);
  }
  // A file that is already there is told apart from a new one by looking first, as Windows
  // reports it through ERROR_ALREADY_EXISTS on success.
  struct stat before {};
  bool existed = ::stat(path->c_str(), &before) == 0;
  if (existed && !S_ISREG(before.st_mode)) {
    SetLastError(ERROR_ACCESS_DENIED);
    return INVALID_HANDLE_VALUE;
  }
  int fd = ::open(path->c_str(), openFlags(dwDesiredAccess, dwCreationDisposition), 0644);
  if (fd < 0) {
    SetLastError(errno == ENOENT ? errorForMissing(*path) : kx::win32ErrorFromErrno(errno));
    return INVALID_HANDLE_VALUE;
  }
  struct stat opened {};
  if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
    ::close(fd);
    SetLastError(ERROR_ACCESS_DENIED);
    return INVALID_HANDLE_VALUE;
  }
  bool reportsExisting =
      existed && (dwCreationDisposition == CREATE_ALWAYS || dwCreationDisposition == OPEN_ALWAYS);
  HANDLE handle = kx::HandleTable::instance().add(
      std::make_unique<kx::FileObject>(fd, dwDesiredAccess & GENERIC_READ, dwDesiredAccess & GENERIC_WRITE));
  SetLastError(reportsExisting ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
  return handle;
}

BOOL WINAPI ReadFile(HANDLE hFile, LPVOID lpBuffer, DWORD nNumberOfBytesToRead, LPDWORD lpNumberOfBytesRead,
                     LPOVERLAPPED lpOverlapped) {
  if (lpNumberOfBytesRead) *lpNumberOfBytesRead = 0;
  kx::FileObject* file = fileFor(hFile);
  if (!file) return FALSE;
  if (lpOverlapped || (!lpBuffer && nNumberOfBytesToRead > 0)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (!file->canRead()) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  // A short count means the end of the file; reading there succeeds with 0 bytes.
  DWORD done = 0;
  while (done < nNumberOfBytesToRead) {
    ssize_t n = ::read(file->fd(), static_cast<char*>(lpBuffer) + done, nNumberOfBytesToRead - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      SetLastError(kx::win32ErrorFromErrno(errno));
      return FALSE;
    }
    if (n == 0) break;
    done += static_cast<DWORD>(n);
  }
  if (lpNumberOfBytesRead) *lpNumberOfBytesRead = done;
  return TRUE;
}

BOOL WINAPI WriteFile(HANDLE hFile, LPCVOID lpBuffer, DWORD nNumberOfBytesToWrite,
                      LPDWORD lpNumberOfBytesWritten, LPOVERLAPPED lpOverlapped) {
  if (lpNumberOfBytesWritten) *lpNumberOfBytesWritten = 0;
  kx::FileObject* file = fileFor(hFile);
  if (!file) return FALSE;
  if (lpOverlapped || (!lpBuffer && nNumberOfBytesToWrite > 0)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (!file->canWrite()) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  DWORD done = 0;
  while (done < nNumberOfBytesToWrite) {
    ssize_t n = ::write(file->fd(), static_cast<const char*>(lpBuffer) + done, nNumberOfBytesToWrite - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (lpNumberOfBytesWritten) *lpNumberOfBytesWritten = done;
      SetLastError(n < 0 ? kx::win32ErrorFromErrno(errno) : ERROR_DISK_FULL);
      return FALSE;
    }
    done += static_cast<DWORD>(n);
  }
  if (lpNumberOfBytesWritten) *lpNumberOfBytesWritten = done;
  return TRUE;
}

DWORD WINAPI GetFileSize(HANDLE hFile, LPDWORD lpFileSizeHigh) {
  kx::FileObject* file = fileFor(hFile);
  struct stat info {};
  if (!file || ::fstat(file->fd(), &info) != 0) {
    if (file) SetLastError(kx::win32ErrorFromErrno(errno));
    return INVALID_FILE_SIZE;
  }
  auto size = static_cast<uint64_t>(info.st_size);
  if (lpFileSizeHigh) *lpFileSizeHigh = static_cast<DWORD>(size >> 32);
  // A size whose low half is 0xFFFFFFFF is told from failure by the last error.
  SetLastError(ERROR_SUCCESS);
  return static_cast<DWORD>(size);
}

DWORD WINAPI SetFilePointer(HANDLE hFile, LONG lDistanceToMove, LPLONG lpDistanceToMoveHigh,
                            DWORD dwMoveMethod) {
  kx::FileObject* file = fileFor(hFile);
  if (!file) return INVALID_SET_FILE_POINTER;
  if (dwMoveMethod > FILE_END) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return INVALID_SET_FILE_POINTER;
  }
  // Without a high half the distance is a signed 32-bit number; with it, a signed 64-bit one.
  int64_t distance =
      lpDistanceToMoveHigh
          ? static_cast<int64_t>((static_cast<uint64_t>(static_cast<uint32_t>(*lpDistanceToMoveHigh)) << 32) |
                                 static_cast<uint32_t>(lDistanceToMove))
          : lDistanceToMove;
  // The start is found without moving, so a refused move leaves the pointer where it was.
  struct stat info {};
  off_t start = 0;
  if (dwMoveMethod == FILE_CURRENT) start = ::lseek(file->fd(), 0, SEEK_CUR);
  if (dwMoveMethod == FILE_END) start = ::fstat(file->fd(), &info) == 0 ? info.st_size : -1;
  if (start < 0) {
    SetLastError(kx::win32ErrorFromErrno(errno));
    return INVALID_SET_FILE_POINTER;
  }
  if (distance < 0 && -distance > start) {
    SetLastError(ERROR_NEGATIVE_SEEK);
    return INVALID_SET_FILE_POINTER;
  }
  int64_t target = static_cast<int64_t>(start) + distance;
  if (!lpDistanceToMoveHigh && target > 0xFFFFFFFFll) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return INVALID_SET_FILE_POINTER;
  }
  if (::lseek(file->fd(), static_cast<off_t>(target), SEEK_SET) < 0) {
    SetLastError(kx::win32ErrorFromErrno(errno));
    return INVALID_SET_FILE_POINTER;
  }
  if (lpDistanceToMoveHigh) *lpDistanceToMoveHigh = static_cast<LONG>(static_cast<uint64_t>(target) >> 32);
  SetLastError(ERROR_SUCCESS);
  return static_cast<DWORD>(target);
}

BOOL WINAPI DeleteFileA(LPCSTR lpFileName) {
  std::optional<std::filesystem::path> path = kx::linuxPathFromWin32(lpFileName);
  if (!path) {
    SetLastError(ERROR_PATH_NOT_FOUND);
    return FALSE;
  }
  struct stat info {};
  if (::lstat(path->c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  if (::unlink(path->c_str()) != 0) {
    SetLastError(errno == ENOENT ? errorForMissing(*path) : kx::win32ErrorFromErrno(errno));
    return FALSE;
  }
  return TRUE;
}
