// A menu level of the stored skin built, sized and painted: the system menu of the main window
// as it is rebuilt at each opening, sized with the item font, and a whole level opened, painted
// and closed through the menu engine. A level must be on screen within one frame (16 ms).
//
// Run offscreen:  QT_QPA_PLATFORM=offscreen ./menu_bench

#include <benchmark/benchmark.h>

#include "qt_bench_main.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include "platform/ui/font_faces.h"
#include "skin/model/menu_level_layout.h"
#include "skin/model/skin_data.h"
#include "skin/model/system_menu.h"
#include "skin/ui/menu_look.h"
#include "skin/ui/skin_menu.h"
#include "skin/ui/skin_popup_window.h"
#include "skin/ui/stored_skin.h"

namespace {

using namespace veyrin;

struct StoredSkin {
    TbsCompressedStoredSkin store = makeStoredSkin();
    TbsSkinData skin;
    StoredSkin() { skin.setCompressedStoredSkin(&store); }
};

SystemMenuFrameState mainWindowState() {
    SystemMenuFrameState s;
    s.biMinimize = s.biRollUp = s.biMinimizeToTray = true;
    return s;
}

void BM_BuildAndSizeSystemMenu(benchmark::State& state) {
    StoredSkin stored;
    MenuLook look = makeMenuLook(&stored.skin, MenuLookOptions{true, 20, fontWithPixelSize("Arial", 15), 0});
    QFontMetrics metrics(look.font);
    MenuTextWidth textWidth = [&metrics](const std::string& text) { return metrics.horizontalAdvance(QString::fromStdString(text)); };
    std::vector<TbsMenuItem> items{TbsMenuItem::separator()};
    for (auto _ : state) {
        rebuildSystemMenu(items, mainWindowState());
        MenuLevelSize size = menuLevelSize(items, look.metrics, textWidth, 0, 1040);
        MenuLevelLayout layout = layoutMenuLevel(items, look.metrics, size, 0);
        benchmark::DoNotOptimize(layout);
    }
}
BENCHMARK(BM_BuildAndSizeSystemMenu)->Unit(benchmark::kMicrosecond);

void BM_OpenPaintAndCloseLevel(benchmark::State& state) {
    StoredSkin stored;
    QWidget window;
    TbsSkinMenu engine(&window);
    engine.setSkinData(&stored.skin);
    std::vector<TbsMenuItem> items{TbsMenuItem::separator()};
    QImage target(300, 200, QImage::Format_RGB32);
    for (auto _ : state) {
        rebuildSystemMenu(items, mainWindowState());
        engine.popupAt(QPoint(100, 100), items, {});
        TbsSkinPopupWindow* level = engine.level(0);
        level->render(&target);
        engine.closeAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
BENCHMARK(BM_OpenPaintAndCloseLevel)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return veyrin::bench::runQtBenchmarks(argc, argv); }
