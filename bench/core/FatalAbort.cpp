// The benchmarks' fatal report.  Every list here has items, so an index
// outside one is a fault worth stopping for: print the code and abort.
#include <cstdio>
#include <cstdlib>

#include "common/FatalRuntimeError.h"

void FatalRuntimeError(const AnsiText& message, int32_t code) {
    std::fprintf(stderr, "FatalRuntimeError code=%d (%zu message bytes)\n", static_cast<int>(code), message.size());
    std::abort();
}
