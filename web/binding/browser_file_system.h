#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "persistence/file_system.h"

namespace huewright {

/// The page's files. The start-up file lives in the browser's local storage, where the next
/// visit to the page finds it; every other file lives in memory only while the page hands it
/// over: a file the user picked to open, or a save on its way to a download.
class BrowserFileSystem final : public FileSystem {
  public:
    /// `storedFile` is the one path kept in local storage.
    explicit BrowserFileSystem(std::filesystem::path storedFile);

    bool exists(const std::filesystem::path& file) const override;
    /// The start-up file cannot be read when its entry holds a character the page never stores
    /// (above U+00FF) or is larger than any start-up file.
    FileRead readFile(const std::filesystem::path& file) const override;
    /// Throws FileWriteError when the browser refuses to store the start-up file (storage
    /// turned off, or full).
    void replaceFile(const std::filesystem::path& file, std::string_view bytes) override;

    /// Takes `bytes` in memory as `file`, replacing what it held.
    void hold(const std::filesystem::path& file, std::string bytes);
    /// The bytes held as `file`, which is then forgotten; none when nothing is held.
    std::optional<std::string> release(const std::filesystem::path& file);
    /// Moves the stored start-up file's entry aside, under a key of its own that nothing reads
    /// or writes, so that the file is missing until it is saved again.
    void setAsideStoredFile();

  private:
    std::filesystem::path storedFile_;
    std::map<std::filesystem::path, std::string> held_;
};

}  // namespace huewright
