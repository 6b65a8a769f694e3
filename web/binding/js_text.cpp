#include "binding/js_text.h"

#include <cstdint>

namespace huewright {

using emscripten::val;

std::string bytesOf(const val& array) {
    std::string bytes(array["length"].as<std::size_t>(), '\0');
    val(emscripten::typed_memory_view(bytes.size(), reinterpret_cast<std::uint8_t*>(bytes.data())))
        .call<void>("set", array);
    return bytes;
}

val arrayOf(std::string_view bytes) {
    return val::global("Uint8Array")
        .new_(emscripten::typed_memory_view(bytes.size(),
                                            reinterpret_cast<const std::uint8_t*>(bytes.data())));
}

std::string utf8Of(const val& text) {
    static const val encoder = val::global("TextEncoder").new_();
    return bytesOf(encoder.call<val>("encode", text));
}

val stringOf(std::string_view text) {
    static const val decoder = val::global("TextDecoder").new_();
    return decoder.call<val>("decode",
                             val(emscripten::typed_memory_view(
                                 text.size(), reinterpret_cast<const std::uint8_t*>(text.data()))));
}

}  // namespace huewright
