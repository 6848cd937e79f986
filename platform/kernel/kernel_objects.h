// The kernel objects behind file and mutex handles.
#pragma once

#include <memory>
#include <string>

#include "kernel/handle_table.h"

namespace kx {

// An open file: owns its descriptor.
class FileObject : public HandleObject {
 public:
  static constexpr HandleKind kKind = HandleKind::File;
  FileObject(int fd, bool canRead, bool canWrite);
  ~FileObject() override;

  int fd() const { return m_fd; }
  bool canRead() const { return m_canRead; }
  bool canWrite() const { return m_canWrite; }

 private:
  int m_fd;
  bool m_canRead;
  bool m_canWrite;
};

// What every handle of one mutex shares. A named one holds the lock on its file, which the
// kernel drops when the process ends, however it ends.
class MutexState;

class MutexObject : public HandleObject {
 public:
  static constexpr HandleKind kKind = HandleKind::Mutex;
  explicit MutexObject(std::shared_ptr<MutexState> state);
  ~MutexObject() override;

  // ReleaseMutex: false when the mutex is not owned.
  bool release();

 private:
  std::shared_ptr<MutexState> m_state;
};

}  // namespace kx
