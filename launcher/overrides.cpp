#include "launcher/overrides.h"

#include <algorithm>

#include "app/host.h"
#include "app/kalyx.h"
#include "framework/owned_str.h"

namespace kx {

namespace {

SettingsOverrides g_overrides;

// The file stores a line break of the message as "||".
void SetMessageText(CKalyx* app, const std::string& text) {
  std::string lines;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '|' && i + 1 < text.size() && text[i + 1] == '|') {
      lines += "\r\n";
      ++i;
    } else {
      lines += text[i];
    }
  }
  StrAssign(&app->CommText, lines.c_str());
}

void ApplyOverrides(CKalyx* app) {
  const SettingsOverrides& o = g_overrides;
  if (!o.screens.empty()) {
    for (const ScreenEntry& screen : aScreens) {
      const bool listed = std::find(o.screens.begin(), o.screens.end(), screen.number) != o.screens.end();
      app->*screen.enable = listed ? 1 : 0;
    }
    app->CountDisplays();
  }
  if (o.fps != 0) {
    app->ClkScndCnt = o.fps;
    app->TimerPeriod = 1000 / o.fps + 1;
  }
  if (o.secondsPerScreen != 0) app->ScrnScnds = o.secondsPerScreen;
  if (o.colorCode != 0) app->ClrCd = o.colorCode;
  if (o.textGiven) SetMessageText(app, o.text);
}

}  // namespace

void installOverrides(const SettingsOverrides& overrides) {
  g_overrides = overrides;
  lpfnSettingsHook = overrides.any() ? ApplyOverrides : nullptr;
}

}  // namespace kx
