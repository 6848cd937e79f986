// The screens of the saver, one entry each. The chooser, the settings file, the settings dialog and
// the launcher's --screen all read this table, so a screen joins the program with one line.
#pragma once

class CDisplay;
class CKalyx;

using DisplayCreator = CDisplay* (*)(CKalyx* app);

struct ScreenEntry {
  int number;             // the screen's id, its place in the table plus one
  const char* key;        // its enable key in "Kalyx.ini"; null for a screen never stored
  int CKalyx::*enable;    // its enable flag
  int control;            // its check box in the settings dialog; 0 for none
  DisplayCreator create;  // null for a screen this build lacks: it is never a candidate
};

// Screen numbers run from 1 to kDisplays; the last is the test screen, the stand-in when no other
// screen is enabled or built.
inline constexpr int kDisplays = 6;

// Writable so that tests can put screens of their own in a slot.
extern ScreenEntry aScreens[kDisplays];
