#include "platform/model/chinese_script.h"

#include <opencc/SimpleConverter.hpp>

#include <exception>

namespace veyrin {

struct ChineseScript::Tables {
    opencc::SimpleConverter toTraditional{"s2t.json"};
    opencc::SimpleConverter toSimplified{"t2s.json"};
};

ChineseScript::ChineseScript() = default;

const ChineseScript::Tables* ChineseScript::tables() const {
    std::call_once(loaded_, [this] {
        try {
            tables_ = std::make_unique<Tables>();
        } catch (const std::exception& error) {
            problem_ = std::string("Chinese conversion tables could not be loaded: ") + error.what();
        } catch (...) {
            problem_ = "Chinese conversion tables could not be loaded";
        }
    });
    return tables_.get();
}

ChineseScript::~ChineseScript() = default;

const ChineseScript& ChineseScript::shared() {
    static const ChineseScript script;
    return script;
}

bool ChineseScript::available() const { return tables() != nullptr; }

const std::string& ChineseScript::problem() const {
    tables();
    return problem_;
}

std::string ChineseScript::toTraditional(std::string_view utf8) const {
    return convert(utf8, ChineseForm::Traditional);
}

std::string ChineseScript::toSimplified(std::string_view utf8) const {
    return convert(utf8, ChineseForm::Simplified);
}

std::string ChineseScript::convert(std::string_view utf8, ChineseForm to) const {
    const Tables* loaded = utf8.empty() ? nullptr : tables();
    if (!loaded) return std::string(utf8);
    const auto& converter = to == ChineseForm::Traditional ? loaded->toTraditional : loaded->toSimplified;
    try {
        return converter.Convert(utf8.data(), utf8.size());
    } catch (...) {
        // A malformed UTF-8 sequence is left as it came rather than losing the text.
        return std::string(utf8);
    }
}

}  // namespace veyrin
