#include "generator/output.h"

#include <algorithm>

#include "generator/form_writer.h"
#include "generator/output_refusals.h"

namespace huewright {

namespace {

void generate(const GradationSettings& settings, const OutputOptions& options, std::string& out,
              OutputSink* sink, CharacterObserver* observer) {
    refuseWhatCannotBeWritten(settings, options);
    // A character's tag is some forty bytes around its text; a stream needs a piece at a time.
    const std::size_t expected = settings.text.size() * 40 + 256;
    out.reserve(sink != nullptr ? std::min(expected, detail::kPieceSize + 256) : expected);
    const FormTarget to{out, sink, observer};
    switch (options.form) {
        case OutputForm::Font:
            return writeFontForm(settings, options, to);
        case OutputForm::Span:
            return writeSpanForm(settings, options, to);
        case OutputForm::Bbcode:
            return writeBbcodeForm(settings, options, to);
        case OutputForm::Ansi:
            return writeAnsiForm(settings, options, to);
        case OutputForm::Minimessage:
            return writeMinimessageForm(settings, options, to);
        case OutputForm::Ampersand:
            return writeAmpersandForm(settings, options, to);
        case OutputForm::Json:
            return writeJsonForm(settings, options, to);
    }
}

constexpr std::array<std::string_view, 3> kBlendNames = {"rgb", "oklab", "oklch"};

}  // namespace

std::optional<OutputForm> formNamed(std::string_view name) {
    for (const OutputFormNames& names : kOutputForms) {
        if (names.name == name) {
            return names.form;
        }
    }
    return std::nullopt;
}

std::string_view blendName(Blend blend) {
    return kBlendNames[static_cast<std::size_t>(blend)];
}

std::optional<Blend> blendNamed(std::string_view name) {
    for (std::size_t i = 0; i < kBlendNames.size(); ++i) {
        if (kBlendNames[i] == name) {
            return static_cast<Blend>(i);
        }
    }
    return std::nullopt;
}

void writeOutput(const GradationSettings& settings, const OutputOptions& options, OutputSink& sink,
                 CharacterObserver* observer) {
    std::string out;
    generate(settings, options, out, &sink, observer);
    if (!out.empty()) {
        sink.write(out);
    }
}

std::string buildOutput(const GradationSettings& settings, const OutputOptions& options,
                        CharacterObserver* observer) {
    std::string out;
    generate(settings, options, out, nullptr, observer);
    return out;
}

}  // namespace huewright
