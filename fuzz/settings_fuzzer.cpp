// Input: a few key writes (section, key, kind, value), then the bytes of a Tcini.ini as a reader
// may have left it. The file is written to disk, the keys are written through the settings
// object, and then every written key must read back as written and every other key the file
// could hold must read as it did before.

#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "app/model/profile_text.h"
#include "app/model/settings_file.h"
#include "platform/model/gbk_text.h"

namespace {

namespace fs = std::filesystem;

const char* const kProgramSections[] = {"Font", "font", "Temp", "temp", "color"};
const char* const kProgramKeys[] = {"font1", "size1", "color1", "check1", "check2", "check3", "check4",
                                    "check5", "LineDivider", "color2", "item1", "topline", "Visible1",
                                    "Visible2", "Visible3", "Height1"};

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string withoutBytes(std::string text, std::string_view unwanted) {
    std::erase_if(text, [&](char c) { return unwanted.find(c) != std::string_view::npos; });
    return text;
}

// A name as the file compares it: ASCII letters folded, double-byte characters kept whole.
std::string folded(std::string_view name) {
    std::string result;
    for (std::size_t i = 0; i < name.size();) {
        std::size_t length = veyrin::gbk::characterLength(name, i);
        for (std::size_t j = i; j < i + length; ++j) {
            char c = name[j];
            result += length == 1 && c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
        }
        i += length;
    }
    return result;
}

std::string sectionName(FuzzedDataProvider& in) {
    if (in.ConsumeBool()) return in.PickValueInArray(kProgramSections);
    return withoutBytes(in.ConsumeRandomLengthString(12), std::string_view("\r\n", 2));
}

// A key the file form can hold: no line break, no '=', no blanks around it, and not opening with
// '[' (such a line could be taken for a section header).
std::string keyName(FuzzedDataProvider& in) {
    if (in.ConsumeBool()) return in.PickValueInArray(kProgramKeys);
    std::string key(trimBlanks(withoutBytes(in.ConsumeRandomLengthString(12), "\r\n=")));
    if (key.empty() || key.front() == '[') key.insert(0, "k");
    return key;
}

// A text value that reads back unchanged: one line, no blanks around it, not quoted, not too long.
std::string textValue(FuzzedDataProvider& in) {
    std::string value(trimBlanks(withoutBytes(in.ConsumeRandomLengthString(64), "\r\n")));
    if (value.size() > veyrin::kMaxProfileValueLength) value.resize(veyrin::kMaxProfileValueLength);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value.back() = 'v';
    return value;
}

enum class Kind { Text, Integer, Boolean };

struct Written {
    std::string section, key;
    Kind kind;
    std::string text;
    std::int32_t number = 0;
};

void writeKey(veyrin::TIniFile& ini, const Written& w) {
    switch (w.kind) {
        case Kind::Text: ini.WriteString(w.section, w.key, w.text); break;
        case Kind::Integer: ini.WriteInteger(w.section, w.key, w.number); break;
        case Kind::Boolean: ini.WriteBool(w.section, w.key, w.number != 0); break;
    }
}

bool readsBackAsWritten(const veyrin::TIniFile& ini, const Written& w) {
    switch (w.kind) {
        case Kind::Text: return ini.ReadString(w.section, w.key, "\x01missing") == w.text;
        case Kind::Integer:
            // Two different defaults, so a value that did not parse cannot pass by matching one.
            return ini.ReadInteger(w.section, w.key, w.number ^ 1) == w.number &&
                   ini.ReadInteger(w.section, w.key, w.number ^ 2) == w.number;
        case Kind::Boolean:
            return ini.ReadBool(w.section, w.key, true) == (w.number != 0) &&
                   ini.ReadBool(w.section, w.key, false) == (w.number != 0);
    }
    return false;
}

// Every section and key name the content could hold (more than it does: a name that is not one
// reads as missing before and after alike).
struct Names {
    std::vector<std::string> sections, keys;
};

Names namesIn(std::string_view content) {
    std::set<std::string> sections, keys;
    std::size_t start = 0;
    while (start < content.size() && sections.size() < 16 && keys.size() < 32) {
        std::size_t end = content.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = content.size();
        std::string_view line = content.substr(start, end - start);
        std::string_view trimmed = trimBlanks(line);
        std::size_t close = trimmed.rfind(']');
        if (!trimmed.empty() && trimmed.front() == '[' && close != std::string_view::npos && close > 0)
            sections.emplace(trimmed.substr(1, close - 1));
        if (std::size_t equals = line.find('='); equals != std::string_view::npos)
            keys.emplace(trimBlanks(line.substr(0, equals)));
        start = end + 1;
    }
    return {{sections.begin(), sections.end()}, {keys.begin(), keys.end()}};
}

std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const fs::path& scratchDirectory() {
    static const fs::path dir = [] {
        fs::path base = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        fs::path d = base / ("veyrin-settings-fuzz-" + std::to_string(getpid()));
        fs::create_directories(d);
        return d;
    }();
    return dir;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    std::vector<Written> writes(in.ConsumeIntegralInRange<std::size_t>(1, 4));
    for (Written& w : writes) {
        w.section = sectionName(in);
        w.key = keyName(in);
        w.kind = in.PickValueInArray({Kind::Text, Kind::Integer, Kind::Boolean});
        if (w.kind == Kind::Text) w.text = textValue(in);
        else w.number = in.ConsumeIntegral<std::int32_t>();
    }
    const std::string original = in.ConsumeRemainingBytesAsString();

    const fs::path path = scratchDirectory() / "Tcini.ini";
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(original.data(), static_cast<std::streamsize>(original.size()));
    veyrin::TIniFile ini(path);
    std::map<std::pair<std::string, std::string>, const Written*> last;
    for (const Written& w : writes) {
        writeKey(ini, w);
        last[{folded(w.section), folded(w.key)}] = &w;
    }

    for (const auto& [name, w] : last)
        if (!readsBackAsWritten(ini, *w)) std::abort();

    const std::string after = readBytes(path);
    const Names names = namesIn(original);
    for (const std::string& section : names.sections) {
        for (const std::string& key : names.keys) {
            if (last.contains({folded(section), folded(key)})) continue;
            if (veyrin::findProfileValue(original, section, key) != veyrin::findProfileValue(after, section, key))
                std::abort();
        }
    }
    return 0;
}
