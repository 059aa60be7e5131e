#pragma once

#include <map>
#include <string>
#include <vector>

// What the game must stay within on this kind of machine, checked against the
// benchmark's figures.
struct Budget
{
    std::string what;
    double figure = 0.0;
    std::string limit; // the limit as a reader sees it, e.g. "<= 1.20"
    bool met = false;
};

// The screens that wait for the player, as the results' keys name them
// (cpu_SCREEN_pct): each is judged by the title menu's budget.
inline constexpr const char* WAITING_SCREENS[] = {"menu", "instructions", "difficulty", "recipe", "pause", "result"};

// Every budget, judged from the results (keys as in the JSON line).
std::vector<Budget> JudgeBudgets(const std::map<std::string, double>& results);
