#include "text/graphemes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace huewright {
namespace {

std::vector<std::string> clusters(std::string_view text) {
    std::vector<std::string> out;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t end = graphemeEnd(text, pos);
        out.emplace_back(text.substr(pos, end - pos));
        pos = end;
    }
    return out;
}

// The golden "emoji" case shows a family, a flag, a skin tone and a combining mark kept whole.
TEST(Graphemes, PairRegionalIndicatorsAndLeaveMalformedBytesAlone) {
    const std::string japan = "\U0001F1EF\U0001F1F5";
    const std::string lone = "\U0001F1FA";
    EXPECT_EQ(clusters(japan + japan + lone), (std::vector<std::string>{japan, japan, lone}));
    EXPECT_EQ(clusters("a\xFF\xE3\x81\u0301"),
              (std::vector<std::string>{"a", "\xFF", "\xE3", "\x81", "\u0301"}));
}

// Longer than the bytes the WebAssembly build first hands to the host's segmenter.
TEST(Graphemes, KeepALetterWithAHundredCombiningMarksWhole) {
    std::string accented = "a";
    for (int i = 0; i < 100; ++i) {
        accented += "\u0301";
    }
    EXPECT_EQ(clusters(accented + "b" + accented),
              (std::vector<std::string>{accented, "b", accented}));
}

}  // namespace
}  // namespace huewright
