#include "screens/propulsion/disp_warp.h"

#include <new>

#include "screens/propulsion/sub_warp.h"

bool CDispWarp::bPanelsShown = false;

CDispWarp::CDispWarp(CKalyx* app) : CDispTwoPanel(app, new (std::nothrow) CSubWarp(app), &bPanelsShown) {
  id = kId;
  title = "WARP PROPULSION SYSTEM STATUS";
}
