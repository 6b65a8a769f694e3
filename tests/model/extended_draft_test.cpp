#include "model/extended_draft.h"

#include <gtest/gtest.h>

#include <string>

#include "generator/colour_list.h"
#include "model/error_messages.h"
#include "model/main_window_model.h"
#include "support/memory_file_system.h"

namespace huewright {
namespace {

using E = ExtendedControl;

const std::filesystem::path kStartDir = "/work";

class ExtendedDraftTest : public ::testing::Test {
  protected:
    void SetUp() override {
        model.startUp(kStartDir);
        draft.open(model.colourOptions(), model.windowStops());
    }

    test::MemoryFileSystem files;
    MainWindowModel model{files};
    ExtendedDraft draft;
};

// What the dialog stores makes the bytes the command line makes from the same options.
TEST_F(ExtendedDraftTest, TheMarkupIsTheCommandLinesForTheSameOptions) {
    const struct {
        const char* stops;
        E blend;
        bool exactEnds;
        bool mergeRuns;
    } rows[] = {
        {"#FF0000,#00FF00", E::Rgb, false, false},
        {"#ff0000,#00ff00,#0000FF,#FFFFFF", E::Rgb, true, false},
        {"#000000,#FFFFFF", E::Oklab, false, true},
        {"#FF0000,#0000FF,#FF0000", E::Oklch, false, false},
        {"", E::Oklab, false, true},  // the window's own colours, blended otherwise
    };
    model.setText(LineEdit::Text, "HuewrightHTML gradient text!");
    for (const auto& row : rows) {
        draft.click(E::Reset);
        draft.setStopsText(row.stops);
        draft.click(row.blend);
        if (row.exactEnds) {
            draft.click(E::ExactEnds);
        }
        if (row.mergeRuns) {
            draft.click(E::MergeRuns);
        }
        model.setColourOptions(draft.values());

        OutputOptions options;
        options.stops = parseColourList(row.stops).stops;
        options.blend = draft.blend();
        options.exactEnds = row.exactEnds;
        options.mergeRuns = row.mergeRuns;
        EXPECT_EQ(model.markup(), buildOutput(model.snapshot(), options)) << row.stops;
    }
    draft.click(E::Reset);
    model.setColourOptions(draft.values());
    EXPECT_EQ(model.markup(), buildOutput(model.snapshot(), {}));
}

// The list's buttons keep it within 2 to 16 stops; a list that cannot be read holds them back,
// shows no strip, and is refused with its reason when stored.
TEST_F(ExtendedDraftTest, TheListStaysWithinItsBoundsAndARefusedOneIsSaid) {
    EXPECT_EQ(draft.stopsText(), "");
    EXPECT_EQ(draft.stripColours(3).front(), model.colour(ColourSlot::Start));
    draft.click(E::Rainbow);
    EXPECT_EQ(draft.stops()->size(), 7U);
    for (int i = 0; i < 12; ++i) {
        draft.addStop(0x123456);
    }
    EXPECT_EQ(draft.stops()->size(), 16U);
    for (int i = 0; i < 20; ++i) {
        draft.click(E::RemoveStop);
    }
    EXPECT_EQ(draft.stopsText(), "#FF0000,#FF8000");
    draft.click(E::Reverse);
    EXPECT_EQ(draft.stopsText(), "#FF8000,#FF0000");
    EXPECT_EQ(draft.stripColours(263).size(), 263U);

    draft.setStopsText("#FF0000,red");
    EXPECT_EQ(draft.stops(), std::nullopt);
    EXPECT_TRUE(draft.stripColours(263).empty());
    for (const ShownControl& shown : extendedDialogState(draft)) {
        if (shown.control == Control(E::AddStop) || shown.control == Control(E::RemoveStop) ||
            shown.control == Control(E::Reverse)) {
            EXPECT_FALSE(*shown.state.enabled) << nameOf(shown.control);
        }
    }
    try {
        (void)draft.values();
        FAIL() << "a list that cannot be read was taken";
    } catch (const StopListError& error) {
        EXPECT_TRUE(errorMessage(error).starts_with("色の並びを読めません（")) << error.what();
    }
}

// A save writes the options in the program's own section, as the command line's does, and a
// load takes them back; the window's own colours save what they always did.
TEST_F(ExtendedDraftTest, TheOptionsGoThroughAGradationFile) {
    const std::filesystem::path dat = "/work/a.DAT";
    model.saveGradationFile(dat);
    EXPECT_EQ(files.files[dat].find("[HuewrightHTML]"), std::string::npos);

    draft.click(E::Ocean);
    draft.click(E::Oklch);
    draft.click(E::MergeRuns);
    model.setColourOptions(draft.values());
    model.saveGradationFile(dat);
    EXPECT_NE(files.files[dat].find("Colours=#001F54,#0A75AD,#5FD3F3"), std::string::npos);

    MainWindowModel other(files);
    other.startUp(kStartDir);
    other.loadGradationFile(dat);
    EXPECT_EQ(other.colourOptions(), model.colourOptions());
    EXPECT_EQ(other.markup(), model.markup());
}

}  // namespace
}  // namespace huewright
