#include "windows/model/speech_voice.h"

#include <algorithm>
#include <cctype>

namespace veyrin {
namespace {

std::string lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool startsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// Higher is better; 0 means not Mandarin.
int localeScore(const std::string& name) {
    const std::string tag = lowered(name);
    auto language = tag.substr(0, tag.find_first_of("-_"));
    if (language == "cmn") return 3;
    if (language != "zh") return 0;
    if (contains(tag, "yue") || contains(tag, "-hk") || contains(tag, "_hk")) return 1;
    return tag == "zh" || contains(tag, "cn") || contains(tag, "hans") ? 4 : 2;
}

int voiceScore(const std::string& name) {
    const std::string voice = lowered(name);
    const bool mandarin = contains(voice, "mandarin") || startsWith(voice, "cmn") || startsWith(voice, "zh");
    if (!mandarin) return 0;
    int score = 2;
    if (!contains(voice, "+")) score += 2;
    if (contains(voice, "pinyin")) score += 1;
    return score;
}

template <typename Score>
int bestIndex(const std::vector<std::string>& names, Score score) {
    int best = -1;
    int bestScore = 0;
    for (size_t i = 0; i < names.size(); ++i) {
        int s = score(names[i]);
        if (s > bestScore) {
            best = static_cast<int>(i);
            bestScore = s;
        }
    }
    return best;
}

}  // namespace

std::string readAloudHint(TSpeechAvailability availability, bool speaking) {
    switch (availability) {
        case TSpeechAvailability::Probing: return "正在连接语音引擎……";
        case TSpeechAvailability::NoEngine: return "无法朗读：本机没有安装语音引擎";
        case TSpeechAvailability::EngineFailed: return "无法朗读：语音引擎无法启动";
        case TSpeechAvailability::NotAnswering: return "无法朗读：语音引擎没有应答";
        case TSpeechAvailability::NoChineseVoice: return "无法朗读：语音引擎没有普通话语音";
        case TSpeechAvailability::Ready: break;
    }
    return speaking ? "停止朗读 (F8)" : "朗读 (F8)";
}

int chooseChineseLocale(const std::vector<std::string>& bcp47Names) { return bestIndex(bcp47Names, localeScore); }

int chooseMandarinVoice(const std::vector<std::string>& voiceNames) { return bestIndex(voiceNames, voiceScore); }

}  // namespace veyrin
