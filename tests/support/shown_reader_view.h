#pragma once
// A text view with the main window's design values, shown at a client size of width x height
// (the scroll bar beside it), holding `text`; null when the window never became exposed.

#include <QtTest>

#include <memory>
#include <string>

#include "textview/ui/flat_scroll_bar.h"
#include "textview/ui/reader_design_values.h"
#include "textview/ui/syn_editor.h"

namespace veyrin::test {

inline std::unique_ptr<TSynEditor> makeShownReaderView(int width, int height, const std::string& text) {
    auto view = std::make_unique<TSynEditor>();
    applyReaderDesignValues(*view);
    view->resize(width + TSynFlatScrollBar::kThickness, height);
    view->Lines().LoadFromBytes(text);
    view->show();
    if (!QTest::qWaitForWindowExposed(view.get())) return nullptr;
    return view;
}

}  // namespace veyrin::test
