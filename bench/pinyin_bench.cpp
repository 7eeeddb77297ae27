// Pinyin for the whole bundled anthology (every entry's full text: introductions, verse and
// commentary), as the reading window and a pinyin search will ask for it. The counters give, for
// the verse lines, the share of characters each table decided.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "anthology/model/entry_files.h"
#include "platform/model/gbk_text.h"
#include "platform/model/pinyin_readings.h"
#include "platform/model/utf8_text.h"

namespace {

using namespace veyrin;

std::vector<std::u32string> anthologyLines() {
    const auto dir = std::filesystem::path(VEYRIN_SOURCE_DIR) / "data" / "Data" / gbk::toUtf8(kAnthologyDirectoryName);
    std::vector<std::u32string> lines;
    for (int entry = 1; entry <= kEntryFileCount; ++entry) {
        const auto name = (entry < 10 ? "0" : "") + std::to_string(entry) + ".txt";
        std::ifstream in(dir / name, std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        std::size_t start = 0;
        while (start < text.size()) {
            const std::size_t end = std::min(text.find('\n', start), text.size());
            lines.push_back(utf8::decode(gbk::toUtf8(text.substr(start, end - start))));
            start = end + 1;
        }
    }
    return lines;
}

// A poem's lines run from its title 【…】 to the next blank line or commentary.
std::vector<std::u32string> verseLines(const std::vector<std::u32string>& lines) {
    std::vector<std::u32string> verse;
    bool inPoem = false;
    for (const std::u32string& line : lines) {
        if (line.starts_with(U"【")) {
            inPoem = true;
        } else if (line.find_first_not_of(U" \r\t\u3000") == std::u32string::npos || line.starts_with(U"鉴赏")) {
            inPoem = false;
        } else if (inPoem) {
            verse.push_back(line);
        }
    }
    return verse;
}

void BM_AnnotateAnthology(benchmark::State& state) {
    const std::vector<std::u32string> lines = anthologyLines();
    std::size_t characters = 0;
    for (auto _ : state) {
        characters = 0;
        for (const std::u32string& line : lines) {
            auto readings = pinyinReadings(line);
            characters += readings.size();
            benchmark::DoNotOptimize(readings.data());
        }
    }
    if (characters < 10000) state.SkipWithError("the bundled anthology was not found");
    state.counters["characters"] = static_cast<double>(characters);

    double poetic = 0, word = 0, character = 0;
    for (const std::u32string& line : verseLines(lines))
        for (const PinyinReading& r : pinyinReadings(line)) {
            poetic += r.source == PinyinSource::Poetic;
            word += r.source == PinyinSource::Word;
            character += r.source == PinyinSource::Character;
        }
    const double chinese = poetic + word + character;
    state.counters["verse_poetic_%"] = 100 * poetic / chinese;
    state.counters["verse_word_%"] = 100 * word / chinese;
    state.counters["verse_character_%"] = 100 * character / chinese;
}
BENCHMARK(BM_AnnotateAnthology)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
