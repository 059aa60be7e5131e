#pragma once

#include <string>
#include <vector>

// Clocks, memory and statistics for the benchmark.
namespace Measure
{
// Seconds of a monotonic wall clock.
double WallSeconds();
// CPU seconds used by the whole process (every thread: the game's, the GL
// driver's rasteriser threads, the audio mixer) or by the calling thread only.
double ProcessCpuSeconds();
double ThreadCpuSeconds();
// Resident memory of the process, in KB.
long ResidentKb();
// The q-quantile (0..1) of the samples, nearest rank.
double Quantile(std::vector<double> samples, double q);
double Median(std::vector<double> samples);
}
