// How the core's work grows with its input: splitItems and compose on values
// of 1 KB, 100 KB and 1 MB, and one history append onto 10, 1,000 and 10,000
// lines.  Bytes processed are reported so that the growth shows as a flat
// throughput.
#include <benchmark/benchmark.h>

#include <map>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "common/SystemTexts.h"
#include "history/HistoryLog.h"
#include "MemoryProfile.h"
#include "names/NameComposer.h"

namespace {

// A value of exactly size bytes (size even): items of two code page 936
// characters joined by 、.  Lead bytes stay at B0 or above, so no separator
// can form across two characters.
AnsiText listValue(size_t size) {
    AnsiText value;
    value.reserve(size + 6);
    unsigned k = 0;
    while (value.size() < size) {
        if (!value.empty()) value += texts::kItemSeparator;
        for (int c = 0; c < 2; ++c, ++k) {
            value += static_cast<char>(0xB0 + k % 0x48);  // B0 to F7
            value += static_cast<char>(0xA1 + k % 0x5E);  // A1 to FE
        }
    }
    value.resize(size);
    return value;
}

// A clock that moves one millisecond per reading.
class CountingTicks final : public TickSource {
public:
    uint32_t ticks() override { return ++now_; }

private:
    uint32_t now_ = 0;
};

// The history box: just the text.
class MemoryBox final : public TextBox {
public:
    AnsiText text() const override { return text_; }
    void setText(const AnsiText& text) override { text_ = text; }

private:
    AnsiText text_;
};

void splitBench(benchmark::State& state) {
    const AnsiText value = listValue(static_cast<size_t>(state.range(0)));
    for (auto _ : state) {
        NameList items = splitItems(value);
        benchmark::DoNotOptimize(items.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(value.size()));
    state.SetComplexityN(state.range(0));
}

void composeBench(benchmark::State& state) {
    const AnsiText value = listValue(static_cast<size_t>(state.range(0)));
    MemoryProfile profile;
    profile.values[texts::kSurnameKey] = value;
    profile.values[texts::kGivenNameKey] = value;
    profile.values[texts::kSymbolKey] = value;
    CountingTicks ticks;
    RandomSource random(ticks);
    const NameListFile file(profile, "C:\\Tools");
    NameComposer composer(file, random);
    for (auto _ : state) {
        ComposedName result = composer.compose(2, 2);
        benchmark::DoNotOptimize(result.name.data());
    }
    state.SetBytesProcessed(state.iterations() * 3 * static_cast<int64_t>(value.size()));
    state.SetComplexityN(state.range(0));
}

// One append onto a history of range(0) lines; the undo after it puts the
// history back for the next round, so every round starts from the same text.
void appendBench(benchmark::State& state) {
    const AnsiText name = "\xCD\xF5\xD8\xBC\xEC\xE1\xD4\xC6\xB7\xE7";  // 王丶灬云风
    MemoryBox box;
    HistoryLog log(box);
    for (int64_t line = 0; line < state.range(0); ++line) log.append(name);
    const int64_t historyBytes = static_cast<int64_t>(box.text().size());
    for (auto _ : state) {
        log.append(name);
        log.undo();
    }
    state.SetBytesProcessed(state.iterations() * historyBytes);
}

}  // namespace

BENCHMARK(splitBench)
    ->Name("split")
    ->Arg(1 << 10)->Arg(100 << 10)->Arg(1 << 20)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::oN);
BENCHMARK(composeBench)
    ->Name("compose")
    ->Arg(1 << 10)->Arg(100 << 10)->Arg(1 << 20)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::oN);
BENCHMARK(appendBench)
    ->Name("append")
    ->Arg(10)->Arg(1000)->Arg(10000)
    ->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
#if defined(__GLIBC__)
    // glibc hands a freed block of 128 KB or more back to the kernel, so a
    // list of a 100 KB value would pay for fresh zeroed pages in every round
    // while a 1 KB one never does.  Keep freed memory in the process: the
    // rounds then measure the core's work, not the page faults.
    mallopt(M_MMAP_THRESHOLD, 1 << 30);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
#endif
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
