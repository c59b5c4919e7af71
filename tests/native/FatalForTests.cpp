// The portable tests' fatal report: the report's code and message go to
// stderr in a form a death test can match, and the process ends with 255,
// as ExitProcess(-1) appears to a parent on this side.
#include <cstdio>
#include <cstdlib>

#include "TestText.h"
#include "common/FatalRuntimeError.h"

void FatalRuntimeError(const AnsiText& message, int32_t code) {
    std::fprintf(stderr, "fatal code=%d message=[%s]\n", static_cast<int>(code), hexBytes(message).c_str());
    std::fflush(stderr);
    std::_Exit(255);
}
