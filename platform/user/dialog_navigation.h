// Which control Tab and Shift+Tab move to: the next visible, enabled WS_TABSTOP control in
// template order, wrapping around at either end. The arrow keys move within a group instead: the
// controls from one WS_GROUP control up to the next, wrapping around inside it.
#pragma once

#include <span>

namespace kx {

struct TabCandidate {
  bool visible = true;
  bool enabled = true;
  bool tabStop = false;
  bool groupStart = false;  // WS_GROUP
  bool label = false;       // statics and group boxes, which the arrows pass over
};

// The index after (or before, backwards) `from`; from -1 starts at the first (or last) control.
// -1 when no control is a tab stop.
int nextTabStop(std::span<const TabCandidate> controls, int from, bool backwards);

// The next (or previous) visible, enabled control other than a label in the group of `from`;
// `from` itself when the group has no other, -1 when `from` is no control.
int nextGroupItem(std::span<const TabCandidate> controls, int from, bool backwards);

}  // namespace kx
