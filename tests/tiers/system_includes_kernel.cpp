// Compiled as part of the system, which sees <windows.h> only: must not compile.
#include "kernel/handle_table.h"
