// The choice of the next screen: a random one among the enabled screens other than the current.
#include <cstdlib>
#include <ctime>

#include "app/host.h"
#include "app/kalyx.h"
#include "display/display.h"

namespace {

// A screen that cannot be created (memory) passes the turn to the next candidate. Enough passes
// for the count to reach any x of 0 to 10 with a single candidate, then two more tries each; past
// that memory is gone for good and the saver runs without a screen rather than spin for ever.
constexpr int kMaxPasses = 13;

}  // namespace

int DeleteDisplay() {
  delete lpDisplay;
  lpDisplay = nullptr;
  return 0;
}

int SelectNextDisplay() {
  if (!bSeeded) {
    bSeeded = true;
    std::srand(static_cast<unsigned>(std::time(nullptr)));
  }
  const int r = CKalyx::Rand15();
  const float x = static_cast<float>(r * (1.0 / 32767) * 10);
  return SelectDisplayAt(x);
}

// The screens the next choice may take, in the order the passes visit them. A screen this build
// lacks counts as not enabled, and when none of the enabled screens is built the test screen stands
// in, as it does when none is enabled. When the current screen is the only one left, it is built
// again rather than leaving the saver without a screen.
static int CollectCandidates(int current, int (&candidates)[kDisplays]) {
  const auto usable = [](int number) {
    const ScreenEntry& screen = aScreens[number - 1];
    return screen.create != nullptr && lpKalyx->*screen.enable != 0;
  };
  bool anyBuilt = false;
  for (int number = 1; number < kDisplays; ++number) anyBuilt = anyBuilt || usable(number);
  const auto available = [&](int number) {
    if (number == kDisplays && !anyBuilt) return aScreens[number - 1].create != nullptr;
    return usable(number);
  };
  int count = 0;
  for (int number = 1; number <= kDisplays; ++number)
    if (available(number) && number != current) candidates[count++] = number;
  if (count == 0 && current != 0 && available(current)) candidates[count++] = current;
  return count;
}

int SelectDisplayAt(float x) {
  const int current = lpDisplay != nullptr ? lpDisplay->id : 0;
  DeleteDisplay();
  if (lpKalyx == nullptr) return 0;
  int candidates[kDisplays];
  const int count = CollectCandidates(current, candidates);
  int i = 0;
  for (int pass = 0; pass < kMaxPasses && lpDisplay == nullptr; ++pass) {
    for (int k = 0; k < count && lpDisplay == nullptr; ++k) {
      if (static_cast<float>(i) >= x) lpDisplay = aScreens[candidates[k] - 1].create(lpKalyx);
      ++i;
    }
  }
  return 0;
}
