#include "Budgets.h"

#include <cmath>
#include <cstdio>

namespace
{
std::string Limit(const char* comparison, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%s %.2f", comparison, value);
    return text;
}

Budget AtMost(const std::string& what, double figure, double most)
{
    return {what, figure, Limit("<=", most), figure <= most};
}

Budget Below(const std::string& what, double figure, double bound)
{
    return {what, figure, Limit("<", bound), figure < bound};
}

Budget Within(const std::string& what, double figure, double target, double tolerance)
{
    char limit[64];
    std::snprintf(limit, sizeof limit, "%.0f +- %.0f", target, tolerance);
    return {what, figure, limit, std::fabs(figure - target) <= tolerance};
}
}

std::vector<Budget> JudgeBudgets(const std::map<std::string, double>& results)
{
    auto at = [&results](const char* key) {
        const auto found = results.find(key);
        return found != results.end() ? found->second : NAN;
    };
    std::vector<Budget> budgets = {
        AtMost("busiest frame over the floor, x", at("frame_ratio"), 1.2),
        AtMost("start-up, ms", at("startup_ms"), at("startup_floor_ms") + 50.0),
        AtMost("title menu, the game's thread, %", at("cpu_menu_game_thread_pct"), 1.0),
    };
    // Idle, a screen that waits costs no more than the music playing alone.
    for (const char* screen : WAITING_SCREENS)
    {
        const std::string key = std::string("cpu_") + screen + "_pct";
        budgets.push_back(
            AtMost(std::string(screen) + " waiting, the process, %", at(key.c_str()), at("cpu_audio_floor_pct") + 1.0));
    }
    const std::vector<Budget> others = {
        AtMost("running round over the paced floor, x", at("cpu_round_floor_ratio"), 1.2),
        Within("frames per second in a round", at("fps"), 60.0, 1.0),
        Within("hard: fall speed, px/s", at("fall_px_per_s"), 60.0, 2.0),
        Within("hard: fall speed, frames of 30 ms, px/s", at("fall_px_per_s_30ms_frames"), 60.0, 2.0),
        Below("memory growth per round, B", at("growth_per_round_bytes"), 1024.0),
        AtMost("picture files read during a round", at("decodes_during_round"), 0.0),
    };
    budgets.insert(budgets.end(), others.begin(), others.end());
    return budgets;
}
