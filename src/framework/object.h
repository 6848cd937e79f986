// The root of the framework's class tree: GUI objects, windows and the application derive from it.
#pragma once

class BObject {
 public:
  BObject() = default;
  virtual ~BObject();
  BObject(const BObject&) = delete;
  BObject& operator=(const BObject&) = delete;
};
