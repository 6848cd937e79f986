// Integer points in the 3-D space of the turning figures, and their differences. y is the
// vertical axis; the figures turn about it, so lengths and angles are taken in the x-z plane.
#pragma once

class CVector;

class CPoint3d {
 public:
  CPoint3d() = default;
  CPoint3d(int px, int py, int pz) : x(px), y(py), z(pz) {}
  virtual ~CPoint3d() = default;
  CPoint3d(const CPoint3d&) = default;
  CPoint3d& operator=(const CPoint3d&) = default;

  void Set(int px, int py, int pz);
  void Copy(const CPoint3d& p);
  // out = this - q, with out's horizontal length. 0, or -1 without out.
  int Diff(const CPoint3d& q, CVector* out) const;
  // The direction of this - q in the x-z plane, from +z towards +x, in [0, 2 pi). v, when given,
  // receives the difference.
  double AngleTo(const CPoint3d& q, CVector* v) const;

  int x = 0;
  int y = 0;
  int z = 0;
};

class CVector : public CPoint3d {
 public:
  CVector() = default;
  CVector(int px, int py, int pz) : CPoint3d(px, py, pz) {}

  // trunc(sqrt(x^2 + z^2)); -1 while a difference is being computed.
  int len = 0;
};
