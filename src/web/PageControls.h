#pragma once

#include "input/OnScreenControls.h"

#include <vector>

namespace Page
{
// The current screen's on-screen controls and whether the music plays, for
// the page to show where the screen is touched (web/page/touch.js).
void ShowControls(int screen, const std::vector<OnScreenControl>& controls, bool musicOn);
}
