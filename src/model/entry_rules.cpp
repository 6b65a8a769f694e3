#include "model/entry_rules.h"

#include <algorithm>
#include <cstdint>

#include "persistence/value_rules.h"
#include "text/cp932.h"
#include "text/utf8.h"
#include "text/utf8_bytes.h"

namespace huewright {
namespace {

constexpr int kRepeatDelayMs = 400;
constexpr int kRepeatIntervalMs = 100;

enum class Rules { OneLine, TypedSpin, FixedSpin, Free };

Rules rulesOf(EntryControl control) {
    if (const auto* spin = std::get_if<SpinField>(&control)) {
        return spinEntry(*spin).typing ? Rules::TypedSpin : Rules::FixedSpin;
    }
    if (std::holds_alternative<LineEdit>(control) ||
        control == EntryControl(WindowPart::FaceName)) {
        return Rules::OneLine;
    }
    return Rules::Free;
}

/// UTF-16 code units in `utf8`, counting lead bytes; a malformed byte counts one, so a text from
/// outside cannot push the count past its end.
std::size_t entryUtf16Length(std::string_view utf8) {
    std::size_t units = 0;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0) != 0x80) {
            units += byte >= 0xF0 && byte <= 0xF4 ? 2 : 1;
        }
    }
    return units;
}

bool spinAccepts(char32_t c, char32_t decimalSeparator) {
    return (c >= U'0' && c <= U'9') || c == U'+' || c == U'-' || c == U'.' || c == decimalSeparator;
}

/// What goes in of `inserted`, and whether anything was dropped. A spin edit keeps all or none.
struct Kept {
    std::string text;
    bool dropped = false;
};

Kept keptOf(Rules rules, std::string_view inserted, char32_t decimalSeparator,
            EntryCharacters characters) {
    Kept kept;
    kept.text.reserve(inserted.size());
    // What is kept goes in a run at a time: a pasted text may run to megabytes.
    std::size_t runStart = 0;
    const auto drop = [&](std::size_t from, std::size_t to) {
        kept.text.append(inserted.substr(runStart, from - runStart));
        kept.dropped = true;
        runStart = to;
    };
    for (std::size_t at = 0; at < inserted.size();) {
        const Utf8Sequence step = utf8SequenceAt(inserted, at);
        if (step.fault != Utf8Fault::None) {
            // Bytes that are no character are dropped one at a time.
            drop(at, at + 1);
            ++at;
            continue;
        }
        const char32_t c = step.codePoint;
        if (rules == Rules::OneLine) {
            if (c == U'\r' || c == U'\n') {
                // Only the first line goes in; the line break and the rest count as dropped.
                drop(at, inserted.size());
                return kept;
            }
            const bool control = c < 0x20 || (c >= 0x7F && c <= 0x9F);
            if (control || (characters == EntryCharacters::CodePage932 && !cp932CanHold(c))) {
                drop(at, at + step.length);
            }
        } else if (rules == Rules::TypedSpin && !spinAccepts(c, decimalSeparator)) {
            return {{}, true};
        }
        at += step.length;
    }
    kept.text.append(inserted.substr(runStart));
    return kept;
}

EntryOutcome unchanged(const EntryBox& box, bool beep) {
    EntryOutcome outcome;
    outcome.text.reserve(box.before.size() + box.selected.size() + box.after.size());
    outcome.text.append(box.before).append(box.selected).append(box.after);
    outcome.cursor = entryUtf16Length(box.before) + entryUtf16Length(box.selected);
    outcome.beep = beep;
    return outcome;
}

}  // namespace

SpinEntry spinEntry(SpinField spin) {
    const bool typing = spin == SpinField::FrameWidth;
    return {typing, typing ? 2 : 1, rangeOf(spin), kRepeatDelayMs, kRepeatIntervalMs};
}

EntryOutcome insertText(EntryControl control, EntryAction action, const EntryBox& box,
                        std::string_view inserted, char32_t decimalSeparator,
                        EntryCharacters characters) {
    const Rules rules = rulesOf(control);
    if (rules == Rules::FixedSpin) {
        return unchanged(box, action == EntryAction::Type && !inserted.empty());
    }
    Kept kept = rules == Rules::Free ? Kept{std::string(inserted)}
                                     : keptOf(rules, inserted, decimalSeparator, characters);
    if (rules == Rules::TypedSpin) {
        if (kept.dropped) {
            return unchanged(box, true);
        }
        // What does not fit is cut off, as a full field cuts off typing: no beep.
        const std::size_t room =
            static_cast<std::size_t>(spinEntry(std::get<SpinField>(control)).maxLength);
        const std::size_t held = utf8CharacterCount(box.before) + utf8CharacterCount(box.after);
        // Spin texts are ASCII, so a character is a byte.
        kept.text.resize(std::min(kept.text.size(), room > held ? room - held : 0));
    }
    EntryOutcome outcome;
    outcome.text.reserve(box.before.size() + kept.text.size() + box.after.size());
    outcome.text.append(box.before).append(kept.text).append(box.after);
    outcome.cursor = entryUtf16Length(box.before) + entryUtf16Length(kept.text);
    outcome.changed = !box.selected.empty() || !kept.text.empty();
    outcome.beep = kept.dropped;
    if (!outcome.changed) {
        return unchanged(box, kept.dropped);
    }
    return outcome;
}

KeyAnswer pressKey(EntryControl control, EntryKey key) {
    const Rules rules = rulesOf(control);
    if (rules != Rules::TypedSpin && rules != Rules::FixedSpin) {
        return {};
    }
    switch (key) {
        case EntryKey::Up:
            return {true, false, 1};
        case EntryKey::Down:
            return {true, false, -1};
        case EntryKey::Erase:
            return {rules == Rules::FixedSpin, rules == Rules::FixedSpin, 0};
        case EntryKey::Cut:
            return {rules == Rules::FixedSpin, false, 0};
        case EntryKey::Enter:
            return {rules == Rules::TypedSpin, rules == Rules::TypedSpin, 0};
    }
    return {};
}

std::string steppedText(SpinField spin, std::string_view text, int delta) {
    const SpinRange range = rangeOf(spin);
    const std::int32_t value = parseSettingInteger(text).value_or(range.minimum);
    // From far outside the range a step lands on its nearer end; it never overflows.
    const std::int64_t next = std::int64_t{value} + delta;
    return formatSettingInteger(
        static_cast<std::int32_t>(std::clamp<std::int64_t>(next, range.minimum, range.maximum)));
}

bool selectsAllOnFocus(EntryControl control, FocusCause cause) {
    switch (cause) {
        case FocusCause::Mouse:
            return false;
        case FocusCause::Keyboard:
        case FocusCause::Opening:
            return true;
        case FocusCause::Return:
            return std::holds_alternative<ColourCodeControl>(control);
    }
    return false;
}

std::string lengthText(std::size_t bytes) {
    return "(" + std::to_string(bytes) + ")";
}

std::optional<EntryControl> entryControlNamed(Window window, std::string_view name) {
    if (window == Window::ColourCode) {
        if (name == nameOf(ColourCodeControl::Code)) {
            return ColourCodeControl::Code;
        }
        return std::nullopt;
    }
    if (window != Window::Main) {
        return std::nullopt;
    }
    for (const LineEdit edit : kAllLineEdits) {
        if (nameOf(edit) == name) {
            return edit;
        }
    }
    for (const SpinField spin : kAllSpinFields) {
        if (nameOf(spin) == name) {
            return spin;
        }
    }
    for (const WindowPart part : {WindowPart::FaceName, WindowPart::Markup}) {
        if (nameOf(part) == name) {
            return part;
        }
    }
    return std::nullopt;
}

}  // namespace huewright
