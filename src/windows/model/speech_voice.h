#pragma once
// Whether the reading window can read aloud, and in which voice. The engine is asked once, off
// the GUI thread; what it answers decides the state of the 朗读 action, and its hint says why the
// action cannot be used when it cannot.

#include <string>
#include <vector>

namespace veyrin {

enum class TSpeechAvailability {
    Probing,         // the engine is still being asked
    NoEngine,        // no speech engine is installed
    EngineFailed,    // the engine would not start or reported an error
    NotAnswering,    // the engine has not answered in time (a speech server that hangs)
    NoChineseVoice,  // the engine speaks, but no Mandarin voice is installed
    Ready,
};

// The action's hint (UTF-8): the reason when it cannot read, what a press does when it can.
std::string readAloudHint(TSpeechAvailability availability, bool speaking);

// Index of the best Chinese locale among BCP 47 names ("zh-CN", "zh", "cmn"...), -1 for none.
// Mainland Mandarin first, then any other Chinese tag; Cantonese ("yue") is not Mandarin.
int chooseChineseLocale(const std::vector<std::string>& bcp47Names);

// Index of the best Mandarin voice among voice names, -1 for none. Engines that file their voices
// under no locale name them instead ("Chinese (Mandarin, latin as Pinyin)"); the plain voice is
// preferred to its variants ("...+female2"), and Pinyin reading of Latin letters to English.
int chooseMandarinVoice(const std::vector<std::string>& voiceNames);

}  // namespace veyrin
