#include "model/main_window_model.h"

#include <algorithm>
#include <stdexcept>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "generator/colour_code.h"
#include "generator/fragment_reader.h"
#include "model/entry_rules.h"
#include "model/error_messages.h"
#include "model/extended_keys.h"
#include "model/gradation_fields.h"
#include "model/gradation_file.h"
#include "model/gradation_keys.h"
#include "model/layout.h"
#include "model/startup_fields.h"
#include "model/text_bounds.h"
#include "persistence/settings_file.h"
#include "persistence/value_rules.h"
#include "text/cp932.h"
#include "text/cp932_bytes.h"
#include "text/graphemes.h"
#include "text/utf8.h"
#include "text/utf8_bytes.h"

namespace huewright {

namespace {

// Whether two refusals say the same: one that only moved (a character typed before the culprit)
// is not news to the user.
bool sameRefusal(const OutputError& a, const OutputError& b) {
    return a.reason() == b.reason() && a.field() == b.field() && a.character() == b.character() &&
           a.scheme() == b.scheme() && a.stopCount() == b.stopCount();
}

// The face name the platform keeps is at most 31 bytes; a double-byte character is not split.
constexpr std::size_t kFaceNameLimit = 31;

constexpr std::array<RadioButton, 2> kGradientGroup = {RadioButton::Gradient,
                                                       RadioButton::Alternate};
constexpr std::array<RadioButton, 3> kPatternGroup = {
    RadioButton::FallingPattern, RadioButton::ValleyPattern, RadioButton::AlternatingPattern};

bool inGradientGroup(RadioButton button) {
    return button == RadioButton::Gradient || button == RadioButton::Alternate;
}

}  // namespace

MainWindowModel::MainWindowModel(FileSystem& files) : files_(files) {
    // The controls hold what the window's table gives them, which GradationSettings{} describes,
    // except that every check box starts unchecked until the start-up settings are taken up.
    const GradationFileItems items = fileItemsOf(GradationSettings{});
    colours_ = items.colours;
    radios_ = items.radios;
    texts_ = items.texts;
    faceName_ = items.faceName;
    for (const SpinField spin : kAllSpinFields) {
        spinTexts_[index(spin)] = formatSettingInteger(items.spins[index(spin)]);
    }
    disabled_ = {Button::MiddleColour,
                 SpinField::FrameWidth,
                 CheckBox::FrameBackground,
                 LineEdit::LinkTarget,
                 RadioButton::FallingPattern,
                 RadioButton::ValleyPattern,
                 RadioButton::AlternatingPattern,
                 SpinField::PatternMax,
                 SpinField::PatternMin};
}

template <typename Value>
void MainWindowModel::setField(Value GradationSettings::*member, const Value& value) {
    for (const GradationField& field : kGradationFields) {
        std::visit(
            [&](const auto& binding) {
                if constexpr (std::is_same_v<decltype(binding.member),
                                             Value GradationSettings::*> &&
                              requires { set(binding.item, value); }) {
                    if (binding.member == member) {
                        set(binding.item, value);
                    }
                }
            },
            field.binding);
    }
}

std::optional<FileReadError> MainWindowModel::startUp(
    const std::filesystem::path& workingDirectory) {
    StartupFileRead read = readStartupFile(files_, startupFilePath(workingDirectory));
    startUp(workingDirectory, read.settings);
    return std::move(read.unreadable);
}

void MainWindowModel::startUp(const std::filesystem::path& workingDirectory,
                              const StartupSettings& startup) {
    startupDir_ = workingDirectory;
    startup_ = startup;
    colourOptions_ = ColourOptions{};
    // The colours and the size, font and line-break check boxes, each as code sets it.
    GradationSettings takenUp;
    takeStartupValues(kTakenUpAtStart, startup_, takenUp);
    for (const StartupField& field : kTakenUpAtStart) {
        std::visit([&](const auto& f) { setField(f.field, takenUp.*f.field); }, field);
    }
    previewFont_ = PreviewFont{};
    previewFont_.points = htmlSizeToPoints(3);
    faceName_ = kWindowFaceName;
    regenerate();
}

void MainWindowModel::setText(LineEdit edit, std::string text) {
    const bool beyond = edit == LineEdit::Text && textBeyondCodePage932_;
    if (texts_[index(edit)] == text && !beyond) {
        return;
    }
    if (longestText_) {
        refuseTextLongerThan(
            *longestText_, text,
            edit == LineEdit::Text ? OutputError::Field::Text : OutputError::Field::LinkTarget);
    }
    if (edit == LineEdit::Text) {
        textBeyondCodePage932_.reset();
    }
    texts_[index(edit)] = std::move(text);
    // Both edits only regenerate.
    regenerate();
}

void MainWindowModel::setTextUtf8(std::string text) {
    std::string cp932;
    try {
        cp932 = utf8ToCp932(text);
    } catch (const ConversionError&) {
        if (textBeyondCodePage932_ == text) {
            return;
        }
        if (longestText_) {
            refuseUtf8TextLongerThan(*longestText_, text, OutputError::Field::Text);
        }
        textBeyondCodePage932_ = std::move(text);
        texts_[index(LineEdit::Text)].clear();
        regenerate();
        return;
    }
    setText(LineEdit::Text, std::move(cp932));
}

std::string MainWindowModel::textUtf8() const {
    return textBeyondCodePage932_ ? *textBeyondCodePage932_
                                  : cp932ToUtf8Lenient(texts_[index(LineEdit::Text)]);
}

void MainWindowModel::setFaceNameText(std::string text, bool byUser) {
    if (longestText_) {
        refuseTextLongerThan(*longestText_, text, OutputError::Field::FaceName);
    }
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
    setSpinText(spin, steppedText(spin, spinTexts_[index(spin)], delta));
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

void MainWindowModel::setColourOptions(ColourOptions options) {
    colourOptions_ = std::move(options);
    regenerate();
}

std::vector<ColourValue> MainWindowModel::windowStops() const {
    std::vector<ColourValue> stops{colour(ColourSlot::Start)};
    if (checked(CheckBox::ThreeColours)) {
        stops.push_back(colour(ColourSlot::Middle));
    }
    stops.push_back(colour(ColourSlot::End));
    return stops;
}

Language MainWindowModel::language() const {
    if (runLanguage_) {
        return *runLanguage_;
    }
    return languageOfCode(startup_.language).value_or(localeLanguage_);
}

void MainWindowModel::switchLanguage() {
    const Language next = language() == Language::Japanese ? Language::English : Language::Japanese;
    runLanguage_ = next;
    StartupSettings chosen = startup_;
    chosen.language = std::string(languageCode(next));
    writeStartupLanguage(files_, startupFilePath(startupDir_), chosen);
    startup_ = chosen;
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

OutputForm MainWindowModel::outputForm() const {
    const auto named = static_cast<OutputForm>(startup_.outputForm);
    return formMenuOffers(named) ? named : OutputForm::Font;
}

ColourValue MainWindowModel::colourFromCode(std::string_view code, ColourValue shown) {
    return codeToColour(code, shown);
}

GradationSettings MainWindowModel::snapshotUtf8() const {
    GradationSettings settings = snapshot();
    convertTexts(settings, [](const std::string& value) { return cp932ToUtf8Lenient(value); });
    settings.text = textUtf8();
    return settings;
}

void MainWindowModel::refuseTextBeyondCodePage932() const {
    if (!textBeyondCodePage932_) {
        return;
    }
    const std::string_view text = *textBeyondCodePage932_;
    std::size_t position = 0;
    for (std::size_t at = 0; at < text.size();) {
        const Utf8Sequence read = utf8SequenceAt(text, at);
        ++position;
        if (!cp932CanHold(read.codePoint)) {
            throw OutputError::beyondCodePage932(read.codePoint, position);
        }
        at += read.length;
    }
}

GradationSettings MainWindowModel::snapshot() const {
    GradationSettings settings;
    for (const GradationField& field : kGradationFields) {
        std::visit(
            [&](const auto& binding) {
                if constexpr (requires { valueOf(binding.item); }) {
                    settings.*binding.member = valueOf(binding.item);
                }
            },
            field.binding);
    }
    takeStartupValues(kReadAtEachRun, startup_, settings);
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

void MainWindowModel::regenerate() {
    if (!buildsOutput_) {
        ++regenerations_;
        return;
    }
    const TextEncoding encoding = markupEncoding();
    // A text beyond code page 932 is drawn in UTF-8 whatever the form.
    const bool utf8 = encoding == TextEncoding::Utf8 || textBeyondCodePage932_;
    const GradationSettings settings = utf8 ? snapshotUtf8() : snapshot();
    const TextEncoding characters = utf8 ? TextEncoding::Utf8 : TextEncoding::Cp932;
    std::optional<PreviewPainter> painter;
    if (surface_ != nullptr) {
        painter.emplace(*surface_, settings, previewFont_, characters);
    }
    OutputOptions options;
    options.form = outputForm();
    colourOptions_.applyTo(options);
    options.utf8Characters = utf8 ? graphemeEnd : nullptr;
    try {
        if (encoding == TextEncoding::Cp932) {
            refuseTextBeyondCodePage932();
        }
        markup_ = buildOutput(settings, options, painter ? &*painter : nullptr);
        refusal_.reset();
    } catch (const OutputError& refused) {
        // A refusal writes nothing, so the preview is drawn by the form that refuses nothing.
        markup_.clear();
        if (painter) {
            painter.emplace(*surface_, settings, previewFont_, characters);
            OutputOptions drawn;
            drawn.utf8Characters = options.utf8Characters;
            buildOutput(settings, drawn, &*painter);
        }
        refusalReported_ = refusalReported_ && refusal_ && sameRefusal(*refusal_, refused) &&
                           refusedForm_ == options.form;
        refusal_ = refused;
        refusedForm_ = options.form;
    }
    ++regenerations_;
}

std::optional<OutputError> MainWindowModel::refusalToReport() {
    if (!refusal_ || refusalReported_) {
        return std::nullopt;
    }
    refusalReported_ = true;
    return refusal_;
}

LoadReport MainWindowModel::loadGradationFile(const std::optional<std::filesystem::path>& file) {
    // A cancelled dialog loads nothing, as a missing or unreadable file does.
    return loadGradationFile(ProfileDocument(
        file ? files_.readFile(*file).bytes.value_or(std::string()) : std::string()));
}

namespace {

// The fragment `bytes` hold, in the window's code page 932: an editor may have saved it in
// UTF-8, with or without a mark. A UTF-8 fragment that code page 932 cannot hold is read in
// UTF-8, its texts too, for a form that writes UTF-8; in FONT it is refused as the conversion
// refuses it. None when no form takes it.
std::optional<FragmentRead> fragmentIn(std::string_view bytes) {
    constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
    const bool marked = bytes.starts_with(kUtf8Mark);
    const std::string_view unmarked = marked ? bytes.substr(kUtf8Mark.size()) : bytes;
    try {
        if (!marked && !looksLikeUtf8(unmarked)) {
            return readFragmentFile(bytes);
        }
        try {
            return readFragmentFile(utf8ToCp932(unmarked));
        } catch (const ConversionError&) {
            std::optional<FragmentRead> read;
            try {
                read = readFragmentFile(unmarked, graphemeEnd);
            } catch (const FragmentError&) {
                // Not a fragment in UTF-8 either: the conversion's refusal stands.
            }
            if (!read || read->options.form == OutputForm::Font) {
                throw;
            }
            return read;
        }
    } catch (const FragmentError&) {
        return std::nullopt;
    }
}

// The texts of `settings` in code page 932 but the text to colour, which comes back in UTF-8.
// Throws ConversionError for a face name or link target that code page 932 cannot hold.
std::string takeTextsToCodePage932(GradationSettings& settings) {
    std::string text = std::exchange(settings.text, {});
    convertTexts(settings, [](const std::string& value) { return utf8ToCp932(value); });
    return text;
}

}  // namespace

LoadReport MainWindowModel::openFile(const std::filesystem::path& file) {
    return openFile(files_.readFile(file).bytes.value_or(std::string()), file);
}

LoadReport MainWindowModel::openFile(const std::string& bytes, const std::filesystem::path& file) {
    LoadReport report = loadGradationFile(ProfileDocument(bytes));
    if (report.heldSettings) {
        return report;
    }
    std::optional<FragmentRead> fragment = fragmentIn(bytes);
    if (!fragment) {
        return report;
    }
    const OutputForm form = fragment->options.form;
    std::optional<std::string> utf8Text;
    if (fragment->options.utf8Characters != nullptr) {
        utf8Text = takeTextsToCodePage932(fragment->settings);
        if (!formMenuOffers(form)) {
            // Only a form of the menu, which the window writes in UTF-8, takes such a text.
            utf8ToCp932(*utf8Text);
        }
        if (longestText_) {
            refuseUtf8TextLongerThan(*longestText_, *utf8Text, OutputError::Field::Text);
        }
    }
    report = loadGradationFile(gradationDocumentOf(fragment->settings, fragment->options));
    if (formMenuOffers(form) && form != outputForm()) {
        chooseOutputForm(form);
    }
    if (utf8Text) {
        setTextUtf8(std::move(*utf8Text));
    }
    if (!fragment->unrecovered.empty()) {
        throw FragmentApproachedError(file);
    }
    return report;
}

LoadReport MainWindowModel::loadGradationFile(const ProfileDocument& file) {
    LoadReport report;
    std::vector<SettingsKey> keys = extendedKeys();
    for (const GradationKey& entry : kGradationWriteOrder) {
        keys.push_back(entry.key);
    }
    const SettingsFileReader reader(file, keys);
    if (longestText_) {
        refuseTextsLongerThan(*longestText_, reader);
    }
    report.unreadableExtendedKeys = takeExtendedKeys(reader, report.extended);
    // The file's colour options go over the window's, key by key; its form does not, lumo.ini
    // keeps the window's.
    OutputOptions mine;
    colourOptions_.applyTo(mine);
    takeExtendedKeys(reader, mine);
    colourOptions_ = ColourOptions::of(mine);
    for (const SettingsKey& key : extendedKeys()) {
        report.heldSettings = report.heldSettings || reader.holds(key);
    }
    for (const std::size_t key : kGradationReadOrder) {
        const GradationKey& entry = kGradationWriteOrder[key];
        std::visit([&](auto item) { load(reader, entry.key, item); }, entry.item);
        report.heldSettings = report.heldSettings || reader.holds(entry.key);
        if (reader.unrepresentable(entry.key)) {
            report.unrepresentableKeys.emplace_back(entry.key.key);
        }
        if (const std::optional<LoneSurrogate> lone = reader.loneSurrogate(entry.key)) {
            report.loneSurrogateKeys.push_back({std::string(entry.key.key), *lone});
        }
    }
    takeFaceFromFaceName();
    regenerate();
    return report;
}

void MainWindowModel::load(const SettingsFileReader& reader, SettingsKey key, ColourSlot slot) {
    if (const auto value = reader.number(key)) {
        setColour(slot, static_cast<ColourValue>(*value));
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
    // The file is code page 932: a text beyond it is refused, and stays in the window.
    refuseTextBeyondCodePage932();
    GradationFileItems items;
    items.colours = colours_;
    items.checks = checks_;
    items.radios = radios_;
    for (const SpinField spin : kAllSpinFields) {
        items.spins[index(spin)] = spinValue(spin);
    }
    items.texts = texts_;
    items.faceName = faceName_;
    // The program's own section is written as the command line writes it, once the colour
    // options leave their defaults; a window as described saves what it always did.
    std::optional<OutputOptions> extended;
    if (!colourOptions_.atDefaults()) {
        extended.emplace();
        extended->form = outputForm();
        colourOptions_.applyTo(*extended);
    }
    files_.replaceFile(file, updatedGradationFile(files_, file, items, extended));
}

}  // namespace huewright
