// 開く takes a gradation settings file, or a fragment the program wrote in any form.
#include <gtest/gtest.h>

#include <string>

#include "generator/output.h"
#include "model/error_messages.h"
#include "model/main_window_model.h"
#include "support/memory_file_system.h"
#include "text/conversion_error.h"
#include "text/cp932.h"

namespace huewright {
namespace {

const std::filesystem::path kOpenDir = "/work";
const std::filesystem::path kOpenedFile = "/work/old.html";

class OpenFileTest : public ::testing::Test {
  protected:
    void SetUp() override { model.startUp(kOpenDir); }

    test::MemoryFileSystem files;
    MainWindowModel model{files};
};

// A fragment opens into the settings, colour options and form that make it again, byte for
// byte, in code page 932 or saved by an editor in UTF-8 with a line end; the form the menu
// offers is remembered as a choice of the menu is.
TEST_F(OpenFileTest, AFragmentOpensIntoTheWindowThatMakesIt) {
    GradationSettings s;
    s.text = utf8ToCp932("グラデ [x] <y>");
    s.bold = true;
    s.link = true;
    s.linkTarget = "https://example.com/";
    OutputOptions options;
    options.form = OutputForm::Bbcode;
    options.stops = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
    options.blend = Blend::Oklab;
    const std::string fragment = buildOutput(s, options);

    for (const std::string& bytes : {fragment, cp932ToUtf8(fragment) + "\n"}) {
        MainWindowModel window(files);
        window.startUp(kOpenDir);
        files.files[kOpenedFile] = bytes;
        const LoadReport report = window.openFile(kOpenedFile);
        EXPECT_TRUE(report.heldSettings);
        EXPECT_EQ(window.outputForm(), OutputForm::Bbcode);
        // The window writes the form in UTF-8.
        EXPECT_EQ(window.markup(), cp932ToUtf8(fragment));
        EXPECT_EQ(window.colourOptions().stops, options.stops);
    }
    MainWindowModel next(files);
    next.startUp(kOpenDir);
    EXPECT_EQ(next.outputForm(), OutputForm::Bbcode);
}

// A fragment edited by hand opens with the nearest settings and says so; bytes that are neither
// settings nor a fragment, or a UTF-8 fragment code page 932 cannot hold, change nothing.
TEST_F(OpenFileTest, WhatCannotBeMadeAgainIsSaidAndWhatCannotBeReadChangesNothing) {
    std::string edited;
    for (int i = 0; i < 20; ++i) {
        edited += i == 3 || i == 11 || i == 12 ? "<FONT COLOR=\"#000000\">x</FONT>"
                                               : "<FONT COLOR=\"#FFFFFF\">x</FONT>";
    }
    files.files[kOpenedFile] = edited;
    EXPECT_THROW(model.openFile(kOpenedFile), FragmentApproachedError);
    EXPECT_EQ(model.text(LineEdit::Text), std::string(20, 'x'));

    const std::string before = model.markup();
    files.files[kOpenedFile] = "<p>not ours</p>";
    EXPECT_FALSE(model.openFile(kOpenedFile).heldSettings);
    files.files[kOpenedFile] = "<FONT COLOR=\"#FF0000\">\xF0\x9F\x91\x8D</FONT>";
    EXPECT_THROW(model.openFile(kOpenedFile), ConversionError);
    EXPECT_EQ(model.markup(), before);
}

// A fragment the window wrote in a form that writes UTF-8, beyond code page 932, opens whole.
TEST_F(OpenFileTest, AUtf8FragmentBeyondCodePage932OpensInItsForm) {
    MainWindowModel writer(files);
    writer.startUp(kOpenDir);
    writer.chooseOutputForm(OutputForm::Bbcode);
    writer.setTextUtf8("虹👍🏽e\u0301");
    writer.setChecked(CheckBox::Bold, true);
    files.files[kOpenedFile] = writer.markup();
    writer.chooseOutputForm(OutputForm::Font);

    model.openFile(kOpenedFile);
    EXPECT_EQ(model.outputForm(), OutputForm::Bbcode);
    EXPECT_EQ(model.textUtf8(), "虹👍🏽e\u0301");
    EXPECT_EQ(model.markup(), files.files[kOpenedFile]);
}

}  // namespace
}  // namespace huewright
