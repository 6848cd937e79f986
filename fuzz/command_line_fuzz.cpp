// The Linux command line on any arguments (the input split at NUL bytes): it is either refused
// with a reason or yields options inside their documented ranges.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "launcher/options.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<std::string> args{"kalyx"};
  std::string current;
  for (size_t i = 0; i < size; ++i) {
    if (data[i] == 0) {
      args.push_back(current);
      current.clear();
    } else {
      current += static_cast<char>(data[i]);
    }
  }
  args.push_back(current);
  std::vector<const char*> argv;
  for (const std::string& arg : args) argv.push_back(arg.c_str());
  argv.push_back(nullptr);

  kx::LaunchOptions options;
  std::string error = kx::parseCommandLine(static_cast<int>(args.size()), argv.data(), options);
  if (!error.empty()) return 0;
  if (options.width < 1 || options.width > 16384 || options.height < 1 || options.height > 16384)
    std::abort();
  if (options.seconds < 1 || options.seconds > 86400 || options.screen < 0 || options.screen > 6)
    std::abort();
  if (options.mode == kx::LaunchOptions::Mode::Record) {
    const std::string& path = options.recordPath;
    if (path.size() < 5 ||
        (path.compare(path.size() - 4, 4, ".png") != 0 && path.compare(path.size() - 4, 4, ".gif") != 0))
      std::abort();
  }
  return 0;
}
