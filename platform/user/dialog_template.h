// Dialog templates as the resource compiler writes them: the classic DLGTEMPLATE layout and the
// extended DLGTEMPLATEEX one, read into plain values.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kx {

// Position and size in dialog units; Windows converts the size on its own, not the right edge.
struct DialogUnits {
  int x = 0;
  int y = 0;
  int cx = 0;
  int cy = 0;
};

struct DialogItemTemplate {
  DWORD style = 0;
  DWORD exStyle = 0;
  DialogUnits units;
  int id = 0;
  // Predefined classes given by ordinal become their names ("BUTTON", "EDIT", "STATIC", ...).
  std::string className;
  std::string title;
  int titleOrdinal = -1;  // a resource ordinal as title (the icon of an SS_ICON static), else -1
};

struct DialogTemplate {
  bool extended = false;
  DWORD style = 0;
  DWORD exStyle = 0;
  DialogUnits units;
  std::string menu;
  std::string className;  // empty: the dialog class
  std::string caption;
  bool hasFont = false;
  int pointSize = 0;
  int weight = 0;
  bool italic = false;
  std::string typeface;
  std::vector<DialogItemTemplate> items;
};

// Null when the bytes end before the template does.
std::optional<DialogTemplate> parseDialogTemplate(std::span<const uint8_t> bytes);

}  // namespace kx
