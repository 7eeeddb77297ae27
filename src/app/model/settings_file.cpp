#include "app/model/settings_file.h"

#include <fstream>
#include <iterator>
#include <system_error>
#include <utility>

#include "app/model/profile_text.h"
#include "platform/model/app_error.h"
#include "platform/model/atomic_file.h"
#include "platform/model/file_permissions.h"
#include "platform/model/gbk_text.h"

namespace veyrin {
namespace {

enum class FileState { Missing, Unreadable, Read };

struct FileContent {
    FileState state;
    std::string bytes;
};

FileContent readFile(const std::filesystem::path& path) {
    std::error_code ec;
    auto status = std::filesystem::status(path, ec);
    if (!std::filesystem::exists(status)) return {FileState::Missing, {}};
    if (!std::filesystem::is_regular_file(status) || refusesReading(path)) return {FileState::Unreadable, {}};
    std::ifstream in(path, std::ios::binary);
    if (!in) return {FileState::Unreadable, {}};
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return {FileState::Unreadable, {}};
    return {FileState::Read, std::move(bytes)};
}

}  // namespace

TIniFile::TIniFile(std::filesystem::path fileName) : fileName_(std::move(fileName)) {}

std::optional<std::string> TIniFile::readValue(std::string_view section, std::string_view key) const {
    if (pending_) return findProfileValue(*pending_, section, key);
    FileContent file = readFile(fileName_);
    if (file.state != FileState::Read) return std::nullopt;
    return findProfileValue(file.bytes, section, key);
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 std::string_view defaultValue) const {
    return readValue(section, key).value_or(std::string(defaultValue));
}

std::int32_t TIniFile::ReadInteger(std::string_view section, std::string_view key,
                                   std::int32_t defaultValue) const {
    auto value = readValue(section, key);
    if (!value) return defaultValue;
    return parseProfileInteger(*value).value_or(defaultValue);
}

bool TIniFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

std::string TIniFile::currentBytesForWriting() const {
    // A file that exists but cannot be read must not be replaced by one holding only the new keys.
    FileContent file = readFile(fileName_);
    if (file.state == FileState::Unreadable) throwUnableToWrite();
    return std::move(file.bytes);
}

void TIniFile::replaceFile(const std::string& bytes) const {
    if (!replaceFileContents(fileName_, bytes)) throwUnableToWrite();
}

void TIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    if (pending_) {
        *pending_ = withProfileValue(*pending_, section, key, value);
        return;
    }
    replaceFile(withProfileValue(currentBytesForWriting(), section, key, value));
}

void TIniFile::BeginUpdate() { pending_ = currentBytesForWriting(); }

void TIniFile::EndUpdate() {
    if (!pending_) return;
    std::string bytes = std::move(*pending_);
    pending_.reset();
    replaceFile(bytes);
}

void TIniFile::WriteInteger(std::string_view section, std::string_view key, std::int32_t value) {
    WriteString(section, key, std::to_string(value));
}

void TIniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

void TIniFile::throwUnableToWrite() const {
    throw AppError("Unable to write to " + gbk::fromUtf8(fileName_.string()));
}

}  // namespace veyrin
