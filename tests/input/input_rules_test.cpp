#include "GameState.h"
#include "input/Gamepad.h"
#include "input/InputRule.h"

#include <allegro5/allegro.h>
#include <gtest/gtest.h>

#include <string>

// The input rule, and what a gamepad's buttons and sticks are.

TEST(InputRule, WhatEachInputDoesOnEachScreen)
{
    using Gamepad::Button;
    const unsigned alt = ALLEGRO_KEYMOD_ALT;
    const auto repeated = [](int keycode) { return PlayerInput::Char(keycode, 0, true); };
    struct Case
    {
        int screen;
        PlayerInput input;
        Action action;
    };
    const Case cases[] = {
        // The title menu: its four keys, A and B; repeats of ESCAPE and M come from before.
        {TITLE_MENU, PlayerInput::Char(ALLEGRO_KEY_ENTER), Action::Play},
        {TITLE_MENU, repeated(ALLEGRO_KEY_ENTER), Action::Play},
        {TITLE_MENU, PlayerInput::Char(ALLEGRO_KEY_I), Action::Instructions},
        {TITLE_MENU, PlayerInput::Char(ALLEGRO_KEY_ESCAPE), Action::Quit},
        {TITLE_MENU, repeated(ALLEGRO_KEY_ESCAPE), Action::None},
        {TITLE_MENU, PlayerInput::Char(ALLEGRO_KEY_M), Action::Music},
        {TITLE_MENU, repeated(ALLEGRO_KEY_M), Action::None},
        {TITLE_MENU, PlayerInput::KeyDown(ALLEGRO_KEY_ENTER), Action::None},
        {TITLE_MENU, PlayerInput::Char(ALLEGRO_KEY_P), Action::None},
        {TITLE_MENU, PlayerInput::Pressed(Button::South), Action::Play},
        {TITLE_MENU, PlayerInput::Pressed(Button::East), Action::Quit},
        {TITLE_MENU, PlayerInput::Pressed(Button::Start), Action::None},
        {TITLE_MENU, PlayerInput::Pointing(Direction::Left), Action::None},
        // Fullscreen: F11 or Alt+Enter pressed, on every screen; that Enter is no screen's ENTER.
        {TITLE_MENU, PlayerInput::Char(ALLEGRO_KEY_F11), Action::Fullscreen},
        {TITLE_MENU, PlayerInput::Char(ALLEGRO_KEY_ENTER, alt), Action::Fullscreen},
        {TITLE_MENU, PlayerInput::Char(ALLEGRO_KEY_ENTER, ALLEGRO_KEYMOD_ALTGR), Action::Fullscreen},
        {TITLE_MENU, PlayerInput::Char(ALLEGRO_KEY_ENTER, ALLEGRO_KEYMOD_CTRL), Action::Play},
        {TITLE_MENU, PlayerInput::Char(ALLEGRO_KEY_F11, 0, true), Action::None},
        {TITLE_MENU, PlayerInput::Char(ALLEGRO_KEY_ENTER, alt, true), Action::None},
        {SHOW_RECIPE, PlayerInput::Char(ALLEGRO_KEY_ENTER, alt), Action::Fullscreen},
        {SHOW_RECIPE, PlayerInput::Char(ALLEGRO_KEY_ENTER, alt, true), Action::None},
        {ROUND_OVER, PlayerInput::Char(ALLEGRO_KEY_F11), Action::Fullscreen},
        {ROUND_OVER, PlayerInput::KeyDown(ALLEGRO_KEY_ENTER, alt), Action::None},
        {PLAYING, PlayerInput::Char(ALLEGRO_KEY_F11), Action::Fullscreen},
        // The instructions: ESCAPE or B.
        {INSTRUCTIONS, PlayerInput::Char(ALLEGRO_KEY_ESCAPE), Action::Back},
        {INSTRUCTIONS, repeated(ALLEGRO_KEY_ESCAPE), Action::Back},
        {INSTRUCTIONS, PlayerInput::KeyDown(ALLEGRO_KEY_ESCAPE), Action::None},
        {INSTRUCTIONS, PlayerInput::Char(ALLEGRO_KEY_ENTER), Action::None},
        {INSTRUCTIONS, PlayerInput::Char(ALLEGRO_KEY_M), Action::Music},
        {INSTRUCTIONS, PlayerInput::Pressed(Button::East), Action::Back},
        {INSTRUCTIONS, PlayerInput::Pressed(Button::South), Action::None},
        // The difficulty: the main row's digits, or left, up and right newly pressed.
        {CHOOSE_DIFFICULTY, PlayerInput::Char(ALLEGRO_KEY_1), Action::Easy},
        {CHOOSE_DIFFICULTY, PlayerInput::Char(ALLEGRO_KEY_2), Action::Medium},
        {CHOOSE_DIFFICULTY, PlayerInput::Char(ALLEGRO_KEY_3), Action::Hard},
        {CHOOSE_DIFFICULTY, PlayerInput::Char(ALLEGRO_KEY_4), Action::None},
        {CHOOSE_DIFFICULTY, PlayerInput::Char(ALLEGRO_KEY_PAD_1), Action::None},
        {CHOOSE_DIFFICULTY, PlayerInput::KeyDown(ALLEGRO_KEY_2), Action::None},
        {CHOOSE_DIFFICULTY, PlayerInput::Char(ALLEGRO_KEY_ENTER), Action::None},
        {CHOOSE_DIFFICULTY, PlayerInput::Pointing(Direction::Left), Action::Easy},
        {CHOOSE_DIFFICULTY, PlayerInput::Pointing(Direction::Up), Action::Medium},
        {CHOOSE_DIFFICULTY, PlayerInput::Pointing(Direction::Right), Action::Hard},
        {CHOOSE_DIFFICULTY, PlayerInput::Pointing(Direction::Down), Action::None},
        {CHOOSE_DIFFICULTY, PlayerInput::Pointing(Direction::Right, true), Action::None},
        {CHOOSE_DIFFICULTY, PlayerInput::Pressed(Button::South), Action::None},
        // The recipe card: ENTER or A.
        {SHOW_RECIPE, PlayerInput::Char(ALLEGRO_KEY_ENTER), Action::Start},
        {SHOW_RECIPE, PlayerInput::KeyDown(ALLEGRO_KEY_ENTER), Action::None},
        {SHOW_RECIPE, PlayerInput::Char(ALLEGRO_KEY_P), Action::None},
        {SHOW_RECIPE, PlayerInput::Pressed(Button::South), Action::Start},
        // The round: arrows (held too), P or ESCAPE pressed, B or Start, the stick.
        {PLAYING, PlayerInput::Char(ALLEGRO_KEY_LEFT), Action::Left},
        {PLAYING, repeated(ALLEGRO_KEY_RIGHT), Action::Right},
        {PLAYING, PlayerInput::Char(ALLEGRO_KEY_P), Action::Pause},
        {PLAYING, PlayerInput::Char(ALLEGRO_KEY_P, ALLEGRO_KEYMOD_CTRL), Action::Pause},
        {PLAYING, repeated(ALLEGRO_KEY_P), Action::None},
        {PLAYING, PlayerInput::Char(ALLEGRO_KEY_ESCAPE), Action::Pause},
        {PLAYING, repeated(ALLEGRO_KEY_ESCAPE), Action::None},
        {PLAYING, PlayerInput::KeyDown(ALLEGRO_KEY_P), Action::None},
        {PLAYING, PlayerInput::Char(ALLEGRO_KEY_ENTER), Action::None},
        {PLAYING, PlayerInput::Pressed(Button::East), Action::Pause},
        {PLAYING, PlayerInput::Pressed(Button::Start), Action::Pause},
        {PLAYING, PlayerInput::Pressed(Button::South), Action::None},
        {PLAYING, PlayerInput::Pointing(Direction::Left), Action::Left},
        {PLAYING, PlayerInput::Pointing(Direction::Right, true), Action::Right},
        {PLAYING, PlayerInput::Pointing(Direction::Up), Action::None},
        // Paused: only P or Start go on.
        {PAUSED, PlayerInput::Char(ALLEGRO_KEY_P), Action::Resume},
        {PAUSED, repeated(ALLEGRO_KEY_P), Action::None},
        {PAUSED, PlayerInput::Char(ALLEGRO_KEY_ESCAPE), Action::None},
        {PAUSED, PlayerInput::Char(ALLEGRO_KEY_LEFT), Action::None},
        {PAUSED, PlayerInput::Pressed(Button::Start), Action::Resume},
        {PAUSED, PlayerInput::Pressed(Button::East), Action::None},
        {PAUSED, PlayerInput::Pointing(Direction::Left), Action::None},
        // The result: key-down events only, so that a key held from the round cannot skip it.
        {ROUND_OVER, PlayerInput::KeyDown(ALLEGRO_KEY_ENTER), Action::Again},
        {ROUND_OVER, PlayerInput::KeyDown(ALLEGRO_KEY_ESCAPE), Action::Quit},
        {ROUND_OVER, PlayerInput::KeyDown(ALLEGRO_KEY_M), Action::Music},
        {ROUND_OVER, PlayerInput::Char(ALLEGRO_KEY_ENTER), Action::None},
        {ROUND_OVER, PlayerInput::Char(ALLEGRO_KEY_ESCAPE), Action::None},
        {ROUND_OVER, PlayerInput::Char(ALLEGRO_KEY_M), Action::None},
        {ROUND_OVER, PlayerInput::Pressed(Button::South), Action::Again},
        {ROUND_OVER, PlayerInput::Pressed(Button::East), Action::Quit},
        // Controls ask for an action the screen offers, and nothing else.
        {TITLE_MENU, PlayerInput::Touched(Action::Instructions), Action::Instructions},
        {TITLE_MENU, PlayerInput::Touched(Action::Start), Action::None},
        {PLAYING, PlayerInput::Touched(Action::Pause), Action::Pause},
        {PLAYING, PlayerInput::Touched(Action::Music), Action::Music},
        {PAUSED, PlayerInput::Touched(Action::Pause), Action::None},
        {ROUND_OVER, PlayerInput::Touched(Action::Again), Action::Again},
        // Before the game starts and once it quits, nothing acts.
        {NOT_STARTED, PlayerInput::Char(ALLEGRO_KEY_F11), Action::None},
        {QUIT, PlayerInput::Char(ALLEGRO_KEY_M), Action::None},
        {QUIT, PlayerInput::Touched(Action::Music), Action::None},
        {PLAYING, PlayerInput(), Action::None},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(ActionFor(c.screen, c.input), c.action)
            << "screen " << c.screen << ", input kind " << static_cast<int>(c.input.kind) << ", key " << c.input.keycode
            << ", modifiers " << c.input.modifiers << ", repeated " << c.input.repeated << ", button "
            << static_cast<int>(c.input.button) << ", direction " << static_cast<int>(c.input.direction);
    }
}

TEST(Gamepad, ButtonsAreKnownByTheirNamesOrTheirPlaces)
{
    struct Case
    {
        int index;
        std::string name;
        Gamepad::Button button;
    };
    const Case cases[] = {
        {0, "", Gamepad::Button::South},        {1, "", Gamepad::Button::East},
        {7, "", Gamepad::Button::Start},        {2, "", Gamepad::Button::None},
        {0, "B1", Gamepad::Button::South},      {9, "B10", Gamepad::Button::None},
        {9, "Start", Gamepad::Button::Start},   {3, "A", Gamepad::Button::South},
        {0, "X", Gamepad::Button::None}, // the driver's names win
        {5, "BTN_EAST", Gamepad::Button::East},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(Gamepad::ButtonOf(c.index, c.name), c.button) << c.index << " \"" << c.name << "\"";
    }
}

TEST(Gamepad, SticksPointPastTheirMiddleOnly)
{
    EXPECT_EQ(Gamepad::DirectionOf(0, -1.0f), Direction::Left);
    EXPECT_EQ(Gamepad::DirectionOf(0, 0.7f), Direction::Right);
    EXPECT_EQ(Gamepad::DirectionOf(0, 0.3f), Direction::None);
    EXPECT_EQ(Gamepad::DirectionOf(1, -0.9f), Direction::Up);
    EXPECT_EQ(Gamepad::DirectionOf(1, 1.0f), Direction::Down);
    EXPECT_EQ(Gamepad::DirectionOf(2, 1.0f), Direction::None);
}

TEST(HeldDirection, StepsAtOnceThenRepeatsAfterADelay)
{
    HeldDirection held;
    EXPECT_TRUE(held.Point(0, Direction::Left, 10.0));
    EXPECT_FALSE(held.Point(0, Direction::Left, 10.1)); // still held: no second press
    EXPECT_FALSE(held.RepeatDue(10.0 + REPEAT_DELAY - 0.001));
    EXPECT_TRUE(held.RepeatDue(10.0 + REPEAT_DELAY));
    EXPECT_FALSE(held.RepeatDue(10.0 + REPEAT_DELAY + 0.01));
    EXPECT_TRUE(held.RepeatDue(10.0 + REPEAT_DELAY + REPEAT_INTERVAL));

    // Steps per second of holding, checked once a frame at 60 frames a second.
    int steps = 0;
    for (double now = 11.0; now < 12.0; now += 1.0 / 60.0)
    {
        steps += held.RepeatDue(now) ? 1 : 0;
    }
    EXPECT_NEAR(steps, 1.0 / REPEAT_INTERVAL, 2);
    // A stall of a second owes one step, not a second's worth.
    EXPECT_TRUE(held.RepeatDue(13.0));
    EXPECT_FALSE(held.RepeatDue(13.0 + REPEAT_INTERVAL / 2));

    // Another stick resting does not let go; this one does.
    EXPECT_FALSE(held.Point(1, Direction::None, 14.0));
    EXPECT_EQ(held.Held(), Direction::Left);
    EXPECT_FALSE(held.Point(0, Direction::None, 14.0));
    EXPECT_EQ(held.Held(), Direction::None);
    EXPECT_FALSE(held.RepeatDue(20.0));
    EXPECT_TRUE(held.Point(0, Direction::Right, 20.0));
}
