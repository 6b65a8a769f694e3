// Reads any bytes as a fragment of any form, in code page 932 and, where they are UTF-8, in
// grapheme clusters: the reader either refuses them or gives settings, and when it names
// nothing it could not recover, those settings write the bytes again exactly.
// Its seeds hold fragments of each form, one edited by hand, and markup of another kind.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_check.h"
#include "generator/fragment_reader.h"
#include "text/graphemes.h"
#include "text/utf8.h"

namespace {

void readBack(std::string_view fragment, huewright::CharacterEnd utf8Characters) {
    try {
        const huewright::FragmentRead read = huewright::readFragment(fragment, utf8Characters);
        huewright::fuzz::check(!read.unrecovered.empty() ||
                                   huewright::buildOutput(read.settings, read.options) == fragment,
                               "settings with nothing unrecovered write the fragment again");
    } catch (const huewright::FragmentError&) {
        // Not a fragment of any form: refused, which is what it must be.
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view fragment(reinterpret_cast<const char*>(data), size);
    readBack(fragment, nullptr);
    if (huewright::utf8Problem(fragment).empty()) {
        readBack(fragment, huewright::graphemeEnd);
    }
    return 0;
}
