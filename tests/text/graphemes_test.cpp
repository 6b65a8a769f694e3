#include "text/graphemes.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
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
// Here regional indicators pair, malformed bytes stand alone, a leading U+FEFF is a character,
// letters that usually stand alone take the marks that join them, and texts run longer than the
// stretch the WebAssembly build hands to the host's segmenter at a time, with characters that
// cross from one stretch into the next.
TEST(Graphemes, KeepCharactersWhole) {
    const std::string japan = "\U0001F1EF\U0001F1F5";
    const std::string family = "\U0001F468\u200D\U0001F469\u200D\U0001F467";
    std::string accented = "a";
    for (int i = 0; i < 1000; ++i) {
        accented += "\u0301";
    }
    const std::vector<std::string> families(70, family);
    std::vector<std::string> bAndFamilies = families;
    bAndFamilies.insert(bAndFamilies.begin(), "b");
    const std::pair<const char*, std::vector<std::string>> rows[] = {
        {"two flags and a lone regional indicator", {japan, japan, "\U0001F1FA"}},
        {"malformed bytes", {"a", "\xFF", "\xE3", "\x81", "\u0301"}},
        {"a byte-order mark first", {"\uFEFF", "h", "i"}},
        {"letters and the marks that join them",
         {"\u304B\u3099", "\uFF76\uFF9E", "\uAC00\u11A8", "\u1100\uAC00", "\u00A9\uFE0F", "a\u0301",
          "\u4E00", "\xD0\x96", "z"}},
        {"a letter with a thousand combining marks", {accented, "b", accented}},
        {"seventy families", families},
        {"b and seventy families", bAndFamilies},
    };
    for (const auto& [name, characters] : rows) {
        std::string text;
        for (const std::string& character : characters) {
            text += character;
        }
        EXPECT_EQ(clusters(text), characters) << name;
    }
}

// A text changed in place, at the same address and of the same length, is split afresh.
TEST(Graphemes, SplitATextChangedInPlaceAfresh) {
    std::string text = "e\u0301e\u0301";
    const char* const address = text.data();
    EXPECT_EQ(clusters(text), (std::vector<std::string>{"e\u0301", "e\u0301"}));
    text = "ee\u0301\u0301";
    ASSERT_EQ(text.data(), address);
    EXPECT_EQ(clusters(text), (std::vector<std::string>{"e", "e\u0301\u0301"}));
}

}  // namespace
}  // namespace huewright
