// An off-screen canvas (see gfx/gfx_canvas.h) with an application object for the warp figures,
// which take colour slots 1 and 9 from it. The settings come from a fresh private home, so the
// default (256-colour) scheme applies.
#pragma once

#include <windows.h>

#include <optional>

#include "app/kalyx.h"
#include "gfx/gfx_canvas.h"
#include "gfx/gfx_geometry.h"
#include "support/temp_home.h"

class WarpFigureCanvas : public GfxCanvasTest {
 protected:
  void SetUp() override {
    GfxCanvasTest::SetUp();
    app.emplace();
    app->BuildColors();
  }
  void TearDown() override {
    app.reset();
    GfxCanvasTest::TearDown();
  }

  COLORREF Slot(int slot) const { return app->Clr(slot)->GetRGB(); }
  CGfxClr* Clr(int slot) const { return app->Clr(slot); }

  // The panel's colours: cyan lines on a black fill.
  static constexpr int kLine = 4;
  static constexpr int kFill = 0;

  kx::test::TempHome home;
  std::optional<CKalyx> app;
};
