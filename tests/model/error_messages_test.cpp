#include "model/error_messages.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "persistence/profile_document.h"

namespace huewright {
namespace {

// Every view of the window shows these words; each row names the error it words. The window's
// tests show a file that cannot be written.
TEST(ErrorMessageTest, WordsEachErrorOfTheCore) {
    using Field = OutputError::Field;
    const struct {
        const char* name;
        std::string message;
        std::string expected;
    } rows[] = {
        {"line_break_in_value", errorMessage(LineBreakInValueError("link_e")),
         "link_e の値は改行を含むため書き込めません"},
        {"control_character_in_text",
         errorMessage(OutputError::controlCharacter(Field::Text, U'\x1b', 2), OutputForm::Span),
         "テキスト の制御文字 U+001B は SPAN 形式では出力できません"},
        {"five_digit_noncharacter_in_face",
         errorMessage(OutputError::controlCharacter(Field::FaceName, U'\U0001FFFE', 1),
                      OutputForm::Bbcode),
         "フォント名 の制御文字 U+1FFFE は BBCode 形式では出力できません"},
        {"link_scheme", errorMessage(OutputError::linkScheme("javascript:"), OutputForm::Span),
         "SPAN 形式のリンク先は相対か http, https, mailto, ftp だけです"},
        {"bracket_in_bbcode_face",
         errorMessage(OutputError::bracketInBbcodeFace(), OutputForm::Bbcode),
         "BBCode のフォント名には [ と ] を使えません"},
        {"no_settings", errorMessage(NoSettingsError("a.DAT")), "a.DAT には設定がありません"},
        {"fragment_approached", errorMessage(FragmentApproachedError("a.html")),
         "a.html の断片はどの設定でも同じには作れないため、いちばん近い設定で開きました"},
        {"anything_else", errorMessage(std::runtime_error("plain words")), "plain words"},
        {"english_fills_its_own_order",
         errorMessage(OutputError::controlCharacter(Field::Text, U'\x1b', 2), OutputForm::Span,
                      Language::English),
         "The control character U+001B in Text cannot be written in the SPAN form"},
        {"english_field_name",
         errorMessage(TextTooLongError(Field::LinkTarget, 5), OutputForm::Font, Language::English),
         "Link target holds at most 5 characters"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.message, row.expected) << row.name;
    }
}

}  // namespace
}  // namespace huewright
