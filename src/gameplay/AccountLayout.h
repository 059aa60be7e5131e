#pragma once

#include "content/ScreenLayout.h"

#include <vector>

// Where the entries of a round's account stand on the result screen: cells of
// one size in as few rows as hold them, the rows as evenly filled as can be,
// each row centred, and the rows together centred in the account's area
// (ScreenLayout::ACCOUNT_*).
namespace AccountLayout
{
// A cell: the ingredient's picture, then its count written beside it.
constexpr int PICTURE_SIZE = 30; // the ingredient sprites' size
constexpr int COUNT_GAP = 4;
constexpr int COUNT_FONT_SIZE = 24;
// Room for the widest count at that size: "31/5" (31 catches end a round; no
// recipe asks for more than 5 of one ingredient).
constexpr int COUNT_WIDTH = 54;
constexpr int CELL_WIDTH = PICTURE_SIZE + COUNT_GAP + COUNT_WIDTH;
constexpr int CELL_HEIGHT = PICTURE_SIZE;
// From one cell's left (top) edge to the next one's.
constexpr int COLUMN_PITCH = 96;
constexpr int ROW_PITCH = 36;

// How many cells the area holds across, down and in all.
constexpr int MOST_COLUMNS = (ScreenLayout::ACCOUNT_RIGHT - ScreenLayout::ACCOUNT_LEFT - CELL_WIDTH) / COLUMN_PITCH + 1;
constexpr int MOST_ROWS = (ScreenLayout::ACCOUNT_BOTTOM - ScreenLayout::ACCOUNT_TOP - CELL_HEIGHT) / ROW_PITCH + 1;
constexpr int CAPACITY = MOST_COLUMNS * MOST_ROWS;

// The top-left corner of a cell's picture, in the game's picture's pixels.
struct Cell
{
    int x;
    int y;
};
struct Layout
{
    int rows;
    int columns;             // cells in the fullest row
    std::vector<Cell> cells; // one per entry placed, in the account's order
};
// The cells of that many entries, in reading order; entries beyond CAPACITY
// get none, and no entries no rows.
Layout LayOut(int entries);
}
