// Markup generation against its limit, a memcpy of the same number of output bytes, in one run;
// then each output form likewise, and the fragment's size with and without merged runs.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "generator/output.h"
#include "text/graphemes.h"

namespace huewright {
namespace {

// Mixed text: ASCII letters with "あ" every third character, in code page 932 (82 A0) or UTF-8.
std::string mixedText(std::int64_t characters, bool utf8 = false) {
    std::string text;
    for (std::int64_t i = 0; i < characters; ++i) {
        if (i % 3 == 2) {
            text += utf8 ? "\xe3\x81\x82" : "\x82\xa0";
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
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::string fragment = buildOutput(s, {});
        bytes = fragment.size();
        benchmark::DoNotOptimize(fragment.data());
    }
    state.counters["chars/s"] = benchmark::Counter(static_cast<double>(state.range(0)),
                                                   benchmark::Counter::kIsIterationInvariantRate);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
}

void memcpyOfTheSameOutput(benchmark::State& state) {
    const std::size_t bytes = buildOutput(everythingOn(state.range(0)), {}).size();
    const std::vector<char> source(bytes, 'x');
    for (auto _ : state) {
        // A fresh destination each time, as the generator allocates its fragment.
        std::string destination(bytes, '\0');
        std::memcpy(destination.data(), source.data(), bytes);
        benchmark::DoNotOptimize(destination.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
}

// The FONT form takes the window's code page 932 text; the others the same text in UTF-8, split
// into user-perceived characters.
struct FormRun {
    GradationSettings settings;
    OutputOptions options;
};

FormRun formRun(std::int64_t form, std::int64_t characters) {
    FormRun run{everythingOn(characters), {}};
    run.options.form = static_cast<OutputForm>(form);
    if (run.options.form != OutputForm::Font) {
        run.settings.text = mixedText(characters, true);
        run.settings.faceName = "Arial";
        run.options.utf8Characters = graphemeEnd;
    }
    return run;
}

void form(benchmark::State& state) {
    const FormRun run = formRun(state.range(0), state.range(1));
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::string output = buildOutput(run.settings, run.options);
        bytes = output.size();
        benchmark::DoNotOptimize(output.data());
    }
    state.SetLabel(std::string(formName(static_cast<OutputForm>(state.range(0)))));
    state.counters["chars/s"] = benchmark::Counter(static_cast<double>(state.range(1)),
                                                   benchmark::Counter::kIsIterationInvariantRate);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
}

void memcpyOfTheFormsOutput(benchmark::State& state) {
    const FormRun run = formRun(state.range(0), state.range(1));
    const std::size_t bytes = buildOutput(run.settings, run.options).size();
    const std::vector<char> source(bytes, 'x');
    for (auto _ : state) {
        std::string destination(bytes, '\0');
        std::memcpy(destination.data(), source.data(), bytes);
        benchmark::DoNotOptimize(destination.data());
    }
    state.SetLabel(std::string(formName(static_cast<OutputForm>(state.range(0)))));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
}

// A two-colour text of 10,000 letters at the window's start-up settings, each form with runs
// merged (1) beside the same without (0); the counter is the output's size.
void mergedRuns(benchmark::State& state) {
    GradationSettings s;
    s.text = std::string(10'000, 'x');
    OutputOptions options;
    options.form = static_cast<OutputForm>(state.range(0));
    options.mergeRuns = state.range(1) != 0;
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::string output = buildOutput(s, options);
        bytes = output.size();
        benchmark::DoNotOptimize(output.data());
    }
    state.SetLabel(std::string(formName(static_cast<OutputForm>(state.range(0)))));
    state.counters["output_bytes"] = static_cast<double>(bytes);
}

BENCHMARK(generation)->Arg(1 << 10)->Arg(1 << 16)->Arg(1 << 20);
BENCHMARK(memcpyOfTheSameOutput)->Arg(1 << 10)->Arg(1 << 16)->Arg(1 << 20);
BENCHMARK(form)->ArgsProduct({{0, 1, 2, 3}, {1 << 20}})->ArgNames({"form", "chars"});
BENCHMARK(memcpyOfTheFormsOutput)
    ->ArgsProduct({{0, 1, 2, 3}, {1 << 20}})
    ->ArgNames({"form", "chars"});
BENCHMARK(mergedRuns)->ArgsProduct({{0, 1, 2, 3}, {0, 1}})->ArgNames({"form", "merged"});

}  // namespace
}  // namespace huewright

BENCHMARK_MAIN();
