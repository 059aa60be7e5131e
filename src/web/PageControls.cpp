#include "web/PageControls.h"

#include <emscripten.h>

namespace
{
// clang-format off
// The list is gathered in a page-side array, then handed over whole; a page
// without the touch module (a test's) ignores it.
EM_JS(void, BeginControls, (int screen, int musicOn), {
    Module.fornalinaNewControls = {screen: screen, musicOn: musicOn !== 0, controls: []};
});

// on: a switch's state (1 on, 0 off), -1 for a control that is no switch.
EM_JS(void, AddControl, (const char* name, int action, int rightSide, int held, int on), {
    Module.fornalinaNewControls.controls.push({
        name: UTF8ToString(name),
        action: action,
        side: rightSide ? "right" : "left",
        held: held !== 0,
        on: on < 0 ? null : on !== 0
    });
});

EM_JS(void, HandOverControls, (), {
    const shown = Module.fornalinaNewControls;
    delete Module.fornalinaNewControls;
    if (Module.fornalinaScreen)
        Module.fornalinaScreen(shown);
});
// clang-format on
}

namespace Page
{
void ShowControls(int screen, const std::vector<OnScreenControl>& controls, bool musicOn)
{
    BeginControls(screen, musicOn ? 1 : 0);
    for (const OnScreenControl& control : controls)
    {
        const int on = control.action == Action::Music ? (musicOn ? 1 : 0) : -1;
        AddControl(control.name, static_cast<int>(control.action), control.side == OnScreenControl::Side::Right,
                   HeldDirectionOf(control.action) != Direction::None ? 1 : 0, on);
    }
    HandOverControls();
}
}
