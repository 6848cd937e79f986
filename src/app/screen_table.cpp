#include "app/screen_table.h"

#include <new>

#include "app/kalyx.h"
#include "display/disp_test.h"
#include "resource.h"
#include "screens/propulsion/disp_orbt.h"
#include "screens/propulsion/disp_warp.h"
#include "screens/ship/disp_analysis.h"
#include "screens/ship/disp_comm.h"

namespace {

template <class Screen>
CDisplay* Create(CKalyx* app) {
  return new (std::nothrow) Screen(app);
}

}  // namespace

ScreenEntry aScreens[kDisplays] = {
    {1, "DispShld", &CKalyx::DispShld, IDC_DISP_SHLD, &Create<CDispAnalysis>},
    {2, "DispMedc", &CKalyx::DispMedc, IDC_DISP_MEDC, nullptr},
    {3, "DispComm", &CKalyx::DispComm, IDC_DISP_COMM, &Create<CDispComm>},
    {4, "DispWarp", &CKalyx::DispWarp, IDC_DISP_WARP, &Create<CDispWarp>},
    {5, "DispOrbt", &CKalyx::DispOrbt, IDC_DISP_ORBT, &Create<CDispOrbt>},
    {6, nullptr, &CKalyx::DispTest, 0, &Create<CDispTest>},
};
