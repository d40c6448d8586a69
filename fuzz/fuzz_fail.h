// What every fuzz target does when one of its own checks fails: print what
// failed and the input that made it fail, then abort, so libFuzzer keeps the
// input as a crash artifact.
#pragma once
#include <cstdio>
#include <cstdlib>
#include <string>

[[noreturn]] inline void Fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "fuzz check failed: %s\n%s\n", what, detail.c_str());
    std::abort();
}
