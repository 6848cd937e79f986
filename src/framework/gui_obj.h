// An object that belongs to the application and reaches its handles through it.
#pragma once

#include "framework/object.h"

class BGui;

class BGuiObj : public BObject {
 public:
  explicit BGuiObj(BGui* app) : app(app) {}
  ~BGuiObj() override = default;

  BGui* app;  // borrowed: the application outlives every object that belongs to it
};
