#include "framework/object.h"

BObject::~BObject() = default;
