// The screen-saver password: stored in "CONTROL.INI" transformed by a fixed, keyless mixing, and
// the two dialog procedures that check and change it. Outside callers find the procedures by name.
#pragma once

#include <windows.h>

#include "app/password_exports.h"

// One mixing step: acc becomes value XOR acc unless that is a byte the ini file or the ANSI code
// page cannot hold (controls, blank, '=', '[', ']', and 0x7F-0x90, 0x93-0x9F); then acc stays.
void MixStep(BYTE value, BYTE& acc);
// Upper-cases and mixes a password of up to 20 characters in place. Empty and one-character
// texts are left exactly as they are.
void TransformPassword(char* text);
// Reads the stored password into szPassword; false when none is stored.
bool ReadStoredPassword();
// Runs the change-password dialog; nothing in the saver calls it.
INT_PTR ChangePassword();
