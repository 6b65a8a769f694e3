#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace huewright {

/// The languages the views speak. Japanese is the program's own; English is a translation
/// beside it.
enum class Language { Japanese, English };

/// A Japanese text of the views and its English translation, both UTF-8.
struct Translation {
    std::string_view japanese;
    std::string_view english;
};

/// Every translation, in no particular order: the one source of the views' English.
std::span<const Translation> translations();

/// `japanese` as `language` says it: itself in Japanese, its translation in English. A text the
/// table does not hold (a name, a code, a symbol) is the same in both.
std::string_view inLanguage(std::string_view japanese, Language language);

/// `pattern` in `language` with "%1", "%2" ... replaced by `values` in turn.
std::string phrase(std::string_view pattern, Language language,
                   std::initializer_list<std::string_view> values);

/// The language for a locale or language tag ("ja_JP.UTF-8", "en-GB", "C"): Japanese for a
/// Japanese one and where none is chosen ("", "C", "POSIX"), English for any other.
Language languageOfLocale(std::string_view locale);

/// The language of the user's messages from the environment's values: the first entry of
/// LANGUAGE's list unless the locale is "C" or "POSIX" (which ignores it), else the first of
/// LC_ALL, LC_MESSAGES and LANG that is set, by languageOfLocale.
Language languageOfEnvironment(std::string_view language, std::string_view lcAll,
                               std::string_view lcMessages, std::string_view lang);

/// The short code a file or a flag holds for `language`: "ja" or "en".
std::string_view languageCode(Language language);

/// The language of a short code, in either case; none for any other text.
std::optional<Language> languageOfCode(std::string_view code);

}  // namespace huewright
