#include "persistence/profile_file.h"

#include "persistence/atomic_file.h"

namespace huewright {

ProfileDocument loadProfileForUpdate(const FileSystem& files, const std::filesystem::path& file) {
    std::optional<std::string> bytes = files.readFile(file);
    if (bytes) {
        return ProfileDocument(std::move(*bytes));
    }
    if (files.exists(file)) {
        throw FileWriteError(file);
    }
    return ProfileDocument();
}

}  // namespace huewright
