#include "launcher/output_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace kx {

OutputFile::OutputFile(std::string path) : m_path(std::move(path)) {
  // Hidden, in the same folder (a rename never crosses file systems), and unique to this process.
  std::filesystem::path final = m_path;
  std::filesystem::path temporary =
      final.parent_path() / ("." + final.filename().string() + "." + std::to_string(::getpid()) + ".part");
  m_temporary = temporary.string();
}

OutputFile::~OutputFile() {
  if (m_created) ::unlink(m_temporary.c_str());
}

std::string OutputFile::create() {
  const int fd = ::open(m_temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
  if (fd < 0) return "cannot write " + m_path + ": " + std::strerror(errno);
  ::close(fd);
  m_created = true;
  return {};
}

std::string OutputFile::commit() {
  if (!m_created) return "cannot write " + m_path;
  if (std::rename(m_temporary.c_str(), m_path.c_str()) != 0)
    return "cannot write " + m_path + ": " + std::strerror(errno);
  m_created = false;
  return {};
}

}  // namespace kx
