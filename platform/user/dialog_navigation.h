// Which control Tab and Shift+Tab move to: the next visible, enabled WS_TABSTOP control in
// template order, wrapping around at either end.
#pragma once

#include <span>

namespace kx {

struct TabCandidate {
  bool visible = true;
  bool enabled = true;
  bool tabStop = false;
};

// The index after (or before, backwards) `from`; from -1 starts at the first (or last) control.
// -1 when no control is a tab stop.
int nextTabStop(std::span<const TabCandidate> controls, int from, bool backwards);

}  // namespace kx
