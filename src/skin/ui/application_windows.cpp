#include "skin/ui/application_windows.h"

#include <QApplication>

namespace veyrin {
namespace {

bool isApplicationWindow(const QWidget* widget) {
    const Qt::WindowType type = widget->windowType();
    return widget->isWindow() && widget->isVisible() && (type == Qt::Window || type == Qt::Dialog);
}

}  // namespace

QList<QPointer<QWidget>> visibleApplicationWindows() {
    QList<QPointer<QWidget>> windows;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (isApplicationWindow(widget)) windows.append(widget);
    return windows;
}

void minimiseApplication() {
    for (const QPointer<QWidget>& window : visibleApplicationWindows())
        if (window) window->showMinimized();
}

void endIfLastWindowClosed(const QWidget& closed) {
    if (QGuiApplication::quitOnLastWindowClosed() && closed.testAttribute(Qt::WA_QuitOnClose) &&
        visibleApplicationWindows().isEmpty())
        QCoreApplication::quit();
}

}  // namespace veyrin
