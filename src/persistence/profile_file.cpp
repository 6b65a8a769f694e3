#include "persistence/profile_file.h"

#include "persistence/atomic_file.h"

namespace huewright {

ProfileDocument loadProfileForUpdate(const FileSystem& files, const std::filesystem::path& file) {
    FileRead read = files.readFile(file);
    if (read.bytes) {
        ProfileDocument document(std::move(*read.bytes));
        // Saving over a file whose text could not all be decoded would lose the rest.
        if (!document.intact()) {
            throw FileWriteError(file, std::make_error_code(std::errc::illegal_byte_sequence));
        }
        return document;
    }
    if (files.exists(file)) {
        throw FileWriteError(file, read.error);
    }
    return ProfileDocument();
}

}  // namespace huewright
