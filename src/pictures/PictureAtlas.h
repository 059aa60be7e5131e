#pragma once

#include "pictures/PictureStore.h"

#include <string>
#include <vector>

// Where a picture of that size goes on a sheet: pictures are laid left to right
// in rows ("shelves") as tall as their tallest, with a one-pixel gap so that a
// scaled draw never picks up a neighbour's edge. A picture that does not fit
// is left out (placed false) and keeps its own bitmap.
struct SheetPlace
{
    bool placed = false;
    int x = 0;
    int y = 0;
};
struct SheetLayout
{
    std::vector<SheetPlace> places; // one per size, in the same order
    int width = 0;                  // the sheet's size: what the placed pictures need
    int height = 0;
};
struct PictureSize
{
    int width = 0;
    int height = 0;
};
SheetLayout LayOutOnShelves(const std::vector<PictureSize>& sizes, int sheetSide);

// Many small pictures on one sheet, so that drawing them one after another
// uses one texture: with drawing held, the renderer then gets one batch for a
// whole run of them instead of one draw each.
//
// Build decodes each file (through the shared store), copies those that fit
// onto the sheet, and offers each piece to the store: while the atlas lives,
// every DrawableComponent that loads one of those files gets its piece, and no
// file is read again. A piece held by a drawable keeps the sheet alive after
// the atlas is released.
class PictureAtlas
{
public:
    // The largest side of a sheet: every graphics card takes it.
    static constexpr int SHEET_SIDE = 1024;

    PictureAtlas() = default;
    PictureAtlas(const PictureAtlas&) = delete;
    PictureAtlas& operator=(const PictureAtlas&) = delete;

    // Replaces what the atlas held. Files that cannot be loaded are left out
    // (the loader reports each once).
    void Build(const std::vector<std::string>& paths);
    // Lets go of every piece; pictures nobody else holds are freed.
    void Release();
    // The pictures held: one per file that loaded.
    std::size_t PieceCount() const;

private:
    std::vector<Picture> m_pieces;
};
