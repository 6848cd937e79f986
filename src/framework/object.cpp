#include "framework/object.h"

BObject::~BObject() {
  delete[] ownedText;
}
