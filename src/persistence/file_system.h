#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "persistence/system_calls.h"

namespace huewright {

/// The files the settings are kept in. The program uses DiskFileSystem; tests substitute their own.
class FileSystem {
  public:
    virtual ~FileSystem() = default;

    /// True when something other than a directory exists under `file`.
    virtual bool exists(const std::filesystem::path& file) const = 0;
    /// The whole content of `file`; nullopt when it is missing or cannot be read.
    virtual std::optional<std::string> readFile(const std::filesystem::path& file) const = 0;
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
    std::optional<std::string> readFile(const std::filesystem::path& file) const override;
    void replaceFile(const std::filesystem::path& file, std::string_view bytes) override;

  private:
    SystemCalls* calls_ = nullptr;
};

}  // namespace huewright
