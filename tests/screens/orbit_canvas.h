// The marker canvas (support/marker_canvas.h) for the orbit figures, on the display fixture so
// that the figures have the application's colours.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "display/display_fixture.h"
#include "support/marker_canvas.h"

class OrbitCanvasTest : public DisplayTest {
 protected:
  static constexpr COLORREF kMarker = kx::test::kMarker;

  void TearDown() override {
    canvas.reset();
    DisplayTest::TearDown();
  }

  HDC Canvas(int w, int h) {
    canvas.emplace(w, h);
    canvasW = w;
    canvasH = h;
    return canvas->dc();
  }

  COLORREF Px(int x, int y) const { return canvas->at(x, y); }
  COLORREF Slot(int slot) const { return app->Clr(slot)->GetRGB(); }

  // One character a pixel: '.' the marker, '#' the colour, '?' anything else.
  std::string Picture(COLORREF colour, int x0 = 0, int y0 = 0, int w = -1, int h = -1) const {
    if (w < 0) w = canvasW - x0;
    if (h < 0) h = canvasH - y0;
    std::string text = "\n";
    for (int y = y0; y < y0 + h; ++y) {
      for (int x = x0; x < x0 + w; ++x) {
        const COLORREF c = Px(x, y);
        text += c == kMarker ? '.' : c == colour ? '#' : '?';
      }
      text += '\n';
    }
    return text;
  }

  int Count(COLORREF colour) const {
    int n = 0;
    for (int y = 0; y < canvasH; ++y)
      for (int x = 0; x < canvasW; ++x) n += Px(x, y) == colour;
    return n;
  }

  std::optional<kx::test::MarkerCanvas> canvas;
  int canvasW = 0;
  int canvasH = 0;
};

struct PixelProbe {
  int x, y;
  bool painted;  // in the figure's colour, or else still the marker
};
