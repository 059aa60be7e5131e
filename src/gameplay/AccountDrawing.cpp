#include "Game.h"

#include "componentsystem/DrawableComponent.h"
#include "content/IngredientCatalogue.h"
#include "gameplay/AccountLayout.h"

#include <allegro5/allegro_font.h>

#include <cstdio>
#include <map>
#include <string>

static_assert(AccountLayout::CAPACITY >= INGREDIENT_COUNT,
              "every ingredient of the catalogue, caught or asked for, has its cell on the result screen");

namespace
{
// Matched counts keep to the panel's own light text; missing and extra ones
// stand out, and carry a sign too, so that they read without colour.
ALLEGRO_COLOR CountColour(RoundRules::Standing standing)
{
    switch (standing)
    {
    case RoundRules::Standing::MISSING:
        return al_map_rgb(255, 104, 92);
    case RoundRules::Standing::EXTRA:
        return al_map_rgb(255, 196, 61);
    default:
        return al_map_rgb(255, 246, 230);
    }
}

const char* SignOf(RoundRules::Standing standing)
{
    switch (standing)
    {
    case RoundRules::Standing::MISSING:
        return "-";
    case RoundRules::Standing::EXTRA:
        return "+";
    default:
        return nullptr;
    }
}

// The panel's dark brown: the badges' rim and their signs.
ALLEGRO_COLOR PanelDark()
{
    return al_map_rgb(43, 26, 16);
}

// Writes text with its ink centred on (x, y).
void DrawCentredInk(ALLEGRO_FONT* font, ALLEGRO_COLOR colour, float x, float y, const char* text)
{
    int inkX = 0;
    int inkY = 0;
    int inkWidth = 0;
    int inkHeight = 0;
    al_get_text_dimensions(font, text, &inkX, &inkY, &inkWidth, &inkHeight);
    al_draw_text(font, colour, x - inkX - inkWidth / 2.0f, y - inkY - inkHeight / 2.0f, 0, text);
}

// A badge centred on (x, y): a disc of the colour, rimmed in dark brown, with
// the sign written on it. The disc is the big font's bullet, so that the badge
// needs no drawing of its own; a font without one shows the sign alone, in the
// colour.
void DrawBadge(ALLEGRO_FONT* discFont, ALLEGRO_FONT* signFont, ALLEGRO_COLOR colour, float x, float y, const char* sign)
{
    const int bulletCodePoint = 0x2022;
    const bool disc = al_get_glyph_width(discFont, bulletCodePoint) > 0;
    const char* const bullet = "\xE2\x80\xA2";
    for (int dx = -2; dx <= 2; dx += 2)
    {
        for (int dy = -2; dy <= 2; dy += 2)
        {
            DrawCentredInk(disc ? discFont : signFont, PanelDark(), x + dx, y + dy, disc ? bullet : sign);
        }
    }
    if (disc)
    {
        DrawCentredInk(discFont, colour, x, y, bullet);
    }
    DrawCentredInk(signFont, disc ? PanelDark() : colour, x, y, sign);
}
}

void Game::DrawRoundAccount(const std::vector<RoundRules::AccountEntry>& account)
{
    // The pictures the player saw fall: those of the round's own actors.
    std::map<std::string, ALLEGRO_BITMAP*> pictures;
    for (const LinkedList<int>* ids : {&m_recipeIngredients, &m_caughtIngredients})
    {
        for (int position = 1; position <= ids->Size(); ++position)
        {
            int id = 0;
            bool found = false;
            ids->Get(id, position, found);
            const std::shared_ptr<Actor> actor = m_actorManager.GetActor(static_cast<ActorId>(id));
            if (found && actor != nullptr)
            {
                pictures.emplace(actor->GetName(), actor->GetComponent<DrawableComponent>()->GetBitmap());
            }
        }
    }

    const AccountLayout::Layout layout = AccountLayout::LayOut(static_cast<int>(account.size()));
    // Pictures first, then every text: each run is one batch (one atlas, one
    // glyph sheet), and the signs lie over the pictures.
    al_hold_bitmap_drawing(true);
    for (std::size_t i = 0; i < layout.cells.size(); ++i)
    {
        const auto picture = pictures.find(account[i].name);
        if (picture != pictures.end() && picture->second != nullptr)
        {
            ALLEGRO_BITMAP* bitmap = picture->second;
            al_draw_scaled_bitmap(bitmap, 0.0f, 0.0f, al_get_bitmap_width(bitmap), al_get_bitmap_height(bitmap),
                                  layout.cells[i].x, layout.cells[i].y, AccountLayout::PICTURE_SIZE,
                                  AccountLayout::PICTURE_SIZE, 0);
        }
    }
    al_hold_bitmap_drawing(false);

    al_hold_bitmap_drawing(true);
    const float textTop = (AccountLayout::CELL_HEIGHT - al_get_font_line_height(m_countFont)) / 2.0f;
    for (std::size_t i = 0; i < layout.cells.size(); ++i)
    {
        const RoundRules::AccountEntry& entry = account[i];
        const RoundRules::Standing standing = RoundRules::StandingOf(entry);
        const AccountLayout::Cell cell = layout.cells[i];
        char count[24];
        if (entry.asked > 0)
        {
            std::snprintf(count, sizeof count, "%d/%d", entry.caught, entry.asked);
        }
        else
        {
            std::snprintf(count, sizeof count, "+%d", entry.caught);
        }
        al_draw_text(m_countFont, CountColour(standing),
                     cell.x + AccountLayout::PICTURE_SIZE + AccountLayout::COUNT_GAP, cell.y + textTop, 0, count);
        if (const char* sign = SignOf(standing))
        {
            DrawBadge(m_font, m_countFont, CountColour(standing), cell.x + 3.0f, cell.y + 3.0f, sign);
        }
    }
    al_hold_bitmap_drawing(false);
}
