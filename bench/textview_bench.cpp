// Speed and memory of the text view on a 50 MB GBK file of Chinese prose: loading and saving the line
// store, loading and wrapping at a 40-character width next to QPlainTextEdit doing the same work and next to a
// plain read-and-count-breaks, memory after a load, and painting a full-screen view.
//
// Run offscreen:  QT_QPA_PLATFORM=offscreen ./textview_bench

#include <benchmark/benchmark.h>

#include "qt_bench_main.h"
#include <unistd.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>

#include "platform/model/program_path.h"
#include "platform/ui/font_faces.h"
#include "platform/ui/gbk_qt.h"
#include "textview/model/line_store.h"
#include "textview/ui/flat_scroll_bar.h"
#include "textview/ui/reader_design_values.h"
#include "textview/ui/syn_editor.h"

namespace {

namespace fs = std::filesystem;
using namespace veyrin;

constexpr size_t kFileBytes = 50u * 1024 * 1024;
// A 40-character width: 40 double-byte characters are 80 cells.
constexpr int kWrapCells = 80;
const char* const kFileName = "prose.txt";

// Paragraphs of 20 to 400 GB2312 characters with commas and full stops, CR LF between them.
std::string makeChineseProse(size_t bytes) {
    std::mt19937 rng(20240607);
    std::uniform_int_distribution<int> lead(0xB0, 0xD7), trail(0xA1, 0xFE), paragraph(20, 400), clause(4, 12);
    std::string text;
    text.reserve(bytes + 1024);
    while (text.size() < bytes) {
        int chars = paragraph(rng);
        int untilComma = clause(rng);
        for (int i = 0; i < chars; ++i) {
            if (--untilComma == 0) {
                text += i + 1 == chars ? "\xA1\xA3" : "\xA3\xAC";
                untilComma = clause(rng);
                continue;
            }
            text.push_back(static_cast<char>(lead(rng)));
            text.push_back(static_cast<char>(trail(rng)));
        }
        text += "\xA1\xA3\r\n";
    }
    return text;
}

struct Fixture {
    fs::path dir;
    std::string bytes;

    Fixture() {
        dir = fs::temp_directory_path() / ("veyrin_textview_bench_" + std::to_string(::getpid()));
        fs::create_directories(dir);
        bytes = makeChineseProse(kFileBytes);
        std::ofstream(dir / kFileName, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    ~Fixture() { fs::remove_all(dir); }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

long residentBytes() {
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(f);
    }
    return resident * ::sysconf(_SC_PAGESIZE);
}

// A reader view at the design values whose text area is exactly `cells` cells wide.
std::unique_ptr<TSynEditor> makeView(int width, int height) {
    auto view = std::make_unique<TSynEditor>();
    applyReaderDesignValues(*view);
    view->resize(width + TSynFlatScrollBar::kThickness, height);
    view->show();
    QCoreApplication::processEvents();
    return view;
}

void setBytesProcessed(benchmark::State& state) {
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(fixture().bytes.size()));
}

// (a) The line store alone.
void BM_LineStoreLoad(benchmark::State& state) {
    TSynEditStringList lines;
    for (auto _ : state) lines.LoadFromFile(fixture().dir, kFileName);
    state.counters["lines"] = lines.Count();
    setBytesProcessed(state);
}
BENCHMARK(BM_LineStoreLoad)->Unit(benchmark::kMillisecond);

void BM_LineStoreSave(benchmark::State& state) {
    TSynEditStringList lines;
    lines.LoadFromFile(fixture().dir, kFileName);
    for (auto _ : state) lines.SaveToFile(fixture().dir, "saved.txt");
    setBytesProcessed(state);
}
BENCHMARK(BM_LineStoreSave)->Unit(benchmark::kMillisecond);

// (b) Load and wrap at 40 characters, against reading the file and counting its breaks...
void BM_ReadAndCountBreaksMemchr(benchmark::State& state) {
    std::string path = (fixture().dir / kFileName).string();
    for (auto _ : state) {
        FILE* f = std::fopen(path.c_str(), "rb");
        std::string buffer(kFileBytes + 4096, '\0');
        size_t n = std::fread(buffer.data(), 1, buffer.size(), f);
        std::fclose(f);
        long breaks = 0;
        const char* p = buffer.data();
        const char* end = p + n;
        while ((p = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(end - p))))) {
            ++breaks;
            ++p;
        }
        benchmark::DoNotOptimize(breaks);
    }
    setBytesProcessed(state);
}
BENCHMARK(BM_ReadAndCountBreaksMemchr)->Unit(benchmark::kMillisecond);

void BM_SynEditorLoadAndWrap(benchmark::State& state) {
    auto view = makeView(2 + kWrapCells * 6, 600);
    for (auto _ : state) view->Lines().LoadFromFile(fixture().dir, kFileName);
    state.counters["rows"] = view->rowCount();
    state.counters["wrap_cells"] = view->charsInWindow();
    setBytesProcessed(state);
}
BENCHMARK(BM_SynEditorLoadAndWrap)->Unit(benchmark::kMillisecond);

// ...and against QPlainTextEdit laying out the same text (converted to Unicode beforehand) at 40
// characters. Its layout is lazy, so every block is laid out explicitly to do the same work.
void BM_QPlainTextEditLoadAndWrap(benchmark::State& state) {
    QString text = gbkToQString(fixture().bytes);
    QPlainTextEdit edit;
    edit.setFont(fontWithPixelSize(QString::fromUtf8("新宋体"), 12));
    edit.setLineWrapMode(QPlainTextEdit::WidgetWidth);
    edit.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    edit.show();
    // Wrap at the view's width: 80 cells of 6 px, i.e. 40 double-byte characters.
    const int margin = static_cast<int>(edit.document()->documentMargin());
    edit.resize(kWrapCells * 6 + 2 * margin + 2 * edit.frameWidth() + edit.verticalScrollBar()->sizeHint().width(), 600);
    QCoreApplication::processEvents();
    long lines = 0;
    for (auto _ : state) {
        edit.setPlainText(text);
        QAbstractTextDocumentLayout* layout = edit.document()->documentLayout();
        lines = 0;
        for (QTextBlock block = edit.document()->begin(); block.isValid(); block = block.next()) {
            benchmark::DoNotOptimize(layout->blockBoundingRect(block));
            lines += block.layout() ? block.layout()->lineCount() : 0;
        }
    }
    state.counters["rows"] = static_cast<double>(lines);
    setBytesProcessed(state);
}
BENCHMARK(BM_QPlainTextEditLoadAndWrap)->Unit(benchmark::kMillisecond)->Iterations(1);

// (c) Memory held after a load into a wrapping view, per byte of file. Memory freed by earlier
// benchmarks is reused without showing in the resident size, so run this one alone for a clean figure:
//   ./textview_bench --benchmark_filter=Memory
void BM_MemoryAfterLoad(benchmark::State& state) {
    double ratio = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto view = makeView(2 + kWrapCells * 6, 600);
        long before = residentBytes();
        state.ResumeTiming();
        view->Lines().LoadFromFile(fixture().dir, kFileName);
        state.PauseTiming();
        ratio = static_cast<double>(residentBytes() - before) / static_cast<double>(fixture().bytes.size());
        view.reset();
        state.ResumeTiming();
    }
    state.counters["resident_per_file_byte"] = ratio;
}
BENCHMARK(BM_MemoryAfterLoad)->Unit(benchmark::kMillisecond)->Iterations(1);

// (d) One full paint of a 1920x1080 view of wrapped text.
void BM_PaintFullView(benchmark::State& state) {
    auto view = makeView(1920 - TSynFlatScrollBar::kThickness, 1080);
    view->Lines().LoadFromBytes(fixture().bytes.substr(0, 1u << 20));
    view->setTopLine(100);
    QImage image(view->viewport()->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        view->viewport()->render(&image);
        benchmark::ClobberMemory();
    }
    state.counters["rows_painted"] = view->linesInWindow();
}
BENCHMARK(BM_PaintFullView)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return veyrin::bench::runQtBenchmarks(argc, argv, [] { fixture(); }); }
