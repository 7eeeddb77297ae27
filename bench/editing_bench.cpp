// Typing into the middle of a large word-wrapped document: the time of one keystroke from the
// command to the repainted rows (the view's pending update painted into the offscreen backing
// store). Reports the median and the 99th percentile per keystroke.

#include <QApplication>

#include <benchmark/benchmark.h>

#include "qt_bench_main.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <string>
#include <vector>

#include "platform/model/gbk_text.h"
#include "platform/ui/font_faces.h"
#include "textview/model/editor_commands.h"
#include "textview/ui/flat_scroll_bar.h"
#include "textview/ui/reader_design_values.h"
#include "textview/ui/syn_editor.h"

using namespace veyrin;

namespace {

constexpr size_t kDocumentBytes = 5 * 1024 * 1024;
constexpr int kKeystrokes = 1000;

// Lines of eight clauses (192 bytes) of Chinese verse, CR LF separated, about 5 MB in all.
std::string makeDocument() {
    const std::string clause = gbk::fromUtf8("床前明月光，疑是地上霜。");
    std::string line;
    for (int i = 0; i < 8; ++i) line += clause;
    std::string text;
    text.reserve(kDocumentBytes + line.size());
    while (text.size() < kDocumentBytes) text += line + "\r\n";
    return text;
}

double threadCpuMicros() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}

double percentile(std::vector<double> samples, double fraction) {
    std::sort(samples.begin(), samples.end());
    const auto index = static_cast<size_t>(fraction * static_cast<double>(samples.size() - 1));
    return samples[index];
}

void typeIntoWrappedDocument(benchmark::State& state, TSynEditorCommand command, const std::string& keystroke) {
    static const std::string document = makeDocument();
    TSynEditor view;
    applyReaderDesignValues(view);
    view.resize(600 + TSynFlatScrollBar::kThickness, 500);
    view.Lines().LoadFromBytes(document);
    view.show();
    QCoreApplication::processEvents();
    const int middleLine = view.Lines().Count() / 2;
    view.setCaretXY({97, middleLine});  // the middle of a line that wraps into two rows
    QCoreApplication::processEvents();

    std::vector<double> micros, commandMicros, cpuMicros;
    micros.reserve(kKeystrokes);
    commandMicros.reserve(kKeystrokes);
    using Clock = std::chrono::steady_clock;
    for (auto _ : state) {
        const double cpuStart = threadCpuMicros();
        const auto start = Clock::now();
        view.executeCommand(command, keystroke);
        const auto commandDone = Clock::now();
        QCoreApplication::processEvents();  // delivers the update request: the changed rows repaint
        const std::chrono::duration<double> elapsed = Clock::now() - start;
        state.SetIterationTime(elapsed.count());
        micros.push_back(elapsed.count() * 1e6);
        cpuMicros.push_back(threadCpuMicros() - cpuStart);
        commandMicros.push_back(std::chrono::duration<double, std::micro>(commandDone - start).count());
    }
    state.counters["median_us"] = percentile(micros, 0.5);
    state.counters["p99_us"] = percentile(micros, 0.99);
    state.counters["max_us"] = percentile(micros, 1.0);
    // The machine is shared: thread CPU time leaves out the time other processes took.
    state.counters["cpu_median_us"] = percentile(cpuMicros, 0.5);
    state.counters["cpu_p99_us"] = percentile(cpuMicros, 0.99);
    state.counters["over_1ms"] = static_cast<double>(std::count_if(micros.begin(), micros.end(), [](double us) { return us > 1000; }));
    state.counters["cmd_median_us"] = percentile(commandMicros, 0.5);
    state.counters["cmd_p99_us"] = percentile(commandMicros, 0.99);
    state.counters["rows"] = view.rowCount();
}

void BM_TypeAsciiInWrappedDocument(benchmark::State& state) { typeIntoWrappedDocument(state, ecChar, "a"); }
void BM_TypeChineseByInputMethod(benchmark::State& state) {
    typeIntoWrappedDocument(state, ecImeStr, gbk::fromUtf8("诗"));
}

// Whole-document edits stay linear: select all, delete, undo, redo on the 5 MB document.
void BM_DeleteAllUndoRedo(benchmark::State& state) {
    static const std::string document = makeDocument();
    TSynEditor view;
    applyReaderDesignValues(view);
    view.resize(600 + TSynFlatScrollBar::kThickness, 500);
    view.show();
    for (auto _ : state) {
        state.PauseTiming();
        view.Lines().LoadFromBytes(document);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        view.selectAll();
        view.clearSelection();
        view.undo();
        view.redo();
        QCoreApplication::processEvents();
    }
}

}  // namespace

BENCHMARK(BM_DeleteAllUndoRedo)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TypeAsciiInWrappedDocument)->Iterations(kKeystrokes)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TypeChineseByInputMethod)->Iterations(kKeystrokes)->UseManualTime()->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) { return veyrin::bench::runQtBenchmarks(argc, argv); }
