#include "generator/output.h"

#include <algorithm>
#include <memory>
#include <span>

#include "generator/form_writer.h"
#include "generator/progression.h"
#include "text/decimal.h"

namespace huewright {

namespace {

constexpr std::size_t kPieceSize = std::size_t{64} * 1024;

TextEncoding encodingOf(const OutputOptions& options) {
    return options.utf8Characters != nullptr ? TextEncoding::Utf8 : TextEncoding::Cp932;
}

void check(const GradationSettings& settings, const OutputOptions& options) {
    const std::size_t stops = options.stops.size();
    if (stops != 0 && (stops < 2 || stops > kMostStops)) {
        throw OutputError(OutputError::Reason::StopCount,
                          "a run needs 2 to 16 colour stops, not " + decimal(stops));
    }
    if (options.form == OutputForm::Bbcode && settings.useFace) {
        const std::string_view face = settings.faceName;
        for (std::size_t pos = 0; pos < face.size();
             pos += escapeUnitAt(face, pos, encodingOf(options))) {
            if (face[pos] == '[' || face[pos] == ']') {
                throw OutputError(OutputError::Reason::BracketInBbcodeFace,
                                  "a bbcode face name cannot hold \"[\" or \"]\"");
            }
        }
    }
}

std::unique_ptr<FormWriter> makeWriter(std::string& out, const GradationSettings& settings,
                                       const OutputOptions& options) {
    switch (options.form) {
        case OutputForm::Span:
            return makeSpanWriter(out, settings, encodingOf(options));
        case OutputForm::Bbcode:
            return makeBbcodeWriter(out, settings, encodingOf(options));
        case OutputForm::Ansi:
            return makeAnsiWriter(out, settings);
        case OutputForm::Font:
            break;
    }
    return makeFontWriter(out, settings);
}

// Hands the characters to the writer one by one, or gathered into runs of one colour and size;
// passes the output on to `sink`, when there is one, whenever a piece is full.
template <typename Characters>
void writeCharacters(const GradationSettings& settings, const OutputOptions& options,
                     const ColourPlan& plan, const Characters& characters, FormWriter& writer,
                     std::string& out, OutputSink* sink) {
    const auto passOn = [&] {
        if (sink != nullptr && out.size() >= kPieceSize) {
            sink->write(out);
            out.clear();
        }
    };
    if (!options.mergeRuns) {
        forEachCharacter(settings, plan, characters,
                         [&](std::string_view character, ColourValue colour, int size) {
                             writer.run(character, colour, size);
                             passOn();
                         });
        return;
    }
    // A terminal shows no sizes, so there they do not part runs.
    const bool sizesShow = settings.sizePattern && options.form != OutputForm::Ansi;
    std::string_view run;
    ColourValue runColour = 0;
    int runSize = 0;
    forEachCharacter(settings, plan, characters,
                     [&](std::string_view character, ColourValue colour, int size) {
                         if (!run.empty() && ((colour ^ runColour) & 0xFFFFFFu) == 0 &&
                             (!sizesShow || size == runSize)) {
                             // The characters come in text order, so a run stays one slice.
                             run = std::string_view(run.data(), run.size() + character.size());
                             return;
                         }
                         if (!run.empty()) {
                             writer.run(run, runColour, runSize);
                             passOn();
                         }
                         run = character;
                         runColour = colour;
                         runSize = size;
                     });
    if (!run.empty()) {
        writer.run(run, runColour, runSize);
    }
}

void generate(const GradationSettings& settings, const OutputOptions& options, std::string& out,
              OutputSink* sink) {
    check(settings, options);
    const SettingsStops ownStops(settings);
    const ColourPlan plan{
        options.stops.empty() ? ownStops.stops() : std::span<const ColourValue>(options.stops),
        options.blend, options.exactEnds};

    // A character's tag is some forty bytes around its text; a stream needs a piece at a time.
    const std::size_t expected = settings.text.size() * 40 + 256;
    out.reserve(sink != nullptr ? std::min(expected, kPieceSize + 256) : expected);
    const std::unique_ptr<FormWriter> writer = makeWriter(out, settings, options);
    writer->open();
    if (options.utf8Characters != nullptr) {
        writeCharacters(settings, options, plan, Utf8Characters{options.utf8Characters}, *writer,
                        out, sink);
    } else {
        writeCharacters(settings, options, plan, Cp932Characters{}, *writer, out, sink);
    }
    writer->close();
}

}  // namespace

void writeOutput(const GradationSettings& settings, const OutputOptions& options,
                 OutputSink& sink) {
    std::string out;
    generate(settings, options, out, &sink);
    if (!out.empty()) {
        sink.write(out);
    }
}

std::string buildOutput(const GradationSettings& settings, const OutputOptions& options) {
    std::string out;
    generate(settings, options, out, nullptr);
    return out;
}

}  // namespace huewright
