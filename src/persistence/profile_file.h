#pragma once

#include <filesystem>

#include "persistence/file_system.h"
#include "persistence/profile_document.h"

namespace huewright {

/// The settings file `file` on `files`, read to be changed and saved: empty when no file exists.
/// Throws FileWriteError naming `file` when it exists but cannot be read or decoded, since saving
/// over it would lose what it holds.
ProfileDocument loadProfileForUpdate(const FileSystem& files, const std::filesystem::path& file);

}  // namespace huewright
