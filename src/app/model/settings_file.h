#pragma once
// The settings object: reads and writes keys of one INI file by its full path. It keeps no copy of
// the content: every read looks at the file as it is now and every write changes the file at once,
// so nothing depends on when the object goes away. Sections, keys and values are GBK bytes.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace veyrin {

class TIniFile {
public:
    explicit TIniFile(std::filesystem::path fileName);

    const std::filesystem::path& FileName() const { return fileName_; }

    // Reads never fail: a missing file, section or key, or a value that does not parse, gives the
    // default. Integers are 32-bit signed (decimal, or hex after "$", "x", "0x"); booleans are
    // integers, any nonzero value being true; colours are integers.
    std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
    std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t defaultValue) const;
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;

    // Writes create the file when missing and replace it whole through a temporary file. A refused
    // write (read-only or unreadable file, missing directory, no permission) throws AppError
    // "Unable to write to <full path>" and leaves the file as it was.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);
    void WriteBool(std::string_view section, std::string_view key, bool value);

    // Between BeginUpdate and EndUpdate the writes (and the reads) go to a copy of the file that
    // EndUpdate puts in place in one replacement, so a run killed at any moment of a sequence of
    // writes leaves the file either as it was or with every key written. BeginUpdate throws as a
    // write would for a file that exists but cannot be read; EndUpdate throws as a write would when
    // the replacement is refused, and the file keeps its old bytes. CancelUpdate drops the copy.
    void BeginUpdate();
    void EndUpdate();
    void CancelUpdate() { pending_.reset(); }

    // Runs `writes` inside an update: committed when it returns, dropped when it throws.
    template <typename Writes>
    void Update(Writes&& writes) {
        BeginUpdate();
        try {
            writes();
        } catch (...) {
            CancelUpdate();
            throw;
        }
        EndUpdate();
    }

private:
    std::optional<std::string> readValue(std::string_view section, std::string_view key) const;
    [[noreturn]] void throwUnableToWrite() const;

    std::string currentBytesForWriting() const;
    void replaceFile(const std::string& bytes) const;

    std::filesystem::path fileName_;
    std::optional<std::string> pending_;
};

}  // namespace veyrin
