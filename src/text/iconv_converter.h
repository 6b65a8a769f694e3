#pragma once

#include <iconv.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace huewright {

/// One iconv conversion descriptor, opened on construction and closed on destruction. A
/// descriptor keeps state between calls, so an object must not be used by two threads at once.
class IconvConverter {
  public:
    /// What one convert() call did.
    struct Outcome {
        std::size_t consumed = 0;      ///< input bytes converted
        int error = 0;                 ///< 0 when all input converted, else EILSEQ or EINVAL
        std::size_t irreversible = 0;  ///< characters iconv converted in a non-reversible way
    };

    /// Opens a conversion from encoding `from` to encoding `to` (iconv names); throws
    /// std::runtime_error when the system offers no such conversion.
    IconvConverter(const char* to, const char* from);
    ~IconvConverter();
    IconvConverter(const IconvConverter&) = delete;
    IconvConverter& operator=(const IconvConverter&) = delete;

    /// Converts `in` from the start, appending to `out`, which grows as needed. Stops before the
    /// first input that does not convert (EILSEQ) or is cut short at the end (EINVAL); what was
    /// converted before it stays appended. Resets the descriptor's state first.
    Outcome convert(std::string_view in, std::string& out);

  private:
    iconv_t descriptor_;
};

}  // namespace huewright
