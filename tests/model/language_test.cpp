#include "model/language.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "generator/output.h"
#include "model/layout.h"
#include "model/words.h"

namespace huewright {
namespace {

bool allAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Every text a view shows: each layout's title, captions, hints and names, the menus, and the
// words beside them.
std::vector<std::string_view> shownTexts() {
    std::vector<std::string_view> texts(std::begin(words::kAll), std::end(words::kAll));
    for (const WindowLayout* window : allWindowLayouts()) {
        texts.emplace_back(window->title);
        for (const ControlLayout& control : window->controls) {
            texts.insert(texts.end(), {control.caption, control.hint, control.accessibleName});
        }
    }
    for (const MenuLayout& entry : mainMenuLayout()) {
        texts.emplace_back(entry.caption);
    }
    return texts;
}

// The placeholders "%1".."%9" a text holds, in order of number.
std::string placeholders(std::string_view text) {
    std::string held;
    for (char n = '1'; n <= '9'; ++n) {
        if (text.find(std::string{'%', n}) != std::string_view::npos) {
            held += n;
        }
    }
    return held;
}

// A text added in Japanese alone fails here, as does a translation nothing shows any more, or
// one that drops or invents a value the view fills in.
TEST(LanguageTest, EveryTextShownHasItsEnglish) {
    std::set<std::string_view> english;
    for (const Translation& each : translations()) {
        EXPECT_TRUE(english.insert(each.japanese).second) << "twice: " << each.japanese;
        EXPECT_FALSE(each.english.empty()) << each.japanese;
        EXPECT_EQ(placeholders(each.english), placeholders(each.japanese)) << each.japanese;
    }
    std::set<std::string_view> used;
    for (const std::string_view text : shownTexts()) {
        used.insert(text);
        if (!allAscii(text)) {
            EXPECT_TRUE(english.contains(text)) << "no English: " << text;
        }
    }
    for (const std::string_view japanese : english) {
        EXPECT_TRUE(used.contains(japanese)) << "shown nowhere: " << japanese;
    }
    EXPECT_EQ(inLanguage("ColorNo", Language::English), "ColorNo");
    EXPECT_EQ(inLanguage("開始色", Language::Japanese), "開始色");
}

TEST(LanguageTest, PhrasesFillTheirValuesOnce) {
    EXPECT_EQ(phrase(words::kCannotRead, Language::English, {"a%2.ini", "gone"}),
              "Cannot read a%2.ini (gone)");
    EXPECT_EQ(phrase(words::kCannotRead, Language::Japanese, {"a.ini", "gone"}),
              "a.ini を読み込めません（gone）");
}

// Japanese where the user's language is Japanese or none is chosen; English for any other.
TEST(LanguageTest, TheLocaleChoosesTheLanguage) {
    const struct {
        const char* language;
        const char* lcAll;
        const char* lcMessages;
        const char* lang;
        Language expected;
    } rows[] = {
        {"", "", "", "", Language::Japanese},
        {"", "", "", "C.UTF-8", Language::Japanese},
        {"", "POSIX", "", "en_US.UTF-8", Language::Japanese},
        {"", "", "", "ja_JP.UTF-8", Language::Japanese},
        {"", "", "", "en_US.UTF-8", Language::English},
        {"", "", "", "de_DE@euro", Language::English},
        {"", "", "ja_JP.eucJP", "en_GB.UTF-8", Language::Japanese},
        {"en:ja", "", "", "ja_JP.UTF-8", Language::English},
        {"ja:en", "", "", "fr_FR.UTF-8", Language::Japanese},
        // The C locale ignores LANGUAGE, as the C library does.
        {"en", "C", "", "", Language::Japanese},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(languageOfEnvironment(row.language, row.lcAll, row.lcMessages, row.lang),
                  row.expected)
            << row.language << "|" << row.lcAll << "|" << row.lcMessages << "|" << row.lang;
    }
    EXPECT_EQ(languageOfLocale("ja"), Language::Japanese);
    EXPECT_EQ(languageOfLocale("en-GB"), Language::English);
    EXPECT_EQ(languageOfCode("EN"), Language::English);
    EXPECT_EQ(languageOfCode("english"), std::nullopt);
}

}  // namespace
}  // namespace huewright
