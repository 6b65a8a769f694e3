#include "model/error_messages.h"

#include <gtest/gtest.h>

#include <functional>
#include <system_error>

#include "persistence/atomic_file.h"
#include "persistence/profile_document.h"

namespace huewright {
namespace {

struct MessageRow {
    const char* name;
    std::function<void()> raise;
    OutputForm form;
    std::string expected;
};

// Every view of the window shows these words; each row names the error it words.
TEST(ErrorMessageTest, WordsEachErrorOfTheCore) {
    const MessageRow rows[] = {
        {"unwritable_file",
         [] {
             throw FileWriteError("lumo.ini",
                                  std::make_error_code(std::errc::read_only_file_system));
         },
         OutputForm::Font, "lumo.ini に書き込めません"},
        {"line_break_in_value", [] { throw LineBreakInValueError("link_e"); }, OutputForm::Font,
         "link_e の値は改行を含むため書き込めません"},
        {"control_character_in_text",
         [] { throw OutputError::controlCharacter(OutputError::Field::Text, U'\x1b', 2); },
         OutputForm::Span, "テキスト の制御文字 U+001B は SPAN 形式では出力できません"},
        {"five_digit_noncharacter_in_face",
         [] {
             throw OutputError::controlCharacter(OutputError::Field::FaceName, U'\U0001FFFE', 1);
         },
         OutputForm::Bbcode, "フォント名 の制御文字 U+1FFFE は BBCode 形式では出力できません"},
        {"link_scheme", [] { throw OutputError::linkScheme("javascript:"); }, OutputForm::Span,
         "SPAN 形式のリンク先は相対か http, https, mailto, ftp だけです"},
        {"bracket_in_bbcode_face", [] { throw OutputError::bracketInBbcodeFace(); },
         OutputForm::Bbcode, "BBCode のフォント名には [ と ] を使えません"},
        {"anything_else", [] { throw std::runtime_error("plain words"); }, OutputForm::Font,
         "plain words"},
    };
    for (const MessageRow& row : rows) {
        SCOPED_TRACE(row.name);
        try {
            row.raise();
            FAIL() << "nothing was thrown";
        } catch (const std::exception& error) {
            EXPECT_EQ(errorMessage(error, row.form), row.expected);
        }
    }
}

}  // namespace
}  // namespace huewright
