#include "user/dialog_navigation.h"

namespace kx {

int nextTabStop(std::span<const TabCandidate> controls, int from, bool backwards) {
  const int count = static_cast<int>(controls.size());
  if (count == 0) return -1;
  int index = from;
  if (from < 0 || from >= count) index = backwards ? 0 : count - 1;
  for (int step = 0; step < count; ++step) {
    index = backwards ? (index + count - 1) % count : (index + 1) % count;
    const TabCandidate& control = controls[index];
    if (control.visible && control.enabled && control.tabStop) return index;
  }
  return -1;
}

}  // namespace kx
