// veyrin-pinyin: prints the pinyin of Chinese text, one output line per input line.
//   veyrin-pinyin [--numbers | --initials] [TEXT...]
// The text is the arguments joined by spaces or, without any, standard input (UTF-8). Each
// Chinese character becomes its syllable (zhāo; with --numbers zhao1; with --initials z), and a
// run of other characters is copied as it is; one space stands between neighbours, except where
// the text already has white space. Invalid UTF-8 is an error: a message, exit status 1.

#include <iostream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "platform/model/pinyin_readings.h"
#include "platform/model/utf8_text.h"

namespace {

using namespace veyrin;

enum class Form { ToneMarks, ToneNumbers, Initials };

std::string render(PinyinSyllable syllable, Form form) {
    switch (form) {
    case Form::ToneNumbers: return withToneNumber(syllable);
    case Form::Initials: return std::string(initialLetter(syllable));
    case Form::ToneMarks: break;
    }
    return withToneMark(syllable);
}

bool isSpace(char32_t c) { return c == U' ' || c == U'\t' || c == U'\r' || c == 0x3000; }

// Syllables and runs of other characters, in order.
std::vector<std::u32string> pieces(std::u32string_view line, const std::vector<PinyinReading>& readings, Form form) {
    std::vector<std::u32string> out;
    bool inRun = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (readings[i].hasReading()) {
            out.push_back(utf8::decode(render(readings[i].syllable, form)));
            inRun = false;
        } else {
            if (!inRun) out.emplace_back();
            out.back().push_back(line[i]);
            inRun = true;
        }
    }
    return out;
}

std::string annotate(std::u32string_view line, Form form) {
    std::u32string out;
    for (const std::u32string& piece : pieces(line, pinyinReadings(line), form)) {
        if (!out.empty() && !isSpace(out.back()) && !isSpace(piece.front())) out.push_back(U' ');
        out += piece;
    }
    return utf8::encode(out);
}

int usage() {
    std::cerr << "usage: veyrin-pinyin [--numbers | --initials] [TEXT...]\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    Form form = Form::ToneMarks;
    std::string text;
    bool fromArguments = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--numbers" && !fromArguments) {
            form = Form::ToneNumbers;
        } else if (arg == "--initials" && !fromArguments) {
            form = Form::Initials;
        } else if (arg.starts_with("--") && !fromArguments) {
            return usage();
        } else {
            if (fromArguments) text += ' ';
            text += arg;
            fromArguments = true;
        }
    }
    if (!fromArguments) text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());

    if (const auto bad = utf8::firstInvalidByte(text)) {
        std::cerr << "veyrin-pinyin: the input is not valid UTF-8 (byte " << *bad + 1 << ")\n";
        return 1;
    }
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::cout << annotate(utf8::decode(std::string_view(text).substr(start, end - start)), form) << '\n';
        start = end + 1;
    }
    return 0;
}
