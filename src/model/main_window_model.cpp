#include "model/main_window_model.h"

#include <algorithm>
#include <stdexcept>
#include <string_view>
#include <variant>

#include "generator/markup.h"
#include "generator/shift_jis.h"
#include "persistence/gradation_file.h"
#include "persistence/value_rules.h"

namespace huewright {

namespace {

// The face name the platform keeps is at most 31 bytes; a double-byte character is not split.
constexpr std::size_t kFaceNameLimit = 31;

struct FontName {};
using Item = std::variant<ColourSlot, CheckBox, RadioButton, SpinField, LineEdit, FontName>;

struct Binding {
    std::string_view key;
    Item item;
};

// The window item behind each key of a gradation settings file.
const std::array<Binding, kGradationKeyCount> kBindings = {{
    {"Col1", ColourSlot::Start},
    {"Col2", ColourSlot::Middle},
    {"Col3", ColourSlot::End},
    {"Col_B", ColourSlot::Background},
    {"CB", CheckBox::CB},
    {"Gtype1B", RadioButton::Gtype1b},
    {"Gtype2B", RadioButton::Gtype2b},
    {"FontName", FontName{}},
    {"FontSize", SpinField::Fsize},
    {"BB", CheckBox::BB},
    {"EB", CheckBox::EB},
    {"UB", CheckBox::UB},
    {"SB", CheckBox::SB},
    {"FS", CheckBox::FS},
    {"SS", CheckBox::SS},
    {"WB", CheckBox::WB},
    {"WS", SpinField::WS},
    {"HB", CheckBox::HB},
    {"LB", CheckBox::LB},
    {"link_e", LineEdit::link_e},
    {"TB", CheckBox::TB},
    {"Ftype1B", RadioButton::Ftype1B},
    {"Ftype2B", RadioButton::Ftype2B},
    {"Ftype3B", RadioButton::Ftype3B},
    {"FDsize", SpinField::FDsize},
    {"FSsize", SpinField::FSsize},
    {"KB", CheckBox::KB},
    {"text", LineEdit::Edit1},
}};

const Item& itemFor(const GradationKey& key) {
    const auto found = std::find_if(kBindings.begin(), kBindings.end(),
                                    [&](const Binding& b) { return b.key == key.key; });
    if (found == kBindings.end()) {
        throw std::logic_error("no window item for a gradation key");
    }
    return found->item;
}

constexpr std::array<RadioButton, 2> kGradientGroup = {RadioButton::Gtype1b, RadioButton::Gtype2b};
constexpr std::array<RadioButton, 3> kPatternGroup = {RadioButton::Ftype1B, RadioButton::Ftype2B,
                                                      RadioButton::Ftype3B};

bool inGradientGroup(RadioButton button) {
    return button == RadioButton::Gtype1b || button == RadioButton::Gtype2b;
}

ColorValue colourFromFile(std::int32_t value) {
    return static_cast<ColorValue>(value);
}
std::int32_t colourForFile(ColorValue colour) {
    return static_cast<std::int32_t>(colour);
}

// The start, middle, end and background colours the start-up settings give.
std::array<ColorValue, 4> startupColours(const StartupSettings& startup) {
    return {colourFromFile(startup.Col1), colourFromFile(startup.Col2),
            colourFromFile(startup.Col3), colourFromFile(startup.ColB)};
}

}  // namespace

MainWindowModel::MainWindowModel(FileSystem& files) : files_(files) {
    texts_[index(LineEdit::Edit1)] = kSampleText;
    texts_[index(LineEdit::link_e)] = "http://";
    fname_ = kWindowFaceName;
    radios_[index(RadioButton::Gtype1b)] = true;
    radios_[index(RadioButton::Ftype1B)] = true;
    spinTexts_ = {"3", "0", "7", "3"};
    enabled_[index(Switchable::Fsize)] = true;
    enabled_[index(Switchable::SS)] = true;
    colours_ = startupColours(startup_);
}

void MainWindowModel::FormCreate(const std::filesystem::path& workingDirectory) {
    FormCreate(workingDirectory, readStartupSettings(files_, startupFilePath(workingDirectory)));
}

void MainWindowModel::FormCreate(const std::filesystem::path& workingDirectory,
                                 const StartupSettings& startup) {
    startupDir_ = workingDirectory;
    startup_ = startup;
    colours_ = startupColours(startup_);
    setChecked(CheckBox::SS, startup_.SS);
    setChecked(CheckBox::FS, startup_.FS);
    setChecked(CheckBox::KB, startup_.KB);
    patternMaximum_ = 7;
    patternMinimum_ = 3;
    previewFont_ = PreviewFont{};
    previewFont_.points = HtmlSizeToPoints(3);
    fname_ = kWindowFaceName;
    html_edit();
}

void MainWindowModel::setText(LineEdit edit, std::string text) {
    if (texts_[index(edit)] == text) {
        return;
    }
    texts_[index(edit)] = std::move(text);
    // Edit1Change and link_eChange both only regenerate.
    html_edit();
}

void MainWindowModel::setFnameText(std::string text, bool byUser) {
    fname_ = std::move(text);
    if (byUser) {
        FnameChange();
    }
}

void MainWindowModel::setChecked(CheckBox box, bool checked) {
    if (checks_[index(box)] == checked) {
        return;
    }
    checks_[index(box)] = checked;
    runHandler(box);
}

void MainWindowModel::checkRadio(RadioButton button) {
    if (radios_[index(button)]) {
        return;
    }
    const auto uncheck = [&](auto group) {
        for (const RadioButton other : group) {
            radios_[index(other)] = false;
        }
    };
    if (inGradientGroup(button)) {
        uncheck(kGradientGroup);
    } else {
        uncheck(kPatternGroup);
    }
    radios_[index(button)] = true;
    runHandler(button);
}

void MainWindowModel::setRadio(RadioButton button, bool checked) {
    if (checked) {
        checkRadio(button);
    } else {
        radios_[index(button)] = false;
    }
}

void MainWindowModel::setSpinText(SpinField spin, std::string text) {
    if (spinTexts_[index(spin)] == text) {
        return;
    }
    spinTexts_[index(spin)] = std::move(text);
    runHandler(spin);
}

void MainWindowModel::setSpinValue(SpinField spin, int value) {
    const SpinRange range = rangeOf(spin);
    setSpinText(spin, formatSettingInteger(std::clamp(value, range.minimum, range.maximum)));
}

void MainWindowModel::stepSpin(SpinField spin, int delta) {
    setSpinValue(spin, spinValue(spin) + delta);
}

void MainWindowModel::spinFocusOut(SpinField spin) {
    const SpinRange range = rangeOf(spin);
    const int value = spinValue(spin);
    if (value < range.minimum || value > range.maximum) {
        setSpinValue(spin, value);
    }
}

int MainWindowModel::spinValue(SpinField spin) const {
    return parseSettingInteger(spinTexts_[index(spin)]).value_or(rangeOf(spin).minimum);
}

void MainWindowModel::runHandler(CheckBox box) {
    switch (box) {
        case CheckBox::BB:
            return styleClick(box, &PreviewFont::bold);
        case CheckBox::EB:
            return styleClick(box, &PreviewFont::italic);
        case CheckBox::UB:
            return styleClick(box, &PreviewFont::underline);
        case CheckBox::SB:
            return styleClick(box, &PreviewFont::strikeOut);
        case CheckBox::WB:
            return WBClick();
        case CheckBox::LB:
            return LBClick();
        case CheckBox::CB:
            return CBClick();
        case CheckBox::TB:
            return TBClick();
        case CheckBox::KB:  // KBClick
        case CheckBox::HB:  // HBClick
        case CheckBox::FS:  // FSClick
        case CheckBox::SS:  // FSClick
            return html_edit();
    }
}

void MainWindowModel::runHandler(RadioButton) {
    // Gtype1bClick and Ftype1BClick both only regenerate.
    html_edit();
}

void MainWindowModel::runHandler(SpinField spin) {
    switch (spin) {
        case SpinField::Fsize:
            return FsizeChange();
        case SpinField::WS:
            return WSChange();
        case SpinField::FDsize:
            return FDsizeChange();
        case SpinField::FSsize:
            return FSsizeChange();
    }
}

void MainWindowModel::FnameChange() {
    takeFaceFromFname();
    html_edit();
}

void MainWindowModel::takeFaceFromFname() {
    if (fname_.empty()) {
        return;
    }
    std::size_t length = 0;
    while (length < fname_.size()) {
        const std::size_t next = length + characterLengthAt(fname_, length);
        if (next > kFaceNameLimit) {
            break;
        }
        length = next;
    }
    previewFont_.face = fname_.substr(0, length);
}

void MainWindowModel::FsizeChange() {
    previewFont_.points = HtmlSizeToPoints(spinValue(SpinField::Fsize));
    html_edit();
}

void MainWindowModel::styleClick(CheckBox box, bool PreviewFont::*flag) {
    previewFont_.*flag = checked(box);
    html_edit();
}

void MainWindowModel::WBClick() {
    if (checked(CheckBox::WB)) {
        setEnabled(Switchable::HB, true);
        setEnabled(Switchable::WS, true);
    } else {
        setEnabled(Switchable::HB, false);
        setChecked(CheckBox::HB, false);
        setEnabled(Switchable::WS, false);
    }
    WSChange();
}

void MainWindowModel::LBClick() {
    setEnabled(Switchable::link_e, checked(CheckBox::LB));
    html_edit();
}

void MainWindowModel::CBClick() {
    setEnabled(Switchable::tcb, checked(CheckBox::CB));
    html_edit();
}

void MainWindowModel::TBClick() {
    const bool on = checked(CheckBox::TB);
    for (const Switchable control : {Switchable::Ftype1B, Switchable::Ftype2B, Switchable::Ftype3B,
                                     Switchable::FDsize, Switchable::FSsize}) {
        setEnabled(control, on);
    }
    setEnabled(Switchable::Fsize, !on);
    setEnabled(Switchable::SS, !on);
    if (!on) {
        FsizeChange();
    }
    html_edit();
}

void MainWindowModel::FDsizeChange() {
    patternMaximum_ = spinValue(SpinField::FDsize);
    html_edit();
}

void MainWindowModel::FSsizeChange() {
    patternMinimum_ = spinValue(SpinField::FSsize);
    html_edit();
}

GradationSettings MainWindowModel::snapshot() const {
    GradationSettings s;
    s.Text = text(LineEdit::Edit1);
    s.Mode = checked(RadioButton::Gtype1b) ? GradationMode::Gradient : GradationMode::Alternate;
    s.ThreeColours = checked(CheckBox::CB);
    s.StartColor = colour(ColourSlot::Start);
    s.MiddleColor = colour(ColourSlot::Middle);
    s.EndColor = colour(ColourSlot::End);
    s.BackgroundColor = colour(ColourSlot::Background);
    s.Frame = checked(CheckBox::WB);
    s.FrameWidth = spinValue(SpinField::WS);
    s.FrameBackground = checked(CheckBox::HB);
    s.Link = checked(CheckBox::LB);
    s.LinkTarget = text(LineEdit::link_e);
    s.UseFace = checked(CheckBox::FS);
    s.FaceName = fname_;
    s.UseSize = checked(CheckBox::SS);
    s.Size = spinValue(SpinField::Fsize);
    s.Bold = checked(CheckBox::BB);
    s.Italic = checked(CheckBox::EB);
    s.Underline = checked(CheckBox::UB);
    s.Strike = checked(CheckBox::SB);
    s.LineBreak = checked(CheckBox::KB);
    s.SizePattern = checked(CheckBox::TB);
    s.PatternKind = checked(RadioButton::Ftype1B)   ? SizePatternKind::Falling
                    : checked(RadioButton::Ftype2B) ? SizePatternKind::Valley
                    : checked(RadioButton::Ftype3B) ? SizePatternKind::Alternating
                                                    : SizePatternKind::None;
    s.PatternMax = patternMaximum_;
    s.PatternMin = patternMinimum_;
    s.UpperCaseTags = startup_.TB;
    s.StrongForBold = startup_.F_TAG != 0;
    s.EmForItalic = startup_.S_TAG != 0;
    return s;
}

void MainWindowModel::html_edit() {
    const GradationSettings settings = snapshot();
    if (surface_ != nullptr) {
        PreviewPainter painter(*surface_, settings, previewFont_);
        markup_ = buildMarkup(settings, tagNames_, &painter);
    } else {
        markup_ = buildMarkup(settings, tagNames_);
    }
    ++regenerations_;
    if (regenerated_) {
        regenerated_();
    }
}

void MainWindowModel::loadGradationFile(const std::optional<std::filesystem::path>& file) {
    if (file) {
        const GradationFileReader reader(files_, *file);
        for (const GradationKey& key : kGradationReadOrder) {
            std::visit(
                [&](auto item) {
                    using T = decltype(item);
                    if constexpr (std::is_same_v<T, ColourSlot>) {
                        if (const auto v = reader.number(key)) {
                            setColour(item, colourFromFile(*v));
                        }
                    } else if constexpr (std::is_same_v<T, CheckBox>) {
                        if (const auto on = reader.switchOn(key)) {
                            setChecked(item, *on);
                        }
                    } else if constexpr (std::is_same_v<T, RadioButton>) {
                        if (const auto on = reader.switchOn(key)) {
                            setRadio(item, *on);
                        }
                    } else if constexpr (std::is_same_v<T, SpinField>) {
                        if (const auto v = reader.number(key)) {
                            setSpinValue(item, *v);
                        }
                    } else if constexpr (std::is_same_v<T, LineEdit>) {
                        if (auto t = reader.text(key)) {
                            setText(item, std::move(*t));
                        }
                    } else {
                        if (auto t = reader.text(key)) {
                            setFnameText(std::move(*t), false);
                        }
                    }
                },
                itemFor(key));
        }
    }
    takeFaceFromFname();
    html_edit();
}

void MainWindowModel::saveGradationFile(const std::filesystem::path& file) const {
    GradationFileWriter writer;
    for (const GradationKey& key : kGradationWriteOrder) {
        std::visit(
            [&](auto item) {
                using T = decltype(item);
                if constexpr (std::is_same_v<T, ColourSlot>) {
                    writer.setNumber(key, colourForFile(colour(item)));
                } else if constexpr (std::is_same_v<T, CheckBox> ||
                                     std::is_same_v<T, RadioButton>) {
                    writer.setSwitch(key, checked(item));
                } else if constexpr (std::is_same_v<T, SpinField>) {
                    writer.setNumber(key, spinValue(item));
                } else if constexpr (std::is_same_v<T, LineEdit>) {
                    writer.setText(key, text(item));
                } else {
                    writer.setText(key, fname_);
                }
            },
            itemFor(key));
    }
    writer.save(files_, file);
}

void MainWindowModel::apply(const GradationSettings& s) {
    setColour(ColourSlot::Start, s.StartColor);
    setColour(ColourSlot::Middle, s.MiddleColor);
    setColour(ColourSlot::End, s.EndColor);
    setColour(ColourSlot::Background, s.BackgroundColor);
    setText(LineEdit::Edit1, s.Text);
    checkRadio(s.Mode == GradationMode::Gradient ? RadioButton::Gtype1b : RadioButton::Gtype2b);
    setChecked(CheckBox::CB, s.ThreeColours);
    setChecked(CheckBox::WB, s.Frame);
    setSpinValue(SpinField::WS, s.FrameWidth);
    setChecked(CheckBox::HB, s.FrameBackground);
    setChecked(CheckBox::LB, s.Link);
    setText(LineEdit::link_e, s.LinkTarget);
    setFnameText(s.FaceName, false);
    takeFaceFromFname();
    setChecked(CheckBox::FS, s.UseFace);
    setChecked(CheckBox::SS, s.UseSize);
    setSpinValue(SpinField::Fsize, s.Size);
    setChecked(CheckBox::BB, s.Bold);
    setChecked(CheckBox::EB, s.Italic);
    setChecked(CheckBox::UB, s.Underline);
    setChecked(CheckBox::SB, s.Strike);
    setChecked(CheckBox::KB, s.LineBreak);
    setChecked(CheckBox::TB, s.SizePattern);
    switch (s.PatternKind) {
        case SizePatternKind::Falling:
            checkRadio(RadioButton::Ftype1B);
            break;
        case SizePatternKind::Valley:
            checkRadio(RadioButton::Ftype2B);
            break;
        case SizePatternKind::Alternating:
            checkRadio(RadioButton::Ftype3B);
            break;
        case SizePatternKind::None:
            for (const RadioButton b : kPatternGroup) {
                setRadio(b, false);
            }
            break;
    }
    setSpinValue(SpinField::FDsize, s.PatternMax);
    setSpinValue(SpinField::FSsize, s.PatternMin);
    startup_.TB = s.UpperCaseTags;
    startup_.F_TAG = s.StrongForBold ? 1 : 0;
    startup_.S_TAG = s.EmForItalic ? 1 : 0;
    html_edit();
}

}  // namespace huewright
