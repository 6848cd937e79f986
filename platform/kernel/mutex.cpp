// The named mutex: one lock file per name, held with flock. The kernel drops the lock when the
// holding process ends, even by SIGKILL, so a crash never blocks the next start.
//
// Limits: ownership is not tracked per thread (nothing here waits on a mutex), and a handle
// opened while another process holds the name does not keep the name alive once that process ends.
#include <windows.h>

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "kernel/file_io.h"
#include "kernel/kernel_objects.h"

namespace kx {

class MutexState {
 public:
  MutexState(int lockFd, int ownCount) : m_lockFd(lockFd), m_ownCount(ownCount) {}
  ~MutexState() {
    if (m_lockFd >= 0) ::close(m_lockFd);
  }
  MutexState(const MutexState&) = delete;
  MutexState& operator=(const MutexState&) = delete;

  bool release() {
    std::lock_guard guard(m_guard);
    if (m_ownCount == 0) return false;
    --m_ownCount;
    return true;
  }

 private:
  int m_lockFd;
  std::mutex m_guard;
  int m_ownCount;
};

MutexObject::MutexObject(std::shared_ptr<MutexState> state)
    : HandleObject(kKind), m_state(std::move(state)) {}

MutexObject::~MutexObject() = default;

bool MutexObject::release() {
  return m_state->release();
}

namespace {

// $XDG_RUNTIME_DIR/kalyx, or /tmp/kalyx-<uid> where there is none; private to the user.
std::string lockFolder() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  return runtime && runtime[0] == '/' ? std::string(runtime) + "/kalyx"
                                      : "/tmp/kalyx-" + std::to_string(::getuid());
}

// Another user who made the folder first, or who may write into it, could hold the lock for us
// or plant links in it; so the folder must be a directory (not a link to one) that this user
// owns, with no access for group or others.
bool folderIsPrivate(const std::string& folder) {
  if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return false;
  struct stat info {};
  if (::lstat(folder.c_str(), &info) != 0) return false;
  return S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() && (info.st_mode & 077) == 0;
}

// Names are case-sensitive and may hold any character; everything but letters, digits, '-' and
// '_' becomes %XX, so every name is one plain file name of its own.
std::string lockFileName(const std::string& name) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string escaped;
  for (unsigned char c : name) {
    bool plain =
        (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
    if (plain) {
      escaped += static_cast<char>(c);
    } else {
      escaped += '%';
      escaped += kHex[c >> 4];
      escaped += kHex[c & 15];
    }
  }
  // A very long name keeps its start and gets a checksum of the whole (FNV-1a) in place of the rest.
  if (escaped.size() > 200) {
    uint64_t sum = 14695981039346656037ull;
    for (unsigned char c : name) sum = (sum ^ c) * 1099511628211ull;
    escaped = escaped.substr(0, 180) + "~" + std::to_string(sum);
  }
  return escaped + ".lock";
}

std::atomic<bool> g_namesPrivate{false};

struct Registry {
  std::mutex guard;
  std::map<std::string, std::weak_ptr<MutexState>> named;
};

Registry& registry() {
  static Registry instance;
  return instance;
}

HANDLE addHandle(std::shared_ptr<MutexState> state, DWORD error) {
  HANDLE handle = HandleTable::instance().add(std::make_unique<MutexObject>(std::move(state)));
  SetLastError(error);
  return handle;
}

}  // namespace

void keepNamesPrivate(bool keep) {
  g_namesPrivate = keep;
}

}  // namespace kx

HANDLE WINAPI CreateMutexA(LPSECURITY_ATTRIBUTES /*lpMutexAttributes*/, BOOL bInitialOwner, LPCSTR lpName) {
  int owned = bInitialOwner ? 1 : 0;
  if (!lpName) return kx::addHandle(std::make_shared<kx::MutexState>(-1, owned), ERROR_SUCCESS);

  kx::Registry& registry = kx::registry();
  std::lock_guard guard(registry.guard);
  std::string name = lpName;
  if (std::shared_ptr<kx::MutexState> existing = registry.named[name].lock()) {
    return kx::addHandle(std::move(existing), ERROR_ALREADY_EXISTS);
  }
  if (kx::g_namesPrivate) {
    auto state = std::make_shared<kx::MutexState>(-1, owned);
    registry.named[name] = state;
    return kx::addHandle(std::move(state), ERROR_SUCCESS);
  }
  const std::string folder = kx::lockFolder();
  if (!kx::folderIsPrivate(folder)) {
    SetLastError(ERROR_ACCESS_DENIED);
    registry.named.erase(name);
    return nullptr;
  }
  // A link in place of the lock file is refused rather than followed.
  std::string path = folder + "/" + kx::lockFileName(name);
  int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) {
    SetLastError(errno == ELOOP ? ERROR_ACCESS_DENIED : kx::win32ErrorFromErrno(errno));
    registry.named.erase(name);
    return nullptr;
  }
  int locked;
  do {
    locked = ::flock(fd, LOCK_EX | LOCK_NB);
  } while (locked != 0 && errno == EINTR);
  if (locked != 0) {
    int error = errno;
    ::close(fd);
    registry.named.erase(name);
    if (error != EWOULDBLOCK) {
      SetLastError(kx::win32ErrorFromErrno(error));
      return nullptr;
    }
    // Another process holds the name: the mutex exists, and this handle does not own it.
    return kx::addHandle(std::make_shared<kx::MutexState>(-1, 0), ERROR_ALREADY_EXISTS);
  }
  auto state = std::make_shared<kx::MutexState>(fd, owned);
  registry.named[name] = state;
  return kx::addHandle(std::move(state), ERROR_SUCCESS);
}

BOOL WINAPI ReleaseMutex(HANDLE hMutex) {
  kx::MutexObject* mutex = kx::lookup<kx::MutexObject>(hMutex);
  if (!mutex) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (!mutex->release()) {
    SetLastError(ERROR_NOT_OWNER);
    return FALSE;
  }
  return TRUE;
}
