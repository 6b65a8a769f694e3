#include "ui/help_file.h"

#include "text/cp932_bytes.h"

namespace huewright {
namespace {

// Where the file name of `path` starts: after its last "/", "\" or ":".
std::size_t fileNameStart(std::string_view path, PathEncoding encoding) {
    std::size_t nameStart = 0;
    for (std::size_t i = 0; i < path.size();) {
        const char c = path[i];
        if (c == '/' || c == '\\' || c == ':') {
            nameStart = i + 1;
        }
        // No byte of a UTF-8 sequence is an ASCII character, so UTF-8 goes byte by byte.
        i += encoding == PathEncoding::CodePage932 ? characterLengthAt(path, i) : 1;
    }
    return nameStart;
}

}  // namespace

std::string helpFileName(std::string_view executablePath, PathEncoding encoding,
                         Language language) {
    const std::size_t nameStart = fileNameStart(executablePath, encoding);
    // A "." is never the trail byte of a code page 932 character (those start at 0x40).
    const std::size_t dot = executablePath.rfind('.');
    const std::string_view stem = dot != std::string_view::npos && dot >= nameStart
                                      ? executablePath.substr(0, dot)
                                      : executablePath;
    return std::string(stem) + (language == Language::English ? ".en.hlp" : ".hlp");
}

std::string locateHelpFile(std::string_view executablePath, PathEncoding encoding,
                           Language language,
                           const std::function<bool(const std::string&)>& isFile) {
    std::string beside = helpFileName(executablePath, encoding, language);
    if (isFile(beside)) {
        return beside;
    }
    // An installed program keeps its data out of the folder of programs (/usr/share beside
    // /usr/bin), so the help file may stand there instead.
    const std::size_t nameStart = fileNameStart(beside, encoding);
    std::string shared =
        beside.substr(0, nameStart) + "../share/huewright/" + beside.substr(nameStart);
    return isFile(shared) ? shared : beside;
}

}  // namespace huewright
