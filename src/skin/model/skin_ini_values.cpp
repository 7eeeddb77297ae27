#include "skin/model/skin_ini_values.h"

#include <charconv>
#include <climits>

#include "platform/model/app_error.h"

namespace veyrin {

namespace {

[[noreturn]] void throwNotAnInteger(std::string_view text) {
    throw AppError("'" + std::string(text) + "' is not a valid integer value");
}

bool parseInteger(std::string_view text, int& result) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), result);
    return error == std::errc() && end == text.data() + text.size();
}

// The last field takes the rest of the text, so a comma in it means one field too many.
int fieldNumber(std::string_view field) {
    if (field.find(',') != std::string_view::npos) throwNotAnInteger(field);
    std::string digits;
    for (char c : field)
        if (c >= '0' && c <= '9') digits.push_back(c);
    int value = 0;
    if (!parseInteger(digits, value)) throwNotAnInteger(digits);
    return value;
}

template <typename Enum, std::size_t N>
Enum lookupWord(const std::string& folded, const std::pair<std::string_view, Enum> (&words)[N], Enum unknown) {
    for (const auto& [word, value] : words)
        if (folded == word) return value;
    return unknown;
}

}  // namespace

std::vector<int> readSkinNumberFields(std::string_view text, int count) {
    std::vector<int> numbers;
    for (int i = 0; i < count; ++i) {
        const bool last = i == count - 1;
        const std::size_t comma = text.find(',');
        if (!last && comma == std::string_view::npos) throwNotAnInteger("");
        const std::string_view field = last ? text : text.substr(0, comma);
        numbers.push_back(fieldNumber(field));
        if (!last) text.remove_prefix(comma + 1);
    }
    return numbers;
}

std::pair<std::string, std::string> splitSkinEntry(std::string_view entry) {
    const std::size_t colon = entry.find(':');
    if (colon == std::string_view::npos) return {std::string(entry), {}};
    return {std::string(entry.substr(0, colon)), std::string(entry.substr(colon + 1))};
}

std::string SkinSectionReader::string(std::string_view key, std::string_view fallback) const {
    return ini_.readString(section_, key, fallback);
}

int SkinSectionReader::integer(std::string_view key, int fallback) const {
    const std::string* text = ini_.value(section_, key);
    int value = 0;
    return text != nullptr && parseInteger(*text, value) ? value : fallback;
}

bool SkinSectionReader::boolean(std::string_view key) const { return integer(key, 0) == 1; }

FramePoint SkinSectionReader::point(std::string_view key) const {
    const std::vector<int> n = readSkinNumberFields(string(key, "0,0"), 2);
    return {n[0], n[1]};
}

FrameRect SkinSectionReader::rect(std::string_view key) const {
    const std::vector<int> n = readSkinNumberFields(string(key, "0,0,0,0"), 4);
    return {n[0], n[1], n[2], n[3]};
}

SkinFontStyle SkinSectionReader::fontStyle(std::string_view key) const {
    const std::string text = foldSkinName(string(key));
    auto has = [&](std::string_view word) { return text.find(word) != std::string::npos; };
    return {has("fsbold"), has("fsitalic"), has("fsunderline"), has("fsstrikeout")};
}

TbsTextAlignment SkinSectionReader::alignment(std::string_view key) const {
    static constexpr std::pair<std::string_view, TbsTextAlignment> kWords[] = {
        {"tacenter", TbsTextAlignment::taCenter}, {"taleftjustify", TbsTextAlignment::taLeftJustify}};
    return lookupWord(foldSkinName(string(key, "tacenter")), kWords, TbsTextAlignment::taRightJustify);
}

TbsMorphKind SkinSectionReader::morphKind(std::string_view key) const {
    using enum TbsMorphKind;
    static constexpr std::pair<std::string_view, TbsMorphKind> kWords[] = {
        {"mkdefault", mkDefault},     {"mkgradient", mkGradient},     {"mkleftgradient", mkLeftGradient},
        {"mkrightgradient", mkRightGradient}, {"mkleftslide", mkLeftSlide}, {"mkrightslide", mkRightSlide},
        {"mkpush", mkPush}};
    return lookupWord(foldSkinName(string(key, "mkdefault")), kWords, mkDefault);
}

TbsInactiveEffect SkinSectionReader::inactiveEffect(std::string_view key) const {
    using enum TbsInactiveEffect;
    static constexpr std::pair<std::string_view, TbsInactiveEffect> kWords[] = {
        {"iebrightness", ieBrightness}, {"iedarkness", ieDarkness}, {"iegrayscale", ieGrayScale},
        {"ienoise", ieNoise},           {"iesplitblur", ieSplitBlur}, {"ieinvert", ieInvert}};
    return lookupWord(foldSkinName(string(key, "iebrightness")), kWords, ieGrayScale);
}

TbsStdCommand SkinSectionReader::command(std::string_view key) const {
    using enum TbsStdCommand;
    static constexpr std::pair<std::string_view, TbsStdCommand> kWords[] = {
        {"cmclose", cmClose},     {"cmmaximize", cmMaximize}, {"cmminimize", cmMinimize},
        {"cmsysmenu", cmSysMenu}, {"cmdefault", cmDefault},   {"cmrollup", cmRollUp}};
    return lookupWord(foldSkinName(string(key, "cmdefault")), kWords, cmMinimizeToTray);
}

std::vector<std::string> SkinSectionReader::list(std::string_view name) const {
    const int count = integer(std::string(name) + "count", 0);
    if (count <= 0) return {};
    if (count > kMaxSkinListCount)
        throw AppError("List " + std::string(name) + "count=" + std::to_string(count) + " of [" + section_ +
                       "] is too long");
    // One pass over the section, so a long list costs no more than its keys; a numbered key that
    // is missing keeps the empty default and the list still runs to its count.
    std::vector<std::string> items(static_cast<std::size_t>(count));
    std::vector<bool> found(items.size(), false);
    const SkinIniText::Section* section = ini_.findSection(section_);
    for (const auto& [key, value] : section->values) {
        int index = 0;
        if (!parseInteger(key, index) || index < 0 || index >= count || key != std::to_string(index)) continue;
        const auto at = static_cast<std::size_t>(index);
        if (found[at]) continue;
        found[at] = true;
        items[at] = value;
    }
    return items;
}

}  // namespace veyrin
