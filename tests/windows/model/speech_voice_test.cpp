// Choosing a Mandarin locale or voice from what an engine offers, and the 朗读 hints that say why
// the action cannot be used.

#include <gtest/gtest.h>

#include <set>

#include "windows/model/speech_voice.h"

namespace veyrin {
namespace {

TEST(SpeechVoice, PrefersMainlandMandarinLocales) {
    EXPECT_EQ(chooseChineseLocale({"en-US", "yue", "zh-TW", "zh-CN"}), 3);
    EXPECT_EQ(chooseChineseLocale({"zh_CN", "cmn"}), 0);
    EXPECT_EQ(chooseChineseLocale({"en", "zh-HK", "zh-TW"}), 2);
    EXPECT_EQ(chooseChineseLocale({"en", "yue", "ug-CN", "C"}), -1);
    EXPECT_EQ(chooseChineseLocale({}), -1);
}

TEST(SpeechVoice, PrefersThePlainPinyinMandarinVoice) {
    const std::vector<std::string> voices = {"Bishnupriya Manipuri",
                                             "Chinese (Mandarin, latin as English)+Adam",
                                             "Chinese (Mandarin, latin as English)",
                                             "Chinese (Mandarin, latin as Pinyin)+female2",
                                             "Chinese (Mandarin, latin as Pinyin)",
                                             "Chinese (Cantonese)"};
    EXPECT_EQ(chooseMandarinVoice(voices), 4);
    EXPECT_EQ(chooseMandarinVoice({"English (America)", "Chinese (Cantonese)"}), -1);
    EXPECT_EQ(chooseMandarinVoice({"english", "Chinese (Mandarin, latin as English)+Adam"}), 1);
}

TEST(SpeechVoice, EveryReasonHasItsOwnHint) {
    std::set<std::string> hints;
    for (auto state : {TSpeechAvailability::Probing, TSpeechAvailability::NoEngine, TSpeechAvailability::EngineFailed,
                       TSpeechAvailability::NotAnswering, TSpeechAvailability::NoChineseVoice}) {
        EXPECT_EQ(readAloudHint(state, false), readAloudHint(state, true));
        hints.insert(readAloudHint(state, false));
    }
    hints.insert(readAloudHint(TSpeechAvailability::Ready, false));
    hints.insert(readAloudHint(TSpeechAvailability::Ready, true));
    EXPECT_EQ(hints.size(), 7u);
}

}  // namespace
}  // namespace veyrin
