#include "cli/destinations.h"

#include <filesystem>
#include <system_error>

#include "cli/plan.h"

namespace huewright {

namespace fs = std::filesystem;

namespace {

// Where a save of `file` lands, links followed, as one spelling of the path. A chain of links
// that cannot be followed is left to the save to report.
fs::path landing(const fs::path& file) {
    std::error_code ignored;
    try {
        return fs::weakly_canonical(fs::absolute(replacedFile(file)), ignored);
    } catch (const FileWriteError&) {
        return fs::absolute(file, ignored);
    }
}

// "a, b, c".
std::string listed(const std::vector<std::string>& names) {
    std::string list;
    for (const std::string& name : names) {
        list += (list.empty() ? "" : ", ") + shownName(name);
    }
    return list;
}

}  // namespace

struct Destinations::File {
    std::string flag;
    std::string name;
    std::unique_ptr<AtomicFileWriter> writer;
};

Destinations::Destinations(const std::optional<std::string>& output, bool lengthOnly,
                           const std::optional<std::string>& loaded,
                           const std::vector<SettingsFileWrite>& files,
                           std::ostream& standardOutput, const RunContext& context)
    : outputName_(output),
      toStandardOutput_(!output || *output == "-"),
      workingDirectory_(context.workingDirectory) {
    // "-" is standard output, not a file of that name.
    const std::string outputFile = toStandardOutput_ ? "-" : context.pathOf(*output).string();
    // Two destinations that are one file would leave only the one committed last.
    std::vector<std::pair<std::string, std::string>> named;
    if (output && !writtenInPlace(outputFile)) {
        named.emplace_back("--output", *output);
    }
    for (const SettingsFileWrite& file : files) {
        named.emplace_back(file.flag, file.file);
    }
    const auto sameFile = [&](const std::string& a, const std::string& b) {
        return landing(context.pathOf(a)) == landing(context.pathOf(b));
    };
    try {
        // The markup would take the place of the settings it was made from.
        if (output && loaded && !writtenInPlace(outputFile) && sameFile(*output, *loaded)) {
            throw UsageError("--output and --load name the same file, " + shownName(*output));
        }
        for (std::size_t i = 0; i < named.size(); ++i) {
            for (std::size_t j = i + 1; j < named.size(); ++j) {
                if (sameFile(named[i].second, named[j].second)) {
                    throw UsageError(named[i].first + " and " + named[j].first +
                                     " name the same file, " + shownName(named[j].second));
                }
            }
        }
        if (output || !lengthOnly) {
            output_ = openOutput(outputFile, standardOutput, context.calls);
        }
    } catch (const FileWriteError& e) {
        outputFailed(e);
    }
    for (const SettingsFileWrite& file : files) {
        try {
            auto writer =
                std::make_unique<AtomicFileWriter>(context.pathOf(file.file), context.calls);
            writer->write(file.bytes);
            files_.push_back({file.flag, file.file, std::move(writer)});
        } catch (const FileWriteError& e) {
            throw UsageError(cannotWrite(file.flag, file.file, e, workingDirectory_));
        }
    }
}

Destinations::~Destinations() = default;

void Destinations::outputFailed(const FileWriteError& error) const {
    if (toStandardOutput_ || error.file() == "-") {
        throw UsageError(std::string("cannot write to standard output") +
                         (error.reason() ? ": " + error.reason().message() : ""));
    }
    throw UsageError(cannotWrite("--output", *outputName_, error, workingDirectory_));
}

void Destinations::commit() {
    if (output_ != nullptr) {
        try {
            output_->prepare();
        } catch (const FileWriteError& e) {
            outputFailed(e);
        }
    }
    for (File& file : files_) {
        try {
            file.writer->prepareCommit();
        } catch (const FileWriteError& e) {
            throw UsageError(cannotWrite(file.flag, file.name, e, workingDirectory_));
        }
    }
    // Only renames are left; one that fails after another succeeded cannot be taken back, so
    // the message says where things stand.
    std::vector<std::string> written;
    if (output_ != nullptr && output_->direct()) {
        written.push_back(toStandardOutput_ ? "standard output" : *outputName_);
    }
    std::vector<std::string> pending;
    if (output_ != nullptr && !output_->direct()) {
        pending.push_back(*outputName_);
    }
    for (const File& file : files_) {
        pending.push_back(file.name);
    }
    const auto commitOne = [&](const std::string& flag, auto&& commitIt) {
        try {
            commitIt();
        } catch (const FileWriteError& e) {
            std::string message = cannotWrite(flag, pending.front(), e, workingDirectory_);
            if (!written.empty()) {
                message +=
                    " (written: " + listed(written) + "; not written: " + listed(pending) + ")";
            }
            throw UsageError(message);
        }
        written.push_back(pending.front());
        pending.erase(pending.begin());
    };
    if (output_ != nullptr && !output_->direct()) {
        commitOne("--output", [&] { output_->commit(); });
    }
    for (File& file : files_) {
        commitOne(file.flag, [&] { file.writer->commit(); });
    }
}

}  // namespace huewright
