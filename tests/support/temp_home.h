// A fresh, private home for one test: $HOME, the Windows directory, drive C: and the lock folder
// all point into a new temporary folder, which is removed again with everything in it.
#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace kx::test {

class TempHome {
 public:
  TempHome();
  ~TempHome();
  TempHome(const TempHome&) = delete;
  TempHome& operator=(const TempHome&) = delete;

  const std::filesystem::path& root() const { return m_root; }
  std::filesystem::path home() const { return m_root / "home"; }
  std::filesystem::path windowsDirectory() const { return m_root / "config" / "kalyx"; }
  std::filesystem::path driveC() const { return m_root / "state" / "kalyx"; }

 private:
  std::filesystem::path m_root;
  std::vector<std::pair<std::string, std::string>> m_saved;  // variables that had a value before
  std::vector<std::string> m_unset;                          // variables that had none
};

}  // namespace kx::test
