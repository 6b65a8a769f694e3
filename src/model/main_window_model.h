#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "generator/gradation_settings.h"
#include "generator/output.h"
#include "generator/preview.h"
#include "model/colour_options.h"
#include "model/controls.h"
#include "model/entry_rules.h"
#include "model/gradation_fields.h"
#include "model/language.h"
#include "persistence/file_system.h"
#include "persistence/settings_file.h"
#include "persistence/startup_settings.h"

namespace huewright {

/// A key whose value a UTF-16 file breaks with a surrogate that lacks its other half.
struct LoneSurrogateKey {
    std::string key;
    LoneSurrogate surrogate;
};

/// What loading a gradation settings file found.
struct LoadReport {
    bool heldSettings = false;
    std::vector<std::string> unrepresentableKeys;
    /// The output form and extended colour options the file's own section keeps, over the
    /// defaults; the window's controls do not hold them.
    OutputOptions extended;
    /// Keys of that section whose values cannot be read; their options keep the defaults.
    std::vector<std::string> unreadableExtendedKeys;
    /// Kept at their values, as the keys that code page 932 cannot hold.
    std::vector<LoneSurrogateKey> loneSurrogateKeys;
};

/// The main window's state (every control the output or the files read, the current colours, the
/// size-pattern limits, the preview font) and the rules that tie them: which change enables,
/// disables or unchecks what, and how a change fires its handler. The desktop window drives it and
/// mirrors it; the command-line front end loads and saves through it.
///
/// Changes follow the window's firing rules: a check box, radio button, edit or spin edit whose
/// state changes runs its handler at once, nested in whatever is running; setting the state it
/// already has runs nothing. Every handler that regenerates calls `regenerate`.
class MainWindowModel {
  public:
    /// The controls as they stand before the window's creation handler runs.
    explicit MainWindowModel(FileSystem& files);

    /// Window creation: captures `workingDirectory` as the start-up directory, reads the start-up
    /// file in it, takes up its colours and switches, sets up the preview font and regenerates.
    /// Returns why the start-up file could not be read when it exists but cannot be; the window
    /// then starts from the built-in settings.
    std::optional<FileReadError> startUp(const std::filesystem::path& workingDirectory);
    /// As startUp, with start-up settings already at hand instead of the file's.
    void startUp(const std::filesystem::path& workingDirectory, const StartupSettings& startup);

    // Changes, by the user or by code, with the firing rules applied.

    /// Sets the text to colour or the link target (code page 932 bytes). Throws
    /// TextTooLongError, changing nothing, for a text longer than setLongestText allows.
    void setText(LineEdit edit, std::string text);
    /// Sets the text to colour from UTF-8, as the user typed it: one that code page 932 holds as
    /// setText does; any other is kept as it is (the forms that write UTF-8 colour it, the FONT
    /// form refuses it, and a save refuses it). Throws as setText does.
    void setTextUtf8(std::string text);
    /// Sets the font face box's text; typing or choosing from the list (`byUser`) fires
    /// onFaceNameEdited, setting it from code does not. Throws as setText does.
    void setFaceNameText(std::string text, bool byUser);
    void setChecked(CheckBox box, bool checked);
    /// A click: the check box toggles.
    void click(CheckBox box) { setChecked(box, !checked(box)); }
    /// Checks `button` and unchecks the others of its group.
    void checkRadio(RadioButton button);
    /// Unchecking from code unchecks `button` alone; checking is checkRadio.
    void setRadio(RadioButton button, bool checked);
    /// Sets the text of a spin edit, as typed (only the frame width takes typing) or from code.
    void setSpinText(SpinField spin, std::string text);
    /// Sets a spin edit's value from code, first brought into its range.
    void setSpinValue(SpinField spin, int value);
    /// An up (+1) or down (-1) step of a spin button or arrow key, never leaving the range.
    void stepSpin(SpinField spin, int delta);
    /// The spin edit loses the focus: a typed value outside the range is brought into it.
    void spinFocusOut(SpinField spin);
    /// Sets a current colour without regenerating; the caller regenerates when it is done.
    void setColour(ColourSlot slot, ColourValue colour) {
        colours_[static_cast<std::size_t>(slot)] = colour;
    }
    /// The colour dialog's answer for a colour button: a chosen gradient colour becomes the
    /// current colour and regenerates, a cancel changes nothing; the background colour
    /// regenerates either way.
    void colourChosen(ColourSlot slot, std::optional<ColourValue> chosen);
    /// Swaps the start and end colours, leaving the middle one; regenerates.
    void swapColours();
    /// The code the colour-code dialog shows for `colour`, by the start-up options.
    std::string colourCode(ColourValue colour) const;
    /// Reads back the colour-code dialog's text: the colour it spells, or `shown`, the colour
    /// the dialog opened with, when the text cannot be read.
    static ColourValue colourFromCode(std::string_view code, ColourValue shown);
    /// Stores `startup` in the start-up file, all keys in one save, then holds it as the start-up
    /// settings; nothing regenerates. Throws FileWriteError, changing neither, when the file
    /// cannot be written.
    void storeStartupSettings(const StartupSettings& startup);

    /// Rebuilds markup, length and preview from the current state.
    void regenerate();

    // Gradation settings files.

    /// Loads `file` as the window does: each key applied in turn with the firing rules, the
    /// current item's state as every key's default, then one regeneration. With no file (the
    /// dialog was cancelled) only the closing repaint and regeneration run.
    /// Returns what a script may want to hear of: whether the file held any setting, the keys
    /// whose values code page 932 cannot hold (they kept their defaults), and the extended
    /// options of the file's own section.
    LoadReport loadGradationFile(const std::optional<std::filesystem::path>& file);
    /// As loadGradationFile, from a file already read.
    LoadReport loadGradationFile(const ProfileDocument& file);
    /// Opens `bytes`, the file `file` that 開く chose: as a gradation settings file, or, when it
    /// holds no setting, as a fragment of one of the output forms (in code page 932, or in UTF-8
    /// as an editor may save it), loaded as the file of the settings and colour options that
    /// make it, in its form where the output-form menu offers it; a UTF-8 fragment whose text
    /// code page 932 cannot hold opens in its form that writes UTF-8. Throws, once all is taken,
    /// FragmentApproachedError when no settings make the fragment exactly; ConversionError,
    /// changing nothing, for a UTF-8 fragment that code page 932 cannot hold in the FONT form
    /// (or beyond the text); FileWriteError when the start-up file cannot keep the form.
    LoadReport openFile(const std::string& bytes, const std::filesystem::path& file);
    /// As openFile, reading `file` from the file system; an unreadable file holds no setting.
    LoadReport openFile(const std::filesystem::path& file);
    /// Saves the window's state into `file` in one atomic save. Throws FileWriteError.
    void saveGradationFile(const std::filesystem::path& file) const;

    // The state.

    /// A text in code page 932; the text to colour is empty here while it holds a character
    /// that code page 932 cannot (textUtf8 then has it).
    const std::string& text(LineEdit edit) const { return texts_[index(edit)]; }
    /// The text to colour, UTF-8.
    std::string textUtf8() const;
    /// Whether the text to colour holds a character code page 932 cannot hold.
    bool textBeyondCodePage932() const { return textBeyondCodePage932_.has_value(); }
    /// The characters the text box takes: any while the chosen form writes UTF-8.
    EntryCharacters textCharacters() const {
        return markupEncoding() == TextEncoding::Utf8 ? EntryCharacters::Any
                                                      : EntryCharacters::CodePage932;
    }
    const std::string& faceNameText() const { return faceName_; }
    bool checked(CheckBox box) const { return checks_[index(box)]; }
    bool checked(RadioButton button) const { return radios_[index(button)]; }
    const std::string& spinText(SpinField spin) const { return spinTexts_[index(spin)]; }
    /// The integer a spin edit's text spells, or its minimum when the text is not an integer.
    int spinValue(SpinField spin) const;
    /// Whether a control is enabled; only those the handlers switch are ever disabled, and the
    /// markup's copy button while the settings cannot be written in the chosen form.
    bool enabled(Switchable control) const {
        return !disabled_.contains(control) &&
               !(refusal_ && control == Switchable(Button::CopyMarkup));
    }
    ColourValue colour(ColourSlot slot) const { return colours_[index(slot)]; }
    const PreviewFont& previewFont() const { return previewFont_; }
    const StartupSettings& startupSettings() const { return startup_; }

    /// The snapshot one generator run reads.
    GradationSettings snapshot() const;
    /// The fragment of the last regeneration, in markupEncoding(); empty while the settings
    /// cannot be written in the chosen form.
    const std::string& markup() const { return markup_; }
    /// The FONT form writes code page 932, as the window always did; the other forms write UTF-8
    /// and colour each user-perceived character as one.
    TextEncoding markupEncoding() const {
        return outputForm() == OutputForm::Font ? TextEncoding::Cp932 : TextEncoding::Utf8;
    }
    /// Why the settings cannot be written in the chosen form, while they cannot. The preview then
    /// still shows the text, coloured as the FONT form colours it.
    const std::optional<OutputError>& refusal() const { return refusal_; }
    /// The refusal, the first time it is asked for after it occurred or changed; none otherwise,
    /// so that a view reports a refusal once, not at every keystroke that leaves it standing.
    std::optional<OutputError> refusalToReport();
    /// How many times the output has been regenerated; a view redraws the markup and the
    /// preview at each.
    int regenerationCount() const { return regenerations_; }

    /// The form the markup is made in, as the start-up settings remember it.
    /// The form lumo.ini names, when the output-form menu offers it; the FONT form otherwise.
    OutputForm outputForm() const;
    /// Makes the markup in `form` from now on and remembers it in the start-up file (its other
    /// keys kept); regenerates. Throws FileWriteError, changing nothing, when the file cannot be
    /// written.
    void chooseOutputForm(OutputForm form);

    /// The colour options beyond the window's; at their defaults the markup is as described.
    const ColourOptions& colourOptions() const { return colourOptions_; }
    /// Makes the markup with `options` from now on; regenerates.
    void setColourOptions(ColourOptions options);
    /// The window's own colours as stops: start, the middle colour in three-colour mode, end.
    std::vector<ColourValue> windowStops() const;

    /// The language the views speak: the one given for this run, else the one last chosen from
    /// the menu (the start-up file remembers it), else the user's locale's.
    Language language() const;
    /// The language of the user's locale, as the view reads it; Japanese until told.
    void setLocaleLanguage(Language language) { localeLanguage_ = language; }
    /// Speaks `language` in this run, whatever the start-up file remembers.
    void setRunLanguage(Language language) { runLanguage_ = language; }
    /// Speaks the other language from now on and remembers it in the start-up file (its other
    /// keys kept). Throws FileWriteError when the file cannot be written; the switch stands.
    void switchLanguage();

    /// Whether a regeneration builds the markup and preview (the default). A front end that
    /// makes its own output from snapshot() turns it off, so that loading a file with a long
    /// text does not build its markup once per key; regenerations are still counted.
    void setBuildsOutput(bool builds) { buildsOutput_ = builds; }

    /// Refuses, from now on, a text or a loaded file whose texts hold more than `characters`
    /// characters, with TextTooLongError, changing nothing; by default any length is taken.
    void setLongestText(std::size_t characters) { longestText_ = characters; }

    /// Where the preview is drawn; none by default.
    void setDrawingSurface(DrawingSurface* surface) { surface_ = surface; }

  private:
    template <typename Enum>
    static std::size_t index(Enum value) {
        return static_cast<std::size_t>(value);
    }

    void runHandler(CheckBox box);
    void runHandler(RadioButton button);
    void runHandler(SpinField spin);
    void setEnabled(Switchable control, bool on) {
        if (on) {
            disabled_.erase(control);
        } else {
            disabled_.insert(control);
        }
    }

    // Handlers, named after the control and event they answer.
    void onFaceNameEdited();
    /// The preview face from the font face box's text; an empty text leaves the face as it was.
    void takeFaceFromFaceName();
    void onSizeChanged();
    void onStyleToggled(CheckBox box, bool PreviewFont::*flag);
    void onFrameToggled();
    void onFrameWidthChanged() { regenerate(); }
    void onLinkToggled();
    void onThreeColoursToggled();
    void onSizePatternToggled();
    /// The snapshot with its texts in UTF-8, for the forms that write UTF-8.
    GradationSettings snapshotUtf8() const;
    /// Throws OutputError while the text to colour holds a character code page 932 cannot.
    void refuseTextBeyondCodePage932() const;

    // Each window item's value as a field of GradationSettings, and back.
    ColourValue valueOf(ColourSlot slot) const { return colour(slot); }
    bool valueOf(CheckBox box) const { return checked(box); }
    int valueOf(SpinField spin) const { return spinValue(spin); }
    std::string valueOf(LineEdit edit) const { return text(edit); }
    std::string valueOf(FaceNameBox) const;
    GradationMode valueOf(ModeGroup) const;
    SizePatternKind valueOf(PatternGroup) const;
    void set(ColourSlot slot, ColourValue colour) { setColour(slot, colour); }
    void set(CheckBox box, bool on) { setChecked(box, on); }
    /// Sets the window item that holds `member` to `value`, as code sets it.
    template <typename Value>
    void setField(Value GradationSettings::*member, const Value& value);

    // A window item as a gradation settings file stores it: loaded from a key, or its text.
    void load(const SettingsFileReader& reader, SettingsKey key, ColourSlot slot);
    void load(const SettingsFileReader& reader, SettingsKey key, CheckBox box);
    void load(const SettingsFileReader& reader, SettingsKey key, RadioButton button);
    void load(const SettingsFileReader& reader, SettingsKey key, SpinField spin);
    void load(const SettingsFileReader& reader, SettingsKey key, LineEdit edit);
    void load(const SettingsFileReader& reader, SettingsKey key, FaceNameBox);

    FileSystem& files_;
    std::filesystem::path startupDir_;
    StartupSettings startup_;
    ColourOptions colourOptions_;
    Language localeLanguage_ = Language::Japanese;
    std::optional<Language> runLanguage_;

    std::array<std::string, std::size(kAllLineEdits)> texts_;
    /// The text to colour, UTF-8, while it holds a character code page 932 cannot.
    std::optional<std::string> textBeyondCodePage932_;
    std::string faceName_;
    std::array<bool, std::size(kAllCheckBoxes)> checks_{};
    std::array<bool, std::size(kAllRadioButtons)> radios_{};
    std::array<std::string, std::size(kAllSpinFields)> spinTexts_;
    std::set<Switchable> disabled_;
    std::array<ColourValue, std::size(kAllColourSlots)> colours_{};
    PreviewFont previewFont_;

    std::string markup_;
    std::optional<OutputError> refusal_;
    OutputForm refusedForm_ = OutputForm::Font;
    bool refusalReported_ = false;
    bool buildsOutput_ = true;
    std::optional<std::size_t> longestText_;
    int regenerations_ = 0;
    DrawingSurface* surface_ = nullptr;
};

}  // namespace huewright
