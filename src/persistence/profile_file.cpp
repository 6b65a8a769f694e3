#include "persistence/profile_file.h"

#include "persistence/atomic_file.h"

namespace huewright {

ProfileDocument loadProfileForUpdate(const FileSystem& files, const std::filesystem::path& file) {
    std::optional<std::string> bytes = files.readFile(file);
    if (bytes) {
        ProfileDocument document(std::move(*bytes));
        // Saving over a file whose text could not all be decoded would lose the rest.
        if (!document.intact()) {
            throw FileWriteError(file);
        }
        return document;
    }
    if (files.exists(file)) {
        throw FileWriteError(file);
    }
    return ProfileDocument();
}

}  // namespace huewright
