#include "textview/ui/scroll_hint.h"

#include <QCoreApplication>
#include <QPointer>

#include "platform/ui/qt_color.h"

namespace veyrin {
namespace {

QPointer<TSynScrollHint>& sharedHint() {
    static QPointer<TSynScrollHint> hint;
    return hint;
}

void deleteSharedHint() { delete sharedHint().data(); }

}  // namespace

TSynScrollHint::TSynScrollHint() : QLabel(nullptr, Qt::ToolTip | Qt::FramelessWindowHint) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setMargin(2);
    setMaximumWidth(kMaxWidth);
    setWordWrap(true);
}

TSynScrollHint& TSynScrollHint::shared() {
    QPointer<TSynScrollHint>& hint = sharedHint();
    if (!hint) {
        hint = new TSynScrollHint();
        qAddPostRoutine(deleteSharedHint);
    }
    return *hint;
}

TSynScrollHint* TSynScrollHint::existing() { return sharedHint().data(); }

void TSynScrollHint::showText(const QString& text, TColor background, int globalRight, int globalTop) {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, toQColor(background));
    pal.setColor(QPalette::WindowText, toQColor(clInfoText));
    setPalette(pal);
    setAutoFillBackground(true);
    setText(text.left(kMaxTextLength));
    adjustSize();
    move(globalRight - width(), globalTop);
    show();
}

}  // namespace veyrin
