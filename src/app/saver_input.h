// What ends the running saver: every window of the saver passes the messages it does not handle
// to SaverDefWndProc, which turns a key, a button, a real mouse movement or the loss of activation
// into an end request, and answers the request through the password gate.
#pragma once

#include <windows.h>

// Posted to a saver window to ask it to end; the main window handles it itself.
inline constexpr UINT WM_KX_ENDREQUEST = WM_USER + 200;
// Posted when the gate refuses; nobody handles it, so the saver carries on.
inline constexpr UINT WM_KX_ENDREFUSED = WM_USER + 201;

// Process-wide: one cursor, one gate and one stored password for every window of the saver.
// The cursor position last recorded, (-1, -1) until the first mouse move or activation.
extern POINT ptCursor;
// On while the gate runs, which can include a modal dialog with its own message loop.
extern bool bInEndRequest;
// Password checking; off, and nothing in the saver turns it on.
extern bool bCheckPassword;
// On while the saver draws in the preview window of the display settings: input belongs to them
// there and ends nothing.
extern bool bPreview;
// The stored, transformed password: 20 characters and the NUL.
inline constexpr int kPasswordChars = 20;
extern char szPassword[kPasswordChars + 1];

LRESULT CALLBACK SaverDefWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// 1 when the saver may close; otherwise the enter-password dialog's result (0 cancelled, -1 failed).
INT_PTR PasswordGate();
