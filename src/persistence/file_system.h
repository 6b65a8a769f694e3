#pragma once

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>

#include "persistence/system_calls.h"

namespace huewright {

/// What reading a whole file gave: its bytes, or the reason there are none.
struct FileRead {
    std::optional<std::string> bytes;
    /// Set when there are no bytes: the system's reason, such as "No such file or directory",
    /// or notRegularFile() for a directory, device or pipe.
    std::error_code error;
};

/// A file that exists could not be read.
class FileReadError : public std::runtime_error {
  public:
    FileReadError(std::filesystem::path file, std::error_code reason)
        : std::runtime_error("cannot read " + file.string() + ": " + reason.message()),
          file_(std::move(file)),
          reason_(reason) {}

    /// The file, as the caller named it.
    const std::filesystem::path& file() const noexcept { return file_; }
    /// The system's reason, or notRegularFile().
    std::error_code reason() const noexcept { return reason_; }

  private:
    std::filesystem::path file_;
    std::error_code reason_;
};

/// The reason given for a file that is not a regular file: "not a regular file".
std::error_code notRegularFile();

/// The files the settings are kept in. The program uses DiskFileSystem; tests substitute their own.
class FileSystem {
  public:
    virtual ~FileSystem() = default;

    /// True when something other than a directory exists under `file`.
    virtual bool exists(const std::filesystem::path& file) const = 0;
    /// The whole content of `file`, or why it is missing or cannot be read.
    virtual FileRead readFile(const std::filesystem::path& file) const = 0;
    /// Replaces the whole content of `file` with `bytes` in one step, creating it when missing.
    /// Throws FileWriteError naming `file`, which is then left exactly as it was.
    virtual void replaceFile(const std::filesystem::path& file, std::string_view bytes) = 0;
};

/// The real disk; replaceFile is writeFileAtomically.
class DiskFileSystem final : public FileSystem {
  public:
    DiskFileSystem() = default;
    /// Makes every write through `calls`, which must outlive this object.
    explicit DiskFileSystem(SystemCalls& calls) : calls_(&calls) {}

    bool exists(const std::filesystem::path& file) const override;
    FileRead readFile(const std::filesystem::path& file) const override;
    void replaceFile(const std::filesystem::path& file, std::string_view bytes) override;

  private:
    SystemCalls* calls_ = nullptr;
};

}  // namespace huewright
