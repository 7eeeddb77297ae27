// One whole paint of the maximised reading window on a 200 % screen: a 1920 x 1080 design-pixel
// window drawn into 3840 x 2160 device pixels (frame, tool bar, notes and a full page of ruled
// text). The screen runs at two device pixels a design pixel (QT_SCALE_FACTOR=2).
//
// Run offscreen:  ./hidpi_reading_bench

#include <benchmark/benchmark.h>

#include "qt_bench_main.h"

#include <QImage>

#include "platform/model/gbk_text.h"
#include "windows/model/reading_snapshot.h"
#include "windows/ui/reading_window.h"

namespace {

constexpr int kScale = 2;
const QSize kDesignSize(1920, 1080);

veyrin::ReadingSnapshot fullPage() {
    veyrin::ReadingSnapshot snapshot;
    for (int i = 0; i < 60; ++i) snapshot.lines.push_back(veyrin::gbk::fromUtf8("床前明月光，疑是地上霜。举头望明月，低头思故乡。"));
    snapshot.fontName = veyrin::gbk::fromUtf8("宋体");
    snapshot.fontSize = 11;
    return snapshot;
}

void BM_PaintMaximisedReadingWindowAt2x(benchmark::State& state) {
    veyrin::TForm3 window(fullPage());
    window.resize(kDesignSize);
    window.show();
    QImage target(kDesignSize * kScale, QImage::Format_RGB32);
    target.setDevicePixelRatio(kScale);
    window.render(&target);  // the first paint composes the frame's strips and caches glyphs
    for (auto _ : state) {
        window.render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
    state.counters["device_width"] = target.width();
    state.counters["device_height"] = target.height();
}
BENCHMARK(BM_PaintMaximisedReadingWindowAt2x)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", QByteArray::number(kScale));
    return veyrin::bench::runQtBenchmarks(argc, argv);
}
