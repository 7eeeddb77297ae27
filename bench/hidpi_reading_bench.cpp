// One whole paint of the maximised reading window on a 200 % screen: a 1920 x 1080 design-pixel
// window drawn into 3840 x 2160 device pixels (frame, tool bar, notes and a full page of ruled
// text). The screen runs at two device pixels a design pixel (QT_SCALE_FACTOR=2).
//
// Run offscreen:  ./hidpi_reading_bench

#include <benchmark/benchmark.h>

#include "qt_bench_main.h"

#include <QImage>
#include <QPainter>

#include "platform/model/gbk_text.h"
#include "skin/ui/business_skin_form.h"
#include "textview/ui/syn_editor.h"
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

// The window drawn into `density` device pixels a design pixel; the first paint composes the
// frame's strips and caches glyphs, so the loop measures the steady repaint.
template <typename Paint>
void paintRepeatedly(benchmark::State& state, int density, Paint paint) {
    veyrin::TForm3 window(fullPage());
    window.resize(kDesignSize);
    window.show();
    QImage target(kDesignSize * density, QImage::Format_RGB32);
    target.setDevicePixelRatio(density);
    paint(window, target);
    for (auto _ : state) {
        paint(window, target);
        benchmark::DoNotOptimize(target.constBits());
    }
    state.counters["device_width"] = target.width();
    state.counters["device_height"] = target.height();
}

void renderWhole(veyrin::TForm3& window, QImage& target) { window.render(&target); }

void paintFrameOnly(veyrin::TForm3& window, QImage& target) {
    QPainter painter(&target);
    window.skinForm().paintFrame(painter);
}

void renderTextView(veyrin::TForm3& window, QImage& target) { window.memo3->render(&target); }

void BM_PaintMaximisedReadingWindowAt2x(benchmark::State& state) { paintRepeatedly(state, kScale, renderWhole); }
BENCHMARK(BM_PaintMaximisedReadingWindowAt2x)->Unit(benchmark::kMillisecond);

// The same window at 1x, for comparison, and the two parts of the 2x paint on their own.
void BM_PaintMaximisedReadingWindowAt1x(benchmark::State& state) { paintRepeatedly(state, 1, renderWhole); }
BENCHMARK(BM_PaintMaximisedReadingWindowAt1x)->Unit(benchmark::kMillisecond);

void BM_PaintReadingWindowFrameAt2x(benchmark::State& state) { paintRepeatedly(state, kScale, paintFrameOnly); }
BENCHMARK(BM_PaintReadingWindowFrameAt2x)->Unit(benchmark::kMillisecond);

void BM_PaintReadingTextViewAt2x(benchmark::State& state) { paintRepeatedly(state, kScale, renderTextView); }
BENCHMARK(BM_PaintReadingTextViewAt2x)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", QByteArray::number(kScale));
    return veyrin::bench::runQtBenchmarks(argc, argv);
}
