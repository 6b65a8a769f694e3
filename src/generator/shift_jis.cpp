#include "generator/shift_jis.h"

namespace huewright {

int CharCount(std::string_view text) {
    int count = 0;
    for (std::size_t i = 0; i < text.size(); i += characterLengthAt(text, i)) {
        ++count;
    }
    return count;
}

std::string CharCopy(std::string_view text, int start, int count) {
    std::string result;
    int position = 1;
    for (std::size_t i = 0; i < text.size() && position < start + count; ++position) {
        const std::size_t length = characterLengthAt(text, i);
        if (position >= start) {
            result.append(text.substr(i, length));
        }
        i += length;
    }
    return result;
}

}  // namespace huewright
