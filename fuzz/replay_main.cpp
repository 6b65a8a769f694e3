// Runs every file of the seed corpus directory named on the command line through a fuzz target
// once, so builds without libFuzzer still replay it. A directory that is not there throws, and git
// keeps no empty one, so a wrong path cannot pass unnoticed.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "support/temporary_directory.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s corpus-directory\n", argv[0]);
        return 2;
    }
    for (const auto& entry : std::filesystem::directory_iterator(argv[1])) {
        const std::string bytes = huewright::test::readBytes(entry.path());
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    return 0;
}
