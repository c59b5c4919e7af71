// The fuzzers' fatal report.  compose checks for empty lists before it picks,
// so an index outside a list is a real finding: print it and abort, and
// libFuzzer keeps the input.
#include <cstdio>
#include <cstdlib>

#include "common/FatalRuntimeError.h"

void FatalRuntimeError(const AnsiText& message, int32_t code) {
    std::fprintf(stderr, "FatalRuntimeError code=%d message=[", static_cast<int>(code));
    for (unsigned char byte : message) std::fprintf(stderr, " %02X", byte);
    std::fprintf(stderr, " ]\n");
    std::abort();
}
