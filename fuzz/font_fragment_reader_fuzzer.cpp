// Reads any bytes as a FONT fragment: the reader either refuses them or gives settings, and when
// it names nothing it could not recover, those settings write the bytes again exactly.
// Its seeds hold fragments of each kind the form writes, one edited by hand, and markup of
// another kind.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_check.h"
#include "generator/font_form_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view fragment(reinterpret_cast<const char*>(data), size);
    try {
        const huewright::FragmentRead read = huewright::readFontFragment(fragment);
        huewright::fuzz::check(!read.unrecovered.empty() ||
                                   huewright::buildOutput(read.settings, read.options) == fragment,
                               "settings with nothing unrecovered write the fragment again");
    } catch (const huewright::FragmentError&) {
        // Not a fragment of the form: refused, which is what it must be.
    }
    return 0;
}
