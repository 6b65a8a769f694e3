// Settings files far larger than the program writes, against reading their bytes in the same run:
// loading a gradation settings file of many empty sections into the window as the CLI and the
// window do, and writing the start-up keys into a start-up file of many sections as
// --save-startup does. Both must stay linear in the file's size.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <filesystem>
#include <string>

#include "generator/gradation_settings.h"
#include "model/gradation_file.h"
#include "model/main_window_model.h"
#include "persistence/settings_file.h"
#include "persistence/startup_settings.h"
#include "support/memory_file_system.h"

namespace huewright {
namespace {

const std::filesystem::path kFile = "/bench/settings";

// `count` empty sections "[s1]" .. with CRLF line ends, then `tail`.
std::string emptySections(std::int64_t count, const std::string& tail = {}) {
    std::string text;
    text.reserve(static_cast<std::size_t>(count) * 12 + tail.size());
    char digits[24];
    for (std::int64_t i = 1; i <= count; ++i) {
        text += "[s";
        text.append(digits, std::to_chars(digits, digits + sizeof digits, i).ptr);
        text += "]\r\n";
    }
    return text + tail;
}

// A file system holding the file of `state.range(0)` empty sections, the saved gradation
// settings after them, so that the load must read to the end.
test::MemoryFileSystem gradationFiles(const benchmark::State& state) {
    test::MemoryFileSystem saved;
    saveSettingsValues(saved, kFile, gradationFileValues(fileItemsOf(GradationSettings{})));
    test::MemoryFileSystem files;
    files.files[kFile] = emptySections(state.range(0), saved.files[kFile]);
    return files;
}

void setFileCounters(benchmark::State& state, const test::MemoryFileSystem& files) {
    const auto bytes = static_cast<std::int64_t>(files.files.at(kFile).size());
    state.SetBytesProcessed(state.iterations() * bytes);
    state.counters["file_MB"] = static_cast<double>(bytes) / 1e6;
}

void gradationLoad(benchmark::State& state) {
    test::MemoryFileSystem files = gradationFiles(state);
    MainWindowModel window(files);
    window.startUp("/bench", StartupSettings{});
    for (auto _ : state) {
        benchmark::DoNotOptimize(window.loadGradationFile(kFile).heldSettings);
    }
    setFileCounters(state, files);
}

// The least any reader does: take the bytes from the file system and find every line end.
void readingTheSameBytes(benchmark::State& state) {
    const test::MemoryFileSystem files = gradationFiles(state);
    for (auto _ : state) {
        const std::string bytes = *files.readFile(kFile).bytes;
        benchmark::DoNotOptimize(std::count(bytes.begin(), bytes.end(), '\n'));
    }
    setFileCounters(state, files);
}

test::MemoryFileSystem startupFiles(const benchmark::State& state) {
    test::MemoryFileSystem files;
    files.files[kFile] = emptySections(state.range(0));
    return files;
}

// The new contents of the file, without the disk's atomic replace.
void startupSave(benchmark::State& state) {
    const test::MemoryFileSystem files = startupFiles(state);
    const auto values = startupFileValues(StartupSettings{});
    for (auto _ : state) {
        benchmark::DoNotOptimize(updatedSettingsFile(files, kFile, values).size());
    }
    setFileCounters(state, files);
}

void readingTheSameStartupBytes(benchmark::State& state) {
    const test::MemoryFileSystem files = startupFiles(state);
    for (auto _ : state) {
        const std::string bytes = *files.readFile(kFile).bytes;
        benchmark::DoNotOptimize(std::count(bytes.begin(), bytes.end(), '\n'));
    }
    setFileCounters(state, files);
}

BENCHMARK(gradationLoad)->Arg(200'000)->Arg(4'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(readingTheSameBytes)->Arg(200'000)->Arg(4'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(startupSave)->Arg(50'000)->Arg(200'000)->Unit(benchmark::kMillisecond);
BENCHMARK(readingTheSameStartupBytes)->Arg(50'000)->Arg(200'000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace huewright

BENCHMARK_MAIN();
