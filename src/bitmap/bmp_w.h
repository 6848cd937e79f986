// One device-independent bitmap: loaded from the program's resources or from a .bmp file, kept in
// memory as header, colour table and pixel bits, and drawn at its natural size centred in an area.
#pragma once

#include <windows.h>

class CKalyx;

class CBmpW {
 public:
  // Source mode that loads from the file named by SetFileName; any other loads from a resource.
  static constexpr int kFromFile = 2;

  CBmpW(CKalyx* app, int source);
  virtual ~CBmpW();
  CBmpW(const CBmpW&) = delete;
  CBmpW& operator=(const CBmpW&) = delete;

  // 0, or the loader's code (-1, -991) after telling the user. A loaded bitmap is not reloaded.
  int Load(int id, int unused);
  // Width and height; the height counts rows whichever way they are stored.
  const SIZE* GetSize() const { return &size; }
  // Centred in area (the client rectangle of hwnd when null), or at its left and top edges where
  // the bitmap is larger; at (0, 0) without hwnd. 0, or -1 when nothing could be drawn.
  int Draw(HDC hdc, HWND hwnd, const RECT* area);
  // Releases the header, table and bits, owned or locked.
  void FreeData();
  // The file that source mode kFromFile reads. 0, or -991 when the name cannot be copied.
  int SetFileName(const char* name);

  HBITMAP hbm = nullptr;
  HPALETTE hpal = nullptr;  // nothing makes one; drawing selects it when present
  int resId = 0;
  char* lpszFileName = nullptr;  // owned
  char* lpszDesc = nullptr;      // owned; free for the owner's use
  CKalyx* app;
  int bFromFile = 0;  // 1: lpbi and lpBits are owned heap blocks; 0: they point into a resource
  int nSource;
  HGLOBAL hglbRes = nullptr;
  void* lpRes = nullptr;
  SIZE size{0, 0};
  int nColors = 0;
  int nImageBytes = 0;
  RECT rcArea{0, 0, 0, 0};
  BITMAPINFOHEADER* lpbi = nullptr;  // the colour table follows the header
  BYTE* lpBits = nullptr;
  HDC hdcMem = nullptr;

 private:
  int LoadFromResource();
  int LoadFromFile();
  int Fail(const char* message, int rc);
};
