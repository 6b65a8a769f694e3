#include "model/entry_rules.h"
#include "model/radio_keys.h"

#include <gtest/gtest.h>

#include "model/layout.h"
#include "support/entry_cases.h"
#include "text/utf16.h"

namespace huewright {
namespace {

// The outcome of a row's action by the rules alone: the box's text, the cursor in UTF-16 units,
// the beeps.
struct Seen {
    std::string text;
    std::size_t cursor;
    int beeps;
};

Seen run(const test::EntryCase& row) {
    const EntryControl control = *entryControlNamed(Window::Main, row.control);
    const EntryBox box{row.before, row.selected, row.after};
    if (row.action == "type" || row.action == "paste") {
        const EntryOutcome outcome =
            insertText(control, row.action == "type" ? EntryAction::Type : EntryAction::Paste, box,
                       row.inserted);
        return {outcome.text, outcome.cursor, outcome.beep ? 1 : 0};
    }
    const EntryKey key = row.action == "erase"   ? EntryKey::Erase
                         : row.action == "enter" ? EntryKey::Enter
                         : row.action == "up"    ? EntryKey::Up
                                                 : EntryKey::Down;
    const KeyAnswer answer = pressKey(control, key);
    std::string text = row.before + row.selected + row.after;
    if (answer.step != 0) {
        text = steppedText(std::get<SpinField>(control), text, answer.step);
    }
    return {text, 0, answer.beep ? 1 : 0};
}

TEST(EntryRulesTest, sharedTable) {
    const std::vector<test::EntryCase> rows = test::readEntryCases();
    ASSERT_FALSE(rows.empty());
    for (const test::EntryCase& row : rows) {
        SCOPED_TRACE(row.name);
        const Seen seen = run(row);
        EXPECT_EQ(seen.text, row.expected);
        if (row.expectedHead) {
            EXPECT_EQ(seen.cursor,
                      utf8ToUtf16(*row.expectedHead, Utf16ByteOrder::LittleEndian).size() / 2);
        }
        EXPECT_EQ(seen.beeps, row.beeps);
    }
}

// Texts from outside that no view's table row can carry: bytes that are not UTF-8, a text the
// cursor has to be counted past, and spin texts far outside the range.
TEST(EntryRulesTest, untrustedTexts) {
    const EntryOutcome broken =
        insertText(LineEdit::Text, EntryAction::Paste, {"a", "", "b"}, "x\xFF\xE3\x81y");
    EXPECT_EQ(broken.text, "axyb");
    EXPECT_TRUE(broken.beep);
    // A character outside the basic plane counts two positions, a stray byte one.
    const EntryOutcome after =
        insertText(LineEdit::Text, EntryAction::Type, {"\xF0\x9F\x98\x80\xFF", "", ""}, "a");
    EXPECT_EQ(after.cursor, 4U);
    EXPECT_FALSE(after.beep);
    // While the text box takes any character, only control characters are dropped.
    const EntryOutcome any = insertText(LineEdit::Text, EntryAction::Paste, {"", "", ""},
                                        "👍🏽\u0085é\x7F", U'.', EntryCharacters::Any);
    EXPECT_EQ(any.text, "👍🏽é");
    EXPECT_TRUE(any.beep);
    EXPECT_EQ(insertText(LineEdit::Text, EntryAction::Paste, {"", "", ""}, "👍虹").text, "虹");

    const struct {
        SpinField spin;
        const char* text;
        int delta;
        const char* stepped;
    } steps[] = {
        {SpinField::FrameWidth, "-5", 1, "0"},
        {SpinField::FrameWidth, "+", 1, "1"},
        {SpinField::FrameWidth, "2147483647", 1, "99"},
        {SpinField::Size, "-2147483648", -1, "1"},
        {SpinField::Size, "9", -1, "7"},
    };
    for (const auto& row : steps) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(steppedText(row.spin, row.text, row.delta), row.stepped);
    }
}

TEST(EntryRulesTest, focusSelectsAllButByTheMouse) {
    const struct {
        EntryControl control;
        FocusCause cause;
        bool selects;
    } rows[] = {
        {LineEdit::Text, FocusCause::Mouse, false},
        {LineEdit::Text, FocusCause::Keyboard, true},
        {LineEdit::Text, FocusCause::Opening, true},
        {LineEdit::Text, FocusCause::Return, false},
        {SpinField::FrameWidth, FocusCause::Keyboard, true},
        {ColourCodeControl::Code, FocusCause::Mouse, false},
        {ColourCodeControl::Code, FocusCause::Return, true},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(selectsAllOnFocus(row.control, row.cause), row.selects)
            << static_cast<int>(row.cause);
    }
}

TEST(EntryRulesTest, controlsByName) {
    EXPECT_EQ(entryControlNamed(Window::Main, "Edit1"), EntryControl(LineEdit::Text));
    EXPECT_EQ(entryControlNamed(Window::ColourCode, "Edit1"),
              EntryControl(ColourCodeControl::Code));
    EXPECT_EQ(entryControlNamed(Window::Main, "WS"), EntryControl(SpinField::FrameWidth));
    EXPECT_EQ(entryControlNamed(Window::Main, "WB"), std::nullopt);
}

// The layout draws a spin edit as taking typing or not; the rules must agree with the drawing.
TEST(EntryRulesTest, layoutDrawsEachSpinEditAsItTakesTyping) {
    for (const ControlLayout& control : mainWindowLayout().controls) {
        const std::optional<EntryControl> entry = entryControlNamed(Window::Main, control.name);
        if (const auto* spin = entry ? std::get_if<SpinField>(&*entry) : nullptr) {
            EXPECT_EQ(control.kind == ControlKind::TypingSpinEdit, spinEntry(*spin).typing)
                << control.name;
        }
    }
}

// An arrow key moves a radio group's check on to the next enabled button, round the end.
TEST(RadioKeys, ArrowsSkipDisabledButtonsAndWrap) {
    const std::vector<bool> enabled = {true, false, true, true};
    EXPECT_EQ(radioArrowTarget(enabled, 0, ArrowKey::Down), 2u);
    EXPECT_EQ(radioArrowTarget(enabled, 0, ArrowKey::Right), 2u);
    EXPECT_EQ(radioArrowTarget(enabled, 3, ArrowKey::Right), 0u);
    EXPECT_EQ(radioArrowTarget(enabled, 2, ArrowKey::Up), 0u);
    EXPECT_EQ(radioArrowTarget(enabled, 0, ArrowKey::Left), 3u);
    EXPECT_EQ(radioArrowTarget({true, false}, 0, ArrowKey::Down), std::nullopt);
}

}  // namespace
}  // namespace huewright
