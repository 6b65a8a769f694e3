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

    void start() { model.FormCreate(kDir); }
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
    EXPECT_TRUE(model.checked(CheckBox::SS));
    EXPECT_TRUE(model.checked(CheckBox::FS));
    EXPECT_TRUE(model.checked(CheckBox::KB));
    EXPECT_TRUE(model.checked(RadioButton::Gtype1b));
    EXPECT_TRUE(model.checked(RadioButton::Ftype1B));
    EXPECT_FALSE(model.enabled(Switchable::Ftype1B));
    EXPECT_FALSE(model.enabled(Switchable::tcb));
    EXPECT_FALSE(model.enabled(Switchable::HB));
    EXPECT_FALSE(model.enabled(Switchable::WS));
    EXPECT_FALSE(model.enabled(Switchable::link_e));
    EXPECT_TRUE(model.enabled(Switchable::Fsize));
    EXPECT_EQ(model.previewFont().points, 12);
    EXPECT_EQ(model.text(LineEdit::Edit1), "HuewrightHTML!");
    EXPECT_EQ(model.fnameText(), kWindowFaceName);
    EXPECT_EQ(model.colour(ColourSlot::Start), 0xFF00FFu);
    EXPECT_EQ(model.markup().substr(0, 6), "<FONT ");
    EXPECT_EQ(model.markup().substr(model.markup().size() - 4), "<BR>");
}

TEST_F(MainWindowModelTest, AStartupFileWithoutTheSwitchesStartsThemOff) {
    files.files[kDir / "lumo.ini"] = "[Stat]\r\nCol1=255\r\nTB=0\r\nF_TAG=5\r\n";
    EXPECT_EQ(regenerationsOf([&] { start(); }), 1);
    EXPECT_FALSE(model.checked(CheckBox::SS));
    EXPECT_FALSE(model.checked(CheckBox::FS));
    EXPECT_FALSE(model.checked(CheckBox::KB));
    EXPECT_EQ(model.colour(ColourSlot::Start), 255u);
    EXPECT_EQ(model.markup().substr(0, 25), "<font color=\"#ff0000\">H</");
    model.setChecked(CheckBox::BB, true);
    EXPECT_NE(model.markup().find("<strong>"), std::string::npos);
}

TEST_F(MainWindowModelTest, FrameAndBackgroundRegenerateInTheirOrder) {
    start();
    EXPECT_EQ(regenerationsOf([&] { model.click(CheckBox::WB); }), 1);  // WSChange
    EXPECT_TRUE(model.enabled(Switchable::HB));
    EXPECT_TRUE(model.enabled(Switchable::WS));
    model.click(CheckBox::HB);
    model.setSpinValue(SpinField::WS, 4);
    // Unchecking WB unchecks HB, whose handler regenerates first, then WSChange.
    EXPECT_EQ(regenerationsOf([&] { model.click(CheckBox::WB); }), 2);
    EXPECT_FALSE(model.checked(CheckBox::HB));
    EXPECT_FALSE(model.enabled(Switchable::HB));
    EXPECT_FALSE(model.enabled(Switchable::WS));
    EXPECT_EQ(model.spinValue(SpinField::WS), 4);
    model.click(CheckBox::WB);
    EXPECT_FALSE(model.checked(CheckBox::HB));
}

TEST_F(MainWindowModelTest, SizePatternSwitchesTheSizeControls) {
    start();
    model.setSpinValue(SpinField::Fsize, 5);
    EXPECT_EQ(model.previewFont().points, 18);
    EXPECT_EQ(regenerationsOf([&] { model.click(CheckBox::TB); }), 1);
    EXPECT_FALSE(model.enabled(Switchable::Fsize));
    EXPECT_FALSE(model.enabled(Switchable::SS));
    EXPECT_TRUE(model.checked(CheckBox::SS));
    EXPECT_TRUE(model.enabled(Switchable::FDsize));
    // Unchecking runs FsizeChange (one regeneration) and then regenerates again.
    EXPECT_EQ(regenerationsOf([&] { model.click(CheckBox::TB); }), 2);
    EXPECT_TRUE(model.enabled(Switchable::Fsize));
    EXPECT_EQ(model.previewFont().points, 18);
    // The limits are independent: the minimum may pass the maximum.
    model.setSpinValue(SpinField::FSsize, 7);
    model.setSpinValue(SpinField::FDsize, 2);
    EXPECT_EQ(model.patternMinimum(), 7);
    EXPECT_EQ(model.patternMaximum(), 2);
}

TEST_F(MainWindowModelTest, ChangesFireOnlyWhenTheStateChanges) {
    start();
    EXPECT_EQ(regenerationsOf([&] { model.setChecked(CheckBox::KB, true); }), 0);
    EXPECT_EQ(regenerationsOf([&] { model.checkRadio(RadioButton::Gtype1b); }), 0);
    EXPECT_EQ(regenerationsOf([&] { model.checkRadio(RadioButton::Gtype2b); }), 1);
    EXPECT_FALSE(model.checked(RadioButton::Gtype1b));
    EXPECT_TRUE(model.checked(RadioButton::Ftype1B));  // the other group is left alone
    EXPECT_EQ(regenerationsOf([&] { model.setText(LineEdit::Edit1, "HuewrightHTML!"); }), 0);
    EXPECT_EQ(regenerationsOf([&] { model.setText(LineEdit::link_e, "x"); }), 1);
    EXPECT_EQ(regenerationsOf([&] { model.setFnameText("Arial", false); }), 0);
    EXPECT_EQ(model.previewFont().face, kWindowFaceName);
    EXPECT_EQ(regenerationsOf([&] { model.setFnameText("Arial", true); }), 1);
    EXPECT_EQ(model.previewFont().face, "Arial");
    EXPECT_EQ(regenerationsOf([&] { model.setFnameText("", true); }), 1);
    EXPECT_EQ(model.previewFont().face, "Arial");
    EXPECT_EQ(regenerationsOf([&] { model.stepSpin(SpinField::Fsize, -5); }), 1);
    EXPECT_EQ(model.spinValue(SpinField::Fsize), 1);
    EXPECT_EQ(regenerationsOf([&] { model.stepSpin(SpinField::Fsize, -1); }), 0);
}

TEST_F(MainWindowModelTest, PreviewFaceKeepsWholeCharactersWithinThirtyOneBytes) {
    start();
    // Fifteen double-byte characters and one more: the sixteenth would end at byte 32.
    std::string face;
    for (int i = 0; i < 16; ++i) {
        face += "\x83\x41";
    }
    model.setFnameText("a" + face, true);
    EXPECT_EQ(model.previewFont().face, "a" + face.substr(0, 30));
}

TEST_F(MainWindowModelTest, TypedFrameWidths) {
    start();
    model.click(CheckBox::WB);
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
        model.setSpinText(SpinField::WS, row.typed);
        EXPECT_EQ(model.spinValue(SpinField::WS), row.value) << row.typed;
        EXPECT_EQ(model.snapshot().FrameWidth, row.value) << row.typed;
        model.spinFocusOut(SpinField::WS);
        EXPECT_EQ(model.spinValue(SpinField::WS), row.afterExit) << row.typed;
        EXPECT_EQ(model.spinText(SpinField::WS), row.textAfterExit) << row.typed;
    }
}

TEST_F(MainWindowModelTest, LoadingAppliesEachKeyWithTheFiringRules) {
    start();
    const std::string longText(1500, 'x');
    model.setText(LineEdit::Edit1, longText);
    loadFile(
        "[Stat]\r\nFontSize=9\r\nWS=150\r\nWB=0\r\nHB=1\r\nGtype1B=0\r\nFDsize=-3\r\n"
        "FontName=\r\nCol_B=255\r\n");
    EXPECT_EQ(model.spinValue(SpinField::Fsize), 7);
    EXPECT_EQ(model.spinValue(SpinField::WS), 99);
    EXPECT_EQ(model.spinValue(SpinField::FDsize), 1);
    EXPECT_TRUE(model.checked(CheckBox::HB));  // applied after WB, which did not change
    EXPECT_FALSE(model.enabled(Switchable::HB));
    EXPECT_FALSE(model.checked(RadioButton::Gtype1b));
    EXPECT_FALSE(model.checked(RadioButton::Gtype2b));
    EXPECT_EQ(model.snapshot().Mode, GradationMode::Alternate);
    EXPECT_EQ(model.fnameText(), "");
    EXPECT_EQ(model.previewFont().face, kWindowFaceName);
    EXPECT_EQ(model.colour(ColourSlot::Background), 255u);
    // A missing "text" keeps the current text, whole.
    EXPECT_EQ(model.text(LineEdit::Edit1), longText);
    // An empty value is an empty text.
    loadFile("[DATA]\r\ntext=\r\n");
    EXPECT_EQ(model.text(LineEdit::Edit1), "");
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
    model.setText(LineEdit::Edit1, "  \"quoted\" text with blanks  " + std::string(1100, 'y'));
    model.setText(LineEdit::link_e, "'http://x'");
    model.setFnameText(" Arial ", true);
    model.click(CheckBox::CB);
    model.checkRadio(RadioButton::Gtype2b);
    model.click(CheckBox::WB);
    model.setSpinValue(SpinField::WS, 12);
    model.click(CheckBox::HB);
    model.click(CheckBox::LB);
    model.click(CheckBox::TB);
    model.checkRadio(RadioButton::Ftype3B);
    model.setSpinValue(SpinField::FDsize, 2);
    model.setSpinValue(SpinField::FSsize, 6);
    model.setSpinValue(SpinField::Fsize, 4);
    for (const CheckBox b : {CheckBox::BB, CheckBox::EB, CheckBox::UB, CheckBox::SB, CheckBox::KB,
                             CheckBox::FS, CheckBox::SS}) {
        model.click(b);
    }
    model.setColour(ColourSlot::Start, 0x12345678);
    model.setColour(ColourSlot::Background, 0x00ABCDEF);
    model.html_edit();
    model.saveGradationFile(kDat);
    const GradationSettings saved = model.snapshot();

    const std::string& file = files.files[kDat];
    EXPECT_NE(file.find("Gtype1B=0\r\nGtype2B=1\r\n"), std::string::npos);
    EXPECT_NE(file.find("Ftype1B=0\r\nFtype2B=0\r\nFtype3B=1\r\n"), std::string::npos);
    EXPECT_NE(file.find("Col1=305419896\r\n"), std::string::npos);

    test::MemoryFileSystem otherFiles;
    otherFiles.files[kDat] = file;
    MainWindowModel other(otherFiles);
    other.FormCreate(kDir);
    other.loadGradationFile(kDat);
    const GradationSettings loaded = other.snapshot();
    EXPECT_EQ(loaded.Text, saved.Text);
    EXPECT_EQ(loaded.LinkTarget, saved.LinkTarget);
    EXPECT_EQ(loaded.FaceName, saved.FaceName);
    EXPECT_TRUE(other.markup() == model.markup());
    for (const CheckBox b :
         {CheckBox::CB, CheckBox::BB, CheckBox::EB, CheckBox::UB, CheckBox::SB, CheckBox::KB,
          CheckBox::WB, CheckBox::HB, CheckBox::LB, CheckBox::TB, CheckBox::FS, CheckBox::SS}) {
        EXPECT_EQ(other.checked(b), model.checked(b)) << nameOf(b);
    }
    for (const RadioButton r : {RadioButton::Gtype1b, RadioButton::Gtype2b, RadioButton::Ftype1B,
                                RadioButton::Ftype2B, RadioButton::Ftype3B}) {
        EXPECT_EQ(other.checked(r), model.checked(r)) << nameOf(r);
    }
    for (const SpinField s :
         {SpinField::Fsize, SpinField::WS, SpinField::FDsize, SpinField::FSsize}) {
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
        EXPECT_STREQ(e.what(), "/work/Lumo.DAT に書き込めません");
    }
    EXPECT_EQ(files.files[kDat], "[Stat]\r\nCol1=1\r\n");
}

TEST_F(MainWindowModelTest, ApplyingSettingsDescribesThemInTheControls) {
    start();
    GradationSettings s;
    s.Text = "abc";
    s.Mode = GradationMode::Alternate;
    s.ThreeColours = true;
    s.Frame = true;
    s.FrameWidth = 3;
    s.FrameBackground = true;
    s.Link = true;
    s.LinkTarget = "http://example/";
    s.UseFace = false;
    s.FaceName = "Arial";
    s.Size = 6;
    s.Bold = s.Italic = s.Underline = s.Strike = true;
    s.LineBreak = false;
    s.SizePattern = true;
    s.PatternKind = SizePatternKind::None;
    s.PatternMax = 2;
    s.PatternMin = 5;
    s.UpperCaseTags = false;
    s.StrongForBold = true;
    s.EmForItalic = true;
    s.StartColor = 1;
    s.MiddleColor = 2;
    s.EndColor = 3;
    s.BackgroundColor = 4;
    model.apply(s);
    const TagNameTable names;
    EXPECT_TRUE(model.markup() == buildMarkup(s, names));
    EXPECT_TRUE(buildMarkup(model.snapshot(), names) == buildMarkup(s, names));
}

}  // namespace
}  // namespace huewright
