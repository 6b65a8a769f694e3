#include "generator/shift_jis.h"

namespace huewright {

int characterCount(std::string_view text) {
    int count = 0;
    for (std::size_t i = 0; i < text.size(); i += characterLengthAt(text, i)) {
        ++count;
    }
    return count;
}

}  // namespace huewright
