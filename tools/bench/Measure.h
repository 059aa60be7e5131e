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
// Bytes the heap has handed out and not had back (0 where the C library cannot
// tell): unlike resident memory, it does not move with pages the allocator keeps.
double HeapBytesInUse();
// The q-quantile (0..1) of the samples, nearest rank.
double Quantile(std::vector<double> samples, double q);
double Median(std::vector<double> samples);
// The slope of y over x that the points agree on: the median of the slopes
// between every two points (Theil and Sen), which a few odd readings cannot
// sway as they sway a line through the first and last.
double RobustSlope(const std::vector<double>& x, const std::vector<double>& y);
}
