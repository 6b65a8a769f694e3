#include "text/iconv_converter.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace huewright {
namespace {

const iconv_t kFailed = reinterpret_cast<iconv_t>(static_cast<std::intptr_t>(-1));
constexpr std::size_t kIconvError = static_cast<std::size_t>(-1);

}  // namespace

IconvConverter::IconvConverter(const char* to, const char* from)
    : descriptor_(iconv_open(to, from)) {
    if (descriptor_ == kFailed) {
        throw std::runtime_error(std::string("the system cannot convert from ") + from + " to " +
                                 to);
    }
}

IconvConverter::~IconvConverter() {
    iconv_close(descriptor_);
}

IconvConverter::Outcome IconvConverter::convert(std::string_view in, std::string& out) {
    iconv(descriptor_, nullptr, nullptr, nullptr, nullptr);
    Outcome outcome;
    if (in.empty()) {
        return outcome;  // iconv would take an empty input for a request to reset
    }
    // iconv takes a non-const input pointer but never writes through it.
    char* input = const_cast<char*>(in.data());
    std::size_t inputLeft = in.size();
    std::size_t written = out.size();
    out.resize(written + std::max<std::size_t>(16, 2 * in.size()));
    for (;;) {
        char* output = out.data() + written;
        std::size_t outputLeft = out.size() - written;
        const std::size_t result = iconv(descriptor_, &input, &inputLeft, &output, &outputLeft);
        written = out.size() - outputLeft;
        if (result != kIconvError) {
            outcome.irreversible += result;
            break;
        }
        if (errno != E2BIG) {
            outcome.error = errno;
            break;
        }
        out.resize(2 * out.size());
    }
    out.resize(written);
    outcome.consumed = in.size() - inputLeft;
    return outcome;
}

}  // namespace huewright
