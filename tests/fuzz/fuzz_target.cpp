// The libFuzzer entry point: an input that breaks a rule of the table stops
// the run with the event, the rule and the table printed, and libFuzzer
// keeps the input as a crash.
#include "run_input.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string failure = kolvar::fuzz::RunInput(data, size);
    if (!failure.empty()) {
        std::fprintf(stderr, "kolvar: the table broke a rule at %s\n", failure.c_str());
        std::abort();
    }
    return 0;
}
