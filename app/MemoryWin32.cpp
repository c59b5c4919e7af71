// Memory that cannot be had ends the process with the fatal report that
// names the number of bytes asked for.
#include <windows.h>

#include <cstdlib>
#include <new>

#include "common/FatalRuntimeError.h"
#include "common/SystemTexts.h"

namespace {

void* allocate(std::size_t size) {
    void* block = std::malloc(size != 0 ? size : 1);
    if (block == nullptr) {
        // Building the report needs a little memory too; should even that
        // fail, end at once.
        static bool reporting = false;
        if (reporting) ExitProcess(static_cast<UINT>(-1));
        reporting = true;
        FatalRuntimeError(formatText(texts::kAllocationFailedFormat, static_cast<int32_t>(size)), 0);
    }
    return block;
}

}  // namespace

void* operator new(std::size_t size) { return allocate(size); }
void* operator new[](std::size_t size) { return allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return std::malloc(size != 0 ? size : 1); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return std::malloc(size != 0 ? size : 1); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { std::free(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { std::free(block); }
