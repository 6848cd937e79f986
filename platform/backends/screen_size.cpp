#include "backends/screen_size.h"

namespace kx {

namespace {
SIZE g_screenSize{};
}

void setScreenSize(SIZE size) {
  g_screenSize = size;
}

SIZE screenSize() {
  return g_screenSize;
}

}  // namespace kx
