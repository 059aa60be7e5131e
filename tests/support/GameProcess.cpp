#include "support/GameProcess.h"

#include "support/Clock.h"

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace
{
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

GameProcess::GameProcess(const std::string& program, const Options& givenOptions)
    : m_settings(givenOptions.settings.empty() ? m_ownSettings.Path() : givenOptions.settings)
{
    Options options = givenOptions;
    options.set.push_back("XDG_CONFIG_HOME=" + m_settings);
    std::vector<std::string> arguments{program};
    arguments.insert(arguments.end(), options.arguments.begin(), options.arguments.end());
    std::vector<std::string> environment = Environment(options);
    std::vector<char*> argv = Pointers(arguments);
    std::vector<char*> envp = Pointers(environment);

    int errors[2];
    int output[2];
    if (pipe2(errors, O_CLOEXEC) != 0 || pipe2(output, O_CLOEXEC) != 0)
    {
        m_ended = true;
        return;
    }
    m_pid = fork();
    if (m_pid == 0)
    {
        dup2(errors[1], STDERR_FILENO);
        dup2(output[1], STDOUT_FILENO);
        dup2(open("/dev/null", O_RDONLY), STDIN_FILENO);
        for (const int descriptor : options.closed)
        {
            close(descriptor);
        }
        if (chdir(options.folder.c_str()) == 0)
        {
            execve(program.c_str(), argv.data(), envp.data());
        }
        _exit(127);
    }
    close(errors[1]);
    close(output[1]);
    m_pipes[0] = {errors[0], &m_text};
    m_pipes[1] = {output[0], &m_output};
    m_ended = m_pid < 0;
}

GameProcess::~GameProcess()
{
    Kill();
    for (Pipe& pipe : m_pipes)
    {
        if (pipe.fd >= 0)
        {
            close(pipe.fd);
        }
    }
}

void GameProcess::ReadPipes(bool untilEnd)
{
    char buffer[4096];
    for (Pipe& pipe : m_pipes)
    {
        while (pipe.fd >= 0)
        {
            pollfd ready{pipe.fd, POLLIN, 0};
            if (!untilEnd && poll(&ready, 1, 0) <= 0)
            {
                break;
            }
            const ssize_t count = read(pipe.fd, buffer, sizeof buffer);
            if (count <= 0)
            {
                close(pipe.fd);
                pipe.fd = -1;
                break;
            }
            pipe.text->append(buffer, static_cast<std::size_t>(count));
        }
    }
}

bool GameProcess::WaitForExit(double seconds)
{
    return WaitUntil(seconds, 0.02, [this] {
        if (!m_ended)
        {
            ReadPipes(false);
            const pid_t done = waitpid(m_pid, &m_status, WNOHANG);
            m_ended = done == m_pid || done < 0;
            if (m_ended)
            {
                ReadPipes(true);
            }
        }
        return m_ended;
    });
}

void GameProcess::Kill()
{
    if (!m_ended)
    {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, &m_status, 0);
        m_ended = true;
        ReadPipes(true);
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
    ReadPipes(m_ended);
    return m_text;
}

const std::string& GameProcess::Output()
{
    ReadPipes(m_ended);
    return m_output;
}
