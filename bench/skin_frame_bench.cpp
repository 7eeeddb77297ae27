// The skinned frame: painting the whole frame of a full-screen window from its cached strips, and
// composing the strips again after a resize.

#include <benchmark/benchmark.h>

#include "qt_bench_main.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "skin/ui/business_skin_form.h"
#include "skin/ui/frame_host.h"

using namespace veyrin;

namespace {

void paintFrameOnce(FrameHost& host, QImage& target) {
    QPainter painter(&target);
    host.skinForm().paintFrame(painter);
}

void BM_PaintFullScreenFrame(benchmark::State& state) {
    FrameHost host;
    host.useStoredSkin({});
    host.setResizable(true);
    host.resize(1920, 1080);
    host.setCaption(QStringLiteral("Veyrin"));
    QImage target(1920, 1080, QImage::Format_RGB32);
    paintFrameOnce(host, target);  // composes the strips once
    for (auto _ : state) {
        paintFrameOnce(host, target);
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_PaintFullScreenFrame)->Unit(benchmark::kMicrosecond);

void BM_ResizeAndRepaintFrame(benchmark::State& state) {
    FrameHost host;
    host.useStoredSkin({});
    host.setResizable(true);
    host.resize(1920, 1080);
    QImage target(1920, 1080, QImage::Format_RGB32);
    int step = 0;
    for (auto _ : state) {
        host.resize(1900 + (step++ % 20), 1080);  // the geometry, shape and strips follow the size
        paintFrameOnce(host, target);
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_ResizeAndRepaintFrame)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return veyrin::bench::runQtBenchmarks(argc, argv); }
