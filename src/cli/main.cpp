#include <unistd.h>

#include <cerrno>
#include <iostream>
#include <streambuf>
#include <string>
#include <system_error>
#include <vector>

#include "cli/run.h"
#include "persistence/interrupt_cleanup.h"
#include "persistence/standard_descriptors.h"
#include "persistence/system_calls.h"

namespace {

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
    huewright::installInterruptCleanup();
    DescriptorInput input;
    std::istream in(&input);
    DescriptorOutput output;
    std::ostream out(&output);
    // A failed write then reaches run() as the system's error, with its reason.
    out.exceptions(std::ios::badbit);
    const std::vector<std::string> args(argv + 1, argv + argc);
    return huewright::run(args, in, out, std::cerr);
}
