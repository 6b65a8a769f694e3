#include "cli/inputs.h"

#include <istream>
#include <iterator>
#include <ostream>
#include <string_view>
#include <system_error>
#include <utility>

#include "cli/messages.h"
#include "text/describe.h"
#include "text/graphemes.h"
#include "text/utf8.h"

namespace huewright {

namespace {

// What the bytes of a settings file without a byte-order mark look like when they are not code
// page 932, as a hint for a message that refuses them; empty when nothing suggests it.
std::string encodingHint(std::string_view bytes) {
    const std::string advice = " without a byte-order mark; save it as code page 932 or with one";
    if (bytes.starts_with("\xEF\xBB\xBF") || bytes.starts_with("\xFF\xFE") ||
        bytes.starts_with("\xFE\xFF")) {
        return {};
    }
    // Text in UTF-16 has a zero byte beside every ASCII character; code page 932 has none.
    if (bytes.find('\0') != std::string_view::npos) {
        return " (it looks like UTF-16" + advice + ")";
    }
    if (looksLikeUtf8(bytes)) {
        return " (it looks like UTF-8" + advice + ")";
    }
    return {};
}

}  // namespace

std::string readText(std::istream& in) {
    std::string text;
    try {
        text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } catch (const std::system_error& e) {
        throw UsageError("standard input: cannot read: " + e.code().message());
    }
    // A byte-order mark says how the text is encoded; it is not part of it.
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.erase(0, 3);
    }
    if (text.ends_with("\r\n")) {
        text.resize(text.size() - 2);
    } else if (text.ends_with('\n') || text.ends_with('\r')) {
        text.pop_back();
    }
    if (const std::string problem = utf8Problem(text); !problem.empty()) {
        throw UsageError("standard input: " + problem);
    }
    return text;
}

LoadedFile loadSettingsFile(MainWindowModel& window, const RunContext& context,
                            const std::string& file, std::ostream& err) {
    FileRead read = context.files.readFile(context.pathOf(file));
    if (!read.bytes) {
        throw UsageError("--load: cannot read " + shownName(file) + ": " + read.error.message());
    }
    const std::string hint = encodingHint(*read.bytes);
    const LoadReport report = window.loadGradationFile(ProfileDocument(std::move(*read.bytes)));
    if (!report.heldSettings) {
        throw UsageError("--load: " + shownName(file) + " holds no gradation settings" + hint);
    }
    for (const std::string& key : report.unrepresentableKeys) {
        err << "huewright-cli: warning: --load: " << file << ": the value of " << key
            << " is not in code page 932, so it keeps its default\n";
    }
    for (const LoneSurrogateKey& broken : report.loneSurrogateKeys) {
        err << "huewright-cli: warning: --load: " << file << ": the value of " << broken.key
            << " holds " << describeCodePoint(broken.surrogate.unit)
            << ", half of a UTF-16 surrogate pair without its other half, at character "
            << broken.surrogate.character << ", so it keeps its default\n";
    }
    for (const std::string& key : report.unreadableExtendedKeys) {
        err << "huewright-cli: warning: --load: " << file << ": the value of " << key
            << " is not one this version reads, so it keeps its default\n";
    }
    return {report.extended, hint};
}

FragmentRead readMarkupFile(const RunContext& context, const std::string& file, Encoding encoding,
                            std::ostream& err) {
    const std::string flag = "--read-markup: ";
    FileRead read = context.files.readFile(context.pathOf(file));
    if (!read.bytes) {
        throw UsageError(flag + "cannot read " + shownName(file) + ": " + read.error.message());
    }
    const std::string bytes = std::move(*read.bytes);
    try {
        if (encoding == Encoding::Utf8) {
            if (const std::string problem = utf8Problem(bytes); !problem.empty()) {
                throw UsageError(flag + shownName(file) + ": " + problem);
            }
        }
        // In UTF-8 the Unicode forms take grapheme clusters whole.
        FragmentRead settings =
            readFragmentFile(bytes, encoding == Encoding::Utf8 ? graphemeEnd : nullptr);
        for (const std::string& detail : settings.unrecovered) {
            err << "huewright-cli: warning: " << flag << file << ": no settings make its " << detail
                << "; the output approaches the fragment\n";
        }
        return settings;
    } catch (const FragmentError& e) {
        throw UsageError(flag + shownName(file) + ": " + e.what());
    }
}

}  // namespace huewright
