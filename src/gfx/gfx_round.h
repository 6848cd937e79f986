// The rounded pieces of the console frame: half-discs that round off bar ends, quarter-discs for
// outer corners, and thick quarter arcs for the concave inner corner of a bend.
#pragma once

#include <windows.h>

#include "gfx/gfx_shape.h"

// What the three rounds share: a part of the ellipse pieBox, cut by the rays towards radialStart
// and radialEnd and run counter-clockwise from start to end, as GDI's Pie and Arc do by default.
// orient is fixed at construction; its meaning depends on the shape.
class CGfxPie : public CGfxShape {
 public:
  explicit CGfxPie(int orientation) : orient(orientation) {}

  const int orient;
  RECT pieBox{0, 0, 0, 0};
  POINT radialStart{0, 0};
  POINT radialEnd{0, 0};

 protected:
  // The quarter geometry shared by quarter-rounds and quarter arcs, for the box (L, T, right,
  // bottom): the ellipse is centred on the corner opposite the rounded one.
  void SetQuarter(int right, int bottom);
};

// Orientation: 1 round end facing left, 2 right, 3 up, 4 down.
class CGfxHlfRnd : public CGfxPie {
 public:
  explicit CGfxHlfRnd(int orientation) : CGfxPie(orientation) {}
  int SetRect(const RECT& rc);
  int Draw(HWND hwnd, HDC hdc) override;
};

// Orientation (the rounded corner): 1 bottom-left, 2 top-right, 3 top-left, 4 bottom-right.
class CGfxQtrRnd : public CGfxPie {
 public:
  explicit CGfxQtrRnd(int orientation) : CGfxPie(orientation) {}
  int SetRect(const RECT& rc);
  int Draw(HWND hwnd, HDC hdc) override;
};

// Orientations as the quarter-round; stroked with an inside-frame pen of penWidth.
class CGfxQtrArc : public CGfxPie {
 public:
  explicit CGfxQtrArc(int orientation) : CGfxPie(orientation) {}
  int SetRect(const RECT& rc, int width);
  int Draw(HWND hwnd, HDC hdc) override;

  int penWidth = 0;
};
