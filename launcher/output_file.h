// A recording is written under a temporary name beside its final one and renamed into place only
// once it is complete, so a full disk or a failed write never leaves a partial GIF or an empty
// PNG under the name the user asked for.
#pragma once

#include <string>

namespace kx {

class OutputFile {
 public:
  explicit OutputFile(std::string path);
  ~OutputFile();  // the temporary file goes unless it was committed
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  // Creates the temporary file, with the permissions the umask gives; empty or the reason.
  std::string create();
  const std::string& temporaryPath() const { return m_temporary; }
  // Renames the finished file to its final name; empty or the reason.
  std::string commit();

 private:
  std::string m_path;
  std::string m_temporary;
  bool m_created = false;
};

}  // namespace kx
