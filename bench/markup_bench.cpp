// Markup generation against its limit, a memcpy of the same number of output bytes, in one run.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "generator/markup.h"

namespace huewright {
namespace {

// Mixed text: ASCII letters with a double-byte character ("あ", 82 A0) every third character.
std::string mixedText(std::int64_t characters) {
    std::string text;
    for (std::int64_t i = 0; i < characters; ++i) {
        if (i % 3 == 2) {
            text += "\x82\xa0";
        } else {
            text += static_cast<char>('a' + i % 26);
        }
    }
    return text;
}

GradationSettings everythingOn(std::int64_t characters) {
    GradationSettings s;
    s.text = mixedText(characters);
    s.threeColours = true;
    s.frame = s.frameBackground = s.link = true;
    s.bold = s.italic = s.underline = s.strike = true;
    s.sizePattern = true;
    s.patternKind = SizePatternKind::Valley;
    return s;
}

void generation(benchmark::State& state) {
    const GradationSettings s = everythingOn(state.range(0));
    const TagNameTable names;
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::string fragment = buildMarkup(s, names);
        bytes = fragment.size();
        benchmark::DoNotOptimize(fragment.data());
    }
    state.counters["chars/s"] = benchmark::Counter(static_cast<double>(state.range(0)),
                                                   benchmark::Counter::kIsIterationInvariantRate);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
}

void memcpyOfTheSameOutput(benchmark::State& state) {
    const TagNameTable names;
    const std::size_t bytes = buildMarkup(everythingOn(state.range(0)), names).size();
    const std::vector<char> source(bytes, 'x');
    for (auto _ : state) {
        // A fresh destination each time, as the generator allocates its fragment.
        std::string destination(bytes, '\0');
        std::memcpy(destination.data(), source.data(), bytes);
        benchmark::DoNotOptimize(destination.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
}

BENCHMARK(generation)->Arg(1 << 10)->Arg(1 << 16)->Arg(1 << 20);
BENCHMARK(memcpyOfTheSameOutput)->Arg(1 << 10)->Arg(1 << 16)->Arg(1 << 20);

}  // namespace
}  // namespace huewright

BENCHMARK_MAIN();
