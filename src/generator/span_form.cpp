// The span form is HTML5 as a browser shows the FONT form: lower-case tags and colour digits
// (HTML5's and CSS's own habit, whatever the upper-case option says), each legacy attribute
// turned into the style a browser gives it, and the texts escaped.
#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>

#include "generator/form_writer.h"
#include "text/decimal.h"

namespace huewright {

namespace {

// Names a FACE may hold that CSS reads as its generic families, so they stay unquoted.
constexpr std::array<std::string_view, 6> kGenericFamilies = {"serif",   "sans-serif", "monospace",
                                                              "cursive", "fantasy",    "system-ui"};

std::string_view sizeKeyword(int size) {
    return kCssSizeKeywords[static_cast<std::size_t>(htmlSizeInRange(size) - 1)];
}

bool isGenericFamily(std::string_view name) {
    return std::any_of(kGenericFamilies.begin(), kGenericFamilies.end(), [&](std::string_view g) {
        return std::equal(name.begin(), name.end(), g.begin(), g.end(), [](char a, char b) {
            return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
        });
    });
}

// The characters HTML gives meaning to. All lie below 0x40, where no code page 932 trail byte
// does, so bytes can be looked at one by one in either encoding.
bool isHtmlSpecial(char c) {
    return c == '<' || c == '>' || c == '&' || c == '"';
}

void appendHtmlEscaped(std::string& out, std::string_view text) {
    for (const char c : text) {
        switch (c) {
            case '<':
                out.append("&lt;");
                break;
            case '>':
                out.append("&gt;");
                break;
            case '&':
                out.append("&amp;");
                break;
            case '"':
                out.append("&quot;");
                break;
            default:
                out.push_back(c);
        }
    }
}

// A FACE is a comma-separated list of names, as font-family is; each name other than a generic
// family becomes a quoted CSS string, so that no name can end the declaration or the property.
std::string fontFamily(std::string_view face, TextEncoding encoding) {
    std::string family;
    std::size_t begin = 0;
    while (begin <= face.size()) {
        std::size_t end = begin;
        while (end < face.size() && face[end] != ',') {
            end += escapeUnitAt(face, end, encoding);
        }
        std::string_view name = face.substr(begin, end - begin);
        name.remove_prefix(std::min(name.find_first_not_of(' '), name.size()));
        name.remove_suffix(name.size() - (name.find_last_not_of(' ') + 1));
        begin = end + 1;
        if (name.empty()) {
            continue;
        }
        if (!family.empty()) {
            family.push_back(',');
        }
        if (isGenericFamily(name)) {
            family.append(name);
            continue;
        }
        family.push_back('\'');
        for (std::size_t pos = 0; pos < name.size();) {
            const auto [c, length] = characterAt(name, pos, encoding);
            if (isControlOrNoncharacter(c, false)) {
                // A line break or form feed would end the CSS string; its hex escape cannot.
                char digits[8];
                family.push_back('\\');
                family.append(digits, std::to_chars(digits, digits + sizeof digits,
                                                    static_cast<std::uint32_t>(c), 16)
                                          .ptr);
                family.push_back(' ');
            } else {
                if (c == '\'' || c == '\\') {
                    family.push_back('\\');
                }
                family.append(name.substr(pos, length));
            }
            pos += length;
        }
        family.push_back('\'');
    }
    return family;
}

// Appends ` style="..."` holding the declarations, or nothing when there are none.
void appendStyle(std::string& out, std::initializer_list<std::string_view> declarations) {
    bool first = true;
    for (const std::string_view declaration : declarations) {
        if (declaration.empty()) {
            continue;
        }
        out.append(first ? " style=\"" : ";");
        appendHtmlEscaped(out, declaration);
        first = false;
    }
    if (!first) {
        out.push_back('"');
    }
}

class SpanWriter {
  public:
    SpanWriter(std::string& out, const GradationSettings& s, TextEncoding encoding)
        : out_(out), s_(s), encoding_(encoding) {}

    void open() {
        if (s_.frame) {
            // A browser draws a BORDER table outset and its cells 1px inset, in gray; a width it
            // cannot read (one still being typed, such as -5) counts as 1.
            const int width = s_.frameWidth < 0 ? 1 : s_.frameWidth;
            std::string border;
            if (width > 0) {
                border = "border:";
                appendDecimal(border, width);
                border.append("px outset gray");
            }
            std::string background;
            if (s_.frameBackground) {
                background = "background-color:#000000";
                writeColourCode(background.data() + background.size() - 6, s_.backgroundColour,
                                false);
            }
            out_.append("<table");
            appendStyle(out_, {border});
            out_.append("><tr><td");
            appendStyle(out_, {width > 0 ? "border:1px inset gray" : "", background});
            out_.append(">");
        }
        if (s_.link) {
            out_.append("<a href=\"");
            appendHtmlEscaped(out_, s_.linkTarget);
            out_.append("\">");
        }
        const std::string names = s_.useFace ? fontFamily(s_.faceName, encoding_) : "";
        const std::string family = names.empty() ? "" : "font-family:" + names;
        const std::string size =
            s_.useSize && !s_.sizePattern ? "font-size:" + std::string(sizeKeyword(s_.size)) : "";
        const std::string decoration =
            s_.underline || s_.strike
                ? std::string("text-decoration:") +
                      (s_.underline && s_.strike ? "underline line-through"
                                                 : (s_.underline ? "underline" : "line-through"))
                : "";
        wrapper_ = !family.empty() || !size.empty() || !decoration.empty();
        if (wrapper_) {
            out_.append("<span");
            appendStyle(out_, {family, size, decoration});
            out_.append(">");
        }
        if (s_.bold) {
            out_.append(s_.strongForBold ? "<strong>" : "<b>");
        }
        if (s_.italic) {
            out_.append(s_.emForItalic ? "<em>" : "<i>");
        }
    }

    void run(std::string_view characters, ColourValue colour, int size) {
        // The head is put together on the stack and joins the output in one append.
        char head[64] = "<span style=\"color:#";
        char* p = writeColourCode(head + 20, colour, false);
        if (s_.sizePattern) {
            const std::string_view keyword = sizeKeyword(size);
            p = std::copy_n(";font-size:", 11, p);
            p = std::copy(keyword.begin(), keyword.end(), p);
        }
        *p++ = '"';
        *p++ = '>';
        out_.append(head, static_cast<std::size_t>(p - head));
        appendText(characters);
        out_.append("</span>");
    }

    void close() {
        if (s_.italic) {
            out_.append(s_.emForItalic ? "</em>" : "</i>");
        }
        if (s_.bold) {
            out_.append(s_.strongForBold ? "</strong>" : "</b>");
        }
        if (wrapper_) {
            out_.append("</span>");
        }
        if (s_.link) {
            out_.append("</a>");
        }
        if (s_.frame) {
            out_.append("</td></tr></table>");
        }
        if (s_.lineBreak) {
            out_.append("<br>");
        }
    }

  private:
    void appendText(std::string_view characters) {
        if (std::none_of(characters.begin(), characters.end(),
                         [](char c) { return c == ' ' || isHtmlSpecial(c); })) {
            out_.append(characters);
            afterSpace_ = false;
            return;
        }
        // HTML folds runs of spaces into one and drops them at the ends of a line: a space that
        // opens or ends the text or follows another is a no-break space, so every typed space
        // shows while single spaces between words still let the line wrap.
        const char* const textEnd = s_.text.data() + s_.text.size();
        const char* const last = characters.data() + characters.size() - 1;
        for (const char& c : characters) {
            if (c == ' ' && (afterSpace_ || (&c == last && last + 1 == textEnd))) {
                out_.append("&nbsp;");
            } else if (isHtmlSpecial(c)) {
                appendHtmlEscaped(out_, std::string_view(&c, 1));
            } else {
                out_.push_back(c);
            }
            afterSpace_ = c == ' ';
        }
    }

    std::string& out_;
    const GradationSettings& s_;
    TextEncoding encoding_;
    bool wrapper_ = false;
    bool afterSpace_ = true;
};

}  // namespace

void writeSpanForm(const GradationSettings& s, const OutputOptions& options, const FormTarget& to) {
    SpanWriter writer(to.out, s, encodingOf(options));
    writeForm(writer, s, options, to);
}

}  // namespace huewright
