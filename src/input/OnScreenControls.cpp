#include "input/OnScreenControls.h"

#include "GameState.h"

namespace
{
using Side = OnScreenControl::Side;

// Every screen has the music switch at the top of the left side.
const OnScreenControl MUSIC = {u8"M\u00fasica", Action::Music, Side::Left};
}

std::vector<OnScreenControl> ControlsOf(int screen)
{
    switch (screen)
    {
    case TITLE_MENU:
        return {MUSIC,
                {"Sair", Action::Quit, Side::Left},
                {u8"Instru\u00e7\u00f5es", Action::Instructions, Side::Right},
                {"Jogar", Action::Play, Side::Right}};
    case INSTRUCTIONS:
        return {MUSIC, {"Voltar", Action::Back, Side::Right}};
    case CHOOSE_DIFFICULTY:
        return {MUSIC,
                {u8"F\u00e1cil", Action::Easy, Side::Right},
                {u8"M\u00e9dio", Action::Medium, Side::Right},
                {u8"Dif\u00edcil", Action::Hard, Side::Right}};
    case SHOW_RECIPE:
        return {MUSIC, {u8"Come\u00e7ar", Action::Start, Side::Right}};
    case PLAYING:
        return {MUSIC,
                {"Esquerda", Action::Left, Side::Left},
                {"Pausar", Action::Pause, Side::Right},
                {"Direita", Action::Right, Side::Right}};
    case PAUSED:
        return {MUSIC, {"Continuar", Action::Resume, Side::Right}};
    case ROUND_OVER:
        return {MUSIC, {"Sair", Action::Quit, Side::Left}, {"Jogar de novo", Action::Again, Side::Right}};
    default:
        return {};
    }
}

Direction HeldDirectionOf(Action action)
{
    return action == Action::Left ? Direction::Left : action == Action::Right ? Direction::Right : Direction::None;
}
