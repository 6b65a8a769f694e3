#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "generator/gradation_settings.h"
#include "generator/preview.h"
#include "generator/tag_names.h"
#include "model/controls.h"
#include "persistence/file_system.h"
#include "persistence/startup_settings.h"

namespace huewright {

/// The main window's state (every control the output or the files read, the current colours, the
/// size-pattern limits, the preview font) and the rules that tie them: which change enables,
/// disables or unchecks what, and how a change fires its handler. The desktop window drives it and
/// mirrors it; the command-line front end loads and saves through it.
///
/// Changes follow the window's firing rules: a check box, radio button, edit or spin edit whose
/// state changes runs its handler at once, nested in whatever is running; setting the state it
/// already has runs nothing. Every handler that regenerates calls `html_edit`.
class MainWindowModel {
  public:
    /// The controls as they stand before the window's creation handler runs.
    explicit MainWindowModel(FileSystem& files);

    /// Window creation: captures `workingDirectory` as the start-up directory, reads the start-up
    /// file in it, takes up its colours and switches, sets up the preview font and regenerates.
    void FormCreate(const std::filesystem::path& workingDirectory);
    /// As FormCreate, with start-up settings already at hand instead of the file's.
    void FormCreate(const std::filesystem::path& workingDirectory, const StartupSettings& startup);

    // Changes, by the user or by code, with the firing rules applied.

    /// Sets the text of `Edit1` or `link_e` (code page 932 bytes).
    void setText(LineEdit edit, std::string text);
    /// Sets the text of `Fname`; typing or choosing from the list (`byUser`) fires FnameChange,
    /// setting it from code does not.
    void setFnameText(std::string text, bool byUser);
    void setChecked(CheckBox box, bool checked);
    /// A click: the check box toggles.
    void click(CheckBox box) { setChecked(box, !checked(box)); }
    /// Checks `button` and unchecks the others of its group.
    void checkRadio(RadioButton button);
    /// Unchecking from code unchecks `button` alone; checking is checkRadio.
    void setRadio(RadioButton button, bool checked);
    /// Sets the text of a spin edit, as typed (only `WS` takes typing) or from code.
    void setSpinText(SpinField spin, std::string text);
    /// Sets a spin edit's value from code, first brought into its range.
    void setSpinValue(SpinField spin, int value);
    /// An up (+1) or down (-1) step of a spin button or arrow key, never leaving the range.
    void stepSpin(SpinField spin, int delta);
    /// The spin edit loses the focus: a typed value outside the range is brought into it.
    void spinFocusOut(SpinField spin);
    /// Sets a current colour without regenerating; the caller regenerates when it is done.
    void setColour(ColourSlot slot, ColorValue colour) {
        colours_[static_cast<std::size_t>(slot)] = colour;
    }
    /// Replaces the start-up settings (the settings dialog's store); nothing regenerates.
    void setStartupSettings(const StartupSettings& startup) { startup_ = startup; }

    /// Rebuilds markup, length and preview from the current state.
    void html_edit();

    // Gradation settings files.

    /// Loads `file` as the window does: each key applied in turn with the firing rules, the
    /// current item's state as every key's default, then one regeneration. With no file (the
    /// dialog was cancelled) only the closing repaint and regeneration run.
    void loadGradationFile(const std::optional<std::filesystem::path>& file);
    /// Saves the window's state into `file` in one atomic save. Throws FileWriteError.
    void saveGradationFile(const std::filesystem::path& file) const;

    /// Sets every control so that the window describes `settings`; the tag-case and tag-form
    /// options go to the start-up settings, which the gradation file does not carry.
    void apply(const GradationSettings& settings);

    // The state.

    const std::string& text(LineEdit edit) const { return texts_[index(edit)]; }
    const std::string& fnameText() const { return fname_; }
    bool checked(CheckBox box) const { return checks_[index(box)]; }
    bool checked(RadioButton button) const { return radios_[index(button)]; }
    const std::string& spinText(SpinField spin) const { return spinTexts_[index(spin)]; }
    /// The integer a spin edit's text spells, or its minimum when the text is not an integer.
    int spinValue(SpinField spin) const;
    bool enabled(Switchable control) const { return enabled_[index(control)]; }
    ColorValue colour(ColourSlot slot) const { return colours_[index(slot)]; }
    int patternMaximum() const { return patternMaximum_; }
    int patternMinimum() const { return patternMinimum_; }
    const PreviewFont& previewFont() const { return previewFont_; }
    const StartupSettings& startupSettings() const { return startup_; }
    const std::filesystem::path& startupDir() const { return startupDir_; }

    /// The snapshot one generator run reads.
    GradationSettings snapshot() const;
    /// The fragment of the last regeneration (code page 932 bytes).
    const std::string& markup() const { return markup_; }
    /// How many times the output has been regenerated.
    int regenerationCount() const { return regenerations_; }

    /// Where the preview is drawn; none by default.
    void setDrawingSurface(DrawingSurface* surface) { surface_ = surface; }
    /// Called after every regeneration.
    void setRegenerationListener(std::function<void()> listener) {
        regenerated_ = std::move(listener);
    }

  private:
    template <typename Enum>
    static std::size_t index(Enum value) {
        return static_cast<std::size_t>(value);
    }

    void runHandler(CheckBox box);
    void runHandler(RadioButton button);
    void runHandler(SpinField spin);
    void setEnabled(Switchable control, bool on) { enabled_[index(control)] = on; }

    // Handlers, named after the control and event they answer.
    void Edit1Change() { html_edit(); }
    void FnameChange();
    /// The preview face from the text of `Fname`; an empty text leaves the face as it was.
    void takeFaceFromFname();
    void FsizeChange();
    void styleClick(CheckBox box, bool PreviewFont::*flag);
    void WBClick();
    void WSChange() { html_edit(); }
    void LBClick();
    void CBClick();
    void TBClick();
    void FDsizeChange();
    void FSsizeChange();

    FileSystem& files_;
    std::filesystem::path startupDir_;
    StartupSettings startup_;
    TagNameTable tagNames_;

    std::array<std::string, 2> texts_;
    std::string fname_;
    std::array<bool, 12> checks_{};
    std::array<bool, 5> radios_{};
    std::array<std::string, 4> spinTexts_;
    std::array<bool, 11> enabled_{};
    std::array<ColorValue, 4> colours_{};
    int patternMaximum_ = 7;
    int patternMinimum_ = 3;
    PreviewFont previewFont_;

    std::string markup_;
    int regenerations_ = 0;
    DrawingSurface* surface_ = nullptr;
    std::function<void()> regenerated_;
};

}  // namespace huewright
