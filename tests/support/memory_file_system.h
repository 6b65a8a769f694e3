#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "persistence/atomic_file.h"
#include "persistence/file_system.h"

namespace huewright::test {

/// Files held in memory. Files can be made unreadable or read-only; every replace is counted.
class MemoryFileSystem : public FileSystem {
  public:
    std::map<std::filesystem::path, std::string> files;
    std::set<std::filesystem::path> unreadable;
    std::set<std::filesystem::path> unwritable;
    int replaceCount = 0;

    bool exists(const std::filesystem::path& file) const override { return files.count(file) != 0; }
    FileRead readFile(const std::filesystem::path& file) const override {
        if (!exists(file)) {
            return {std::nullopt, std::make_error_code(std::errc::no_such_file_or_directory)};
        }
        if (unreadable.count(file) != 0) {
            return {std::nullopt, std::make_error_code(std::errc::permission_denied)};
        }
        return {files.at(file), {}};
    }
    void replaceFile(const std::filesystem::path& file, std::string_view bytes) override {
        if (unwritable.count(file) != 0) {
            throw FileWriteError(file, std::make_error_code(std::errc::read_only_file_system));
        }
        ++replaceCount;
        files[file] = std::string(bytes);
    }
};

}  // namespace huewright::test
