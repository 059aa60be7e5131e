#include "commandline/CommandLine.h"

#include "text/MessageText.h"

LaunchOptions ParseCommandLine(const std::vector<std::string>& arguments)
{
    LaunchOptions options;
    LaunchOptions::Action asked = LaunchOptions::Action::Play;
    bool unknown = false;
    for (const std::string& argument : arguments)
    {
        const bool help = argument == "--help" || argument == "-h";
        if ((help || argument == "--version") && asked == LaunchOptions::Action::Play)
        {
            asked = help ? LaunchOptions::Action::Help : LaunchOptions::Action::Version;
        }
        else if (argument == "--fullscreen")
        {
            options.fullscreen = 1;
        }
        else if (argument == "--window")
        {
            options.fullscreen = 0;
        }
        else if (!help && argument != "--version" && !unknown)
        {
            unknown = true;
            options.unknown = argument;
        }
    }
    options.action = unknown ? LaunchOptions::Action::Unknown : asked;
    return options;
}

std::string UsageText(const std::string& settingsPath, bool utf8)
{
    // Windows-1252: \xE1 á, \xE3 ã, \xE7 ç, \xE9 é, \xED í, \xF5 õ, \xFA ú.
    const std::string text = "Uso: fornalina [--fullscreen | --window] [--help] [--version]\n"
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
                             "es (m\xFAsica, tela cheia): ";
    if (settingsPath.empty())
    {
        return InConsoleEncoding(text + "n\xE3o salvas (pasta pessoal desconhecida)\n", utf8);
    }
    return InConsoleEncoding(text, utf8) + EscapedUserText(settingsPath) + "\n";
}

std::string UnknownOptionText(const std::string& option, bool utf8)
{
    // An empty argument would otherwise show as nothing at all.
    const std::string shown = option.empty() ? "\"\"" : EscapedUserText(option);
    return InConsoleEncoding("fornalina: op\xE7\xE3o desconhecida: ", utf8) + shown +
           InConsoleEncoding(" (veja fornalina --help)\n", utf8);
}
