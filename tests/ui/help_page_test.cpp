#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "generator/colour_code.h"
#include "model/language.h"
#include "model/layout.h"
#include "model/main_window_model.h"
#include "support/temporary_directory.h"

namespace huewright {
namespace {

// Each help page and the language it speaks.
struct HelpPageFile {
    const char* path;
    Language language;
};
constexpr HelpPageFile kHelpPages[] = {{HELP_PAGE, Language::Japanese},
                                       {ENGLISH_HELP_PAGE, Language::English}};

// The page's text with "&lt;" read as "<" and the access keys' underlines taken away.
std::string readPage(const char* path) {
    std::string page = test::readBytes(path);
    for (const auto& [marked, plain] : {std::pair{"&lt;", "<"}, std::pair{"<u>", ""},
                                        std::pair{"</u>", ""}, std::pair{"&amp;", "&"}}) {
        for (std::string::size_type at; (at = page.find(marked)) != std::string::npos;) {
            page.replace(at, std::string_view(marked).size(), plain);
        }
    }
    return page;
}

// A caption as the help page writes it: without the "&" before the access key and without a
// trailing "...".
std::string asWritten(std::string_view shown) {
    std::string caption(shown);
    std::erase(caption, '&');
    if (caption.ends_with("...")) {
        caption.resize(caption.size() - 3);
    }
    return caption;
}

// Every button and check box of the windows and every menu and menu item is explained on each
// help page, in the page's language.
TEST(HelpPage, NamesEveryButtonAndMenuItem) {
    for (const auto& [path, language] : kHelpPages) {
        const std::string page = readPage(path);
        ASSERT_FALSE(page.empty()) << path;
        std::vector<std::string> captions;
        for (const WindowLayout* window : allWindowLayouts()) {
            for (const ControlLayout& control : window->controls) {
                if (control.kind == ControlKind::Button || control.kind == ControlKind::CheckBox) {
                    captions.push_back(asWritten(inLanguage(control.caption, language)));
                }
            }
        }
        for (const MenuLayout& entry : mainMenuLayout()) {
            if (entry.kind != MenuLayout::Kind::Separator) {
                captions.push_back(asWritten(inLanguage(entry.caption, language)));
            }
        }
        for (const std::string& caption : captions) {
            EXPECT_NE(page.find(caption), std::string::npos) << path << ": " << caption;
        }
    }
}

// The help's table of colour codes and the colours they give is what the colour-code dialog reads.
TEST(HelpPage, ColourCodeExamplesAreWhatTheDialogReads) {
    for (const HelpPageFile& help : kHelpPages) {
        const std::string page = test::readBytes(help.path);
        const std::size_t table = page.find("<table id=\"colour-code-examples\">");
        ASSERT_NE(table, std::string::npos);
        const std::string rows = page.substr(table, page.find("</table>", table) - table);
        const ColourValue shown = 0x563412;  // #123456
        // Each row: <tr><td><code>typed</code></td><td><code>#RRGGBB</code>..., or a cell without a
        // code for an empty box.
        const std::string row = "<tr><td>";
        const std::string code = "<code>";
        const std::string colour = "</td><td><code>#";
        int checked = 0;
        for (std::size_t at = rows.find(row); at != std::string::npos;
             at = rows.find(row, at + 1)) {
            const std::size_t cell = at + row.size();
            const std::string typed =
                rows.compare(cell, code.size(), code) == 0
                    ? rows.substr(cell + code.size(),
                                  rows.find("</code>", cell) - cell - code.size())
                    : std::string();
            const std::string expected =
                rows.substr(rows.find(colour, cell) + colour.size() - 1, 7);
            EXPECT_EQ(colourToCode(MainWindowModel::colourFromCode(typed, shown), true, true),
                      expected)
                << typed;
            ++checked;
        }
        EXPECT_EQ(checked, 8) << help.path;
    }
}

}  // namespace
}  // namespace huewright
