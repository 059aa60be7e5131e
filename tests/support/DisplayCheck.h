#pragma once

#include <gtest/gtest.h>

#include <string>

// Why no window can be opened here: "" when the X server named by DISPLAY
// accepts a connection, otherwise a sentence saying what is missing.
std::string WhyNoDisplay();

// Skips the current test, saying why, when no window can be opened: without an
// X server (the README's test command starts Xvfb) such a test cannot run, and
// that is not a fault of the game. Use in a test body or a fixture's SetUp.
#define SKIP_WITHOUT_DISPLAY()                                                                                         \
    do                                                                                                                 \
    {                                                                                                                  \
        const std::string whyNoDisplay = WhyNoDisplay();                                                               \
        if (!whyNoDisplay.empty())                                                                                     \
        {                                                                                                              \
            GTEST_SKIP() << whyNoDisplay;                                                                              \
        }                                                                                                              \
    } while (false)
