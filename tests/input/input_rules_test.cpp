#include "input/FullscreenKeys.h"
#include "input/Gamepad.h"

#include <allegro5/allegro.h>
#include <gtest/gtest.h>

#include <string>

// The fullscreen keys and the gamepad's meaning, as rules.

TEST(FullscreenKeys, F11AndAltEnterPressedNotRepeated)
{
    auto character = [](int keycode, unsigned modifiers, bool repeat,
                        ALLEGRO_EVENT_TYPE type = ALLEGRO_EVENT_KEY_CHAR) {
        ALLEGRO_EVENT event{};
        event.type = type;
        event.keyboard.keycode = keycode;
        event.keyboard.modifiers = modifiers;
        event.keyboard.repeat = repeat;
        return event;
    };
    EXPECT_TRUE(TogglesFullscreen(character(ALLEGRO_KEY_F11, 0, false)));
    EXPECT_TRUE(TogglesFullscreen(character(ALLEGRO_KEY_ENTER, ALLEGRO_KEYMOD_ALT, false)));
    EXPECT_FALSE(TogglesFullscreen(character(ALLEGRO_KEY_F11, 0, true)));
    EXPECT_FALSE(TogglesFullscreen(character(ALLEGRO_KEY_ENTER, 0, false)));
    EXPECT_FALSE(TogglesFullscreen(character(ALLEGRO_KEY_ENTER, ALLEGRO_KEYMOD_CTRL, false)));
    EXPECT_TRUE(IsEnterWithAlt(character(ALLEGRO_KEY_ENTER, ALLEGRO_KEYMOD_ALT, true)));
    EXPECT_FALSE(IsEnterWithAlt(character(ALLEGRO_KEY_ENTER, 0, false)));
    // Alt as the key-down event saw it, whatever the keyboard holds by the time it is handled.
    EXPECT_TRUE(IsEnterWithAlt(character(ALLEGRO_KEY_ENTER, ALLEGRO_KEYMOD_ALT, false, ALLEGRO_EVENT_KEY_DOWN)));
    EXPECT_FALSE(IsEnterWithAlt(character(ALLEGRO_KEY_ENTER, 0, false, ALLEGRO_EVENT_KEY_DOWN)));
}

TEST(Gamepad, ButtonsStandForEnterEscapeAndP)
{
    struct Case
    {
        int index;
        std::string name;
        int key;
    };
    const Case cases[] = {
        {0, "", ALLEGRO_KEY_ENTER},
        {1, "", ALLEGRO_KEY_ESCAPE},
        {7, "", ALLEGRO_KEY_P},
        {2, "", 0},
        {0, "B1", ALLEGRO_KEY_ENTER},
        {9, "B10", 0},
        {9, "Start", ALLEGRO_KEY_P},
        {3, "A", ALLEGRO_KEY_ENTER},
        {0, "X", 0}, // the driver's names win
        {5, "BTN_EAST", ALLEGRO_KEY_ESCAPE},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(Gamepad::KeyOfButton(c.index, c.name), c.key) << c.index << " \"" << c.name << "\"";
    }
}

TEST(Gamepad, SticksPointPastTheirMiddleOnly)
{
    using Gamepad::Direction;
    EXPECT_EQ(Gamepad::DirectionOf(0, -1.0f), Direction::Left);
    EXPECT_EQ(Gamepad::DirectionOf(0, 0.7f), Direction::Right);
    EXPECT_EQ(Gamepad::DirectionOf(0, 0.3f), Direction::None);
    EXPECT_EQ(Gamepad::DirectionOf(1, -0.9f), Direction::Up);
    EXPECT_EQ(Gamepad::DirectionOf(1, 1.0f), Direction::Down);
    EXPECT_EQ(Gamepad::DirectionOf(2, 1.0f), Direction::None);
}

TEST(Gamepad, AHeldDirectionStepsAtOnceThenRepeatsAfterADelay)
{
    using Gamepad::Direction;
    Gamepad::HeldDirection held;
    EXPECT_TRUE(held.Point(0, Direction::Left, 10.0));
    EXPECT_FALSE(held.Point(0, Direction::Left, 10.1)); // still held: no second press
    EXPECT_FALSE(held.RepeatDue(10.0 + Gamepad::REPEAT_DELAY - 0.001));
    EXPECT_TRUE(held.RepeatDue(10.0 + Gamepad::REPEAT_DELAY));
    EXPECT_FALSE(held.RepeatDue(10.0 + Gamepad::REPEAT_DELAY + 0.01));
    EXPECT_TRUE(held.RepeatDue(10.0 + Gamepad::REPEAT_DELAY + Gamepad::REPEAT_INTERVAL));

    // Steps per second of holding, checked once a frame at 60 frames a second.
    int steps = 0;
    for (double now = 11.0; now < 12.0; now += 1.0 / 60.0)
    {
        steps += held.RepeatDue(now) ? 1 : 0;
    }
    EXPECT_NEAR(steps, 1.0 / Gamepad::REPEAT_INTERVAL, 2);
    // A stall of a second owes one step, not a second's worth.
    EXPECT_TRUE(held.RepeatDue(13.0));
    EXPECT_FALSE(held.RepeatDue(13.0 + Gamepad::REPEAT_INTERVAL / 2));

    // Another stick resting does not let go; this one does.
    EXPECT_FALSE(held.Point(1, Direction::None, 14.0));
    EXPECT_EQ(held.Held(), Direction::Left);
    EXPECT_FALSE(held.Point(0, Direction::None, 14.0));
    EXPECT_EQ(held.Held(), Direction::None);
    EXPECT_FALSE(held.RepeatDue(20.0));
    EXPECT_TRUE(held.Point(0, Direction::Right, 20.0));
}
