#include "platform/model/program_path.h"

#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

#include "platform/model/app_error.h"
#include "platform/model/atomic_file.h"
#include "platform/model/file_permissions.h"
#include "platform/model/gbk_text.h"

namespace veyrin {
namespace {

std::vector<std::string> splitComponents(const std::string& programPath) {
    std::vector<std::string> parts;
    std::string current;
    for (char c : programPath) {
        if (c == '\\' || c == '/') {
            if (!current.empty()) parts.push_back(current);
            current.clear();
        } else {
            current.push_back(c);
        }
    }
    if (!current.empty()) parts.push_back(current);
    return parts;
}

bool equalsIgnoringAsciiCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto x = static_cast<unsigned char>(a[i]);
        auto y = static_cast<unsigned char>(b[i]);
        if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x + 32);
        if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y + 32);
        if (x != y) return false;
    }
    return true;
}

std::filesystem::path matchComponent(const std::filesystem::path& dir, const std::string& utf8Name) {
    std::error_code ec;
    std::filesystem::path exact = dir / utf8Name;
    if (std::filesystem::exists(std::filesystem::symlink_status(exact, ec))) return exact;
    if (utf8Name == "." || utf8Name == "..") return exact;
    for (const auto& entry : std::filesystem::directory_iterator(dir, ec)) {
        if (equalsIgnoringAsciiCase(entry.path().filename().string(), utf8Name)) return entry.path();
    }
    return exact;
}

}  // namespace

std::filesystem::path resolveProgramPath(const std::filesystem::path& base, const std::string& programPath) {
    std::filesystem::path result = base;
    bool absolute = !programPath.empty() && (programPath[0] == '\\' || programPath[0] == '/');
    if (absolute) result = "/";
    for (const std::string& part : splitComponents(programPath)) {
        result = matchComponent(result, gbk::toUtf8(part));
    }
    return result;
}

std::string readWholeFile(const std::filesystem::path& base, const std::string& programPath) {
    std::filesystem::path path = resolveProgramPath(base, programPath);
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec) || refusesReading(path)) throwCannotOpen(programPath);
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) throwCannotOpen(programPath);
    // One read of the known size (large texts load in one step); files whose size cannot be told
    // up front are read to their end instead.
    std::streamoff size = in.tellg();
    std::string bytes;
    if (size > 0 && in.seekg(0, std::ios::beg)) {
        bytes.resize(static_cast<size_t>(size));
        in.read(bytes.data(), size);
        bytes.resize(static_cast<size_t>(in.gcount()));
        if (in.bad()) throwCannotOpen(programPath);
        in.clear();
    } else {
        in.clear();
        in.seekg(0, std::ios::beg);
    }
    bytes.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) throwCannotOpen(programPath);
    return bytes;
}

void writeFileAtomically(const std::filesystem::path& base, const std::string& programPath,
                         const std::string& bytes) {
    if (!replaceFileContents(resolveProgramPath(base, programPath), bytes)) throwCannotCreate(programPath);
}

}  // namespace veyrin
