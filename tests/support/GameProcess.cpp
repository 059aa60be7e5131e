#include "support/GameProcess.h"

#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace
{
using Clock = std::chrono::steady_clock;

Clock::time_point After(double seconds)
{
    return Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
}

std::vector<std::string> Environment(const GameProcess::Options& options)
{
    auto nameOf = [](const std::string& entry) { return entry.substr(0, entry.find('=')); };
    std::vector<std::string> result;
    for (char** variable = environ; *variable != nullptr; ++variable)
    {
        const std::string name = nameOf(*variable);
        bool dropped = false;
        for (const std::string& other : options.unset)
        {
            dropped = dropped || other == name;
        }
        for (const std::string& entry : options.set)
        {
            dropped = dropped || nameOf(entry) == name;
        }
        if (!dropped)
        {
            result.push_back(*variable);
        }
    }
    result.insert(result.end(), options.set.begin(), options.set.end());
    return result;
}

std::vector<char*> Pointers(std::vector<std::string>& strings)
{
    std::vector<char*> pointers;
    for (std::string& text : strings)
    {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}
}

GameProcess::GameProcess(const std::string& program, const Options& options)
{
    std::vector<std::string> arguments{program};
    arguments.insert(arguments.end(), options.arguments.begin(), options.arguments.end());
    std::vector<std::string> environment = Environment(options);
    std::vector<char*> argv = Pointers(arguments);
    std::vector<char*> envp = Pointers(environment);

    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0)
    {
        m_ended = true;
        return;
    }
    m_pid = fork();
    if (m_pid == 0)
    {
        dup2(pipeEnds[1], STDERR_FILENO);
        const int nothing = open("/dev/null", O_RDWR);
        dup2(nothing, STDIN_FILENO);
        dup2(nothing, STDOUT_FILENO);
        if (chdir(options.folder.c_str()) == 0)
        {
            execve(program.c_str(), argv.data(), envp.data());
        }
        _exit(127);
    }
    close(pipeEnds[1]);
    m_errors = pipeEnds[0];
    m_ended = m_pid < 0;
}

GameProcess::~GameProcess()
{
    Kill();
    if (m_errors >= 0)
    {
        close(m_errors);
    }
}

void GameProcess::ReadErrors(bool untilEnd)
{
    char buffer[4096];
    while (m_errors >= 0)
    {
        pollfd ready{m_errors, POLLIN, 0};
        if (!untilEnd && poll(&ready, 1, 0) <= 0)
        {
            return;
        }
        const ssize_t count = read(m_errors, buffer, sizeof buffer);
        if (count <= 0)
        {
            close(m_errors);
            m_errors = -1;
            return;
        }
        m_text.append(buffer, static_cast<std::size_t>(count));
    }
}

bool GameProcess::WaitForExit(double seconds)
{
    const auto deadline = After(seconds);
    while (!m_ended)
    {
        ReadErrors(false);
        const pid_t done = waitpid(m_pid, &m_status, WNOHANG);
        if (done == m_pid || done < 0)
        {
            m_ended = true;
            ReadErrors(true);
            break;
        }
        if (Clock::now() > deadline)
        {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

void GameProcess::Kill()
{
    if (!m_ended)
    {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, &m_status, 0);
        m_ended = true;
        ReadErrors(true);
    }
}

int GameProcess::ExitStatus() const
{
    return m_ended && WIFEXITED(m_status) ? WEXITSTATUS(m_status) : -1;
}

int GameProcess::Signal() const
{
    return m_ended && WIFSIGNALED(m_status) ? WTERMSIG(m_status) : 0;
}

const std::string& GameProcess::Errors()
{
    ReadErrors(m_ended);
    return m_text;
}
