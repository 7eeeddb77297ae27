// The magnetic move step runs for every pointer move of a window drag and must keep up with the
// pointer: the pure snapping arithmetic, and the whole step the move loop takes on a real window
// (work-area lookup included).
//
// Run offscreen:  QT_QPA_PLATFORM=offscreen ./window_states_bench

#include <benchmark/benchmark.h>

#include "qt_bench_main.h"

#include <QApplication>

#include "skin/model/magnetic_snap.h"
#include "skin/ui/frame_host.h"
#include "skin/ui/window_states.h"

namespace {

using veyrin::FrameRect;

void BM_SnapArithmetic(benchmark::State& state) {
    const FrameRect workArea{0, 0, 1280, 994};
    const veyrin::MagneticSettings settings;
    const FrameRect current{100, 100, 644, 786};
    int x = 0;
    for (auto _ : state) {
        const FrameRect proposed{x, 3, x + 544, 689};
        benchmark::DoNotOptimize(veyrin::magneticMoveStep(proposed, current, workArea, settings, false));
        x = (x + 7) % 800;
    }
}
BENCHMARK(BM_SnapArithmetic);

void BM_MoveLoopStep(benchmark::State& state) {
    veyrin::FrameHost host;
    host.setClientSize(538, 661);
    host.show();
    QRect proposed = host.geometry();
    int x = 0;
    for (auto _ : state) {
        proposed.moveTo(x, 4);
        benchmark::DoNotOptimize(host.windowStates()->movedGeometry(proposed));
        x = (x + 7) % 800;
    }
}
BENCHMARK(BM_MoveLoopStep);

}  // namespace

int main(int argc, char** argv) { return veyrin::bench::runQtBenchmarks(argc, argv); }
