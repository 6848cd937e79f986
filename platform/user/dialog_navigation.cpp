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

int nextGroupItem(std::span<const TabCandidate> controls, int from, bool backwards) {
  const int count = static_cast<int>(controls.size());
  if (from < 0 || from >= count) return -1;
  int first = from;
  while (first > 0 && !controls[first].groupStart) --first;
  int end = from + 1;
  while (end < count && !controls[end].groupStart) ++end;
  const int size = end - first;
  for (int step = 1; step < size; ++step) {
    const int offset = backwards ? (from - first - step + size) % size : (from - first + step) % size;
    const TabCandidate& control = controls[first + offset];
    if (control.visible && control.enabled && !control.label) return first + offset;
  }
  return from;
}

}  // namespace kx
