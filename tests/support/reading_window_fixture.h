#pragma once
// A reading window on a short poem, shown and focused, for the tests of its view modes.

#include <QApplication>
#include <QImage>
#include <QtTest>

#include "platform/model/gbk_text.h"
#include "textview/ui/syn_editor.h"
#include "windows/ui/reading_view_modes.h"
#include "windows/ui/reading_window.h"

namespace veyrin {

inline const char* const kShortPoem[] = {"静夜思", "床前明月光，疑是地上霜。", "举头望明月，低头思故乡。"};

// The poem `copies` times over, in the Song face on white with ruled lines.
inline ReadingSnapshot poemSnapshot(int copies = 1) {
    ReadingSnapshot s;
    for (int i = 0; i < copies; ++i)
        for (const char* line : kShortPoem) s.lines.push_back(gbk::fromUtf8(line));
    s.fontName = gbk::fromUtf8("宋体");
    s.fontSize = 11;
    s.fontColor = 0x000000;
    s.background = 0xFFFFFF;
    s.ruledLines = true;
    return s;
}

inline ReadingViewModes& modesOf(TForm3& window) {
    auto* modes = window.findChild<ReadingViewModes*>();
    if (modes == nullptr) qFatal("the reading window has no view modes");
    return *modes;
}

inline void showActive(TForm3& window) {
    window.resize(900, 700);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    window.memo3->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(window.memo3));
}

// Whether any pixel of `area` is darker than `grey` (0 black .. 255 white).
inline bool hasInk(const QImage& image, const QRect& area, int grey) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < grey) return true;
    return false;
}

}  // namespace veyrin
