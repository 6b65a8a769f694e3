#include "generator/colour.h"

namespace huewright {

void appendColourCode(std::string& out, ColorValue c, bool upperCase) {
    const char* digits = upperCase ? "0123456789ABCDEF" : "0123456789abcdef";
    for (const int channel : {redOf(c), greenOf(c), blueOf(c)}) {
        out.push_back(digits[channel >> 4]);
        out.push_back(digits[channel & 0xF]);
    }
}

}  // namespace huewright
