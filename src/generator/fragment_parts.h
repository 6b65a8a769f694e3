#pragma once

// What the readers of the output forms share: a cursor that takes the pieces a form writes, and
// the parts a reader gives, which the fragment reader then matches with settings.

#include <charconv>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "generator/colour_list.h"
#include "generator/form_writer.h"
#include "generator/gradation_settings.h"

namespace huewright {

/// A reader stopped: `what` was expected at byte `at` of the fragment.
struct ReadStop {
    std::string what;
    std::size_t at;
};

/// A cursor over a fragment that takes the pieces a form writes, or stops the read.
class FragmentCursor {
  public:
    FragmentCursor(std::string_view text, TextEncoding encoding)
        : text_(text), encoding_(encoding) {}

    bool atEnd() const { return at_ == text_.size(); }
    std::string_view rest() const { return text_.substr(at_); }
    TextEncoding encoding() const { return encoding_; }

    /// Takes `piece` when the fragment continues with it.
    bool take(std::string_view piece) {
        if (!rest().starts_with(piece)) {
            return false;
        }
        at_ += piece.size();
        return true;
    }
    /// Takes all of `pieces` in turn, or none of them.
    bool take(std::initializer_list<std::string_view> pieces) {
        const std::size_t start = at_;
        for (const std::string_view piece : pieces) {
            if (!take(piece)) {
                at_ = start;
                return false;
            }
        }
        return true;
    }
    void expect(std::initializer_list<std::string_view> pieces, std::string_view what) {
        if (!take(pieces)) {
            fail(what);
        }
    }
    /// Takes one unit of text, as escaping sees it: a whole code page 932 character, so that a
    /// trail byte is never taken for the ASCII it looks like.
    std::string_view unit() {
        const std::string_view taken = text_.substr(at_, escapeUnitAt(text_, at_, encoding_));
        at_ += taken.size();
        return taken;
    }
    /// The text up to the next `end` that starts a unit, which is taken too; stops the read
    /// without one.
    std::string_view until(std::string_view end, std::string_view what) {
        const std::size_t start = at_;
        while (!atEnd()) {
            const std::size_t here = at_;
            if (take(end)) {
                return text_.substr(start, here - start);
            }
            unit();
        }
        fail(what);
    }
    int number(std::string_view what, int base = 10) {
        int value = 0;
        const auto [end, error] =
            std::from_chars(text_.data() + at_, text_.data() + text_.size(), value, base);
        if (error != std::errc()) {
            fail(what);
        }
        at_ = static_cast<std::size_t>(end - text_.data());
        return value;
    }
    /// Six hexadecimal digits, in either case.
    ColourValue colour(std::string_view what) {
        const std::optional<ColourValue> read =
            at_ + 6 <= text_.size() ? parseColourCode(text_.substr(at_, 6)) : std::nullopt;
        if (!read) {
            fail(what);
        }
        at_ += 6;
        return *read;
    }
    /// Takes the closing `tag` of what is `on`.
    void close(bool on, std::string_view tag) {
        if (on) {
            expect({tag}, tag);
        }
    }
    /// Takes `lineBreak` where the fragment ends with it, then the end; returns whether it did.
    bool lineBreakAndEnd(std::string_view lineBreak) {
        const bool taken = take(lineBreak);
        if (!atEnd()) {
            fail("the fragment's end");
        }
        return taken;
    }
    [[noreturn]] void fail(std::string_view what) const { throw ReadStop{std::string(what), at_}; }

  private:
    std::string_view text_;
    TextEncoding encoding_;
    std::size_t at_ = 0;
};

/// A run of characters a form gave one colour (and, where sizes show, one size; 0 without).
struct FragmentRun {
    std::string characters;
    ColourValue colour;
    int size;
};

/// What a form's reader takes from a fragment: the settings its tags name (the text left
/// empty, the colours the defaults) and the runs of characters in order.
struct FragmentParts {
    GradationSettings settings;
    std::vector<FragmentRun> runs;

    /// Adds `run`, which `c` has just read: a run holds a character at least.
    void add(const FragmentCursor& c, FragmentRun run) {
        if (run.characters.empty()) {
            c.fail("a character");
        }
        runs.push_back(std::move(run));
    }
};

/// The settings a reader starts from: the defaults, with no text and nothing added around it.
inline GradationSettings unadornedSettings() {
    GradationSettings s;
    s.text.clear();
    s.useFace = false;
    s.useSize = false;
    s.lineBreak = false;
    return s;
}

/// One reader per output form; each takes the whole fragment or stops with ReadStop.
FragmentParts readFontParts(std::string_view fragment, TextEncoding encoding);
FragmentParts readSpanParts(std::string_view fragment, TextEncoding encoding);
FragmentParts readBbcodeParts(std::string_view fragment, TextEncoding encoding);
FragmentParts readAnsiParts(std::string_view fragment, TextEncoding encoding);
FragmentParts readMinimessageParts(std::string_view fragment, TextEncoding encoding);
FragmentParts readAmpersandParts(std::string_view fragment, TextEncoding encoding);
FragmentParts readJsonParts(std::string_view fragment, TextEncoding encoding);

}  // namespace huewright
