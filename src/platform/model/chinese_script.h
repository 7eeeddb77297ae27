#pragma once
// Simplified and traditional forms of Chinese text (UTF-8 in, UTF-8 out). The reading window shows
// the traditional form on request and search folds both forms onto the simplified one, so a reader
// typing either finds the same line. The conversion tables come with the system's OpenCC data;
// when they are missing the text is returned unchanged and available() says so. The tables are
// read on first use (some 30 ms), so a window that may offer conversion costs nothing at start-up.

#include <memory>
#include <mutex>
#include <string>
#include <string_view>

namespace veyrin {

enum class ChineseForm { Simplified, Traditional };

class ChineseScript {
public:
    ChineseScript();
    ~ChineseScript();
    ChineseScript(const ChineseScript&) = delete;
    ChineseScript& operator=(const ChineseScript&) = delete;

    // One converter for the whole program: loading a table costs milliseconds, converting is cheap,
    // and converting is safe from several threads at once.
    static const ChineseScript& shared();

    // True when both tables load; otherwise every conversion is the identity.
    bool available() const;
    // Why the tables did not load (empty when they did).
    const std::string& problem() const;

    std::string toTraditional(std::string_view utf8) const;
    std::string toSimplified(std::string_view utf8) const;
    std::string convert(std::string_view utf8, ChineseForm to) const;

private:
    struct Tables;
    const Tables* tables() const;

    mutable std::once_flag loaded_;
    mutable std::unique_ptr<Tables> tables_;
    mutable std::string problem_;
};

}  // namespace veyrin
