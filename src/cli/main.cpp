#include <unistd.h>

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

#include <cerrno>
#include <filesystem>
#include <iostream>
#include <streambuf>
#include <string>
#include <system_error>
#include <vector>

#include "cli/run.h"
#include "persistence/file_system.h"
#include "persistence/interrupt_cleanup.h"
#include "persistence/standard_descriptors.h"
#include "persistence/system_calls.h"
#include "text/decimal.h"

namespace {

#ifdef __EMSCRIPTEN__
// Node decodes a program's arguments as UTF-8 and puts U+FFFD for bytes that are not, so such an
// argument would arrive changed: a file of another name, a text that was not typed. Their bytes are
// the last fields of /proc/self/cmdline, after node's own. Returns the number, from 1, of the first
// argument whose bytes are not UTF-8, or 0. Where the bytes cannot be had, an argument holding
// U+FFFD counts as one that was not UTF-8.
// clang-format off
EM_JS(int, firstArgumentNotUtf8, (), {
    const given = process.argv.slice(2);
    const lenient = new TextDecoder("utf-8", {ignoreBOM: true});
    const strict = new TextDecoder("utf-8", {ignoreBOM: true, fatal: true});
    let bytes = null;
    try {
        const line = require("fs").readFileSync("/proc/self/cmdline");
        const fields = [];
        for (let start = 0; start < line.length;) {
            const end = line.indexOf(0, start);
            fields.push(line.subarray(start, end < 0 ? line.length : end));
            start = end < 0 ? line.length : end + 1;
        }
        bytes = fields.slice(Math.max(fields.length - given.length, 0));
        // Only fields that node decoded into the very arguments are theirs.
        if (bytes.length !== given.length || bytes.some((field, i) => lenient.decode(field) !== given[i])) {
            bytes = null;
        }
    } catch (error) {
        bytes = null;
    }
    const notUtf8 = (argument, i) => {
        if (bytes === null) {
            return argument.includes(String.fromCharCode(0xFFFD));
        }
        try {
            strict.decode(bytes[i]);
            return false;
        } catch (error) {
            return true;
        }
    };
    return given.findIndex(notUtf8) + 1;
});
// clang-format on
#endif

// Standard input read straight from its descriptor, so that a read that fails (a directory, a
// closed descriptor) is told apart from the end of the input: it throws std::system_error.
class DescriptorInput final : public std::streambuf {
  protected:
    int_type underflow() override {
        for (;;) {
            const ssize_t got = ::read(STDIN_FILENO, buffer_, sizeof buffer_);
            if (got > 0) {
                setg(buffer_, buffer_, buffer_ + got);
                return traits_type::to_int_type(buffer_[0]);
            }
            if (got == 0) {
                return traits_type::eof();
            }
            if (errno != EINTR) {
                throw std::system_error(errno, std::generic_category());
            }
        }
    }

  private:
    char buffer_[65536];
};

// Standard output written straight to its descriptor; a write that fails (a full disk,
// /dev/full, a closed pipe) throws std::system_error with the system's reason.
class DescriptorOutput final : public std::streambuf {
  public:
    DescriptorOutput() { setp(buffer_, buffer_ + sizeof buffer_); }
    ~DescriptorOutput() override {
        try {
            sync();
        } catch (const std::system_error&) {
            // run() has already reported what it could; nothing is left to say at exit.
        }
    }
    DescriptorOutput(const DescriptorOutput&) = delete;
    DescriptorOutput& operator=(const DescriptorOutput&) = delete;

  protected:
    int_type overflow(int_type c) override {
        sync();
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }
    int sync() override {
        huewright::SystemCalls calls;
        const std::error_code error = huewright::writeAll(
            calls, STDOUT_FILENO,
            std::string_view(pbase(), static_cast<std::size_t>(pptr() - pbase())));
        setp(buffer_, buffer_ + sizeof buffer_);
        if (error) {
            throw std::system_error(error);
        }
        return 0;
    }

  private:
    char buffer_[65536];
};

}  // namespace

int main(int argc, char** argv) {
    huewright::keepStandardDescriptorsTaken();
#ifdef __EMSCRIPTEN__
    if (const int argument = firstArgumentNotUtf8(); argument != 0) {
        std::cerr << "huewright-cli: argument " << huewright::decimal(argument)
                  << " could not be read as UTF-8; under node every argument must be UTF-8\n";
        return 2;
    }
#endif
    huewright::installInterruptCleanup();
    DescriptorInput input;
    std::istream in(&input);
    DescriptorOutput output;
    std::ostream out(&output);
    // A failed write then reaches run() as the system's error, with its reason.
    out.exceptions(std::ios::badbit);
    const std::vector<std::string> args(argv + 1, argv + argc);
    // A working directory that was removed cannot be named, yet --help and a run that touches
    // no file still work in it; a relative file then fails with the system's reason.
    std::error_code noDirectory;
    std::filesystem::path here = std::filesystem::current_path(noDirectory);
    if (noDirectory) {
        here = ".";
    }
    huewright::SystemCalls calls;
    huewright::DiskFileSystem files(calls);
    return huewright::run(args, in, out, std::cerr, {files, here, calls});
}
