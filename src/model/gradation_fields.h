#pragma once

#include <array>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

#include "generator/gradation_settings.h"
#include "generator/output.h"
#include "model/controls.h"

namespace huewright {

/// The font face box, whose text is set without firing anything when it comes from code.
struct FaceNameBox {
    friend bool operator==(FaceNameBox, FaceNameBox) = default;
};
/// The gradation-mode radio group: gradient, or alternating colours.
struct ModeGroup {};
/// The size-pattern radio group: falling, valley, alternating, or none checked.
struct PatternGroup {};
/// A start-up option that every generator run reads (startup_fields.h says which).
struct StartupOption {};

/// The size pattern each button of the size-pattern group stands for; none checked is none.
struct PatternButton {
    RadioButton button;
    SizePatternKind kind;
};
inline constexpr std::array<PatternButton, 3> kPatternButtons = {{
    {RadioButton::FallingPattern, SizePatternKind::Falling},
    {RadioButton::ValleyPattern, SizePatternKind::Valley},
    {RadioButton::AlternatingPattern, SizePatternKind::Alternating},
}};

/// A field of GradationSettings and the window item that holds its value.
template <typename Value, typename Item>
struct Binding {
    Value GradationSettings::*member;
    Item item;
};
template <typename Value, typename Item>
Binding(Value GradationSettings::*, Item) -> Binding<Value, Item>;

/// Every pairing of a field's type with an item that can hold it.
using FieldBinding =
    std::variant<Binding<std::string, LineEdit>, Binding<std::string, FaceNameBox>,
                 Binding<bool, CheckBox>, Binding<bool, StartupOption>, Binding<int, SpinField>,
                 Binding<ColourValue, ColourSlot>, Binding<GradationMode, ModeGroup>,
                 Binding<SizePatternKind, PatternGroup>>;

/// How the command line groups the flags in its help.
enum class FlagGroup { TextAndColours, Tags, SizePattern, FrameAndLink, MarkupForm };

/// One field of GradationSettings: where the window keeps it, how the command line names it, and
/// for a text, how a refusal of the output names it.
struct GradationField {
    FieldBinding binding;
    std::string_view flag;      ///< the command-line flag without "--" ("" for the text itself)
    std::string_view negation;  ///< a switch's flag for off, without "--"
    std::string_view help;
    FlagGroup group;
    OutputError::Field refusedAs = OutputError::Field::None;
};

/// Every field of GradationSettings, in the order the command line lists them and the window
/// applies them (the frame before its background, which unchecking the frame unchecks).
inline const std::array<GradationField, 28> kGradationFields{{
    {Binding{&GradationSettings::text, LineEdit::Text}, "", "",
     "the text to colour; read from standard input when absent, one trailing line end removed; "
     "put -- before a text that begins with -",
     FlagGroup::TextAndColours, OutputError::Field::Text},
    {Binding{&GradationSettings::startColour, ColourSlot::Start}, "start-colour", "",
     "colour of the first character", FlagGroup::TextAndColours},
    {Binding{&GradationSettings::middleColour, ColourSlot::Middle}, "middle-colour", "",
     "colour in the middle with --three-colours", FlagGroup::TextAndColours},
    {Binding{&GradationSettings::endColour, ColourSlot::End}, "end-colour", "",
     "colour of the last character", FlagGroup::TextAndColours},
    {Binding{&GradationSettings::backgroundColour, ColourSlot::Background}, "background-colour", "",
     "background colour of the frame", FlagGroup::TextAndColours},
    {Binding{&GradationSettings::threeColours, CheckBox::ThreeColours}, "three-colours",
     "two-colours", "run from the start through the middle to the end colour, or from start to end",
     FlagGroup::TextAndColours},
    {Binding{&GradationSettings::mode, ModeGroup{}}, "alternate", "gradient",
     "alternate the colours character by character, or blend them", FlagGroup::TextAndColours},
    {Binding{&GradationSettings::useFace, CheckBox::UseFace}, "face", "no-face",
     "wrap the text in a FONT tag with a FACE", FlagGroup::Tags},
    {Binding{&GradationSettings::faceName, FaceNameBox{}}, "face-name", "", "the FACE, as given",
     FlagGroup::Tags, OutputError::Field::FaceName},
    {Binding{&GradationSettings::useSize, CheckBox::UseSize}, "size", "no-size",
     "give the wrapping FONT tag a SIZE while the size pattern is off", FlagGroup::Tags},
    {Binding{&GradationSettings::size, SpinField::Size}, "size-value", "", "the SIZE",
     FlagGroup::Tags},
    {Binding{&GradationSettings::bold, CheckBox::Bold}, "bold", "no-bold", "bold", FlagGroup::Tags},
    {Binding{&GradationSettings::italic, CheckBox::Italic}, "italic", "no-italic", "italic",
     FlagGroup::Tags},
    {Binding{&GradationSettings::underline, CheckBox::Underline}, "underline", "no-underline",
     "underline", FlagGroup::Tags},
    {Binding{&GradationSettings::strike, CheckBox::Strike}, "strike", "no-strike", "strike-through",
     FlagGroup::Tags},
    {Binding{&GradationSettings::lineBreak, CheckBox::LineBreak}, "line-break", "no-line-break",
     "end with a BR tag", FlagGroup::Tags},
    {Binding{&GradationSettings::sizePattern, CheckBox::SizePattern}, "size-pattern",
     "no-size-pattern", "give every character its own SIZE", FlagGroup::SizePattern},
    {Binding{&GradationSettings::patternKind, PatternGroup{}}, "pattern-kind", "",
     "falling, valley, alternating, or none (every character gets the largest size)",
     FlagGroup::SizePattern},
    {Binding{&GradationSettings::patternMax, SpinField::PatternMax}, "pattern-max", "",
     "the largest size", FlagGroup::SizePattern},
    {Binding{&GradationSettings::patternMin, SpinField::PatternMin}, "pattern-min", "",
     "the smallest size (above the largest, the sizes rise)", FlagGroup::SizePattern},
    {Binding{&GradationSettings::frame, CheckBox::Frame}, "frame", "no-frame",
     "put the text in a table cell", FlagGroup::FrameAndLink},
    {Binding{&GradationSettings::frameWidth, SpinField::FrameWidth}, "frame-width", "",
     "the table's BORDER", FlagGroup::FrameAndLink},
    {Binding{&GradationSettings::frameBackground, CheckBox::FrameBackground}, "frame-background",
     "no-frame-background", "give the cell the background colour; needs --frame",
     FlagGroup::FrameAndLink},
    {Binding{&GradationSettings::link, CheckBox::Link}, "link", "no-link",
     "wrap the text in a link", FlagGroup::FrameAndLink},
    {Binding{&GradationSettings::linkTarget, LineEdit::LinkTarget}, "link-target", "",
     "the link's HREF, as given", FlagGroup::FrameAndLink, OutputError::Field::LinkTarget},
    {Binding{&GradationSettings::upperCaseTags, StartupOption{}}, "upper-case-tags",
     "lower-case-tags", "tag names and colour codes in upper or in lower case",
     FlagGroup::MarkupForm},
    {Binding{&GradationSettings::strongForBold, StartupOption{}}, "strong-for-bold", "b-for-bold",
     "STRONG or B for bold", FlagGroup::MarkupForm},
    {Binding{&GradationSettings::emForItalic, StartupOption{}}, "em-for-italic", "i-for-italic",
     "EM or I for italic", FlagGroup::MarkupForm},
}};

/// Replaces each text of `settings` (the text to colour, the face name, the link target) by what
/// `convert` makes of it.
template <typename Convert>
void convertTexts(GradationSettings& settings, const Convert& convert);

/// The field of GradationSettings that `field` binds when it holds a text; nullptr otherwise.
inline std::string GradationSettings::*textMemberOf(const GradationField& field) {
    return std::visit(
        [](const auto& binding) -> std::string GradationSettings::* {
            if constexpr (std::is_same_v<decltype(binding.member),
                                         std::string GradationSettings::*>) {
                return binding.member;
            } else {
                return nullptr;
            }
        },
        field.binding);
}

template <typename Convert>
void convertTexts(GradationSettings& settings, const Convert& convert) {
    for (const GradationField& field : kGradationFields) {
        if (std::string GradationSettings::*const text = textMemberOf(field)) {
            settings.*text = convert(settings.*text);
        }
    }
}

}  // namespace huewright
