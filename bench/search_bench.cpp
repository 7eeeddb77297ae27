// The search index over the bundled anthology: building it (on the worker thread, once per run)
// and answering the queries a reader types, which run on the GUI thread at every keystroke.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "anthology/model/search_index.h"
#include "platform/model/chinese_script.h"

namespace {

std::filesystem::path anthologyDirectory() { return std::filesystem::path(VEYRIN_SOURCE_DIR) / "data"; }

const veyrin::SearchIndex& anthologyIndex() {
    static const veyrin::SearchIndex index = veyrin::SearchIndex::build(anthologyDirectory());
    return index;
}

void BM_BuildSearchIndex(benchmark::State& state) {
    veyrin::ChineseScript::shared();  // the tables load once per program, not per build
    int entries = 0;
    for (auto _ : state) {
        veyrin::SearchIndex index = veyrin::SearchIndex::build(anthologyDirectory());
        entries = index.entryCount();
        benchmark::DoNotOptimize(&index);
    }
    if (entries == 0) state.SkipWithError("the bundled anthology was not found");
    state.counters["entries"] = entries;
}
BENCHMARK(BM_BuildSearchIndex)->Unit(benchmark::kMillisecond);

void BM_Query(benchmark::State& state, const char* query) {
    const veyrin::SearchIndex& index = anthologyIndex();
    if (index.entryCount() == 0) state.SkipWithError("the bundled anthology was not found");
    std::size_t hits = 0;
    for (auto _ : state) {
        auto found = index.find(query);
        hits = found.size();
        benchmark::DoNotOptimize(found.data());
    }
    state.counters["hits"] = static_cast<double>(hits);
}
BENCHMARK_CAPTURE(BM_Query, poet_name, "杜甫")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Query, common_character, "不")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Query, traditional_form, "長安")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Query, miss, "黄鹤楼外")->Unit(benchmark::kMicrosecond);
// Pinyin: whole syllables, initials, a single initial (the first keystroke of most queries, and
// the most hits), and letters that are no pinyin at all.
BENCHMARK_CAPTURE(BM_Query, pinyin_poet, "libai")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Query, pinyin_line, "chuangqianmingyueguang")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Query, pinyin_spaced, "chang an")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Query, pinyin_initials, "cqmyg")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Query, pinyin_one_initial, "b")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Query, pinyin_common_syllable, "yi")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Query, not_pinyin, "libx")->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
