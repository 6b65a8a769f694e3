#include "persistence/gradation_file.h"

#include <algorithm>
#include <initializer_list>
#include <stdexcept>

#include "persistence/profile_file.h"

namespace huewright {

namespace {

// Where `key` sits in the write order; it must be one of those keys, of one of `kinds`.
std::size_t slotOf(const GradationKey& key, std::initializer_list<ValueKind> kinds) {
    for (std::size_t i = 0; i < kGradationWriteOrder.size(); ++i) {
        const GradationKey& candidate = kGradationWriteOrder[i];
        if (candidate.section == key.section && candidate.key == key.key) {
            if (std::find(kinds.begin(), kinds.end(), candidate.kind) == kinds.end()) {
                throw std::logic_error("wrong kind of value for the key " + std::string(key.key));
            }
            return i;
        }
    }
    throw std::logic_error("not a key of the gradation settings file: " + std::string(key.key));
}

}  // namespace

GradationFileReader::GradationFileReader(const FileSystem& files, const std::filesystem::path& file)
    : document_(files.readFile(file).value_or(std::string())) {}

std::optional<std::int32_t> GradationFileReader::number(const GradationKey& key) const {
    const std::optional<std::string> value = document_.read(key.section, key.key);
    return value ? parseSettingInteger(*value) : std::nullopt;
}

std::optional<bool> GradationFileReader::switchOn(const GradationKey& key) const {
    const std::optional<std::string> value = document_.read(key.section, key.key);
    return value ? parseSettingSwitch(*value) : std::nullopt;
}

std::optional<std::string> GradationFileReader::text(const GradationKey& key) const {
    return document_.read(key.section, key.key);
}

void GradationFileWriter::setNumber(const GradationKey& key, std::int32_t value) {
    values_[slotOf(key, {ValueKind::Colour, ValueKind::Integer})] = formatSettingInteger(value);
}

void GradationFileWriter::setSwitch(const GradationKey& key, bool on) {
    values_[slotOf(key, {ValueKind::Switch})] = std::string(formatSettingSwitch(on));
}

void GradationFileWriter::setText(const GradationKey& key, std::string_view text) {
    values_[slotOf(key, {ValueKind::Text})] = std::string(text);
}

void GradationFileWriter::save(FileSystem& files, const std::filesystem::path& file) const {
    for (std::size_t i = 0; i < values_.size(); ++i) {
        if (!values_[i]) {
            throw std::logic_error("no value for the key " +
                                   std::string(kGradationWriteOrder[i].key));
        }
    }
    ProfileDocument document = loadProfileForUpdate(files, file);
    for (std::size_t i = 0; i < values_.size(); ++i) {
        document.write(kGradationWriteOrder[i].section, kGradationWriteOrder[i].key, *values_[i]);
    }
    files.replaceFile(file, document.bytes());
}

}  // namespace huewright
