#include "app/globals.h"

CKalyx* lpKalyx = nullptr;
CCrypt* lpCrypt = nullptr;
