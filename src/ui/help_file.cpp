#include "ui/help_file.h"

#include "text/cp932_bytes.h"

namespace huewright {

std::string helpFileName(std::string_view executablePath, PathEncoding encoding) {
    std::size_t nameStart = 0;
    std::size_t dot = std::string_view::npos;
    for (std::size_t i = 0; i < executablePath.size();) {
        const char c = executablePath[i];
        if (c == '/' || c == '\\' || c == ':') {
            nameStart = i + 1;
            dot = std::string_view::npos;
        } else if (c == '.') {
            dot = i;
        }
        // No byte of a UTF-8 sequence is an ASCII character, so UTF-8 goes byte by byte.
        i += encoding == PathEncoding::CodePage932 ? characterLengthAt(executablePath, i) : 1;
    }
    const std::string_view stem = dot != std::string_view::npos && dot >= nameStart
                                      ? executablePath.substr(0, dot)
                                      : executablePath;
    return std::string(stem) + ".hlp";
}

}  // namespace huewright
