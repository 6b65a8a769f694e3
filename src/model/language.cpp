#include "model/language.h"

#include <algorithm>
#include <cctype>

namespace huewright {

std::string_view inLanguage(std::string_view japanese, Language language) {
    if (language == Language::Japanese) {
        return japanese;
    }
    const std::span<const Translation> all = translations();
    const auto found = std::find_if(
        all.begin(), all.end(), [&](const Translation& each) { return each.japanese == japanese; });
    return found == all.end() ? japanese : found->english;
}

std::string phrase(std::string_view pattern, Language language,
                   std::initializer_list<std::string_view> values) {
    const std::string_view said = inLanguage(pattern, language);
    std::string result;
    for (std::size_t at = 0; at < said.size(); ++at) {
        const char next = at + 1 < said.size() ? said[at + 1] : '\0';
        const auto index = static_cast<std::size_t>(next - '1');
        if (said[at] == '%' && next >= '1' && next <= '9' && index < values.size()) {
            result += values.begin()[index];
            ++at;
        } else {
            result += said[at];
        }
    }
    return result;
}

Language languageOfLocale(std::string_view locale) {
    const std::string_view language = locale.substr(0, locale.find_first_of("_-.@"));
    if (language.empty() || language == "C" || language == "POSIX") {
        return Language::Japanese;
    }
    return languageOfCode(language) == Language::Japanese ? Language::Japanese : Language::English;
}

Language languageOfEnvironment(std::string_view language, std::string_view lcAll,
                               std::string_view lcMessages, std::string_view lang) {
    std::string_view locale = lcAll;
    for (const std::string_view next : {lcMessages, lang}) {
        if (locale.empty()) {
            locale = next;
        }
    }
    const std::string_view localeLanguage = locale.substr(0, locale.find_first_of("_-.@"));
    const bool plain = localeLanguage.empty() || localeLanguage == "C" || localeLanguage == "POSIX";
    const std::string_view first = language.substr(0, language.find(':'));
    return plain || first.empty() ? languageOfLocale(locale) : languageOfLocale(first);
}

std::string_view languageCode(Language language) {
    return language == Language::Japanese ? "ja" : "en";
}

std::optional<Language> languageOfCode(std::string_view code) {
    std::string lower(code);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lower == "ja") {
        return Language::Japanese;
    }
    if (lower == "en") {
        return Language::English;
    }
    return std::nullopt;
}

}  // namespace huewright
