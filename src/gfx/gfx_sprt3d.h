// The base of the figures that circle a vertical axis and grow as they near the eye. It keeps a
// position, a 3-D size, the projected half-size and the eye; it draws nothing itself.
#pragma once

#include "gfx/gfx_point3d.h"
#include "gfx/gfx_sprite.h"

class CGfxSprt3d : public CGfxSprite {
 public:
  // eye is borrowed and may be shared by many sprites.
  explicit CGfxSprt3d(const CPoint3d* eyePoint) : eye(eyePoint) {}

  // Each integer form builds a point and calls the pointer form through the virtual table, so an
  // override of the pointer form serves both.
  virtual int SetSize(const CPoint3d* p);
  virtual int SetSize(int x, int y, int z);
  // Clears the turn cache; a null point means the origin.
  virtual int SetPosition(const CPoint3d* p);
  virtual int SetPosition(int x, int y, int z);
  virtual int Scale(float fx, float fy, float fz);
  // Keeps the turn cache, so a figure moved along its circle keeps turning smoothly.
  virtual int MoveTo(const CPoint3d* p);
  virtual int MoveTo(int x, int y, int z);
  // Turns by angles->y whole degrees about the vertical line through pivot. The new x and z are
  // offsets from that line; the pivot's own x and z are not added back.
  virtual int RotateAbout(const CPoint3d* angles, const CPoint3d* pivot);
  // Without a pivot nothing turns.
  virtual int RotateAbout(int ax, int ay, int az);
  // half from size, the eye's distance and the turn; at least one pixel, and -1 without an eye.
  virtual int Project();

  double GetAngle() const { return angleCache; }

  CPoint3d pos;
  CPoint3d size;
  CPoint3d half;
  const CPoint3d* eye;
  // The radius and angle of the last turn: repeated turns about one pivot add up exactly instead
  // of drifting through the truncated integer position.
  CPoint3d pivotCache;
  double distCache = 0;  // 0: no cache
  double angleCache = 0;
  double sinA = 0;
  double cosA = 0;
};
