#include "screens/propulsion/disp_orbt.h"

#include <new>

#include "screens/propulsion/sub_orbit.h"

bool CDispOrbt::bPanelsShown = false;

CDispOrbt::CDispOrbt(CKalyx* app) : CDispTwoPanel(app, new (std::nothrow) CSubOrbit(app), &bPanelsShown) {
  id = kId;
  title = "STANDARD ORBIT";
}
