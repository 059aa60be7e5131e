#include "gameplay/AccountLayout.h"

#include <algorithm>

namespace AccountLayout
{
namespace
{
constexpr int AREA_WIDTH = ScreenLayout::ACCOUNT_RIGHT - ScreenLayout::ACCOUNT_LEFT;
constexpr int AREA_HEIGHT = ScreenLayout::ACCOUNT_BOTTOM - ScreenLayout::ACCOUNT_TOP;

// The length of a run of n cells, from the first one's edge to the last one's far edge.
int RunLength(int n, int cellLength, int pitch)
{
    return cellLength + (n - 1) * pitch;
}
}

Layout LayOut(int entries)
{
    const int placed = std::min(entries, CAPACITY);
    if (placed <= 0)
    {
        return {0, 0, {}};
    }
    const int fewestRows = (placed + MOST_COLUMNS - 1) / MOST_COLUMNS;
    // Spread over those rows: 8 entries make two rows of 4, not one of 7 and one of 1.
    const int columns = (placed + fewestRows - 1) / fewestRows;
    const int rows = (placed + columns - 1) / columns;
    const int top = ScreenLayout::ACCOUNT_TOP + (AREA_HEIGHT - RunLength(rows, CELL_HEIGHT, ROW_PITCH)) / 2;

    Layout layout{rows, columns, {}};
    for (int index = 0; index < placed; ++index)
    {
        const int row = index / columns;
        const int inRow = std::min(columns, placed - row * columns);
        const int left = ScreenLayout::ACCOUNT_LEFT + (AREA_WIDTH - RunLength(inRow, CELL_WIDTH, COLUMN_PITCH)) / 2;
        layout.cells.push_back({left + (index % columns) * COLUMN_PITCH, top + row * ROW_PITCH});
    }
    return layout;
}
}
