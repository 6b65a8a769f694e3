#include "binding/browser_file_system.h"

#include <emscripten.h>

#include <system_error>

#include "persistence/atomic_file.h"

namespace {

// Local storage keeps strings; a file's bytes are kept one character per byte (U+0000..U+00FF),
// so code page 932 and any other bytes come back exactly. Storage that is turned off or full
// throws in the browser: a read then finds nothing and a write reports the failure.

// clang-format off
EM_JS(int, storedLength, (const char* key), {
    try {
        const value = localStorage.getItem(UTF8ToString(key));
        return value === null ? -1 : value.length;
    } catch (error) {
        return -1;
    }
});

// 0 when read; 1 when the entry holds a character above U+00FF, which no file this page
// stored holds.
EM_JS(int, readStored, (const char* key, char* bytes), {
    const value = localStorage.getItem(UTF8ToString(key));
    for (let i = 0; i < value.length; ++i) {
        const code = value.charCodeAt(i);
        if (code > 0xFF) {
            return 1;
        }
        HEAPU8[bytes + i] = code;
    }
    return 0;
});

// The entry leaves its key before it takes the other, so that it fits even when it fills the
// storage; should it not fit there, it goes back where it was.
EM_JS(void, setAsideStored, (const char* key), {
    try {
        const from = UTF8ToString(key);
        const value = localStorage.getItem(from);
        localStorage.removeItem(from);
        try {
            localStorage.setItem(from + " (unreadable)", value);
        } catch (error) {
            localStorage.setItem(from, value);
        }
    } catch (error) {
    }
});
// 0 when stored; 1 when storage is full; 2 when the browser allows no storage.
EM_JS(int, writeStored, (const char* key, const char* bytes, std::size_t length), {
    let value = "";
    for (let start = 0; start < length; start += 8192) {
        const end = Math.min(length, start + 8192);
        value += String.fromCharCode.apply(null, HEAPU8.subarray(bytes + start, bytes + end));
    }
    try {
        localStorage.setItem(UTF8ToString(key), value);
        return 0;
    } catch (error) {
        return error.name === "QuotaExceededError" ? 1 : 2;
    }
});
// clang-format on

// Far more than a start-up file ever holds: its eleven keys take some 200 bytes.
constexpr int kLargestStoredFile = 64 * 1024;

// The key the start-up file is kept under, apart from anything else the origin stores.
std::string storageKey(const std::filesystem::path& file) {
    return "huewright/" + file.generic_string();
}

}  // namespace

namespace huewright {

BrowserFileSystem::BrowserFileSystem(std::filesystem::path storedFile)
    : storedFile_(std::move(storedFile)) {}

bool BrowserFileSystem::exists(const std::filesystem::path& file) const {
    if (file == storedFile_) {
        return storedLength(storageKey(file).c_str()) >= 0;
    }
    return held_.contains(file);
}

FileRead BrowserFileSystem::readFile(const std::filesystem::path& file) const {
    if (file == storedFile_) {
        const std::string key = storageKey(file);
        const int length = storedLength(key.c_str());
        if (length < 0) {
            return {std::nullopt, std::make_error_code(std::errc::no_such_file_or_directory)};
        }
        if (length > kLargestStoredFile) {
            return {std::nullopt, std::make_error_code(std::errc::file_too_large)};
        }
        std::string bytes(static_cast<std::size_t>(length), '\0');
        if (readStored(key.c_str(), bytes.data()) != 0) {
            return {std::nullopt, std::make_error_code(std::errc::illegal_byte_sequence)};
        }
        return {std::move(bytes), {}};
    }
    const auto held = held_.find(file);
    if (held == held_.end()) {
        return {std::nullopt, std::make_error_code(std::errc::no_such_file_or_directory)};
    }
    return {held->second, {}};
}

void BrowserFileSystem::replaceFile(const std::filesystem::path& file, std::string_view bytes) {
    if (file != storedFile_) {
        held_[file] = std::string(bytes);
        return;
    }
    switch (writeStored(storageKey(file).c_str(), bytes.data(), bytes.size())) {
        case 0:
            return;
        case 1:
            throw FileWriteError(file, std::make_error_code(std::errc::no_space_on_device));
        default:
            throw FileWriteError(file, std::make_error_code(std::errc::permission_denied));
    }
}

void BrowserFileSystem::hold(const std::filesystem::path& file, std::string bytes) {
    held_[file] = std::move(bytes);
}

void BrowserFileSystem::setAsideStoredFile() {
    setAsideStored(storageKey(storedFile_).c_str());
}

std::optional<std::string> BrowserFileSystem::release(const std::filesystem::path& file) {
    const auto held = held_.find(file);
    if (held == held_.end()) {
        return std::nullopt;
    }
    std::string bytes = std::move(held->second);
    held_.erase(held);
    return bytes;
}

}  // namespace huewright
