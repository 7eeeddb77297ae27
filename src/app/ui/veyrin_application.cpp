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

bool VeyrinApplication::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    QWidget* parent = receiver && receiver->isWidgetType() ? static_cast<QWidget*>(receiver)->window() : nullptr;
    runReportingErrors(parent, [&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

}  // namespace veyrin
