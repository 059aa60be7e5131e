#include "pictures/PictureAtlas.h"

#include <algorithm>

namespace
{
constexpr int GAP = 1;

// A transparent sheet of the layout's size with each placed picture copied
// into its place, pixel for pixel.
Picture MakeSheet(const SheetLayout& layout, const std::vector<Picture>& pictures)
{
    Picture sheet = AdoptBitmap(al_create_bitmap(layout.width, layout.height));
    if (sheet == nullptr)
    {
        return nullptr;
    }
    ALLEGRO_STATE state;
    al_store_state(&state, ALLEGRO_STATE_TARGET_BITMAP | ALLEGRO_STATE_BLENDER);
    al_set_target_bitmap(sheet.get());
    al_clear_to_color(al_map_rgba(0, 0, 0, 0));
    // Source over nothing: each pixel lands exactly as it is in the picture.
    al_set_blender(ALLEGRO_ADD, ALLEGRO_ONE, ALLEGRO_ZERO);
    for (std::size_t i = 0; i < pictures.size(); ++i)
    {
        if (layout.places[i].placed)
        {
            al_draw_bitmap(pictures[i].get(), static_cast<float>(layout.places[i].x),
                           static_cast<float>(layout.places[i].y), 0);
        }
    }
    al_restore_state(&state);
    return sheet;
}

// A piece of the sheet that keeps the sheet alive for as long as it lives.
Picture Piece(const Picture& sheet, const SheetPlace& place, const PictureSize& size)
{
    ALLEGRO_BITMAP* piece = al_create_sub_bitmap(sheet.get(), place.x, place.y, size.width, size.height);
    if (piece == nullptr)
    {
        return nullptr;
    }
    // The sheet is let go with the piece itself, not with the deleter: a weak
    // handle in the store keeps the deleter alive, and a sheet kept past the
    // library's end would be destroyed after it.
    return Picture(piece, [sheet = Picture(sheet)](ALLEGRO_BITMAP* bitmap) mutable {
        al_destroy_bitmap(bitmap);
        sheet.reset();
    });
}
}

SheetLayout LayOutOnShelves(const std::vector<PictureSize>& sizes, int sheetSide)
{
    SheetLayout layout;
    int x = 0;
    int shelfTop = 0;
    int shelfHeight = 0;
    for (const PictureSize& size : sizes)
    {
        SheetPlace place;
        if (size.width > 0 && size.height > 0 && size.width <= sheetSide)
        {
            if (x + size.width > sheetSide)
            {
                shelfTop += shelfHeight + GAP;
                x = 0;
                shelfHeight = 0;
            }
            if (shelfTop + size.height <= sheetSide)
            {
                place = {true, x, shelfTop};
                x += size.width + GAP;
                shelfHeight = std::max(shelfHeight, size.height);
                layout.width = std::max(layout.width, place.x + size.width);
                layout.height = std::max(layout.height, place.y + size.height);
            }
        }
        layout.places.push_back(place);
    }
    return layout;
}

void PictureAtlas::Build(const std::vector<std::string>& paths)
{
    Release();
    std::vector<std::string> loadedPaths;
    std::vector<Picture> pictures;
    std::vector<PictureSize> sizes;
    for (const std::string& path : paths)
    {
        Picture picture = PictureStore::Shared().Load(path);
        if (picture != nullptr)
        {
            loadedPaths.push_back(path);
            sizes.push_back({al_get_bitmap_width(picture.get()), al_get_bitmap_height(picture.get())});
            pictures.push_back(std::move(picture));
        }
    }
    const SheetLayout layout = LayOutOnShelves(sizes, SHEET_SIDE);
    const Picture sheet = layout.width > 0 ? MakeSheet(layout, pictures) : nullptr;
    for (std::size_t i = 0; i < pictures.size(); ++i)
    {
        Picture piece =
            sheet != nullptr && layout.places[i].placed ? Piece(sheet, layout.places[i], sizes[i]) : nullptr;
        if (piece != nullptr)
        {
            PictureStore::Shared().Offer(loadedPaths[i], piece);
            m_pieces.push_back(std::move(piece));
        }
        else
        {
            m_pieces.push_back(pictures[i]); // left off the sheet: kept as it is
        }
    }
}

void PictureAtlas::Release()
{
    m_pieces.clear();
}

std::size_t PictureAtlas::PieceCount() const
{
    return m_pieces.size();
}
