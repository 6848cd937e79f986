// The program's one module: the instance handle WinMain receives and GetModuleHandleA(NULL) returns.
#pragma once

#include <windows.h>

namespace kx {

// Every resource call accepts NULL or any instance handle as meaning the program itself.
HINSTANCE programInstance();

}  // namespace kx
