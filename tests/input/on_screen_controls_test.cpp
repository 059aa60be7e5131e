#include "GameState.h"
#include "input/ControlEvent.h"
#include "input/InputRule.h"
#include "input/OnScreenControls.h"

#include <allegro5/allegro.h>
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

// The controls a touch screen shows: their names (what a screen reader says
// and the browser test looks for), and that they reach what the keys reach.

namespace
{
const int SCREENS[] = {TITLE_MENU, INSTRUCTIONS, CHOOSE_DIFFICULTY, SHOW_RECIPE, PLAYING, PAUSED, ROUND_OVER};

// "L:name" or "R:name", top to bottom, each side in turn.
std::string Described(const std::vector<OnScreenControl>& controls)
{
    std::string text;
    for (const OnScreenControl& control : controls)
    {
        text += (text.empty() ? "" : " ") + std::string(control.side == OnScreenControl::Side::Left ? "L:" : "R:") +
                control.name;
    }
    return text;
}
}

TEST(OnScreenControls, EachScreenShowsItsOwnByName)
{
    const std::map<int, std::string> expected = {
        {TITLE_MENU, u8"L:M\u00fasica L:Sair R:Instru\u00e7\u00f5es R:Jogar"},
        {INSTRUCTIONS, u8"L:M\u00fasica R:Voltar"},
        {CHOOSE_DIFFICULTY, u8"L:M\u00fasica R:F\u00e1cil R:M\u00e9dio R:Dif\u00edcil"},
        {SHOW_RECIPE, u8"L:M\u00fasica R:Come\u00e7ar"},
        {PLAYING, u8"L:M\u00fasica L:Esquerda R:Pausar R:Direita"},
        {PAUSED, u8"L:M\u00fasica R:Continuar"},
        {ROUND_OVER, u8"L:M\u00fasica L:Sair R:Jogar de novo"},
        {NOT_STARTED, ""},
        {QUIT, ""},
    };
    for (const auto& [screen, names] : expected)
    {
        EXPECT_EQ(Described(ControlsOf(screen)), names) << "screen " << screen;
    }
}

// A player without a keyboard can do on each screen all that its keys do
// (fullscreen is the browser's), and each control is answered.
TEST(OnScreenControls, ReachWhatTheKeysReach)
{
    for (int screen : SCREENS)
    {
        std::set<Action> byKeys;
        for (int keycode = 1; keycode < ALLEGRO_KEY_MAX; ++keycode)
        {
            for (const PlayerInput& key : {PlayerInput::Char(keycode), PlayerInput::KeyDown(keycode)})
            {
                const Action action = ActionFor(screen, key);
                if (action != Action::None && action != Action::Fullscreen)
                {
                    byKeys.insert(action);
                }
            }
        }
        std::set<Action> byControls;
        for (const OnScreenControl& control : ControlsOf(screen))
        {
            EXPECT_EQ(ActionFor(screen, PlayerInput::Touched(control.action)), control.action)
                << "screen " << screen << ": " << control.name;
            byControls.insert(control.action);
        }
        EXPECT_EQ(byControls, byKeys) << "screen " << screen;
    }
}

TEST(OnScreenControls, OnlyTheWalkIsHeldAndTheirEventsSayWhatWasPressed)
{
    EXPECT_EQ(HeldDirectionOf(Action::Left), Direction::Left);
    EXPECT_EQ(HeldDirectionOf(Action::Right), Direction::Right);
    EXPECT_EQ(HeldDirectionOf(Action::Pause), Direction::None);
    EXPECT_EQ(HeldDirectionOf(Action::Music), Direction::None);

    const ALLEGRO_EVENT pressed = ControlEvent(Action::Hard, true);
    EXPECT_EQ(pressed.type, CONTROL_EVENT);
    EXPECT_TRUE(ALLEGRO_EVENT_TYPE_IS_USER(pressed.type));
    EXPECT_EQ(InputOf(pressed).kind, PlayerInput::Kind::Control);
    EXPECT_EQ(InputOf(pressed).control, Action::Hard);
    EXPECT_EQ(InputOf(ControlEvent(Action::Hard, false)).kind, PlayerInput::Kind::None);
    // A number that is no action, from a page, asks for nothing.
    ALLEGRO_EVENT stray = pressed;
    stray.user.data1 = 999;
    EXPECT_EQ(ActionFor(CHOOSE_DIFFICULTY, InputOf(stray)), Action::None);
    stray.user.data1 = -3;
    EXPECT_EQ(ActionFor(CHOOSE_DIFFICULTY, InputOf(stray)), Action::None);
}
