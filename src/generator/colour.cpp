#include "generator/colour.h"

namespace huewright {

void appendColourCode(std::string& out, ColourValue c, bool upperCase) {
    char code[6];
    out.append(code, writeColourCode(code, c, upperCase));
}

}  // namespace huewright
