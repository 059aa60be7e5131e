#include "Measure.h"

#include <algorithm>
#include <cmath>
#include <ctime>
#include <fstream>
#include <malloc.h> // mallinfo2: the benchmark runs on the desktop build, over glibc
#include <unistd.h>

namespace
{
double Seconds(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}
}

namespace Measure
{
double WallSeconds()
{
    return Seconds(CLOCK_MONOTONIC);
}

double ProcessCpuSeconds()
{
    return Seconds(CLOCK_PROCESS_CPUTIME_ID);
}

double ThreadCpuSeconds()
{
    return Seconds(CLOCK_THREAD_CPUTIME_ID);
}

long ResidentKb()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

double HeapBytesInUse()
{
    const struct mallinfo2 heap = mallinfo2();
    return static_cast<double>(heap.uordblks + heap.hblkhd);
}

double RobustSlope(const std::vector<double>& x, const std::vector<double>& y)
{
    std::vector<double> slopes;
    for (std::size_t i = 0; i < x.size() && i < y.size(); ++i)
    {
        for (std::size_t j = i + 1; j < x.size() && j < y.size(); ++j)
        {
            if (x[j] != x[i])
            {
                slopes.push_back((y[j] - y[i]) / (x[j] - x[i]));
            }
        }
    }
    return Median(std::move(slopes));
}

double Quantile(std::vector<double> samples, double q)
{
    if (samples.empty())
    {
        return 0.0;
    }
    std::sort(samples.begin(), samples.end());
    const auto rank = static_cast<std::size_t>(std::ceil(q * static_cast<double>(samples.size())));
    return samples[std::min(samples.size() - 1, rank == 0 ? 0 : rank - 1)];
}

double Median(std::vector<double> samples)
{
    return Quantile(std::move(samples), 0.5);
}
}
