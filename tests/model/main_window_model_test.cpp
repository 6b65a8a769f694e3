#include "model/main_window_model.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "model/error_messages.h"
#include "model/gradation_file.h"
#include "model/main_window_state.h"
#include "support/memory_file_system.h"

namespace huewright {
namespace {

using namespace std::string_literals;
using ::testing::Property;
using ::testing::Throws;

const std::filesystem::path kDir = "/work";
const std::filesystem::path kDat = "/work/Lumo.DAT";

class MainWindowModelTest : public ::testing::Test {
  protected:
    test::MemoryFileSystem files;
    MainWindowModel model{files};

    // Regenerations caused by `change`.
    template <typename Change>
    int regenerationsOf(Change change) {
        const int before = model.regenerationCount();
        change();
        return model.regenerationCount() - before;
    }
};

TEST_F(MainWindowModelTest, StartsWithTheBuiltInDefaultsWithoutAStartupFile) {
    // SS, FS and KB each change from unchecked, then the closing regeneration.
    EXPECT_EQ(regenerationsOf([&] { model.startUp(kDir); }), 4);
    EXPECT_EQ(model.markup(), buildOutput(GradationSettings{}, {}));
}

TEST_F(MainWindowModelTest, AStartupFileWithoutTheSwitchesStartsThemOff) {
    files.files[kDir / "lumo.ini"] = "[Stat]\r\nCol1=255\r\nTB=0\r\nF_TAG=5\r\n";
    // Only the closing regeneration: SS, FS and KB stay unchecked.
    EXPECT_EQ(regenerationsOf([&] { model.startUp(kDir); }), 1);
    model.setChecked(CheckBox::Bold, true);
    EXPECT_EQ(model.markup().substr(0, 33), "<strong><font color=\"#ff0000\">H</");
}

// A model started without a start-up file.
class StartedModelTest : public MainWindowModelTest {
  protected:
    void SetUp() override { model.startUp(kDir); }
};

TEST_F(StartedModelTest, FrameAndBackgroundRegenerateInTheirOrder) {
    EXPECT_EQ(regenerationsOf([&] { model.click(CheckBox::Frame); }), 1);  // onFrameWidthChanged
    EXPECT_TRUE(model.enabled(CheckBox::FrameBackground) && model.enabled(SpinField::FrameWidth));
    model.click(CheckBox::FrameBackground);
    model.setSpinValue(SpinField::FrameWidth, 4);
    // Unchecking WB unchecks HB, whose handler regenerates first, then onFrameWidthChanged.
    EXPECT_EQ(regenerationsOf([&] { model.click(CheckBox::Frame); }), 2);
    EXPECT_FALSE(model.checked(CheckBox::FrameBackground));
    EXPECT_FALSE(model.enabled(CheckBox::FrameBackground) || model.enabled(SpinField::FrameWidth));
    EXPECT_EQ(model.spinValue(SpinField::FrameWidth), 4);
    model.click(CheckBox::Frame);
    EXPECT_FALSE(model.checked(CheckBox::FrameBackground));
}

TEST_F(StartedModelTest, SizePatternSwitchesTheSizeControls) {
    model.setSpinValue(SpinField::Size, 5);
    EXPECT_EQ(model.previewFont().points, 18);
    EXPECT_EQ(regenerationsOf([&] { model.click(CheckBox::SizePattern); }), 1);
    EXPECT_FALSE(model.enabled(SpinField::Size) || model.enabled(CheckBox::UseSize));
    EXPECT_TRUE(model.checked(CheckBox::UseSize));
    EXPECT_TRUE(model.enabled(SpinField::PatternMax));
    // Unchecking runs onSizeChanged (one regeneration) and then regenerates again.
    EXPECT_EQ(regenerationsOf([&] { model.click(CheckBox::SizePattern); }), 2);
    EXPECT_TRUE(model.enabled(SpinField::Size));
    // The limits are independent: the minimum may pass the maximum.
    model.setSpinValue(SpinField::PatternMin, 7);
    model.setSpinValue(SpinField::PatternMax, 2);
    EXPECT_EQ(model.snapshot().patternMin, 7);
    EXPECT_EQ(model.snapshot().patternMax, 2);
}

TEST_F(StartedModelTest, ChangesFireOnlyWhenTheStateChanges) {
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

// What a view draws after each event: only what changed, the output at every regeneration
// even when it comes out the same, and a control the toolkit changed on its own.
TEST_F(StartedModelTest, ViewsDrawOnlyWhatChanged) {
    DrawnState drawn;
    const auto names = [&] {
        std::vector<std::string_view> changed;
        for (const ShownControl& shown : drawn.changes(mainWindowState(model))) {
            changed.push_back(nameOf(shown.control));
        }
        return changed;
    };
    using Names = std::vector<std::string_view>;
    EXPECT_EQ(names().size(), mainWindowState(model).size());
    EXPECT_EQ(names(), Names{});
    model.click(CheckBox::Frame);
    EXPECT_EQ(names(), (Names{"WB", "HB", "WS", "html_e", "tag_len", "mihon"}));
    model.swapColours();
    model.swapColours();
    model.colourChosen(ColourSlot::Background, std::nullopt);
    EXPECT_EQ(names(), (Names{"html_e", "mihon"}));
    drawn.forget(RadioButton::Gradient);
    EXPECT_EQ(names(), Names{"Gtype1b"});
}

// The views' bound counts characters, a double-byte one as one, and a refused text or file
// changes nothing.
TEST_F(StartedModelTest, TextsLongerThanTheBoundAreRefusedWhole) {
    model.setLongestText(3);
    model.setText(LineEdit::Text, "\x82\xa0\x82\xa2\x82\xa4");
    const auto refused = [](OutputError::Field field) {
        return Throws<TextTooLongError>(Property(&TextTooLongError::field, field));
    };
    EXPECT_THAT([&] { model.setText(LineEdit::LinkTarget, "abcd"); },
                refused(OutputError::Field::LinkTarget));
    EXPECT_EQ(model.text(LineEdit::LinkTarget), "http://");
    EXPECT_THAT(
        [&] { model.loadGradationFile(ProfileDocument("[Stat]\r\nWB=1\r\nFontName=abcd\r\n")); },
        refused(OutputError::Field::FaceName));
    EXPECT_FALSE(model.checked(CheckBox::Frame));
}

TEST_F(StartedModelTest, PreviewFaceKeepsWholeCharactersWithinThirtyOneBytes) {
    // Fifteen double-byte characters and one more: the sixteenth would end at byte 32.
    std::string face;
    for (int i = 0; i < 16; ++i) {
        face += "\x83\x41";
    }
    model.setFaceNameText("a" + face, true);
    EXPECT_EQ(model.previewFont().face, "a" + face.substr(0, 30));
}

TEST_F(StartedModelTest, TypedFrameWidths) {
    model.click(CheckBox::Frame);
    const struct {
        const char* typed;
        int value;      // as read while typing
        int afterExit;  // after the field loses the focus
        std::string textAfterExit;
    } rows[] = {
        {"", 0, 0, ""},         {"-", 0, 0, "-"},     {"-5", -5, 0, "0"},
        {"150", 150, 99, "99"}, {"42", 42, 42, "42"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        model.setSpinText(SpinField::FrameWidth, row.typed);
        EXPECT_EQ(model.spinValue(SpinField::FrameWidth), row.value);
        model.spinFocusOut(SpinField::FrameWidth);
        EXPECT_EQ(model.spinValue(SpinField::FrameWidth), row.afterExit);
        EXPECT_EQ(model.spinText(SpinField::FrameWidth), row.textAfterExit);
    }
}

TEST_F(StartedModelTest, LoadingAppliesEachKeyWithTheFiringRules) {
    const std::string longText(1500, 'x');
    model.setText(LineEdit::Text, longText);
    files.files[kDat] =
        "[Stat]\r\nFontSize=9\r\nWS=150\r\nWB=0\r\nHB=1\r\nGtype1B=0\r\nFDsize=-3\r\n"
        "FontName=\r\nCol_B=255\r\n";
    model.loadGradationFile(kDat);
    EXPECT_EQ(model.spinValue(SpinField::Size), 7);
    EXPECT_EQ(model.spinValue(SpinField::FrameWidth), 99);
    EXPECT_EQ(model.spinValue(SpinField::PatternMax), 1);
    // HB is applied after WB, which did not change, so nothing unchecks or enables it.
    EXPECT_TRUE(model.checked(CheckBox::FrameBackground));
    EXPECT_FALSE(model.enabled(CheckBox::FrameBackground));
    EXPECT_FALSE(model.checked(RadioButton::Gradient) || model.checked(RadioButton::Alternate));
    EXPECT_EQ(model.snapshot().mode, GradationMode::Alternate);
    EXPECT_EQ(model.faceNameText(), "");
    EXPECT_EQ(model.previewFont().face, kWindowFaceName);
    EXPECT_EQ(model.colour(ColourSlot::Background), 255u);
    // A missing "text" keeps the current text, whole; an empty one empties it.
    EXPECT_EQ(model.text(LineEdit::Text), longText);
    files.files[kDat] = "[DATA]\r\ntext=\r\n";
    model.loadGradationFile(kDat);
    EXPECT_EQ(model.text(LineEdit::Text), "");
}

// A UTF-16 file whose text holds a surrogate without its pair: the other keys load, the text stays
// and is reported, and a save over the file keeps what the window does not write.
TEST_F(StartedModelTest, ALoneSurrogateKeepsOnlyItsKey) {
    model.setText(LineEdit::Text, "kept");
    const std::string mine = "[\0M\0i\0n\0e\0]\0\r\0\n\0n\0=\0\x00\xD8\r\0\n\0"s;
    files.files[kDat] =
        "\xFF\xFE[\0D\0A\0T\0A\0]\0\r\0\n\0t\0e\0x\0t\0=\0a\0\x00\xDC\r\0\n\0"
        "[\0S\0t\0a\0t\0]\0\r\0\n\0C\0o\0l\0_\0B\0=\0"
        "5\0\r\0\n\0"s +
        mine;
    const LoadReport report = model.loadGradationFile(kDat);
    EXPECT_TRUE(report.heldSettings);
    ASSERT_EQ(report.loneSurrogateKeys.size(), 1u);
    EXPECT_EQ(report.loneSurrogateKeys[0].key, "text");
    EXPECT_EQ(report.loneSurrogateKeys[0].surrogate.unit, 0xDC00);
    EXPECT_EQ(report.loneSurrogateKeys[0].surrogate.character, 2u);
    EXPECT_EQ(model.text(LineEdit::Text), "kept");
    EXPECT_EQ(model.colour(ColourSlot::Background), 5u);

    model.saveGradationFile(kDat);
    EXPECT_TRUE(files.files[kDat].ends_with(mine));
}

TEST_F(StartedModelTest, CancelledOrMissingLoadOnlyRegenerates) {
    const std::string before = model.markup();
    EXPECT_EQ(regenerationsOf([&] { model.loadGradationFile(std::nullopt); }), 1);
    EXPECT_EQ(regenerationsOf([&] { model.loadGradationFile("/work/none.DAT"); }), 1);
    EXPECT_EQ(model.markup(), before);
}

// Every field differs from the window's start, so a field the file does not carry back shows.
// The file written from the settings loads into a window that makes their markup and saves the
// same file again.
TEST_F(StartedModelTest, SettingsSavedFromTheirFieldsLoadBackWhole) {
    GradationSettings s;
    s.text = "  \"quoted\" text with blanks  " + std::string(1100, 'y');
    s.mode = GradationMode::Alternate;
    s.threeColours = s.frame = s.frameBackground = s.link = s.sizePattern = true;
    s.bold = s.italic = s.underline = s.strike = true;
    s.useFace = s.lineBreak = s.useSize = false;
    s.frameWidth = 3;
    s.linkTarget = "'http://example/'";
    s.faceName = " Arial ";
    s.size = 6;
    s.patternKind = SizePatternKind::None;
    s.patternMax = 2;
    s.patternMin = 5;
    s.startColour = 0x12345678;
    s.middleColour = 2;
    s.endColour = 3;
    s.backgroundColour = 4;
    saveSettingsValues(files, kDat, gradationFileValues(fileItemsOf(s)));
    const std::string saved = files.files[kDat];

    model.loadGradationFile(kDat);
    EXPECT_EQ(model.markup(), buildOutput(s, {}));
    model.saveGradationFile(kDat);
    EXPECT_EQ(files.files[kDat], saved);
}

// The chosen form is made at once, remembered beside the start-up keys, and read back at start.
TEST_F(MainWindowModelTest, TheOutputFormIsRememberedInTheStartupFile) {
    files.files["/work/lumo.ini"] = "[Stat]\r\nTB=0\r\n; mine\r\n";
    model.startUp(kDir);
    EXPECT_EQ(regenerationsOf([&] { model.chooseOutputForm(OutputForm::Span); }), 1);
    EXPECT_TRUE(model.markup().starts_with("<span style="));
    EXPECT_EQ(files.files["/work/lumo.ini"], "[Stat]\r\nTB=0\r\nForm=1\r\n; mine\r\n");
    MainWindowModel restarted(files);
    restarted.startUp(kDir);
    EXPECT_EQ(restarted.outputForm(), OutputForm::Span);
    // A chat form is remembered as well; a form the menu does not offer starts as FONT.
    for (const auto& [form, expected] :
         {std::pair{"Form=6", OutputForm::Json}, std::pair{"Form=3", OutputForm::Font},
          std::pair{"Form=7", OutputForm::Font}}) {
        files.files["/work/lumo.ini"] = std::string("[Stat]\r\n") + form + "\r\n";
        MainWindowModel started(files);
        started.startUp(kDir);
        EXPECT_EQ(started.outputForm(), expected) << form;
    }

    files.unwritable.insert("/work/lumo.ini");
    EXPECT_THROW(model.chooseOutputForm(OutputForm::Bbcode), FileWriteError);
    EXPECT_EQ(model.outputForm(), OutputForm::Span);

    // Without a start-up file the built-in defaults are written too, so the next start keeps
    // the size, font and line-break switches on.
    test::MemoryFileSystem fresh;
    MainWindowModel first(fresh);
    first.startUp(kDir);
    first.chooseOutputForm(OutputForm::Bbcode);
    MainWindowModel next(fresh);
    next.startUp(kDir);
    EXPECT_EQ(next.startupSettings(), first.startupSettings());
}

// The language a run gives wins over the one lumo.ini remembers, which wins over the locale's; a
// switch is remembered in a section of its own, the eleven keys kept, and stands even when the
// file cannot be written.
TEST_F(MainWindowModelTest, TheLanguageIsChosenRememberedAndOverridden) {
    files.files["/work/lumo.ini"] = "[Stat]\r\nTB=0\r\n";
    model.setLocaleLanguage(Language::English);
    model.startUp(kDir);
    EXPECT_EQ(model.language(), Language::English);
    model.switchLanguage();
    EXPECT_EQ(model.language(), Language::Japanese);
    EXPECT_EQ(files.files["/work/lumo.ini"],
              "[Stat]\r\nTB=0\r\n[HuewrightHTML]\r\nLanguage=ja\r\n");

    MainWindowModel restarted(files);
    restarted.setLocaleLanguage(Language::English);
    restarted.startUp(kDir);
    EXPECT_EQ(restarted.language(), Language::Japanese);
    restarted.setRunLanguage(Language::English);
    EXPECT_EQ(restarted.language(), Language::English);

    files.unwritable.insert("/work/lumo.ini");
    EXPECT_THROW(restarted.switchLanguage(), FileWriteError);
    EXPECT_EQ(restarted.language(), Language::Japanese);
}

// A refusal is a state: no fragment while it stands, reported once until it changes or goes.
TEST_F(StartedModelTest, ARefusedFormIsAStateReportedOnce) {
    model.chooseOutputForm(OutputForm::Span);
    model.setChecked(CheckBox::Link, true);
    model.setText(LineEdit::LinkTarget, "tel:");
    ASSERT_TRUE(model.refusal());
    EXPECT_EQ(model.refusal()->scheme(), "tel:");
    EXPECT_EQ(model.markup(), "");
    EXPECT_FALSE(model.enabled(Button::CopyMarkup));
    EXPECT_TRUE(model.refusalToReport());
    EXPECT_FALSE(model.refusalToReport());
    model.setText(LineEdit::LinkTarget, "tel:+81-3");
    EXPECT_FALSE(model.refusalToReport());
    // Another form refusing the same link is news.
    model.chooseOutputForm(OutputForm::Bbcode);
    EXPECT_TRUE(model.refusalToReport());

    model.chooseOutputForm(OutputForm::Font);
    EXPECT_FALSE(model.refusal());
    EXPECT_TRUE(model.markup().starts_with("<A HREF=\"tel:+81-3\">"));
    EXPECT_TRUE(model.enabled(Button::CopyMarkup));
    // Resolved, the same refusal again is news again.
    model.chooseOutputForm(OutputForm::Span);
    EXPECT_TRUE(model.refusalToReport());
}

// The forms that write UTF-8 take any text and colour each user-perceived character as one; the
// FONT form and a save, both code page 932, refuse a character it cannot hold, and the text stays.
TEST_F(StartedModelTest, ATextBeyondCodePage932IsColouredInTheUtf8FormsAndKept) {
    model.chooseOutputForm(OutputForm::Span);
    EXPECT_EQ(model.textCharacters(), EntryCharacters::Any);
    const std::string text = "虹👍🏽e\u0301";
    model.setTextUtf8(text);
    EXPECT_EQ(model.textUtf8(), text);
    EXPECT_EQ(model.text(LineEdit::Text), "");
    const std::string& markup = model.markup();
    EXPECT_EQ(model.markupEncoding(), TextEncoding::Utf8);
    for (const std::string character : {"虹", "👍🏽", "e\u0301"}) {
        EXPECT_NE(markup.find(">" + character + "</span>"), std::string::npos) << character;
    }

    model.chooseOutputForm(OutputForm::Font);
    EXPECT_EQ(model.textCharacters(), EntryCharacters::CodePage932);
    ASSERT_TRUE(model.refusal());
    EXPECT_EQ(model.refusal()->reason(), OutputError::Reason::BeyondCodePage932);
    EXPECT_EQ(model.refusal()->character(), U'\U0001F44D');
    EXPECT_EQ(model.refusal()->position(), 2U);
    EXPECT_EQ(model.markup(), "");
    EXPECT_TRUE(model.refusalToReport());
    model.setTextUtf8(text + "x");
    EXPECT_FALSE(model.refusalToReport());
    EXPECT_THAT([&] { model.saveGradationFile(kDat); },
                Throws<OutputError>(Property(&OutputError::position, 2U)));
    EXPECT_FALSE(files.files.contains(kDat));
    EXPECT_EQ(model.textUtf8(), text + "x");

    // A text code page 932 holds is the window's own again.
    model.setTextUtf8("虹");
    EXPECT_FALSE(model.refusal());
    EXPECT_EQ(model.text(LineEdit::Text), "\x93\xF8");
    EXPECT_EQ(model.markup(), buildOutput(model.snapshot(), {}));
    model.setLongestText(2);
    EXPECT_THROW(model.setTextUtf8("👍👍👍"), TextTooLongError);
    EXPECT_EQ(model.textUtf8(), "虹");
}

}  // namespace
}  // namespace huewright
