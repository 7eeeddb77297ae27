#include "app/ui/veyrin_application.h"

#include <QWidget>

#include "app/ui/accessible_factory.h"
#include "platform/ui/font_faces.h"

namespace veyrin {

VeyrinApplication::VeyrinApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Veyrin"));
    setApplicationDisplayName(QStringLiteral("Veyrin"));
    installFontSubstitutions();
    installAccessibleFactory();
}

namespace {

// Events also reach objects of library classes whose type information is hidden (the web
// engine's scene items), which the undefined-behaviour checker cannot tell from a broken object.
// Asking any object whether it is a widget is sound, so that one question is left unchecked.
__attribute__((no_sanitize("vptr"))) bool isWidget(const QObject* receiver) {
    return receiver && receiver->isWidgetType();
}

}  // namespace

bool VeyrinApplication::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    QWidget* parent = isWidget(receiver) ? static_cast<QWidget*>(receiver)->window() : nullptr;
    runReportingErrors(parent, [&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

}  // namespace veyrin
