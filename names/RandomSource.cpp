#include "names/RandomSource.h"

int32_t RandomSource::nextRaw() {
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int32_t>((state_ >> 16) & 0x7FFFu);
}

void RandomSource::reseed() {
    const uint32_t seed = ticks_.ticks() + seedCounter_;
    seedCounter_ = seedCounter_ + (seed & 0xFFu) + 100u;
    state_ = seed;
}

int32_t RandomSource::draw(int32_t low, int32_t high) {
    if (low < 0) low = 0;
    if (high < 0) high = 0;
    const int32_t lo = low < high ? low : high;
    const int32_t hi = low < high ? high : low;
    if (lo == hi) return lo;
    int32_t range = hi - lo;  // both are 0 or more, so this cannot overflow
    if (range == 2147483647) range = 2147483646;
    return lo + nextRaw() % (range + 1);
}
