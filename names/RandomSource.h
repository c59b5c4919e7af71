#pragma once

#include <cstdint>

// Milliseconds since the system started, wrapping at 2^32.
class TickSource {
public:
    virtual uint32_t ticks() = 0;

protected:
    ~TickSource() = default;
};

// The tool's own linear congruential generator, reseeded from the tick count
// and a counter that moves at every reseed, so two reseeds within one tick
// never share a seed.
class RandomSource {
public:
    explicit RandomSource(TickSource& ticks) : ticks_(ticks) {}

    void reseed();
    // A number between the two bounds, which may come in either order;
    // negative bounds count as 0.  Equal bounds do not move the generator.
    int32_t draw(int32_t low, int32_t high);
    // 0 to 32767.
    int32_t nextRaw();

    uint32_t state() const { return state_; }
    void setState(uint32_t state) { state_ = state; }
    uint32_t seedCounter() const { return seedCounter_; }

private:
    TickSource& ticks_;
    uint32_t state_ = 0;
    uint32_t seedCounter_ = 0;
};
