#include "support/Clock.h"

#include <chrono>
#include <thread>

double Now()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

void Sleep(double seconds)
{
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

bool WaitUntil(double seconds, double every, const std::function<bool()>& done)
{
    const double deadline = Now() + seconds;
    while (!done())
    {
        if (Now() >= deadline)
        {
            return false;
        }
        Sleep(every);
    }
    return true;
}
