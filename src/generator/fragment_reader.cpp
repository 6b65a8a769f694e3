// Reads a fragment back: each form's reader tries it, and the parts of the one that takes it
// whole are matched with settings: the size pattern and the colours whose progression gives
// each character its colour and size, and merged runs where the bytes tell so. The whole is
// made again to prove it.
#include "generator/fragment_reader.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "generator/fragment_parts.h"
#include "text/conversion_error.h"
#include "text/cp932.h"

namespace huewright {

namespace {

// One character a byte: the text the matcher tries settings on, where only the number of
// characters counts.
struct ByteCharacters {
    std::int64_t count(std::string_view text) const {
        return static_cast<std::int64_t>(text.size());
    }
    std::size_t lengthAt(std::string_view, std::size_t) const { return 1; }
};

// The text of `runs`, and each of its characters' colour and size.
struct CharacterLooks {
    std::vector<ColourValue> colours;
    std::vector<int> sizes;
};
CharacterLooks looksOf(const std::vector<FragmentRun>& runs, GradationSettings& s,
                       CharacterEnd utf8Characters) {
    std::vector<std::size_t> runEnds;
    for (const FragmentRun& run : runs) {
        s.text += run.characters;
        runEnds.push_back(s.text.size());
    }
    CharacterLooks looks;
    std::size_t run = 0;
    const std::string_view text = s.text;
    for (std::size_t at = 0; at < text.size();) {
        while (at >= runEnds[run]) {
            ++run;
        }
        looks.colours.push_back(runs[run].colour);
        looks.sizes.push_back(runs[run].size);
        at =
            utf8Characters != nullptr ? utf8Characters(text, at) : at + characterLengthAt(text, at);
    }
    return looks;
}

// `read` with merged runs where the bytes tell so: they give the same colours.
FragmentRead withRunsMerged(FragmentRead read, std::string_view fragment) {
    if (buildOutput(read.settings, read.options) != fragment) {
        read.options.mergeRuns = true;
        if (buildOutput(read.settings, read.options) != fragment) {
            read.options.mergeRuns = false;
            if (read.unrecovered.empty()) {
                read.unrecovered.emplace_back("the characters' tags");
            }
        }
    }
    return read;
}

// The colours `c` plus or minus one in each channel: where the last character of a segment
// may stop one short of the colour it runs to.
std::vector<ColourValue> nearColours(ColourValue c) {
    std::vector<ColourValue> near;
    for (const int r : {0, -1, 1}) {
        for (const int g : {0, -1, 1}) {
            for (const int b : {0, -1, 1}) {
                const int red = redOf(c) + r;
                const int green = greenOf(c) + g;
                const int blue = blueOf(c) + b;
                if (red >= 0 && red <= 255 && green >= 0 && green <= 255 && blue >= 0 &&
                    blue <= 255) {
                    near.push_back(static_cast<ColourValue>(red | (green << 8) | (blue << 16)));
                }
            }
        }
    }
    return near;
}

// Finds the settings and options that give each character of a text its colour and, while
// `sizesToo`, its size: a segment of one character moves the sizes on no more than its colour,
// so the two are matched together. Every try stops at its first wrong character, so that the
// many tries of a long text cost little.
class LooksMatcher {
  public:
    LooksMatcher(const CharacterLooks& looks, bool sizesToo) : looks_(looks), sizesToo_(sizesToo) {}

    /// Finds the window's colours, or else a list of stops and its blend; on success `s` and
    /// `options` hold them.
    bool match(GradationSettings& s, OutputOptions& options) const {
        return matchWindowColours(s) || matchStops(s, options);
    }

    /// Finds the size pattern that gives every character its size with `plan`.
    bool matchSizes(GradationSettings& s, const ColourPlan& plan) const {
        GradationSettings tried = s;
        for (const SizePatternKind kind :
             {SizePatternKind::Falling, SizePatternKind::Valley, SizePatternKind::Alternating}) {
            tried.patternKind = kind;
            for (int most = 1; most <= 7; ++most) {
                for (int least = 1; least <= 7; ++least) {
                    tried.patternMax = most;
                    tried.patternMin = least;
                    if (agreeing(tried, plan, false, true) == looks_.colours.size()) {
                        s = tried;
                        return true;
                    }
                }
            }
        }
        return false;
    }

  private:
    struct Mismatch {};

    // How many characters, from the first, `s` with `plan` gives their colour and (when asked)
    // their size. Each character looked at spends the work left; with none left, none agree.
    std::size_t agreeing(const GradationSettings& s, const ColourPlan& plan, bool colours,
                         bool sizes) const {
        std::size_t at = 0;
        if (workLeft_ <= 0) {
            return at;
        }
        try {
            forEachCharacter(s, plan, ByteCharacters{},
                             [&](std::string_view, ColourValue colour, int size) {
                                 if ((colours && (colour & 0xFFFFFFu) != looks_.colours[at]) ||
                                     (sizes && size != looks_.sizes[at])) {
                                     throw Mismatch{};
                                 }
                                 ++at;
                             });
        } catch (const Mismatch&) {
        }
        workLeft_ -= static_cast<std::int64_t>(at) + 1;
        return at;
    }

    // Whether `tried` with `plan` gives every character its colour, and its size for some size
    // pattern, which `tried` then takes.
    bool takes(GradationSettings& tried, const ColourPlan& plan) const {
        return agreeing(tried, plan, true, false) == looks_.colours.size() &&
               (!sizesToo_ || matchSizes(tried, plan));
    }
    bool takesWithOwnColours(GradationSettings& tried) const {
        const SettingsStops own(tried);
        return takes(tried, ColourPlan{own.stops()});
    }

    // The window's colours: a gradient of two, alternating two or three, or a gradient of three,
    // whose segments may stop one short of their ends.
    bool matchWindowColours(GradationSettings& s) const {
        const std::vector<ColourValue>& colours = looks_.colours;
        const std::size_t n = colours.size();
        GradationSettings tried = s;
        const auto found = [&] {
            if (!takesWithOwnColours(tried)) {
                return false;
            }
            s = tried;
            return true;
        };
        tried.mode = GradationMode::Gradient;
        tried.startColour = colours[0];
        tried.threeColours = false;
        for (const ColourValue end : nearColours(colours[n - 1])) {
            tried.endColour = end;
            if (found()) {
                return true;
            }
        }
        tried.mode = GradationMode::Alternate;
        for (const bool three : {false, true}) {
            tried.threeColours = three;
            tried.middleColour = n > 1 && three ? colours[1] : s.middleColour;
            tried.endColour = n > (three ? 2U : 1U) ? colours[three ? 2 : 1] : s.endColour;
            if (found()) {
                return true;
            }
        }
        tried.mode = GradationMode::Gradient;
        // Three colours: the first half ends at or one short of the middle colour.
        tried.threeColours = true;
        const std::size_t firstHalf = (n + 1) / 2;
        for (const ColourValue middle : nearColours(colours[firstHalf - 1])) {
            tried.middleColour = middle;
            // The first half runs to the middle colour whatever the end.
            const SettingsStops own(tried);
            if (agreeing(tried, ColourPlan{own.stops()}, true, false) < firstHalf) {
                continue;
            }
            for (const ColourValue end : nearColours(colours[n - 1])) {
                tried.endColour = end;
                if (found()) {
                    return true;
                }
            }
        }
        return false;
    }

    // A list of stops with its blend: in alternate mode the shortest that repeats; in a gradient
    // the fewest, each where a segment ends, which the perceptual blends and exact ends reach and
    // sRGB steps come near; else, for a short text, each character its own stop in turn.
    bool matchStops(GradationSettings& s, OutputOptions& options) const {
        const std::vector<ColourValue>& colours = looks_.colours;
        const std::size_t n = colours.size();
        GradationSettings tried = s;
        const auto found = [&](const std::vector<ColourValue>& stops, Blend blend, bool exactEnds) {
            if (!takes(tried, ColourPlan{stops, blend, exactEnds})) {
                return false;
            }
            s = tried;
            options.stops = stops;
            options.blend = blend;
            options.exactEnds = exactEnds;
            return true;
        };
        const auto alternating = [&](std::size_t count) {
            tried.mode = GradationMode::Alternate;
            return found({colours.begin(), colours.begin() + static_cast<std::ptrdiff_t>(count)},
                         Blend::Rgb, false);
        };
        for (std::size_t count = 2; count < std::min(n, kMostStops + 1); ++count) {
            if (alternating(count)) {
                return true;
            }
        }
        tried.mode = GradationMode::Gradient;
        for (std::size_t count = 2; count <= std::min(n, kMostStops); ++count) {
            // The earlier segments take the extra characters.
            const std::size_t segments = count - 1;
            std::vector<std::size_t> ends;
            std::vector<ColourValue> stops{colours[0]};
            for (std::size_t i = 0; i < segments; ++i) {
                ends.push_back((ends.empty() ? 0 : ends.back()) + n / segments +
                               (i < n % segments ? 1 : 0));
                stops.push_back(colours[ends.back() - 1]);
            }
            if (found(stops, Blend::Oklab, false) || found(stops, Blend::Oklch, false) ||
                found(stops, Blend::Rgb, true)) {
                return true;
            }
            stops.resize(1);
            if (nearStops(tried, ends, stops) && found(stops, Blend::Rgb, false)) {
                return true;
            }
        }
        // At last each character its own stop, while there are few enough.
        return n >= 2 && n <= kMostStops && alternating(n);
    }

    // The stops after `stops` that give the colours in sRGB steps, where each segment may stop
    // one short of the stop it runs to: each stop is near its segment's last colour. A segment's
    // colours depend on its two stops alone, so the stops are found one by one, going back
    // where a choice fails a later segment.
    bool nearStops(const GradationSettings& s, const std::vector<std::size_t>& ends,
                   std::vector<ColourValue>& stops) const {
        const std::size_t segment = stops.size() - 1;
        if (segment == ends.size()) {
            return true;
        }
        for (const ColourValue to : nearColours(looks_.colours[ends[segment] - 1])) {
            // The later stops do not touch this segment's colours.
            std::vector<ColourValue> tried = stops;
            tried.resize(ends.size() + 1, to);
            if (agreeing(s, ColourPlan{tried}, true, false) >= ends[segment]) {
                stops.push_back(to);
                if (nearStops(s, ends, stops)) {
                    return true;
                }
                stops.pop_back();
            }
        }
        return false;
    }

    const CharacterLooks& looks_;
    bool sizesToo_;
    // The characters all tries may look at: enough for the window's colours and sizes many
    // times over, and a bound on the search for stops in a long text edited near its end.
    mutable std::int64_t workLeft_ =
        std::int64_t{64} * static_cast<std::int64_t>(looks_.colours.size()) + (1 << 16);
};

// The settings and options that make `parts` in `form`, byte for byte where some do.
FragmentRead settle(FragmentParts parts, OutputForm form, CharacterEnd utf8Characters,
                    std::string_view fragment) {
    FragmentRead read;
    GradationSettings& s = read.settings;
    s = std::move(parts.settings);
    read.options.form = form;
    read.options.utf8Characters = utf8Characters;
    const CharacterLooks looks = looksOf(parts.runs, s, utf8Characters);
    // The colours and sizes depend on the number of characters alone, so they are matched on a
    // text of as many single bytes, which no encoding has to walk.
    GradationSettings shape = s;
    shape.text.assign(looks.colours.size(), 'x');
    const auto take = [&](GradationSettings matched) {
        matched.text = std::move(s.text);
        s = std::move(matched);
        return withRunsMerged(std::move(read), fragment);
    };
    if (LooksMatcher(looks, shape.sizePattern).match(shape, read.options)) {
        return take(std::move(shape));
    }
    // Sizes edited by hand: the colours still; or colours edited by hand beyond what a list of
    // stops holds: a gradient between the first and the last.
    if (shape.sizePattern && LooksMatcher(looks, false).match(shape, read.options)) {
        read.unrecovered.emplace_back("sizes");
        return take(std::move(shape));
    }
    read.unrecovered.emplace_back("colours");
    shape.mode = GradationMode::Gradient;
    shape.threeColours = false;
    shape.startColour = looks.colours.front();
    shape.endColour = looks.colours.back();
    const SettingsStops ends(shape);
    if (shape.sizePattern &&
        !LooksMatcher(looks, false).matchSizes(shape, ColourPlan{ends.stops()})) {
        read.unrecovered.emplace_back("sizes");
    }
    return take(std::move(shape));
}

struct FormReader {
    OutputForm form;
    FragmentParts (*read)(std::string_view fragment, TextEncoding encoding);
};

constexpr FormReader kFormReaders[] = {
    {OutputForm::Font, readFontParts},
    {OutputForm::Span, readSpanParts},
    {OutputForm::Bbcode, readBbcodeParts},
    {OutputForm::Ansi, readAnsiParts},
    {OutputForm::Minimessage, readMinimessageParts},
    {OutputForm::Ampersand, readAmpersandParts},
    {OutputForm::Json, readJsonParts},
};

}  // namespace

FragmentRead readFragment(std::string_view fragment, CharacterEnd utf8Characters) {
    const TextEncoding encoding =
        utf8Characters != nullptr ? TextEncoding::Utf8 : TextEncoding::Cp932;
    // The forms start differently, so at most one takes the fragment whole; where none does, the
    // one that read furthest says where it stopped.
    std::optional<ReadStop> furthest;
    OutputForm furthestForm = OutputForm::Font;
    for (const FormReader& reader : kFormReaders) {
        FragmentParts parts;
        try {
            parts = reader.read(fragment, encoding);
        } catch (const ReadStop& stop) {
            if (!furthest || stop.at > furthest->at) {
                furthest = stop;
                furthestForm = reader.form;
            }
            continue;
        }
        try {
            if (reader.form == OutputForm::Font && encoding == TextEncoding::Utf8) {
                // The FONT form is the window's, whose characters are code page 932's.
                const std::string cp932 = utf8ToCp932(fragment);
                return settle(readFontParts(cp932, TextEncoding::Cp932), reader.form, nullptr,
                              cp932);
            }
            return settle(std::move(parts), reader.form, utf8Characters, fragment);
        } catch (const ConversionError& e) {
            throw FragmentError(
                "not a fragment of this program: the FONT form writes code page "
                "932 only, and " +
                std::string(e.what()));
        } catch (const OutputError& e) {
            throw FragmentError("not a fragment of this program: the " +
                                std::string(formCaption(reader.form)) +
                                " form does not write it: " + e.what());
        }
    }
    throw FragmentError("not a fragment of this program: read as the " +
                        std::string(formCaption(furthestForm)) + " form, " + furthest->what +
                        " expected at byte " + std::to_string(furthest->at));
}

FragmentRead readFragmentFile(std::string_view bytes, CharacterEnd utf8Characters) {
    try {
        return readFragment(bytes, utf8Characters);
    } catch (const FragmentError&) {
        const std::string_view lineEnd = bytes.ends_with("\r\n") ? "\r\n" : "\n";
        if (!bytes.ends_with(lineEnd)) {
            throw;
        }
        bytes.remove_suffix(lineEnd.size());
        return readFragment(bytes, utf8Characters);
    }
}

}  // namespace huewright
