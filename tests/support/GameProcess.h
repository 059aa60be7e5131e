#pragma once

#include "support/TempDir.h"

#include <sys/types.h>

#include <string>
#include <vector>

// The built game run as a child process, as a player or a launcher starts it.
class GameProcess
{
public:
    struct Options
    {
        std::string folder = ".";           // working folder
        std::vector<std::string> arguments; // after the program's name
        std::vector<std::string> unset;     // environment variables taken away
        std::vector<std::string> set;       // "NAME=value" added or replaced
        std::vector<int> closed;            // standard descriptors closed, as by 2>&-
        // The game's settings folder (XDG_CONFIG_HOME); when empty, a fresh one
        // of the process's own, never the user's.
        std::string settings;
    };

    GameProcess(const std::string& program, const Options& options);
    // Kills the game if it still runs.
    ~GameProcess();
    GameProcess(const GameProcess&) = delete;
    GameProcess& operator=(const GameProcess&) = delete;

    pid_t Pid() const
    {
        return m_pid;
    }
    // The settings folder the game was given (XDG_CONFIG_HOME).
    const std::string& SettingsFolder() const
    {
        return m_settings;
    }
    // Waits up to seconds for the game to end; true when it has.
    bool WaitForExit(double seconds);
    // Kills the game and waits for it.
    void Kill();
    // After the end: the exit status, or -1 when a signal ended it.
    int ExitStatus() const;
    // The signal that ended it, or 0.
    int Signal() const;
    // Everything written on standard error so far (all of it after the end).
    const std::string& Errors();
    // The same for standard output.
    const std::string& Output();

private:
    void ReadPipes(bool untilEnd);

    TempDir m_ownSettings;
    std::string m_settings;
    pid_t m_pid = -1;
    struct Pipe
    {
        int fd = -1;
        std::string* text = nullptr;
    };
    Pipe m_pipes[2]; // standard error, standard output
    int m_status = 0;
    bool m_ended = false;
    std::string m_text;
    std::string m_output;
};
