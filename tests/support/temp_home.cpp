#include "temp_home.h"

#include <cstdlib>
#include <stdexcept>
#include <system_error>

namespace kx::test {

TempHome::TempHome() {
  std::string pattern = (std::filesystem::temp_directory_path() / "kalyx-test-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
  m_root = pattern;
  const std::pair<const char*, std::filesystem::path> variables[] = {{"HOME", m_root / "home"},
                                                                     {"XDG_CONFIG_HOME", m_root / "config"},
                                                                     {"XDG_STATE_HOME", m_root / "state"},
                                                                     {"XDG_RUNTIME_DIR", m_root / "run"}};
  for (const auto& [name, value] : variables) {
    if (const char* old = std::getenv(name)) {
      m_saved.emplace_back(name, old);
    } else {
      m_unset.emplace_back(name);
    }
    std::filesystem::create_directories(value);
    ::setenv(name, value.c_str(), 1);
  }
}

TempHome::~TempHome() {
  for (const auto& [name, value] : m_saved) ::setenv(name.c_str(), value.c_str(), 1);
  for (const std::string& name : m_unset) ::unsetenv(name.c_str());
  std::error_code ignored;
  std::filesystem::remove_all(m_root, ignored);
}

}  // namespace kx::test
