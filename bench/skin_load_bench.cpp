// Every window inflates and loads its skin while it is created, so this stands directly before
// the first paint. The package is generated with the stored skin's layout and size.

#include <benchmark/benchmark.h>

#include "../tools/sample_skin/sample_skin.h"
#include "skin/model/compressed_stored_skin.h"
#include "skin/model/skin_data.h"
#include "skin/model/zlib_stream.h"

namespace {

const veyrin::TbsCompressedStoredSkin& sampleStore() {
    static const veyrin::TbsCompressedStoredSkin store = [] {
        veyrin::TbsCompressedStoredSkin s;
        s.setCompressedData(veyrin::deflateZlib(veyrin::writeSkinPackage(veyrin::sample_skin::package())));
        return s;
    }();
    return store;
}

void BM_InflateStoredSkin(benchmark::State& state) {
    const auto& store = sampleStore();
    std::size_t inflated = 0;
    for (auto _ : state) {
        std::string bytes;
        store.inflateInto(bytes);
        inflated = bytes.size();
        benchmark::DoNotOptimize(bytes.data());
    }
    state.counters["compressed"] = static_cast<double>(store.compressedData().size());
    state.counters["inflated"] = static_cast<double>(inflated);
}
BENCHMARK(BM_InflateStoredSkin)->Unit(benchmark::kMillisecond);

void BM_LoadStoredSkin(benchmark::State& state) {
    const auto& store = sampleStore();
    for (auto _ : state) {
        veyrin::TbsSkinData skin;
        skin.setCompressedStoredSkin(&store);
        benchmark::DoNotOptimize(skin.objects().data());
    }
}
BENCHMARK(BM_LoadStoredSkin)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
