// Writes random runs of huewright-cli, for comparing two builds of it byte for byte: each run in a
// folder of its own, with its arguments (file "args", each ended by a NUL byte), and as it draws
// them a start-up file (lumo.ini), a gradation settings file (in.DAT) and standard input (file
// "stdin"). The keys, the flags and the value rules come from the program's own tables.
//
//   random_cli_runs SEED COUNT FOLDER

#include <charconv>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "generator/colour_code.h"
#include "model/gradation_fields.h"
#include "model/gradation_file.h"
#include "persistence/startup_settings.h"
#include "support/temporary_directory.h"
#include "text/cp932.h"
#include "text/utf16.h"

namespace huewright {
namespace {

// Characters that code page 932 holds, the backslash and the tilde, NEC's and IBM's rows among
// them, and what markup gives meaning to.
constexpr std::string_view kCodePage932Characters[] = {
    "a",  "Z", "0",  " ",  "  ", "<",  ">",  "&",  "\"", "'", "[",  "]",
    "\\", "~", "=",  ";",  "#",  "/",  "あ", "ア", "ｱ",  "ﾟ", "漢", "字",
    "①",  "Ⅹ", "㈱", "ー", "　", "～", "∥",  "￢", "纊", "髙"};
// Whole user-perceived characters beyond code page 932 that libutf8proc's Unicode 15.0 and the
// Intl.Segmenter of node (Unicode 17) split alike. No Indic conjuncts, which Unicode 15.1 joined.
// clang-format off
constexpr std::string_view kUnicodeCharacters[] = {
    "e\u0301", "a\u0308\u0323", "\u0301",   // combining marks, one without its letter
    "👨‍👩‍👧", "👍🏽", "❤️", "😀", "\u200D",      // a family, a skin tone, emoji, a lone joiner
    "🇯🇵", "🇺",                              // a flag and a lone regional indicator
    "한", "\u1100\u1161\u11A8",              // a Hangul syllable, and one in jamo
    "\t", "é", "Ω", "Ж", "ß"};               // a tab, letters
// clang-format on
constexpr std::string_view kFaceNames[] = {
    "ＭＳ Ｐゴシック", "Arial", "x\"y", "a]", "メイリオ", "", "Times New Roman", "font's <b>"};
constexpr std::string_view kLinkTargets[] = {
    "http://", "https://例.jp/?a=1&b=<2>", "mailto:a@b", "page.html", "javascript:x", "ftp://x/y",
    ""};
constexpr std::string_view kForms[] = {"font",        "span",      "bbcode", "ansi",
                                       "minimessage", "ampersand", "json"};
constexpr std::string_view kBlends[] = {"rgb", "oklab", "oklch"};
constexpr std::string_view kPatternKinds[] = {"falling", "valley", "alternating", "none"};
constexpr std::string_view kLineEnds[] = {"\r\n", "\n"};

class Draw {
  public:
    explicit Draw(std::uint32_t seed) : engine_(seed) {}

    bool chance(double p) { return std::bernoulli_distribution(p)(engine_); }
    int number(int low, int high) { return std::uniform_int_distribution(low, high)(engine_); }
    std::uint32_t bits() { return static_cast<std::uint32_t>(engine_()); }
    // Appends `words` to `args` with probability `p`.
    void sometimes(double p, std::vector<std::string>& args,
                   std::initializer_list<std::string> words) {
        if (chance(p)) {
            args.insert(args.end(), words);
        }
    }
    template <typename T, std::size_t N>
    const T& oneOf(const T (&items)[N]) {
        return items[static_cast<std::size_t>(number(0, static_cast<int>(N) - 1))];
    }

    // A UTF-8 text of whole characters, beyond code page 932 when `unicode`.
    std::string text(bool unicode) {
        std::string text;
        for (int i = number(0, 24); i > 0; --i) {
            text +=
                unicode && chance(0.3) ? oneOf(kUnicodeCharacters) : oneOf(kCodePage932Characters);
        }
        return text;
    }

    // A colour code as a user types one: six digits, with or without "#", in either case.
    std::string colourCode() {
        const ColourValue colour = bits();
        const bool upperCase = chance(0.5);
        return colourToCode(colour, chance(0.5), upperCase);
    }

  private:
    std::mt19937 engine_;
};

// The flags of the window's fields, each drawn or not, by the kind of value it takes.
void drawFieldFlags(Draw& draw, bool unicode, std::vector<std::string>& args) {
    for (const GradationField& field : kGradationFields) {
        if (field.flag.empty() || !draw.chance(0.35)) {
            continue;
        }
        const std::string flag = "--" + std::string(field.flag);
        if (!field.negation.empty()) {
            args.push_back(draw.chance(0.5) ? flag : "--" + std::string(field.negation));
            continue;
        }
        std::visit(
            [&](const auto& binding) {
                using Value = std::decay_t<decltype(GradationSettings{}.*binding.member)>;
                args.push_back(flag);
                if constexpr (std::is_same_v<Value, std::string>) {
                    args.emplace_back(draw.chance(0.5) ? draw.text(unicode)
                                      : binding.member == &GradationSettings::faceName
                                          ? draw.oneOf(kFaceNames)
                                          : draw.oneOf(kLinkTargets));
                } else if constexpr (std::is_same_v<Value, ColourValue>) {
                    args.push_back(draw.colourCode());
                } else if constexpr (std::is_same_v<Value, int>) {
                    const SpinRange range = rangeOf(binding.item);
                    args.push_back(std::to_string(draw.number(range.minimum, range.maximum)));
                } else if constexpr (std::is_same_v<Value, SizePatternKind>) {
                    args.emplace_back(draw.oneOf(kPatternKinds));
                }
            },
            field.binding);
    }
}

// The output form, its options and the destinations.
void drawFormFlags(Draw& draw, std::string_view form, std::vector<std::string>& args) {
    if (form != "font" || draw.chance(0.2)) {
        args.insert(args.end(), {"--format", std::string(form)});
    }
    if (draw.chance(0.3)) {
        args.insert(args.end(), {"--encoding", draw.chance(0.7) ? "cp932" : "utf-8"});
    }
    draw.sometimes(0.2, args, {"--merge-runs"});
    draw.sometimes(0.2, args, {"--exact-ends"});
    if (draw.chance(0.3)) {
        args.insert(args.end(), {"--blend", std::string(draw.oneOf(kBlends))});
    }
    if (draw.chance(0.2)) {
        std::string stops = draw.colourCode();
        for (int i = draw.number(1, 5); i > 0; --i) {
            stops += "," + draw.colourCode();
        }
        args.insert(args.end(), {"--colours", stops});
    }
    draw.sometimes(0.1, args, {"--length"});
    draw.sometimes(0.2, args, {"-o", "out.html"});
    draw.sometimes(0.15, args, {"--save", "saved.DAT"});
    if (draw.chance(0.1)) {
        args.insert(args.end(), {"--save-startup", draw.chance(0.5) ? "lumo.ini" : "new.ini"});
    }
}

// A value as a hand-edited file may hold it: mostly as saved, sometimes in hexadecimal, with
// blanks around it or not a number at all.
std::string drawnValue(Draw& draw, const std::string& saved) {
    const bool number =
        !saved.empty() && saved.find_first_not_of("-0123456789") == std::string::npos;
    if (!number || draw.chance(0.8)) {
        return saved;
    }
    switch (draw.number(0, 2)) {
        case 0: {
            char digits[16];
            const auto end =
                std::to_chars(digits, digits + sizeof digits, std::stoll(saved) & 0xFFFFFFFF, 16)
                    .ptr;
            return "$" + std::string(digits, end);
        }
        case 1:
            return " " + saved + " ";
        default:
            return "x" + saved;
    }
}

// A settings file holding a drawn part of `values` in their sections, in code page 932, UTF-8 or
// UTF-16 with its byte-order mark.
std::string settingsFile(Draw& draw, const std::vector<SettingsValue>& values,
                         const std::string& extraLine) {
    const std::string_view lineEnd = draw.oneOf(kLineEnds);
    std::string content;
    std::string_view section;
    for (const SettingsValue& value : values) {
        if (!draw.chance(0.7)) {
            continue;
        }
        if (value.key.section != section) {
            section = value.key.section;
            content += "[" + std::string(section) + "]" + std::string(lineEnd);
        }
        content +=
            std::string(value.key.key) + "=" + drawnValue(draw, value.text) + std::string(lineEnd);
    }
    if (!extraLine.empty()) {
        content += (section == "Stat" ? "" : "[Stat]" + std::string(lineEnd)) + extraLine +
                   std::string(lineEnd);
    }
    switch (draw.number(0, 5)) {
        case 0:
            return "\xEF\xBB\xBF" + cp932ToUtf8(content);
        case 1:
            return "\xFF\xFE" + utf8ToUtf16(cp932ToUtf8(content), Utf16ByteOrder::LittleEndian);
        default:
            return content;
    }
}

std::string startupFile(Draw& draw) {
    StartupSettings s;
    for (ColourValue* colour :
         {&s.startColour, &s.middleColour, &s.endColour, &s.backgroundColour}) {
        *colour = draw.chance(0.9) ? draw.bits() & 0xFFFFFF : draw.bits();
    }
    for (bool* flag :
         {&s.useSize, &s.useFace, &s.lineBreak, &s.upperCaseTags, &s.hashInColourCodes}) {
        *flag = draw.chance(0.5);
    }
    s.boldTagForm = draw.number(-1, 2);
    s.italicTagForm = draw.number(-1, 2);
    const std::string form = draw.chance(0.3) ? "Form=" + std::to_string(draw.number(0, 3)) : "";
    return settingsFile(draw, startupFileValues(s), form);
}

std::string gradationFile(Draw& draw) {
    GradationSettings s;
    s.text = utf8ToCp932(draw.text(false));
    s.mode = draw.chance(0.5) ? GradationMode::Gradient : GradationMode::Alternate;
    for (ColourValue* colour :
         {&s.startColour, &s.middleColour, &s.endColour, &s.backgroundColour}) {
        *colour = draw.bits() & 0xFFFFFF;
    }
    for (bool* flag :
         {&s.threeColours, &s.frame, &s.frameBackground, &s.link, &s.useFace, &s.useSize, &s.bold,
          &s.italic, &s.underline, &s.strike, &s.lineBreak, &s.sizePattern}) {
        *flag = draw.chance(0.5);
    }
    s.frameWidth = draw.number(-3, 120);
    s.size = draw.number(1, 7);
    s.patternMax = draw.number(1, 7);
    s.patternMin = draw.number(1, 7);
    s.patternKind = static_cast<SizePatternKind>(draw.number(0, 3));
    s.faceName = utf8ToCp932(draw.oneOf(kFaceNames));
    s.linkTarget = utf8ToCp932(draw.oneOf(kLinkTargets));
    return settingsFile(draw, gradationFileValues(fileItemsOf(s)), "");
}

void writeRun(Draw& draw, const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    if (draw.chance(0.7)) {
        test::writeBytes(folder / "lumo.ini", startupFile(draw));
    }
    const std::string_view form = draw.oneOf(kForms);
    const bool unicode = form != "font" && draw.chance(0.7);
    std::vector<std::string> args;
    draw.sometimes(0.1, args, {"--no-startup-file"});
    drawFormFlags(draw, form, args);
    drawFieldFlags(draw, unicode, args);
    const bool load = draw.chance(0.3);
    if (load) {
        test::writeBytes(folder / "in.DAT", gradationFile(draw));
        args.insert(args.end(), {"--load", "in.DAT"});
    }
    const std::string text = draw.text(unicode);
    if (!load && draw.chance(0.3)) {
        test::writeBytes(folder / "stdin", text + (draw.chance(0.5) ? "\n" : ""));
    } else if (!load || draw.chance(0.3)) {
        args.insert(args.end(), {"--", text});
    }
    std::string joined;
    for (const std::string& arg : args) {
        joined += arg + '\0';
    }
    test::writeBytes(folder / "args", joined);
}

}  // namespace
}  // namespace huewright

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: random_cli_runs SEED COUNT FOLDER\n";
        return 2;
    }
    huewright::Draw draw(static_cast<std::uint32_t>(std::stoul(argv[1])));
    const int count = std::stoi(argv[2]);
    for (int run = 0; run < count; ++run) {
        huewright::writeRun(draw, std::filesystem::path(argv[3]) / std::to_string(run));
    }
    return 0;
}
