#include "model/main_window_model.h"

#include <algorithm>
#include <stdexcept>
#include <string_view>
#include <variant>
#include <vector>

#include "generator/colour_code.h"
#include "generator/markup.h"
#include "generator/progression.h"
#include "model/gradation_fields.h"
#include "model/gradation_keys.h"
#include "persistence/settings_file.h"
#include "persistence/value_rules.h"
#include "text/cp932_bytes.h"

namespace huewright {

namespace {

// The face name the platform keeps is at most 31 bytes; a double-byte character is not split.
constexpr std::size_t kFaceNameLimit = 31;

constexpr std::array<RadioButton, 2> kGradientGroup = {RadioButton::Gradient,
                                                       RadioButton::Alternate};
constexpr std::array<RadioButton, 3> kPatternGroup = {
    RadioButton::FallingPattern, RadioButton::ValleyPattern, RadioButton::AlternatingPattern};

// The size pattern each button of the size-pattern group stands for.
struct PatternButton {
    RadioButton button;
    SizePatternKind kind;
};
constexpr std::array<PatternButton, 3> kPatternButtons = {{
    {RadioButton::FallingPattern, SizePatternKind::Falling},
    {RadioButton::ValleyPattern, SizePatternKind::Valley},
    {RadioButton::AlternatingPattern, SizePatternKind::Alternating},
}};

bool inGradientGroup(RadioButton button) {
    return button == RadioButton::Gradient || button == RadioButton::Alternate;
}

ColourValue colourFromFile(std::int32_t value) {
    return static_cast<ColourValue>(value);
}
std::int32_t colourForFile(ColourValue colour) {
    return static_cast<std::int32_t>(colour);
}

// The start, middle, end and background colours the start-up settings give.
std::array<ColourValue, 4> startupColours(const StartupSettings& startup) {
    return {startup.startColour, startup.middleColour, startup.endColour, startup.backgroundColour};
}

}  // namespace

MainWindowModel::MainWindowModel(FileSystem& files) : files_(files) {
    texts_[index(LineEdit::Text)] = kSampleText;
    texts_[index(LineEdit::LinkTarget)] = "http://";
    faceName_ = kWindowFaceName;
    radios_[index(RadioButton::Gradient)] = true;
    radios_[index(RadioButton::FallingPattern)] = true;
    spinTexts_ = {"3", "0", "7", "3"};
    disabled_ = {Button::MiddleColour,
                 SpinField::FrameWidth,
                 CheckBox::FrameBackground,
                 LineEdit::LinkTarget,
                 RadioButton::FallingPattern,
                 RadioButton::ValleyPattern,
                 RadioButton::AlternatingPattern,
                 SpinField::PatternMax,
                 SpinField::PatternMin};
    colours_ = startupColours(startup_);
}

void MainWindowModel::startUp(const std::filesystem::path& workingDirectory) {
    startUp(workingDirectory, readStartupSettings(files_, startupFilePath(workingDirectory)));
}

void MainWindowModel::startUp(const std::filesystem::path& workingDirectory,
                              const StartupSettings& startup) {
    startupDir_ = workingDirectory;
    startup_ = startup;
    colours_ = startupColours(startup_);
    setChecked(CheckBox::UseSize, startup_.useSize);
    setChecked(CheckBox::UseFace, startup_.useFace);
    setChecked(CheckBox::LineBreak, startup_.lineBreak);
    previewFont_ = PreviewFont{};
    previewFont_.points = htmlSizeToPoints(3);
    faceName_ = kWindowFaceName;
    regenerate();
}

void MainWindowModel::setText(LineEdit edit, std::string text) {
    if (texts_[index(edit)] == text) {
        return;
    }
    texts_[index(edit)] = std::move(text);
    // Both edits only regenerate.
    regenerate();
}

void MainWindowModel::setFaceNameText(std::string text, bool byUser) {
    faceName_ = std::move(text);
    if (byUser) {
        onFaceNameEdited();
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
        case CheckBox::Bold:
            return onStyleToggled(box, &PreviewFont::bold);
        case CheckBox::Italic:
            return onStyleToggled(box, &PreviewFont::italic);
        case CheckBox::Underline:
            return onStyleToggled(box, &PreviewFont::underline);
        case CheckBox::Strike:
            return onStyleToggled(box, &PreviewFont::strikeOut);
        case CheckBox::Frame:
            return onFrameToggled();
        case CheckBox::Link:
            return onLinkToggled();
        case CheckBox::ThreeColours:
            return onThreeColoursToggled();
        case CheckBox::SizePattern:
            return onSizePatternToggled();
        case CheckBox::LineBreak:
        case CheckBox::FrameBackground:
        case CheckBox::UseFace:
        case CheckBox::UseSize:
            return regenerate();
    }
}

void MainWindowModel::runHandler(RadioButton) {
    // Every radio button only regenerates.
    regenerate();
}

void MainWindowModel::runHandler(SpinField spin) {
    switch (spin) {
        case SpinField::Size:
            return onSizeChanged();
        case SpinField::FrameWidth:
            return onFrameWidthChanged();
        case SpinField::PatternMax:
        case SpinField::PatternMin:
            return regenerate();
    }
}

void MainWindowModel::onFaceNameEdited() {
    takeFaceFromFaceName();
    regenerate();
}

void MainWindowModel::takeFaceFromFaceName() {
    if (faceName_.empty()) {
        return;
    }
    std::size_t length = 0;
    while (length < faceName_.size()) {
        const std::size_t next = length + characterLengthAt(faceName_, length);
        if (next > kFaceNameLimit) {
            break;
        }
        length = next;
    }
    previewFont_.face = faceName_.substr(0, length);
}

void MainWindowModel::onSizeChanged() {
    previewFont_.points = htmlSizeToPoints(spinValue(SpinField::Size));
    regenerate();
}

void MainWindowModel::onStyleToggled(CheckBox box, bool PreviewFont::*flag) {
    previewFont_.*flag = checked(box);
    regenerate();
}

void MainWindowModel::onFrameToggled() {
    if (checked(CheckBox::Frame)) {
        setEnabled(CheckBox::FrameBackground, true);
        setEnabled(SpinField::FrameWidth, true);
    } else {
        setEnabled(CheckBox::FrameBackground, false);
        setChecked(CheckBox::FrameBackground, false);
        setEnabled(SpinField::FrameWidth, false);
    }
    onFrameWidthChanged();
}

void MainWindowModel::onLinkToggled() {
    setEnabled(LineEdit::LinkTarget, checked(CheckBox::Link));
    regenerate();
}

void MainWindowModel::onThreeColoursToggled() {
    setEnabled(Button::MiddleColour, checked(CheckBox::ThreeColours));
    regenerate();
}

void MainWindowModel::onSizePatternToggled() {
    const bool on = checked(CheckBox::SizePattern);
    for (const Switchable control :
         {Switchable(RadioButton::FallingPattern), Switchable(RadioButton::ValleyPattern),
          Switchable(RadioButton::AlternatingPattern), Switchable(SpinField::PatternMax),
          Switchable(SpinField::PatternMin)}) {
        setEnabled(control, on);
    }
    setEnabled(SpinField::Size, !on);
    setEnabled(CheckBox::UseSize, !on);
    if (!on) {
        onSizeChanged();
    }
    regenerate();
}

void MainWindowModel::storeStartupSettings(const StartupSettings& startup) {
    writeStartupSettings(files_, startupFilePath(startupDir_), startup);
    startup_ = startup;
}

void MainWindowModel::chooseOutputForm(OutputForm form) {
    StartupSettings chosen = startup_;
    chosen.outputForm = static_cast<std::int32_t>(form);
    writeStartupOutputForm(files_, startupFilePath(startupDir_), chosen);
    startup_ = chosen;
    regenerate();
}

void MainWindowModel::colourChosen(ColourSlot slot, std::optional<ColourValue> chosen) {
    if (chosen) {
        setColour(slot, *chosen);
    } else if (slot != ColourSlot::Background) {
        return;
    }
    regenerate();
}

void MainWindowModel::swapColours() {
    const ColourValue start = colour(ColourSlot::Start);
    setColour(ColourSlot::Start, colour(ColourSlot::End));
    setColour(ColourSlot::End, start);
    regenerate();
}

std::string MainWindowModel::colourCode(ColourValue colour) const {
    return colourToCode(colour, startup_.hashInColourCodes, startup_.upperCaseTags);
}

ColourValue MainWindowModel::colourFromCode(std::string_view code, ColourValue shown) {
    return codeToColour(code, shown);
}

GradationSettings MainWindowModel::snapshot() const {
    GradationSettings settings;
    for (const GradationField& field : kGradationFields) {
        std::visit([&](const auto& binding) { settings.*binding.member = valueOf(binding.item); },
                   field.binding);
    }
    return settings;
}

std::string MainWindowModel::valueOf(FaceNameBox) const {
    return faceName_;
}

GradationMode MainWindowModel::valueOf(ModeGroup) const {
    return checked(RadioButton::Gradient) ? GradationMode::Gradient : GradationMode::Alternate;
}

SizePatternKind MainWindowModel::valueOf(PatternGroup) const {
    for (const auto& [button, kind] : kPatternButtons) {
        if (checked(button)) {
            return kind;
        }
    }
    return SizePatternKind::None;
}

bool MainWindowModel::valueOf(StartupOption option) const {
    return option.flag != nullptr ? startup_.*option.flag : startup_.*option.tagForm != 0;
}

void MainWindowModel::regenerate() {
    if (!buildsOutput_) {
        ++regenerations_;
        return;
    }
    const GradationSettings settings = snapshot();
    std::optional<PreviewPainter> painter;
    if (surface_ != nullptr) {
        painter.emplace(*surface_, settings, previewFont_);
    }
    if (outputForm() == OutputForm::Font) {
        markup_ = buildMarkup(settings, tagNames_, painter ? &*painter : nullptr);
    } else {
        // The other forms colour the characters alike, so the preview is drawn the same.
        OutputOptions options;
        options.form = outputForm();
        markup_ = buildOutput(settings, options);
        if (painter) {
            forEachCharacter(settings,
                             [&](std::string_view character, ColourValue colour, int size) {
                                 painter->onCharacter(character, colour, size);
                             });
        }
    }
    ++regenerations_;
    if (regenerated_) {
        regenerated_();
    }
}

LoadReport MainWindowModel::loadGradationFile(const std::optional<std::filesystem::path>& file) {
    LoadReport report;
    if (file) {
        std::array<SettingsKey, kGradationReadOrder.size()> keys;
        std::ranges::transform(kGradationReadOrder, keys.begin(), &GradationKey::key);
        const SettingsFileReader reader(files_, *file, keys);
        for (const GradationKey& entry : kGradationReadOrder) {
            std::visit([&](auto item) { load(reader, entry.key, item); }, entry.item);
            report.heldSettings = report.heldSettings || reader.holds(entry.key);
            if (reader.unrepresentable(entry.key)) {
                report.unrepresentableKeys.emplace_back(entry.key.key);
            }
        }
    }
    takeFaceFromFaceName();
    regenerate();
    return report;
}

void MainWindowModel::load(const SettingsFileReader& reader, SettingsKey key, ColourSlot slot) {
    if (const auto value = reader.number(key)) {
        setColour(slot, colourFromFile(*value));
    }
}

void MainWindowModel::load(const SettingsFileReader& reader, SettingsKey key, CheckBox box) {
    if (const auto on = reader.switchOn(key)) {
        setChecked(box, *on);
    }
}

void MainWindowModel::load(const SettingsFileReader& reader, SettingsKey key, RadioButton button) {
    if (const auto on = reader.switchOn(key)) {
        setRadio(button, *on);
    }
}

void MainWindowModel::load(const SettingsFileReader& reader, SettingsKey key, SpinField spin) {
    if (const auto value = reader.number(key)) {
        setSpinValue(spin, *value);
    }
}

void MainWindowModel::load(const SettingsFileReader& reader, SettingsKey key, LineEdit edit) {
    if (auto text = reader.text(key)) {
        setText(edit, std::move(*text));
    }
}

void MainWindowModel::load(const SettingsFileReader& reader, SettingsKey key, FaceNameBox) {
    if (auto text = reader.text(key)) {
        setFaceNameText(std::move(*text), false);
    }
}

void MainWindowModel::saveGradationFile(const std::filesystem::path& file) const {
    std::vector<SettingsValue> values;
    values.reserve(kGradationWriteOrder.size());
    for (const GradationKey& entry : kGradationWriteOrder) {
        values.push_back(
            {entry.key, std::visit([&](auto item) { return fileText(item); }, entry.item)});
    }
    saveSettingsValues(files_, file, values);
}

std::string MainWindowModel::fileText(ColourSlot slot) const {
    return formatSettingInteger(colourForFile(colour(slot)));
}

std::string MainWindowModel::fileText(CheckBox box) const {
    return std::string(formatSettingSwitch(checked(box)));
}

std::string MainWindowModel::fileText(RadioButton button) const {
    return std::string(formatSettingSwitch(checked(button)));
}

std::string MainWindowModel::fileText(SpinField spin) const {
    return formatSettingInteger(spinValue(spin));
}

std::string MainWindowModel::fileText(LineEdit edit) const {
    return text(edit);
}

std::string MainWindowModel::fileText(FaceNameBox) const {
    return faceName_;
}

void MainWindowModel::apply(const GradationSettings& settings) {
    for (const GradationField& field : kGradationFields) {
        std::visit([&](const auto& binding) { set(binding.item, settings.*binding.member); },
                   field.binding);
    }
    regenerate();
}

void MainWindowModel::set(FaceNameBox, const std::string& name) {
    setFaceNameText(name, false);
    takeFaceFromFaceName();
}

void MainWindowModel::set(ModeGroup, GradationMode mode) {
    checkRadio(mode == GradationMode::Gradient ? RadioButton::Gradient : RadioButton::Alternate);
}

void MainWindowModel::set(PatternGroup, SizePatternKind kind) {
    for (const auto& [button, buttonKind] : kPatternButtons) {
        if (buttonKind == kind) {
            return checkRadio(button);
        }
    }
    for (const RadioButton button : kPatternGroup) {
        setRadio(button, false);
    }
}

void MainWindowModel::set(StartupOption option, bool on) {
    if (option.flag != nullptr) {
        startup_.*option.flag = on;
    } else {
        startup_.*option.tagForm = on ? 1 : 0;
    }
}

}  // namespace huewright
