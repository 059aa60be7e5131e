#include "desktop/CommandLine.h"

LaunchOptions ParseCommandLine(const std::vector<std::string>& arguments)
{
    LaunchOptions options;
    for (const std::string& argument : arguments)
    {
        if (argument == "--help" || argument == "-h")
        {
            options.action = LaunchOptions::Action::Help;
            return options;
        }
        if (argument == "--version")
        {
            options.action = LaunchOptions::Action::Version;
            return options;
        }
        if (argument == "--fullscreen")
        {
            options.fullscreen = 1;
        }
        else if (argument == "--window")
        {
            options.fullscreen = 0;
        }
        else if (options.unknown.empty())
        {
            options.unknown = argument;
        }
    }
    if (!options.unknown.empty())
    {
        options.action = LaunchOptions::Action::Unknown;
    }
    return options;
}

std::string UsageText(const std::string& settingsPath)
{
    // Windows-1252: \xE1 á, \xE3 ã, \xE7 ç, \xE9 é, \xED í, \xF5 õ, \xFA ú.
    return "Uso: fornalina [--fullscreen | --window] [--help] [--version]\n"
           "\n"
           "Pegue exatamente os ingredientes da receita antes que o minuto acabe.\n"
           "\n"
           "Op\xE7\xF5"
           "es:\n"
           "  --fullscreen  tela cheia nesta partida\n"
           "  --window      janela nesta partida\n"
           "  --help        mostra esta ajuda\n"
           "  --version     mostra a vers\xE3o\n"
           "\n"
           "Teclas:\n"
           "  Menu         ENTER jogar, I instru\xE7\xF5"
           "es, ESC sair\n"
           "  Instru\xE7\xF5"
           "es   ESC voltar\n"
           "  Dificuldade  1 f\xE1"
           "cil, 2 m\xE9"
           "dio, 3 dif\xED"
           "cil\n"
           "  Receita      ENTER come\xE7"
           "ar\n"
           "  Partida      setas esquerda e direita movem o cozinheiro, P ou ESC pausa\n"
           "  Pausa        P continuar\n"
           "  Resultado    ENTER jogar de novo, ESC sair\n"
           "  Sempre       M m\xFAsica, F11 ou Alt+Enter tela cheia\n"
           "  Controle     direcional ou anal\xF3gico esquerdo move; A = ENTER, B = ESC, Start = P\n"
           "\n"
           "Configura\xE7\xF5"
           "es (m\xFAsica, tela cheia): " +
           settingsPath + "\n";
}

std::string UnknownOptionText(const std::string& option)
{
    return "fornalina: op\xE7\xE3o desconhecida: " + option + " (veja fornalina --help)\n";
}
