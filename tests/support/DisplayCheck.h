#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
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

// Skips the current test when Xvfb is not installed, for a test that starts X
// servers of its own (VirtualDisplay).
#define SKIP_WITHOUT_XVFB()                                                                                            \
    do                                                                                                                 \
    {                                                                                                                  \
        if (std::system("command -v Xvfb > /dev/null") != 0)                                                           \
        {                                                                                                              \
            GTEST_SKIP() << "Xvfb is not installed: this test starts X servers of its own";                            \
        }                                                                                                              \
    } while (false)
