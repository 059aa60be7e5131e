#pragma once

#include <string>

// Internal preconditions. FORNALINA_ASSERT holds in every build type: a broken one
// is reported with the condition's own text and the source path, like assert, and
// ends the program.
#define FORNALINA_ASSERT(condition) ((condition) ? static_cast<void>(0) : FailAssertion(#condition, __FILE__, __LINE__))

[[noreturn]] void FailAssertion(const char* condition, const char* file, int line);

// A broken precondition that the caller survives by skipping the actor: reported
// the same way, naming the actor, without ending the program.
void ReportSkippedActor(const char* condition, const char* file, int line, const std::string& actorName);
