#include "platform/model/pinyin_readings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/model/gbk_text.h"
#include "platform/model/utf8_text.h"

using namespace veyrin;

namespace {

std::string numbered(const PinyinReading& r) { return r.hasReading() ? withToneNumber(r.syllable) : "-"; }

// The readings of a text as "zhao1 ci2 -" for short, readable expectations.
std::string numbered(std::u32string_view text) {
    std::string out;
    for (const PinyinReading& r : pinyinReadings(text)) out += (out.empty() ? "" : " ") + numbered(r);
    return out;
}

// Every two-byte code of GBK's ideograph areas (GB2312's hanzi rows B0-F7, and the GBK/3 and GBK/4
// extensions), with what it decodes to.
std::vector<std::pair<std::string, char32_t>> gbkIdeographs() {
    std::vector<std::pair<std::string, char32_t>> out;
    auto add = [&](int lead, int trail) {
        const std::string bytes{static_cast<char>(lead), static_cast<char>(trail)};
        const std::u32string decoded = utf8::decode(gbk::toUtf8(bytes));
        // Unassigned codes and the few that iconv maps to the private use area are no characters.
        if (decoded.size() == 1 && decoded[0] != 0xFFFD && !(decoded[0] >= 0xE000 && decoded[0] <= 0xF8FF))
            out.emplace_back(bytes, decoded[0]);
    };
    for (int lead = 0xB0; lead <= 0xF7; ++lead)
        for (int trail = 0xA1; trail <= 0xFE; ++trail) add(lead, trail);
    for (int lead = 0x81; lead <= 0xFE; ++lead)
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            const bool gbk3 = lead <= 0xA0;
            const bool gbk4 = lead >= 0xAA && trail <= 0xA0;
            if (trail != 0x7F && (gbk3 || gbk4)) add(lead, trail);
        }
    return out;
}

}  // namespace

// Characters made in Japan, which GBK took over from IBM's code pages: neither the Unicode data
// nor a Chinese dictionary gives them a Mandarin reading, so they have none.
constexpr std::u32string_view kWithoutMandarinReading = U"桛烪﨎﨏﨓﨔﨟﨡﨣﨤﨧﨨﨩";

TEST(PinyinTables, EveryGbkIdeographHasAReading) {
    const auto ideographs = gbkIdeographs();
    ASSERT_GT(ideographs.size(), 20900u);  // the walk really covers GBK's hanzi
    std::u32string missing;
    for (const auto& [bytes, character] : ideographs)
        if (!commonPinyinReading(character)) missing += character;
    EXPECT_EQ(utf8::encode(missing), utf8::encode(kWithoutMandarinReading));
}

TEST(PinyinTables, OtherCharactersHaveNone) {
    EXPECT_EQ(numbered(U"李白, 3 A。"), "li3 bai2 - - - - - -");
}

TEST(PinyinReadings, TablesDecideInOrderPoeticThenWordThenCharacter) {
    // 不禁 alone is the word "can't help" (jīn); in 不禁夜 verse reads "not forbid" (jìn).
    const auto word = pinyinReadings(std::u32string_view(U"不禁"));
    EXPECT_EQ(numbered(word[1]), "jin1");
    EXPECT_EQ(word[1].source, PinyinSource::Word);
    const auto verse = pinyinReadings(std::u32string_view(U"金吾不禁夜"));
    EXPECT_EQ(numbered(verse[3]), "jin4");
    EXPECT_EQ(verse[3].source, PinyinSource::Poetic);
    EXPECT_EQ(verse[0].source, PinyinSource::Character);

    EXPECT_EQ(numbered(U"鹿柴"), "lu4 zhai4");
    EXPECT_EQ(numbered(U"一骑红尘妃子笑"), "yi1 ji4 hong2 chen2 fei1 zi3 xiao4");
    EXPECT_EQ(numbered(U"朝辞白帝彩云间"), "zhao1 ci2 bai2 di4 cai3 yun2 jian1");
    EXPECT_EQ(numbered(U"轻舟已过万重山"), "qing1 zhou1 yi3 guo4 wan4 chong2 shan1");
}

TEST(PinyinReadings, LongestWordCoveringACharacterWins) {
    // 漂儿 reads piāo; inside the longer 水漂儿 the same 漂 is piǎo.
    EXPECT_EQ(numbered(U"漂儿"), "piao1 er2");
    EXPECT_EQ(numbered(U"水漂儿"), "shui3 piao3 er2");
    // A word still decides its characters when the line goes on past it.
    EXPECT_EQ(numbered(U"打水漂儿去"), "da3 shui3 piao3 er2 qu4");
}

TEST(PinyinReadings, Utf8AndCodePointsGiveTheSamePositions) {
    const auto fromUtf8 = pinyinReadings(std::string_view("A还乡"));
    ASSERT_EQ(fromUtf8.size(), 3u);
    EXPECT_EQ(numbered(fromUtf8[1]), "huan2");
}

TEST(PinyinSyllable, ToneMarkSitsOnTheRightVowel) {
    const std::vector<std::pair<PinyinSyllable, std::string>> cases = {
        {{"zhao", 1}, "zhāo"}, {{"mei", 2}, "méi"}, {{"duo", 3}, "duǒ"}, {{"lou", 4}, "lòu"},
        {{"liu", 1}, "liū"},   {{"gui", 2}, "guí"}, {{"lv", 3}, "lǚ"},   {{"nv", 4}, "nǜ"},
        {{"lve", 4}, "lüè"},   {{"lv", 1}, "lǖ"},   {{"lv", 2}, "lǘ"},   {{"lv", 5}, "lü"},
        {{"de", 5}, "de"},     {{"ng", 2}, "ńg"},   {{"xiong", 2}, "xióng"}, {{"er", 4}, "èr"},
    };
    for (const auto& [syllable, expected] : cases)
        EXPECT_EQ(withToneMark(syllable), expected) << syllable.letters << syllable.tone;
}

TEST(PinyinSyllable, NumberTonelessAndInitialForms) {
    EXPECT_EQ(withToneNumber({"zhao", 1}), "zhao1");
    EXPECT_EQ(withToneNumber({"lv", 4}), "lv4");
    EXPECT_EQ(toneless({"zhao", 1}), "zhao");
    EXPECT_EQ(initialLetter({"zhao", 1}), "z");
    EXPECT_EQ(initialLetter({"chang", 2}), "c");
    EXPECT_EQ(initialLetter({"an", 1}), "a");
}

TEST(PinyinSearchKeys, GiveTonelessSyllablesAndInitialsPerCharacter) {
    const auto keys = pinyinSearchKeys(U"李白 长安");
    ASSERT_EQ(keys.size(), 5u);
    std::string syllables, initials;
    for (const PinyinSearchKey& k : keys) {
        syllables += std::string(k.syllable) + "|";
        initials += std::string(k.initial) + "|";
    }
    EXPECT_EQ(syllables, "li|bai||chang|an|");
    EXPECT_EQ(initials, "l|b||c|a|");
}
