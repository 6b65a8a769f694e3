#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/layout.h"
#include "support/temporary_directory.h"

namespace huewright {
namespace {

// A caption as the help page writes it: without the "&" before the access key and without a
// trailing "...".
std::string asWritten(std::string caption) {
    std::erase(caption, '&');
    if (caption.ends_with("...")) {
        caption.resize(caption.size() - 3);
    }
    return caption;
}

// Every button of the windows and every menu and menu item is explained on the help page.
TEST(HelpPage, NamesEveryButtonAndMenuItem) {
    std::string page = test::readBytes(HELP_PAGE);
    ASSERT_FALSE(page.empty()) << HELP_PAGE;
    for (std::string::size_type at; (at = page.find("&lt;")) != std::string::npos;) {
        page.replace(at, 4, "<");
    }
    std::vector<std::string> captions;
    for (const WindowLayout* window : allWindowLayouts()) {
        for (const ControlLayout& control : window->controls) {
            if (control.kind == ControlKind::Button) {
                captions.push_back(asWritten(control.caption));
            }
        }
    }
    for (const MenuLayout& entry : mainMenuLayout()) {
        if (entry.kind != MenuLayout::Kind::Separator) {
            captions.push_back(asWritten(entry.caption));
        }
    }
    for (const std::string& caption : captions) {
        EXPECT_NE(page.find(caption), std::string::npos) << caption;
    }
}

}  // namespace
}  // namespace huewright
