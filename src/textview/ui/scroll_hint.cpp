#include "textview/ui/scroll_hint.h"

#include <QCoreApplication>
#include <QPointer>

namespace veyrin {
namespace {

QPointer<TSynScrollHint>& sharedHint() {
    static QPointer<TSynScrollHint> hint;
    return hint;
}

void deleteSharedHint() { delete sharedHint().data(); }

}  // namespace

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
    setColor(background);
    QString shown = text.left(kMaxTextLength);
    QSize size = calcHintSize(shown);
    activateHint(QPoint(globalRight - size.width(), globalTop), shown);
}

}  // namespace veyrin
