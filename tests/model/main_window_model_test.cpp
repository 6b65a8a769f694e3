#include "model/main_window_model.h"

#include <gtest/gtest.h>

#include <string>

#include "../persistence/memory_file_system.h"
#include "persistence/atomic_file.h"

namespace huewright {
namespace {

const std::filesystem::path kDir = "/work";
const std::filesystem::path kDat = "/work/Lumo.DAT";

class MainWindowModelTest : public ::testing::Test {
  protected:
    test::MemoryFileSystem files;
    MainWindowModel model{files};

    void start() { model.startUp(kDir); }
    // Regenerations caused by `change`.
    template <typename Change>
    int regenerationsOf(Change change) {
        const int before = model.regenerationCount();
        change();
        return model.regenerationCount() - before;
    }
    void loadFile(const std::string& content) {
        files.files[kDat] = content;
        model.loadGradationFile(kDat);
    }
};

TEST_F(MainWindowModelTest, StartsWithTheBuiltInDefaultsWithoutAStartupFile) {
    // SS, FS and KB each change from unchecked, then the closing regeneration.
    EXPECT_EQ(regenerationsOf([&] { start(); }), 4);
    EXPECT_TRUE(model.checked(CheckBox::UseSize));
    EXPECT_TRUE(model.checked(CheckBox::UseFace));
    EXPECT_TRUE(model.checked(CheckBox::LineBreak));
    EXPECT_TRUE(model.checked(RadioButton::Gradient));
    EXPECT_TRUE(model.checked(RadioButton::FallingPattern));
    EXPECT_FALSE(model.enabled(Switchable::FallingPattern));
    EXPECT_FALSE(model.enabled(Switchable::MiddleColourButton));
    EXPECT_FALSE(model.enabled(Switchable::FrameBackground));
    EXPECT_FALSE(model.enabled(Switchable::FrameWidth));
    EXPECT_FALSE(model.enabled(Switchable::LinkTarget));
    EXPECT_TRUE(model.enabled(Switchable::Size));
    EXPECT_EQ(model.previewFont().points, 12);
    EXPECT_EQ(model.text(LineEdit::Text), "HuewrightHTML!");
    EXPECT_EQ(model.faceNameText(), kWindowFaceName);
    EXPECT_EQ(model.colour(ColourSlot::Start), 0xFF00FFu);
    EXPECT_EQ(model.markup().substr(0, 6), "<FONT ");
    EXPECT_EQ(model.markup().substr(model.markup().size() - 4), "<BR>");
}

TEST_F(MainWindowModelTest, AStartupFileWithoutTheSwitchesStartsThemOff) {
    files.files[kDir / "lumo.ini"] = "[Stat]\r\nCol1=255\r\nTB=0\r\nF_TAG=5\r\n";
    EXPECT_EQ(regenerationsOf([&] { start(); }), 1);
    EXPECT_FALSE(model.checked(CheckBox::UseSize));
    EXPECT_FALSE(model.checked(CheckBox::UseFace));
    EXPECT_FALSE(model.checked(CheckBox::LineBreak));
    EXPECT_EQ(model.colour(ColourSlot::Start), 255u);
    EXPECT_EQ(model.markup().substr(0, 25), "<font color=\"#ff0000\">H</");
    model.setChecked(CheckBox::Bold, true);
    EXPECT_NE(model.markup().find("<strong>"), std::string::npos);
}

TEST_F(MainWindowModelTest, FrameAndBackgroundRegenerateInTheirOrder) {
    start();
    EXPECT_EQ(regenerationsOf([&] { model.click(CheckBox::Frame); }), 1);  // onFrameWidthChanged
    EXPECT_TRUE(model.enabled(Switchable::FrameBackground));
    EXPECT_TRUE(model.enabled(Switchable::FrameWidth));
    model.click(CheckBox::FrameBackground);
    model.setSpinValue(SpinField::FrameWidth, 4);
    // Unchecking WB unchecks HB, whose handler regenerates first, then onFrameWidthChanged.
    EXPECT_EQ(regenerationsOf([&] { model.click(CheckBox::Frame); }), 2);
    EXPECT_FALSE(model.checked(CheckBox::FrameBackground));
    EXPECT_FALSE(model.enabled(Switchable::FrameBackground));
    EXPECT_FALSE(model.enabled(Switchable::FrameWidth));
    EXPECT_EQ(model.spinValue(SpinField::FrameWidth), 4);
    model.click(CheckBox::Frame);
    EXPECT_FALSE(model.checked(CheckBox::FrameBackground));
}

TEST_F(MainWindowModelTest, SizePatternSwitchesTheSizeControls) {
    start();
    model.setSpinValue(SpinField::Size, 5);
    EXPECT_EQ(model.previewFont().points, 18);
    EXPECT_EQ(regenerationsOf([&] { model.click(CheckBox::SizePattern); }), 1);
    EXPECT_FALSE(model.enabled(Switchable::Size));
    EXPECT_FALSE(model.enabled(Switchable::UseSize));
    EXPECT_TRUE(model.checked(CheckBox::UseSize));
    EXPECT_TRUE(model.enabled(Switchable::PatternMax));
    // Unchecking runs onSizeChanged (one regeneration) and then regenerates again.
    EXPECT_EQ(regenerationsOf([&] { model.click(CheckBox::SizePattern); }), 2);
    EXPECT_TRUE(model.enabled(Switchable::Size));
    EXPECT_EQ(model.previewFont().points, 18);
    // The limits are independent: the minimum may pass the maximum.
    model.setSpinValue(SpinField::PatternMin, 7);
    model.setSpinValue(SpinField::PatternMax, 2);
    EXPECT_EQ(model.patternMinimum(), 7);
    EXPECT_EQ(model.patternMaximum(), 2);
}

TEST_F(MainWindowModelTest, ChangesFireOnlyWhenTheStateChanges) {
    start();
    EXPECT_EQ(regenerationsOf([&] { model.setChecked(CheckBox::LineBreak, true); }), 0);
    EXPECT_EQ(regenerationsOf([&] { model.checkRadio(RadioButton::Gradient); }), 0);
    EXPECT_EQ(regenerationsOf([&] { model.checkRadio(RadioButton::Alternate); }), 1);
    EXPECT_FALSE(model.checked(RadioButton::Gradient));
    EXPECT_TRUE(model.checked(RadioButton::FallingPattern));  // the other group is left alone
    EXPECT_EQ(regenerationsOf([&] { model.setText(LineEdit::Text, "HuewrightHTML!"); }), 0);
    EXPECT_EQ(regenerationsOf([&] { model.setText(LineEdit::LinkTarget, "x"); }), 1);
    EXPECT_EQ(regenerationsOf([&] { model.setFaceNameText("Arial", false); }), 0);
    EXPECT_EQ(model.previewFont().face, kWindowFaceName);
    EXPECT_EQ(regenerationsOf([&] { model.setFaceNameText("Arial", true); }), 1);
    EXPECT_EQ(model.previewFont().face, "Arial");
    EXPECT_EQ(regenerationsOf([&] { model.setFaceNameText("", true); }), 1);
    EXPECT_EQ(model.previewFont().face, "Arial");
    EXPECT_EQ(regenerationsOf([&] { model.stepSpin(SpinField::Size, -5); }), 1);
    EXPECT_EQ(model.spinValue(SpinField::Size), 1);
    EXPECT_EQ(regenerationsOf([&] { model.stepSpin(SpinField::Size, -1); }), 0);
}

TEST_F(MainWindowModelTest, PreviewFaceKeepsWholeCharactersWithinThirtyOneBytes) {
    start();
    // Fifteen double-byte characters and one more: the sixteenth would end at byte 32.
    std::string face;
    for (int i = 0; i < 16; ++i) {
        face += "\x83\x41";
    }
    model.setFaceNameText("a" + face, true);
    EXPECT_EQ(model.previewFont().face, "a" + face.substr(0, 30));
}

TEST_F(MainWindowModelTest, TypedFrameWidths) {
    start();
    model.click(CheckBox::Frame);
    struct Row {
        const char* typed;
        int value;      // as read while typing
        int afterExit;  // after the field loses the focus
        std::string textAfterExit;
    };
    const Row rows[] = {
        {"", 0, 0, ""},         {"-", 0, 0, "-"},     {"-5", -5, 0, "0"},
        {"150", 150, 99, "99"}, {"42", 42, 42, "42"},
    };
    for (const Row& row : rows) {
        model.setSpinText(SpinField::FrameWidth, row.typed);
        EXPECT_EQ(model.spinValue(SpinField::FrameWidth), row.value) << row.typed;
        EXPECT_EQ(model.snapshot().frameWidth, row.value) << row.typed;
        model.spinFocusOut(SpinField::FrameWidth);
        EXPECT_EQ(model.spinValue(SpinField::FrameWidth), row.afterExit) << row.typed;
        EXPECT_EQ(model.spinText(SpinField::FrameWidth), row.textAfterExit) << row.typed;
    }
}

TEST_F(MainWindowModelTest, LoadingAppliesEachKeyWithTheFiringRules) {
    start();
    const std::string longText(1500, 'x');
    model.setText(LineEdit::Text, longText);
    loadFile(
        "[Stat]\r\nFontSize=9\r\nWS=150\r\nWB=0\r\nHB=1\r\nGtype1B=0\r\nFDsize=-3\r\n"
        "FontName=\r\nCol_B=255\r\n");
    EXPECT_EQ(model.spinValue(SpinField::Size), 7);
    EXPECT_EQ(model.spinValue(SpinField::FrameWidth), 99);
    EXPECT_EQ(model.spinValue(SpinField::PatternMax), 1);
    EXPECT_TRUE(
        model.checked(CheckBox::FrameBackground));  // applied after WB, which did not change
    EXPECT_FALSE(model.enabled(Switchable::FrameBackground));
    EXPECT_FALSE(model.checked(RadioButton::Gradient));
    EXPECT_FALSE(model.checked(RadioButton::Alternate));
    EXPECT_EQ(model.snapshot().mode, GradationMode::Alternate);
    EXPECT_EQ(model.faceNameText(), "");
    EXPECT_EQ(model.previewFont().face, kWindowFaceName);
    EXPECT_EQ(model.colour(ColourSlot::Background), 255u);
    // A missing "text" keeps the current text, whole.
    EXPECT_EQ(model.text(LineEdit::Text), longText);
    // An empty value is an empty text.
    loadFile("[DATA]\r\ntext=\r\n");
    EXPECT_EQ(model.text(LineEdit::Text), "");
}

TEST_F(MainWindowModelTest, CancelledOrMissingLoadOnlyRegenerates) {
    start();
    const GradationSettings before = model.snapshot();
    EXPECT_EQ(regenerationsOf([&] { model.loadGradationFile(std::nullopt); }), 1);
    EXPECT_EQ(regenerationsOf([&] { model.loadGradationFile("/work/none.DAT"); }), 1);
    EXPECT_EQ(model.markup(), buildMarkup(before, TagNameTable{}));
}

TEST_F(MainWindowModelTest, SaveAndLoadRestoreTheWholeWindow) {
    start();
    model.setText(LineEdit::Text, "  \"quoted\" text with blanks  " + std::string(1100, 'y'));
    model.setText(LineEdit::LinkTarget, "'http://x'");
    model.setFaceNameText(" Arial ", true);
    model.click(CheckBox::ThreeColours);
    model.checkRadio(RadioButton::Alternate);
    model.click(CheckBox::Frame);
    model.setSpinValue(SpinField::FrameWidth, 12);
    model.click(CheckBox::FrameBackground);
    model.click(CheckBox::Link);
    model.click(CheckBox::SizePattern);
    model.checkRadio(RadioButton::AlternatingPattern);
    model.setSpinValue(SpinField::PatternMax, 2);
    model.setSpinValue(SpinField::PatternMin, 6);
    model.setSpinValue(SpinField::Size, 4);
    for (const CheckBox b :
         {CheckBox::Bold, CheckBox::Italic, CheckBox::Underline, CheckBox::Strike,
          CheckBox::LineBreak, CheckBox::UseFace, CheckBox::UseSize}) {
        model.click(b);
    }
    model.setColour(ColourSlot::Start, 0x12345678);
    model.setColour(ColourSlot::Background, 0x00ABCDEF);
    model.regenerate();
    model.saveGradationFile(kDat);
    const GradationSettings saved = model.snapshot();

    const std::string& file = files.files[kDat];
    EXPECT_NE(file.find("Gtype1B=0\r\nGtype2B=1\r\n"), std::string::npos);
    EXPECT_NE(file.find("Ftype1B=0\r\nFtype2B=0\r\nFtype3B=1\r\n"), std::string::npos);
    EXPECT_NE(file.find("Col1=305419896\r\n"), std::string::npos);

    test::MemoryFileSystem otherFiles;
    otherFiles.files[kDat] = file;
    MainWindowModel other(otherFiles);
    other.startUp(kDir);
    other.loadGradationFile(kDat);
    const GradationSettings loaded = other.snapshot();
    EXPECT_EQ(loaded.text, saved.text);
    EXPECT_EQ(loaded.linkTarget, saved.linkTarget);
    EXPECT_EQ(loaded.faceName, saved.faceName);
    EXPECT_TRUE(other.markup() == model.markup());
    for (const CheckBox b :
         {CheckBox::ThreeColours, CheckBox::Bold, CheckBox::Italic, CheckBox::Underline,
          CheckBox::Strike, CheckBox::LineBreak, CheckBox::Frame, CheckBox::FrameBackground,
          CheckBox::Link, CheckBox::SizePattern, CheckBox::UseFace, CheckBox::UseSize}) {
        EXPECT_EQ(other.checked(b), model.checked(b)) << nameOf(b);
    }
    for (const RadioButton r :
         {RadioButton::Gradient, RadioButton::Alternate, RadioButton::FallingPattern,
          RadioButton::ValleyPattern, RadioButton::AlternatingPattern}) {
        EXPECT_EQ(other.checked(r), model.checked(r)) << nameOf(r);
    }
    for (const SpinField s :
         {SpinField::Size, SpinField::FrameWidth, SpinField::PatternMax, SpinField::PatternMin}) {
        EXPECT_EQ(other.spinText(s), model.spinText(s)) << nameOf(s);
    }
    for (const ColourSlot c :
         {ColourSlot::Start, ColourSlot::Middle, ColourSlot::End, ColourSlot::Background}) {
        EXPECT_EQ(other.colour(c), model.colour(c));
    }
}

TEST_F(MainWindowModelTest, AFailedSaveReportsTheFileAndChangesNothing) {
    start();
    files.files[kDat] = "[Stat]\r\nCol1=1\r\n";
    files.unwritable.insert(kDat);
    try {
        model.saveGradationFile(kDat);
        FAIL() << "the save should have failed";
    } catch (const FileWriteError& e) {
        EXPECT_STREQ(e.what(), "cannot write /work/Lumo.DAT");
    }
    EXPECT_EQ(files.files[kDat], "[Stat]\r\nCol1=1\r\n");
}

TEST_F(MainWindowModelTest, ApplyingSettingsDescribesThemInTheControls) {
    start();
    GradationSettings s;
    s.text = "abc";
    s.mode = GradationMode::Alternate;
    s.threeColours = true;
    s.frame = true;
    s.frameWidth = 3;
    s.frameBackground = true;
    s.link = true;
    s.linkTarget = "http://example/";
    s.useFace = false;
    s.faceName = "Arial";
    s.size = 6;
    s.bold = s.italic = s.underline = s.strike = true;
    s.lineBreak = false;
    s.sizePattern = true;
    s.patternKind = SizePatternKind::None;
    s.patternMax = 2;
    s.patternMin = 5;
    s.upperCaseTags = false;
    s.strongForBold = true;
    s.emForItalic = true;
    s.startColour = 1;
    s.middleColour = 2;
    s.endColour = 3;
    s.backgroundColour = 4;
    model.apply(s);
    const TagNameTable names;
    EXPECT_TRUE(model.markup() == buildMarkup(s, names));
    EXPECT_TRUE(buildMarkup(model.snapshot(), names) == buildMarkup(s, names));
}

}  // namespace
}  // namespace huewright
