#pragma once

// Where things stand on the game's picture, in its pixels (y grows downward).
// The picture is drawn at this size and scaled to fit the window.
namespace ScreenLayout
{
constexpr int PICTURE_WIDTH = 800;
constexpr int PICTURE_HEIGHT = 600;

// The sound icon, at the same place on the title menu and in the kitchen.
constexpr float SOUND_ICON_X = 720.0f;
constexpr float SOUND_ICON_Y = 20.0f;

// The icons of the catches: two rows of fifteen at the top left.
constexpr int ICONS_PER_ROW = 15;
constexpr int ICON_ROWS = 2;
constexpr int ICON_LEFT = 20;
constexpr int ICON_TOP = 8;
constexpr int ICON_SPACING = 30;

// The round's account on the result screen: the part of the panel left dark
// and empty for it, under the result text (white, 80 px, from y 300: its
// lowest ink ends at 405) and above the keys.
constexpr int ACCOUNT_LEFT = 64;
constexpr int ACCOUNT_TOP = 412;
constexpr int ACCOUNT_RIGHT = 736;
constexpr int ACCOUNT_BOTTOM = 514;
}
