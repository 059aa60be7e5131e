#include "componentsystem/Diagnostics.h"

#include <cstdio>
#include <cstdlib>

void FailAssertion(const char* condition, const char* file, int line)
{
    std::fprintf(stderr, "%s:%d: Assertion `%s' failed.\n", file, line, condition);
    std::abort();
}

void ReportSkippedActor(const char* condition, const char* file, int line, const std::string& actorName)
{
    std::fprintf(stderr, "%s:%d: Assertion `%s' failed for actor \"%s\"; it is not drawn.\n", file, line, condition,
                 actorName.c_str());
}
