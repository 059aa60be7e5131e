#pragma once

#include <functional>

// Seconds on a steady clock from some fixed start, for measuring spans.
double Now();
// Sleeps for that long.
void Sleep(double seconds);
// Asks done() until it answers true, for `seconds` at most, sleeping `every`
// seconds between asks; true when it did.
bool WaitUntil(double seconds, double every, const std::function<bool()>& done);
