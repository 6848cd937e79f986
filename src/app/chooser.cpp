// The choice of the next screen: a random one among the enabled screens other than the current.
#include <cstdlib>
#include <ctime>
#include <new>

#include "app/host.h"
#include "app/kalyx.h"
#include "display/disp_test.h"

namespace {

template <class Screen>
CDisplay* Create(CKalyx* app) {
  return new (std::nothrow) Screen(app);
}

// The enable flag of each screen number, in the order the passes visit them.
constexpr int CKalyx::*kEnableFlags[kDisplays] = {
    &CKalyx::DispShld, &CKalyx::DispMedc, &CKalyx::DispComm,
    &CKalyx::DispWarp, &CKalyx::DispOrbt, &CKalyx::DispTest,
};

// A screen that cannot be created (memory) passes the turn to the next candidate. Enough passes
// for the count to reach any x of 0 to 10 with a single candidate, then two more tries each; past
// that memory is gone for good and the saver runs without a screen rather than spin for ever.
constexpr int kMaxPasses = 13;

}  // namespace

DisplayCreator aDisplayCreators[kDisplays] = {
    nullptr, nullptr, nullptr, nullptr, nullptr, &Create<CDispTest>,
};

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
  // Fifteen bits as Windows' rand() gives them, so x stays within 0 to 10.
  const int r = std::rand() & 0x7FFF;
  const float x = static_cast<float>(r * (1.0 / 32767) * 10);
  return SelectDisplayAt(x);
}

int SelectDisplayAt(float x) {
  const int current = lpDisplay != nullptr ? lpDisplay->id : 0;
  DeleteDisplay();
  if (lpKalyx == nullptr) return 0;
  int i = 0;
  for (int pass = 0; pass < kMaxPasses && lpDisplay == nullptr; ++pass) {
    bool anyCandidate = false;
    for (int number = 1; number <= kDisplays && lpDisplay == nullptr; ++number) {
      const DisplayCreator create = aDisplayCreators[number - 1];
      if (lpKalyx->*kEnableFlags[number - 1] == 0 || create == nullptr || number == current) continue;
      anyCandidate = true;
      if (static_cast<float>(i) >= x) lpDisplay = create(lpKalyx);
      ++i;
    }
    if (!anyCandidate) break;
  }
  return 0;
}
