#include "input/InputRule.h"

#include "GameState.h"
#include "input/OnScreenControls.h"

#include <algorithm>
#include <vector>

namespace
{
// The screens a player acts on; the others (not started, quitting) take nothing.
bool TakesInput(int screen)
{
    return screen == TITLE_MENU || screen == INSTRUCTIONS || screen == CHOOSE_DIFFICULTY || screen == SHOW_RECIPE ||
           screen == PLAYING || screen == PAUSED || screen == ROUND_OVER;
}

bool AltHeld(unsigned modifiers)
{
    return (modifiers & (ALLEGRO_KEYMOD_ALT | ALLEGRO_KEYMOD_ALTGR)) != 0;
}

// A screen's own keys, once the keys every screen shares are taken.
Action ActionOfKey(int screen, int keycode, bool repeated)
{
    switch (screen)
    {
    case TITLE_MENU:
        switch (keycode)
        {
        case ALLEGRO_KEY_ENTER:
            return Action::Play;
        case ALLEGRO_KEY_I:
            return Action::Instructions;
        case ALLEGRO_KEY_ESCAPE:
            // Repeated, it was pressed on the screen before (the instructions).
            return repeated ? Action::None : Action::Quit;
        default:
            return Action::None;
        }
    case INSTRUCTIONS:
        return keycode == ALLEGRO_KEY_ESCAPE ? Action::Back : Action::None;
    case CHOOSE_DIFFICULTY:
        // The digits of the main row only: the keypad's have codes of their own.
        switch (keycode)
        {
        case ALLEGRO_KEY_1:
            return Action::Easy;
        case ALLEGRO_KEY_2:
            return Action::Medium;
        case ALLEGRO_KEY_3:
            return Action::Hard;
        default:
            return Action::None;
        }
    case SHOW_RECIPE:
        return keycode == ALLEGRO_KEY_ENTER ? Action::Start : Action::None;
    case PLAYING:
        switch (keycode)
        {
        case ALLEGRO_KEY_LEFT:
            return Action::Left;
        case ALLEGRO_KEY_RIGHT:
            return Action::Right;
        case ALLEGRO_KEY_P:
        case ALLEGRO_KEY_ESCAPE:
            return repeated ? Action::None : Action::Pause;
        default:
            return Action::None;
        }
    case PAUSED:
        return keycode == ALLEGRO_KEY_P && !repeated ? Action::Resume : Action::None;
    case ROUND_OVER:
        switch (keycode)
        {
        case ALLEGRO_KEY_ENTER:
            return Action::Again;
        case ALLEGRO_KEY_ESCAPE:
            return Action::Quit;
        default:
            return Action::None;
        }
    default:
        return Action::None;
    }
}

Action ActionOfKeyEvent(int screen, const PlayerInput& key)
{
    const bool enterWithAlt = key.keycode == ALLEGRO_KEY_ENTER && AltHeld(key.modifiers);
    if (key.kind == PlayerInput::Kind::KeyChar && !key.repeated && (key.keycode == ALLEGRO_KEY_F11 || enterWithAlt))
    {
        return Action::Fullscreen;
    }
    const PlayerInput::Kind answered = screen == ROUND_OVER ? PlayerInput::Kind::KeyDown : PlayerInput::Kind::KeyChar;
    if (enterWithAlt || key.kind != answered)
    {
        return Action::None;
    }
    if (key.keycode == ALLEGRO_KEY_M)
    {
        return key.repeated ? Action::None : Action::Music;
    }
    return ActionOfKey(screen, key.keycode, key.repeated);
}

// A: what ENTER does; B: what ESCAPE does (it never resumes); Start: pause and go on.
Action ActionOfButton(int screen, Gamepad::Button button)
{
    using Gamepad::Button;
    switch (screen)
    {
    case TITLE_MENU:
        return button == Button::South ? Action::Play : button == Button::East ? Action::Quit : Action::None;
    case INSTRUCTIONS:
        return button == Button::East ? Action::Back : Action::None;
    case SHOW_RECIPE:
        return button == Button::South ? Action::Start : Action::None;
    case PLAYING:
        return button == Button::East || button == Button::Start ? Action::Pause : Action::None;
    case PAUSED:
        return button == Button::Start ? Action::Resume : Action::None;
    case ROUND_OVER:
        return button == Button::South ? Action::Again : button == Button::East ? Action::Quit : Action::None;
    default:
        return Action::None;
    }
}

// Left, up and right choose the levels in the order they are drawn; left and
// right walk the cook, held too.
Action ActionOfDirection(int screen, Direction direction, bool repeated)
{
    if (screen == CHOOSE_DIFFICULTY && !repeated)
    {
        return direction == Direction::Left    ? Action::Easy
               : direction == Direction::Up    ? Action::Medium
               : direction == Direction::Right ? Action::Hard
                                               : Action::None;
    }
    if (screen == PLAYING)
    {
        return direction == Direction::Left    ? Action::Left
               : direction == Direction::Right ? Action::Right
                                               : Action::None;
    }
    return Action::None;
}

// The controls a screen shows (OnScreenControls.h) are the ones it offers.
bool ScreenOffers(int screen, Action action)
{
    const std::vector<OnScreenControl> controls = ControlsOf(screen);
    return std::any_of(controls.begin(), controls.end(),
                       [action](const OnScreenControl& control) { return control.action == action; });
}
}

Action ActionFor(int screen, const PlayerInput& input)
{
    if (!TakesInput(screen))
    {
        return Action::None;
    }
    switch (input.kind)
    {
    case PlayerInput::Kind::KeyChar:
    case PlayerInput::Kind::KeyDown:
        return ActionOfKeyEvent(screen, input);
    case PlayerInput::Kind::PadButton:
        return ActionOfButton(screen, input.button);
    case PlayerInput::Kind::Pointed:
        return ActionOfDirection(screen, input.direction, input.repeated);
    case PlayerInput::Kind::Control:
        return ScreenOffers(screen, input.control) ? input.control : Action::None;
    default:
        return Action::None;
    }
}
