#pragma once

#include <string>

namespace huewright {

/// The fragment the window shows at start for the text "abc", as UTF-8.
inline const std::string kAbcMarkup =
    "<FONT FACE=\"ＭＳ Ｐゴシック\" SIZE=\"3\" ><FONT COLOR=\"#FF00FF\">a</FONT>"
    "<FONT COLOR=\"#8000FF\">b</FONT><FONT COLOR=\"#0000FF\">c</FONT></FONT><BR>";

}  // namespace huewright
